#pragma once
// Settings kept as sections of named values: the common interface of INI files
// and of the registry seen as an INI file. Typed values are stored as text.
#include "platform/core/TObject.h"

class TStrings;

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(const String& AFileName) : FFileName(AFileName) {}

    String ClassName() const override { return "TCustomIniFile"; }
    const String& FileName() const { return FFileName; }

    // The stored text, or Default when the value is absent.
    virtual String ReadString(const String& Section, const String& Ident, const String& Default) = 0;
    virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
    // Raises what WriteString would raise for an entry the store can never hold, and writes
    // nothing: a write of several entries checks them all before it changes anything.
    virtual void CheckEntry(const String& /*Section*/, const String& /*Ident*/, const String& /*Value*/) {}

    // Decimal or hexadecimal ("$1F", "0x1F"); Default when absent or not a number.
    virtual Integer ReadInteger(const String& Section, const String& Ident, Integer Default);
    virtual void WriteInteger(const String& Section, const String& Ident, Integer Value);
    // Stored as "1" / "0"; any number but 0 reads as true.
    virtual bool ReadBool(const String& Section, const String& Ident, bool Default);
    virtual void WriteBool(const String& Section, const String& Ident, bool Value);
    // In the process-wide formats; Default when absent or unreadable. A float is written
    // as FloatToStrExact's text, so it reads back as the same number; an infinity or NaN,
    // whose text no reader takes back, raises as CheckFloat does and writes nothing.
    virtual double ReadFloat(const String& Section, const String& Ident, double Default);
    virtual void WriteFloat(const String& Section, const String& Ident, double Value);
    // Raises EIniFileException "'INF' cannot be stored: a stored float must be a finite
    // number" (with "-INF" or "NAN" as the case is); a write of several values checks
    // them all before it changes anything.
    static void CheckFloat(double Value);
    virtual TDateTime ReadDate(const String& Section, const String& Ident, TDateTime Default);
    virtual void WriteDate(const String& Section, const String& Ident, TDateTime Value);
    virtual TDateTime ReadTime(const String& Section, const String& Ident, TDateTime Default);
    virtual void WriteTime(const String& Section, const String& Ident, TDateTime Value);
    virtual TDateTime ReadDateTime(const String& Section, const String& Ident, TDateTime Default);
    virtual void WriteDateTime(const String& Section, const String& Ident, TDateTime Value);

    // The names of the section's values (Strings is cleared first).
    virtual void ReadSection(const String& Section, TStrings* Strings) = 0;
    // The section names (Strings is cleared first).
    virtual void ReadSections(TStrings* Strings) = 0;
    // The section's values as name=value lines (Strings is cleared first).
    virtual void ReadSectionValues(const String& Section, TStrings* Strings) = 0;
    virtual void EraseSection(const String& Section) = 0;
    virtual void DeleteKey(const String& Section, const String& Ident) = 0;
    // Makes sure everything written has reached the store.
    virtual void UpdateFile() = 0;

    // True when the section holds at least one value.
    bool SectionExists(const String& Section);
    virtual bool ValueExists(const String& Section, const String& Ident);

private:
    String FFileName;
};
