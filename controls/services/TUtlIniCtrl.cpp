#include "controls/services/TUtlIniCtrl.h"

#include "controls/services/TUtlApplication.h"
#include "controls/common/UtlStrings.h"
#include "controls/services/UtlSysInfo.h"
#include "controls/services/UtlValueStrings.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TIniFile.h"
#include "platform/core/TRegistryIniFile.h"
#include "platform/core/TStringList.h"
#include "platform/core/TypInfo.h"
#include "platform/os/ProgramPaths.h"

#include <algorithm>
#include <vector>

namespace {

constexpr Byte MaxAlphaEntries = 26;

// Published string, ordinal and float properties that the store keeps.
bool Kept(const TPropInfo& p) {
    return p.IsOrdinal() || p.Kind == tkFloat || p.Kind == tkString || p.Kind == tkLString ||
           p.Kind == tkWString;
}

// One value that saving an object writes; Text is what the store gets for an ordinal or a string.
struct SavedValue {
    String Name;
    TTypeKind Kind; // tkInteger for every ordinal, tkFloat, tkLString for every string
    Integer Ordinal = 0;
    double Float = 0;
    String Text;
};

// The published values that differ from their defaults (a float from its default, a
// string from empty), in declaration order.
std::vector<SavedValue> SavedValues(TPersistent* Instance) {
    std::vector<SavedValue> values;
    for (const TPropInfo* p : GetPropList(Instance)) {
        if (!Kept(*p) || !p->IsStored(Instance)) continue;
        if (p->IsOrdinal()) {
            const Int64 value = p->GetOrd(Instance);
            if (value != p->Default)
                values.push_back({p->Name, tkInteger, Integer(value), 0, IntToStr(Integer(value))});
        } else if (p->Kind == tkFloat) {
            const double value = p->GetFloat(Instance);
            if (value != p->FloatDefault) values.push_back({p->Name, tkFloat, 0, value, String()});
        } else {
            String value = p->GetStr(Instance);
            if (!value.empty()) values.push_back({p->Name, tkLString, 0, 0, std::move(value)});
        }
    }
    return values;
}

} // namespace

HKEY UtlGetRootKey(TUtlRegRootKey Root) {
    switch (Root) {
    case rpClassesRoot:
        return HKEY_CLASSES_ROOT;
    case rpCurrentUser:
        return HKEY_CURRENT_USER;
    case rpLocalMachine:
        return HKEY_LOCAL_MACHINE;
    case rpUsers:
        return HKEY_USERS;
    case rpCurrentConfig:
        return HKEY_CURRENT_CONFIG;
    case rpDynData:
        return HKEY_DYN_DATA;
    }
    return 0;
}

TUtlRegIniFile::TUtlRegIniFile(HKEY RootKey, const String& Path, bool ReadOnly)
    : TRegIniFile(TOpenLater{}, ReadOnly ? KEY_READ : KEY_ALL_ACCESS) {
    SetRootKey(RootKey);
    SetFileName(Path);
    if (ReadOnly)
        OpenKeyReadOnly(Path);
    else
        OpenKey(Path, true);
}

void UtlSaveObjectProperties(TCustomIniFile* Store, const String& Section, TPersistent* Instance) {
    const std::vector<SavedValue> values = SavedValues(Instance);
    // A value the store refuses leaves the section as it was: all are checked before the first write.
    for (const SavedValue& v : values) {
        if (v.Kind == tkFloat) TCustomIniFile::CheckFloat(v.Float);
        Store->CheckEntry(Section, v.Name, v.Text);
    }
    for (const SavedValue& v : values) {
        if (v.Kind == tkFloat)
            Store->WriteFloat(Section, v.Name, v.Float);
        else if (v.Kind == tkInteger)
            Store->WriteInteger(Section, v.Name, v.Ordinal);
        else
            Store->WriteString(Section, v.Name, v.Text);
    }
}

void UtlLoadObjectProperties(TCustomIniFile* Store, const String& Section, TPersistent* Instance) {
    for (const TPropInfo* p : GetPropList(Instance)) {
        if (!Kept(*p)) continue;
        if (p->IsOrdinal())
            p->SetOrd(Instance, Store->ReadInteger(Section, p->Name, Integer(p->GetOrd(Instance))));
        else if (p->Kind == tkFloat)
            p->SetFloat(Instance, Store->ReadFloat(Section, p->Name, p->GetFloat(Instance)));
        else
            p->SetStr(Instance, Store->ReadString(Section, p->Name, p->GetStr(Instance)));
    }
}

