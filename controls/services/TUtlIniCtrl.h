#pragma once
// The settings store of the UTL components: named settings in an INI file or
// under a registry key, chosen by Target. Every operation opens the store, does
// its one read or write and closes it again; nothing is cached. Absent values
// read as the given default; a store that cannot be written raises the
// platform's INI or registry exception; text that cannot be converted back (a
// float, date or colour) raises the platform's conversion error.
#include "controls/common/TUtlCustomComponent.h"
#include "controls/common/UtlRoutines.h"
#include "platform/core/DateTime.h"
#include "platform/core/TRegIniFile.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"

#include <memory>

class TCustomIniFile;
class TFont;
class TPersistent;
class TStrings;

enum TUtlIniTarget { itIniFile, itRegistry, itAuto };
enum TUtlRegRootKey { rpClassesRoot, rpCurrentUser, rpLocalMachine, rpUsers, rpCurrentConfig, rpDynData };
// For components that link to a settings store.
enum TUtlIniUse { ioUseLink, ioUseGlobal, ioNone };

// The root key of Root; 0 for an ordinal above rpDynData.
HKEY UtlGetRootKey(TUtlRegRootKey Root);

// A registry-INI object under any root: read-only opens an existing key without
// creating it; otherwise the key is created when missing.
class TUtlRegIniFile : public TRegIniFile {
public:
    TUtlRegIniFile(HKEY RootKey, const String& Path, bool ReadOnly);
    String ClassName() const override { return "TUtlRegIniFile"; }
};

// Published properties of Instance (registered with TypInfo) written to / read
// from one section: ordinals as integers (left out at their default), floats
// through the store's float text (left out at their default), strings (left out
// empty). Saving raises before it writes anything when the store refuses one of
// the values (a float that is not finite, an entry the INI file cannot hold).
void UtlSaveObjectProperties(TCustomIniFile* Store, const String& Section, TPersistent* Instance);
void UtlLoadObjectProperties(TCustomIniFile* Store, const String& Section, TPersistent* Instance);

class TUtlIniCtrl : public TUtlCustomComponent {
public:
    explicit TUtlIniCtrl(TComponent* AOwner);
    ~TUtlIniCtrl() override;
    String ClassName() const override { return "TUtlIniCtrl"; }

    bool AlphaCounter() const { return FAlphaCounter; }
    // Switching it caps MaxEntries at 26.
    void SetAlphaCounter(bool Value);
    bool Common() const { return FCommon; }
    void SetCommon(bool Value) { FCommon = Value; }
    const String& IniFile() const { return FIniFile; }
    // A name without extension gets ".INI".
    void SetIniFile(const String& Value);
    TUtlPathPrefix IniPrefix() const { return FIniPrefix; }
    void SetIniPrefix(TUtlPathPrefix Value) { FIniPrefix = Value; }
    Byte MaxEntries() const { return FMaxEntries; }
    // Refused above 26 while AlphaCounter is set.
    void SetMaxEntries(Byte Value);
    bool NetUser() const { return FNetUser; }
    // Turning it on takes User from GetNetUserName.
    void SetNetUser(bool Value);
    const String& User() const { return FUser; }
    void SetUser(const String& Value) { FUser = Value; }
    const String& RegPath() const { return FRegPath; }
    void SetRegPath(const String& Value) { FRegPath = Value; }
    TUtlRegRootKey RegRoot() const { return FRegRoot; }
    void SetRegRoot(TUtlRegRootKey Value) { FRegRoot = Value; }
    TUtlIniTarget Target() const { return FTarget; }
    // itAuto means the registry.
    void SetTarget(TUtlIniTarget Value);
    TUtlIniTarget EffectiveTarget() const { return FEffectiveTarget; }

    // The logged-on user's name.
    virtual String GetNetUserName();
    // "A", "B" … with AlphaCounter, else "0", "1" …
    String GetCounterIdent(Integer N) const;
    // IniFile (the executable's name with ".INI" when empty) in the prefix's folder.
    String GetIniName();
    // RegPath with a trailing "\", or the services object's default path.
    String GetRegPath() const;
    // The section as stored (user suffix for INI files, "#ROOT" as the key itself
    // for the registry); a blank section is the last one used, else "Common".
    String GetSectionName(const String& Section);

