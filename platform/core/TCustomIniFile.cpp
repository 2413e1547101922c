#include "platform/core/TCustomIniFile.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStringList.h"

#include <cmath>

namespace {

// Unreadable stored text falls back to the default, as a missing value does.
template <typename F> TDateTime ParseOr(const String& text, TDateTime fallback, F parse) {
    if (text.empty()) return fallback;
    try {
        return parse(text);
    } catch (const EConvertError&) {
        return fallback;
    }
}

} // namespace

Integer TCustomIniFile::ReadInteger(const String& Section, const String& Ident, Integer Default) {
    return StrToIntDef(ReadString(Section, Ident, String()), Default);
}

void TCustomIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value) {
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const String& Section, const String& Ident, bool Default) {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& Section, const String& Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const String& Section, const String& Ident, double Default) {
    return ParseOr(ReadString(Section, Ident, String()), Default,
                   [](const String& s) { return StrToFloat(s); });
}

void TCustomIniFile::WriteFloat(const String& Section, const String& Ident, double Value) {
    CheckFloat(Value);
    WriteString(Section, Ident, FloatToStrExact(Value));
}

void TCustomIniFile::CheckFloat(double Value) {
    // "INF" and "NAN" would be stored, but every reader takes them for unreadable text.
    if (!std::isfinite(Value))
        throw EIniFileException(Format("'%s' cannot be stored: a stored float must be a finite number",
                                       {FloatToStrExact(Value)}));
}

TDateTime TCustomIniFile::ReadDate(const String& Section, const String& Ident, TDateTime Default) {
    return ParseOr(ReadString(Section, Ident, String()), Default,
                   [](const String& s) { return StrToDate(s); });
}

void TCustomIniFile::WriteDate(const String& Section, const String& Ident, TDateTime Value) {
    WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TCustomIniFile::ReadTime(const String& Section, const String& Ident, TDateTime Default) {
    return ParseOr(ReadString(Section, Ident, String()), Default,
                   [](const String& s) { return StrToTime(s); });
}

void TCustomIniFile::WriteTime(const String& Section, const String& Ident, TDateTime Value) {
    WriteString(Section, Ident, TimeToStr(Value));
}

TDateTime TCustomIniFile::ReadDateTime(const String& Section, const String& Ident, TDateTime Default) {
    return ParseOr(ReadString(Section, Ident, String()), Default,
                   [](const String& s) { return StrToDateTime(s); });
}

void TCustomIniFile::WriteDateTime(const String& Section, const String& Ident, TDateTime Value) {
    WriteString(Section, Ident, DateTimeToStr(Value));
}

bool TCustomIniFile::SectionExists(const String& Section) {
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& Section, const String& Ident) {
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.IndexOf(Ident) >= 0;
}
