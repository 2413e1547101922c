#include "platform/core/ScopeExit.h"
#include "platform/core/TRegIniFile.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StringsUpdate.h"
#include "platform/core/TStringList.h"

#include <vector>

TRegIniFile::TRegIniFile(const String& AFileName, Cardinal AAccess)
    : TRegistry(AAccess), FFileName(AFileName) {
    OpenKey(AFileName, true);
}

template <typename F> bool TRegIniFile::WithSection(const String& Section, bool Create, F f) {
    const String oldPath = CurrentPath();
    const bool readOnly = ReadOnlyKey();
    if (!HasCurrentKey()) return false;
    if (Section.empty()) {
        f();
        return true;
    }
    // A read-only file stays read-only in its sections.
    if (!(readOnly ? OpenKeyReadOnly(Section) : OpenKey(Section, Create))) return false;
    auto restore = [&] {
        if (readOnly)
            OpenKeyReadOnly("\\" + oldPath);
        else
            OpenKey("\\" + oldPath, true); // writes nothing, and holds when the key is not stored yet
    };
    {
        const core::ScopeExit restoreKey(restore);
        f();
    }
    return true;
}

String TRegIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
    String result = Default;
    WithSection(Section, false, [&] {
        if (ValueExists(Ident)) result = TRegistry::ReadString(Ident);
    });
    return result;
}

void TRegIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
    if (!WithSection(Section, true, [&] { TRegistry::WriteString(Ident, Value); }))
        throw ERegistryException(Format(SRegSetDataFailed, {Ident}));
}

Integer TRegIniFile::ReadInteger(const String& Section, const String& Ident, Integer Default) {
    Integer result = Default;
    WithSection(Section, false, [&] {
        const TRegDataType type = GetDataType(Ident);
        if (type == rdInteger)
            result = TRegistry::ReadInteger(Ident);
        else if (type == rdString || type == rdExpandString)
            result = StrToIntDef(TRegistry::ReadString(Ident), Default);
    });
    return result;
}

void TRegIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value) {
    WriteString(Section, Ident, IntToStr(Value));
}

bool TRegIniFile::ReadBool(const String& Section, const String& Ident, bool Default) {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const String& Section, const String& Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

void TRegIniFile::ReadSection(const String& Section, TStrings* Strings) {
    if (!WithSection(Section, false, [&] { GetValueNames(Strings); })) Strings->Clear();
}

void TRegIniFile::ReadSections(TStrings* Strings) {
    GetKeyNames(Strings);
}

void TRegIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
    TStringList names;
    ReadSection(Section, &names);
    std::vector<String> pairs;
    for (Integer i = 0; i < names.Count(); ++i)
        pairs.push_back(names[i] + "=" + ReadString(Section, names[i], String()));
    core::ReplaceStrings(*Strings, pairs);
}

void TRegIniFile::EraseSection(const String& Section) {
    if (!Section.empty()) {
        TRegistry::DeleteKey(Section);
        return;
    }
    // The empty section is the key's own values; its sub-keys are the other sections.
    TStringList names;
    GetValueNames(&names);
    for (Integer i = 0; i < names.Count(); ++i)
        DeleteValue(names[i]);
}

void TRegIniFile::DeleteKey(const String& Section, const String& Ident) {
    WithSection(Section, false, [&] { DeleteValue(Ident); });
}