TUtlIniCtrl::TUtlIniCtrl(TComponent* AOwner) : TUtlCustomComponent(AOwner) {
    static const bool registered = [] {
        RegisterClass<TUtlIniCtrl>(
            "TUtlIniCtrl", "",
            {
                StrProp<TUtlIniCtrl>("About", &TUtlIniCtrl::About, &TUtlIniCtrl::SetAbout),
                BoolProp<TUtlIniCtrl>("AlphaCounter", &TUtlIniCtrl::AlphaCounter,
                                      &TUtlIniCtrl::SetAlphaCounter, 0),
                BoolProp<TUtlIniCtrl>("Common", &TUtlIniCtrl::Common, &TUtlIniCtrl::SetCommon, 1),
                StrProp<TUtlIniCtrl>("IniFile", &TUtlIniCtrl::IniFile, &TUtlIniCtrl::SetIniFile),
                OrdProp<TUtlIniCtrl>("IniPrefix", tkEnumeration, &TUtlIniCtrl::IniPrefix,
                                     &TUtlIniCtrl::SetIniPrefix, ppWindows,
                                     {"ppWindows", "ppSystem", "ppProgram", "ppFixed"}),
                OrdProp<TUtlIniCtrl>("MaxEntries", tkInteger, &TUtlIniCtrl::MaxEntries,
                                     &TUtlIniCtrl::SetMaxEntries, 16),
                BoolProp<TUtlIniCtrl>("NetUser", &TUtlIniCtrl::NetUser, &TUtlIniCtrl::SetNetUser, 0),
                StrProp<TUtlIniCtrl>("User", &TUtlIniCtrl::User, &TUtlIniCtrl::SetUser),
                StrProp<TUtlIniCtrl>("RegPath", &TUtlIniCtrl::RegPath, &TUtlIniCtrl::SetRegPath),
                OrdProp<TUtlIniCtrl>("RegRoot", tkEnumeration, &TUtlIniCtrl::RegRoot,
                                     &TUtlIniCtrl::SetRegRoot, rpCurrentUser,
                                     {"rpClassesRoot", "rpCurrentUser", "rpLocalMachine", "rpUsers",
                                      "rpCurrentConfig", "rpDynData"}),
                OrdProp<TUtlIniCtrl>("Target", tkEnumeration, &TUtlIniCtrl::Target, &TUtlIniCtrl::SetTarget,
                                     itAuto, {"itIniFile", "itRegistry", "itAuto"}),
            });
        return true;
    }();
    (void)registered;
}

TUtlIniCtrl::~TUtlIniCtrl() = default;

void TUtlIniCtrl::SetAlphaCounter(bool Value) {
    if (Value == FAlphaCounter) return;
    FAlphaCounter = Value;
    if (FMaxEntries > MaxAlphaEntries) FMaxEntries = MaxAlphaEntries;
}

void TUtlIniCtrl::SetIniFile(const String& Value) {
    FIniFile = Value;
    if (!Value.empty() && ExtractFileExt(Value).empty()) FIniFile += ".INI";
}

void TUtlIniCtrl::SetMaxEntries(Byte Value) {
    if (FAlphaCounter && Value > MaxAlphaEntries) return;
    FMaxEntries = Value;
}

void TUtlIniCtrl::SetNetUser(bool Value) {
    if (Value == FNetUser) return;
    FNetUser = Value;
    if (Value) FUser = GetNetUserName();
}

void TUtlIniCtrl::SetTarget(TUtlIniTarget Value) {
    FTarget = Value;
    FEffectiveTarget = Value == itAuto ? itRegistry : Value;
}

String TUtlIniCtrl::GetNetUserName() {
    return UtlSIUserName();
}

String TUtlIniCtrl::GetCounterIdent(Integer N) const {
    return FAlphaCounter ? String(1, char('A' + N)) : IntToStr(N);
}

String TUtlIniCtrl::GetIniName() {
    if (FIniFile.empty()) FIniFile = ChangeFileExt(ParamStr(0), ".INI");
    if (FIniPrefix == ppFixed) return FIniFile;
    return UtlCreatePathPrefix(FIniPrefix, true) + ExtractFileName(FIniFile);
}

String TUtlIniCtrl::GetRegPath() const {
    if (!UtlEmpty(FRegPath)) return UtlSlashAdd(FRegPath);
    return UtlApplication ? UtlApplication->GetDefaultRegPath() : String("Software\\");
}

