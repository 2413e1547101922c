#pragma once
// The registry read and written like an INI file: the file name is a key below
// the root, each section a sub-key of it (an empty section is the key itself),
// each entry a value. Integers and Booleans are stored as text.
#include "platform/core/TRegistry.h"

class TRegIniFile : public TRegistry {
public:
    // Opens FileName below HKEY_CURRENT_USER, creating it when missing.
    explicit TRegIniFile(const String& AFileName, Cardinal AAccess = KEY_ALL_ACCESS);

    String ClassName() const override { return "TRegIniFile"; }
    const String& FileName() const { return FFileName; }

    using TRegistry::DeleteKey;
    using TRegistry::ReadBool;
    using TRegistry::ReadInteger;
    using TRegistry::ReadString;
    using TRegistry::WriteBool;
    using TRegistry::WriteInteger;
    using TRegistry::WriteString;

    // Default when the section or value is missing; nothing is created.
    String ReadString(const String& Section, const String& Ident, const String& Default);
    // Creates the section's key when missing; raises ERegistryException
    // "Failed to set data for '<ident>'" as TRegistry::WriteString does.
    void WriteString(const String& Section, const String& Ident, const String& Value);
    // Reads integer values and numbers stored as text; Default otherwise.
    Integer ReadInteger(const String& Section, const String& Ident, Integer Default);
    void WriteInteger(const String& Section, const String& Ident, Integer Value);
    bool ReadBool(const String& Section, const String& Ident, bool Default);
    void WriteBool(const String& Section, const String& Ident, bool Value);

    void ReadSection(const String& Section, TStrings* Strings);
    void ReadSections(TStrings* Strings);
    void ReadSectionValues(const String& Section, TStrings* Strings);
    // Deletes the section's key; the empty section (the key itself) loses only its own
    // values, never the other sections below it.
    void EraseSection(const String& Section);
    void DeleteKey(const String& Section, const String& Ident);

protected:
    // For descendants that open the key themselves (another root, read-only):
    // nothing is opened or created.
    struct TOpenLater {};
    TRegIniFile(TOpenLater, Cardinal AAccess) : TRegistry(AAccess) {}
    void SetFileName(const String& Value) { FFileName = Value; }

private:
    // Runs f with the section's key current and restores the open key after.
    template <typename F> bool WithSection(const String& Section, bool Create, F f);

    String FFileName;
};