    String ReadString(const String& Section, const String& Ident, const String& Default);
    void WriteString(const String& Section, const String& Ident, const String& Value);
    Integer ReadInteger(const String& Section, const String& Ident, Integer Default);
    void WriteInteger(const String& Section, const String& Ident, Integer Value);
    bool ReadBool(const String& Section, const String& Ident, bool Default);
    void WriteBool(const String& Section, const String& Ident, bool Value);
    double ReadFloat(const String& Section, const String& Ident, double Default);
    // An infinity or NaN raises (TCustomIniFile::CheckFloat) and changes nothing.
    void WriteFloat(const String& Section, const String& Ident, double Value);
    TDateTime ReadDate(const String& Section, const String& Ident, TDateTime Default);
    void WriteDate(const String& Section, const String& Ident, TDateTime Value);
    TDateTime ReadTime(const String& Section, const String& Ident, TDateTime Default);
    void WriteTime(const String& Section, const String& Ident, TDateTime Value);
    TDateTime ReadDateTime(const String& Section, const String& Ident, TDateTime Default);
    void WriteDateTime(const String& Section, const String& Ident, TDateTime Value);
    TColor ReadColor(const String& Section, const String& Ident, TColor Default);
    void WriteColor(const String& Section, const String& Ident, TColor Value);
    // False, leaving Font alone, when nothing is stored.
    bool ReadFont(const String& Section, const String& Ident, TFont* Font);
    void WriteFont(const String& Section, const String& Ident, TFont* Font);
    TPoint ReadPoint(const String& Section, const String& Ident, const TPoint& Default);
    void WritePoint(const String& Section, const String& Ident, const TPoint& Value);
    TRect ReadRect(const String& Section, const String& Ident, const TRect& Default);
    void WriteRect(const String& Section, const String& Ident, const TRect& Value);

    // Lines as Ident + counter; writing erases the section first and stores at
    // most MaxCount lines, but raises before that when the store refuses one of
    // them, or with AlphaCounter when more than 26 lines are to be stored
    // (EIniFileException "Too many lines for letter counters (<n> lines, at most
    // 26)": the letters give no more names); reading stops at the first absent
    // entry (empty lines come back).
    void ReadStringsExt(const String& Section, const String& Ident, TStrings* Strings, Integer MaxCount);
    void WriteStringsExt(const String& Section, const String& Ident, TStrings* Strings, Integer MaxCount);
    void ReadStrings(const String& Section, const String& Ident, TStrings* Strings);
    void WriteStrings(const String& Section, const String& Ident, TStrings* Strings);
    // name=value lines; the section is not user-suffixed nor erased first.
    void ReadColorList(const String& Section, TStrings* Strings);
    void WriteColorList(const String& Section, TStrings* Strings);
    void ReadObject(const String& Section, TPersistent* Instance);
    void WriteObject(const String& Section, TPersistent* Instance);

    void ReadSection(const String& Section, TStrings* Strings);
    void ReadSections(TStrings* Strings);
    void ReadSectionValues(const String& Section, TStrings* Strings);
    void EraseSection(const String& Section);
    void DeleteKey(const String& Section, const String& Ident);

private:
    std::unique_ptr<TCustomIniFile> OpenStore(bool ReadOnly);

    bool FCommon = true;
    bool FNetUser = false;
    String FIniFile;
    String FCurrentSection;
    String FUser;
    TUtlPathPrefix FIniPrefix = ppWindows;
    TUtlRegRootKey FRegRoot = rpCurrentUser;
    String FRegPath;
    bool FAlphaCounter = false;
    Byte FMaxEntries = 16;
    TUtlIniTarget FEffectiveTarget = itRegistry;
    TUtlIniTarget FTarget = itAuto;
};