String TUtlIniCtrl::GetSectionName(const String& Section) {
    if (UtlEmpty(Section)) return UtlEmpty(FCurrentSection) ? String("Common") : FCurrentSection;
    if (FEffectiveTarget == itRegistry)
        FCurrentSection = Section == "#ROOT" ? String() : Section;
    else
        FCurrentSection = FCommon ? Section : Section + "." + (FNetUser ? GetNetUserName() : FUser);
    return FCurrentSection;
}

std::unique_ptr<TCustomIniFile> TUtlIniCtrl::OpenStore(bool ReadOnly) {
    if (FEffectiveTarget == itIniFile) return std::make_unique<TIniFile>(GetIniName());
    return std::make_unique<TRegistryIniFile>(
        std::make_unique<TUtlRegIniFile>(UtlGetRootKey(FRegRoot), GetRegPath(), ReadOnly));
}

String TUtlIniCtrl::ReadString(const String& Section, const String& Ident, const String& Default) {
    const String section = GetSectionName(Section);
    return OpenStore(true)->ReadString(section, Ident, Default);
}

void TUtlIniCtrl::WriteString(const String& Section, const String& Ident, const String& Value) {
    const String section = GetSectionName(Section);
    OpenStore(false)->WriteString(section, Ident, Value);
}

Integer TUtlIniCtrl::ReadInteger(const String& Section, const String& Ident, Integer Default) {
    const String section = GetSectionName(Section);
    return OpenStore(true)->ReadInteger(section, Ident, Default);
}

void TUtlIniCtrl::WriteInteger(const String& Section, const String& Ident, Integer Value) {
    const String section = GetSectionName(Section);
    OpenStore(false)->WriteInteger(section, Ident, Value);
}

bool TUtlIniCtrl::ReadBool(const String& Section, const String& Ident, bool Default) {
    const String section = GetSectionName(Section);
    return OpenStore(true)->ReadBool(section, Ident, Default);
}

void TUtlIniCtrl::WriteBool(const String& Section, const String& Ident, bool Value) {
    const String section = GetSectionName(Section);
    OpenStore(false)->WriteBool(section, Ident, Value);
}

double TUtlIniCtrl::ReadFloat(const String& Section, const String& Ident, double Default) {
    return StrToFloat(ReadString(Section, Ident, FloatToStrExact(Default)));
}

void TUtlIniCtrl::WriteFloat(const String& Section, const String& Ident, double Value) {
    const String section = GetSectionName(Section);
    OpenStore(false)->WriteFloat(section, Ident, Value);
}

TDateTime TUtlIniCtrl::ReadDate(const String& Section, const String& Ident, TDateTime Default) {
    return StrToDate(ReadString(Section, Ident, DateToStr(Default)));
}

void TUtlIniCtrl::WriteDate(const String& Section, const String& Ident, TDateTime Value) {
    WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TUtlIniCtrl::ReadTime(const String& Section, const String& Ident, TDateTime Default) {
    return StrToTime(ReadString(Section, Ident, TimeToStr(Default)));
}

void TUtlIniCtrl::WriteTime(const String& Section, const String& Ident, TDateTime Value) {
    WriteString(Section, Ident, TimeToStr(Value));
}

TDateTime TUtlIniCtrl::ReadDateTime(const String& Section, const String& Ident, TDateTime Default) {
    return StrToDateTime(ReadString(Section, Ident, DateTimeToStr(Default)));
}

void TUtlIniCtrl::WriteDateTime(const String& Section, const String& Ident, TDateTime Value) {
    WriteString(Section, Ident, DateTimeToStr(Value));
}

TColor TUtlIniCtrl::ReadColor(const String& Section, const String& Ident, TColor Default) {
    return StringToColor(ReadString(Section, Ident, ColorToString(Default)));
}

void TUtlIniCtrl::WriteColor(const String& Section, const String& Ident, TColor Value) {
    WriteString(Section, Ident, ColorToString(Value));
}

bool TUtlIniCtrl::ReadFont(const String& Section, const String& Ident, TFont* Font) {
    const String text = ReadString(Section, Ident, "");
    if (text.empty()) return false;
    UtlStringToFont(text, Font);
    return true;
}

void TUtlIniCtrl::WriteFont(const String& Section, const String& Ident, TFont* Font) {
    WriteString(Section, Ident, UtlFontToString(Font));
}

TPoint TUtlIniCtrl::ReadPoint(const String& Section, const String& Ident, const TPoint& Default) {
    return UtlStringToPoint(ReadString(Section, Ident, UtlPointToString(Default)));
}

void TUtlIniCtrl::WritePoint(const String& Section, const String& Ident, const TPoint& Value) {
    WriteString(Section, Ident, UtlPointToString(Value));
}

TRect TUtlIniCtrl::ReadRect(const String& Section, const String& Ident, const TRect& Default) {
    return UtlStringToRect(ReadString(Section, Ident, UtlRectToString(Default)));
}

void TUtlIniCtrl::WriteRect(const String& Section, const String& Ident, const TRect& Value) {
    WriteString(Section, Ident, UtlRectToString(Value));
}

void TUtlIniCtrl::ReadStringsExt(const String& Section, const String& Ident, TStrings* Strings,
                                 Integer MaxCount) {
    const String section = GetSectionName(Section);
    const auto store = OpenStore(true);
    Strings->Clear();
    // Until the first absent entry: an empty line is a line like any other.
    for (Integer i = 0; i < MaxCount; ++i) {
        const String name = Ident + GetCounterIdent(i);
        if (!store->ValueExists(section, name)) break;
        Strings->Add(store->ReadString(section, name, ""));
    }
}

void TUtlIniCtrl::WriteStringsExt(const String& Section, const String& Ident, TStrings* Strings,
                                  Integer MaxCount) {
    const Integer count = std::min(Strings->Count(), MaxCount);
    // Past "Z" the letters run into the lower case ones, which name the same entries to the
    // store: the list would overwrite its own first lines. Cutting it would drop the last ones.
    if (FAlphaCounter && count > MaxAlphaEntries)
        throw EIniFileException(Format("Too many lines for letter counters (%d lines, at most %d)",
                                       {count, Integer(MaxAlphaEntries)}));
    const String section = GetSectionName(Section);
    const auto store = OpenStore(false);
    // A line the store refuses must leave the old list whole.
    for (Integer i = 0; i < count; ++i)
        store->CheckEntry(section, Ident + GetCounterIdent(i), (*Strings)[i]);
    if (section.empty()) {
        // The root key holds other settings and every section too: only the old list goes, as
        // ReadStringsExt reads it.
        for (Integer i = 0; store->ValueExists(section, Ident + GetCounterIdent(i)); ++i)
            store->DeleteKey(section, Ident + GetCounterIdent(i));
    } else {
        store->EraseSection(section);
    }
    for (Integer i = 0; i < count; ++i)
        store->WriteString(section, Ident + GetCounterIdent(i), (*Strings)[i]);
}

void TUtlIniCtrl::ReadStrings(const String& Section, const String& Ident, TStrings* Strings) {
    ReadStringsExt(Section, Ident, Strings, FMaxEntries);
}

void TUtlIniCtrl::WriteStrings(const String& Section, const String& Ident, TStrings* Strings) {
    WriteStringsExt(Section, Ident, Strings, FMaxEntries);
}

void TUtlIniCtrl::ReadColorList(const String& Section, TStrings* Strings) {
    UtlLoadCustomColorList(OpenStore(true).get(), Section, Strings);
}

void TUtlIniCtrl::WriteColorList(const String& Section, TStrings* Strings) {
    UtlSaveCustomColorList(OpenStore(false).get(), Section, Strings);
}

void TUtlIniCtrl::ReadObject(const String& Section, TPersistent* Instance) {
    const String section = GetSectionName(Section);
    UtlLoadObjectProperties(OpenStore(true).get(), section, Instance);
}

void TUtlIniCtrl::WriteObject(const String& Section, TPersistent* Instance) {
    const String section = GetSectionName(Section);
    UtlSaveObjectProperties(OpenStore(false).get(), section, Instance);
}

void TUtlIniCtrl::ReadSection(const String& Section, TStrings* Strings) {
    const String section = GetSectionName(Section);
    OpenStore(true)->ReadSection(section, Strings);
}

void TUtlIniCtrl::ReadSections(TStrings* Strings) {
    OpenStore(true)->ReadSections(Strings);
}

void TUtlIniCtrl::ReadSectionValues(const String& Section, TStrings* Strings) {
    const String section = GetSectionName(Section);
    OpenStore(true)->ReadSectionValues(section, Strings);
}

void TUtlIniCtrl::EraseSection(const String& Section) {
    const String section = GetSectionName(Section);
    OpenStore(false)->EraseSection(section);
}

void TUtlIniCtrl::DeleteKey(const String& Section, const String& Ident) {
    const String section = GetSectionName(Section);
    OpenStore(false)->DeleteKey(section, Ident);
}
