#include "sqlite/EngineTextReader.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StrUtils.h"
#include "sqlite/SqliteFieldMap.h"

#include <charconv>

namespace sqlite {

namespace {

constexpr const char* EmptyDateText = "1900-01-01";
constexpr const char* SQLiteDatePattern = "yyyy-mm-dd";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits at [from, from+count) of text as a number; -1 when any is not a digit
// or the range runs past the end.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) return -1;
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!IsDigit(text[i])) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsBlank(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

} // namespace

EngineTextReader::EngineTextReader(bool sqliteDateFormat, const String& tableDateFormat)
    : FSQLiteDateFormat(sqliteDateFormat), FDateSettings(FormatSettings), FNumberSettings(FormatSettings),
      FLocaleSettings(FormatSettings), FUseFixedDateEmpty(sqliteDateFormat || !tableDateFormat.empty()) {
    if (sqliteDateFormat) {
        FDateSettings.ShortDateFormat = SQLiteDatePattern;
        FLocaleSettings.ShortTimeFormat = "hh:nn:ss.zzz";
    } else {
        if (!tableDateFormat.empty()) FDateSettings.ShortDateFormat = tableDateFormat;
        FLocaleSettings.ShortTimeFormat = "hh:nn:ss";
    }
}

void EngineTextReader::Read(TFieldType type, const char* text, Slot& slot) const {
    const std::string_view value(text ? text : "");
    switch (type) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
        slot.Int = ReadInteger(value);
        break;
    case ftBoolean:
        slot.Int = ReadBoolean(value) ? 1 : 0;
        break;
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftFMTBcd:
        slot.Float = ReadFloat(value);
        break;
    case ftDate:
    case ftDateTime:
    case ftTimeStamp:
        try {
            slot.Float = DateTimeToNative(type, type == ftDate ? ReadDate(value) : ReadDateTime(value));
        } catch (const EConvertError&) {
            if (value.empty()) return;
            slot.Float = 0;
            slot.Bytes.assign(value);
        }
        break;
    case ftTime:
        slot.Float = DateTimeToNative(ftTime, ReadTime(value));
        break;
    default:
        return;
    }
    slot.Null = false;
}

Int64 EngineTextReader::ReadInteger(std::string_view text) {
    Int64 value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec == std::errc() && ptr == end && !text.empty()) return value;
    return TryStrToInt64(String(text), value) ? value : 0;
}

double EngineTextReader::ReadFloat(std::string_view text) const {
    if (!text.empty() &&
        (IsDigit(text.front()) || (text.front() == '-' && text.size() > 1 && IsDigit(text[1])))) {
        double value = 0;
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, value);
        if (ec == std::errc() && ptr == end) return value;
    }
    // The engine writes "." as the decimal point; the locale's separator takes its
    // place so that text typed in the locale's form reads as well.
    String localized(text);
    const auto dot = localized.find('.');
    if (dot != String::npos) localized.replace(dot, 1, FNumberSettings.DecimalSeparator);
    double value = 0;
    return TryStrToFloat(localized, value, FNumberSettings) ? value : 0.0;
}

bool EngineTextReader::ReadBoolean(std::string_view text) {
    if (text.empty()) return false;
    const String s(text);
    if (SameText(s, "true")) return true;
    if (SameText(s, "false")) return false;
    Int64 number = 0;
    if (TryStrToInt64(s, number)) return number != 0;
    throw EConvertError(Format("'%s' is not a valid boolean value", {s}));
}

TDateTime EngineTextReader::ReadDate(std::string_view text) const {
    String value(text);
    if (FUseFixedDateEmpty && IsBlank(text)) value = EmptyDateText;
    if (FSQLiteDateFormat && value.size() == 10 && value[4] == '-' && value[7] == '-') {
        const int year = Digits(value, 0, 4);
        const int month = Digits(value, 5, 2);
        const int day = Digits(value, 8, 2);
        TDateTime date = 0;
        if (year >= 0 && month >= 0 && day >= 0 &&
            TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date))
            return date;
    }
    return DateWithFallbacks(value, FDateSettings);
}

TDateTime EngineTextReader::DateWithFallbacks(const String& text, const TFormatSettings& settings) {
    TDateTime date = 0;
    if (TryStrToDate(text, date, settings)) return date;
    TFormatSettings dashed = settings;
    dashed.DateSeparator = "-";
    dashed.ShortDateFormat = "dd-mm-yyyy";
    if (TryStrToDate(text, date, dashed)) return date;
    dashed.ShortDateFormat = SQLiteDatePattern;
    if (TryStrToDate(text, date, dashed)) return date;
    throw EConvertError(Format(SInvalidDate, {text}));
}

TDateTime EngineTextReader::ReadTime(std::string_view text) const {
    const auto blank = text.find(' ');
    if (blank != std::string_view::npos) text.remove_prefix(blank + 1);
    const auto dot = text.find('.');
    if (dot != std::string_view::npos) text = text.substr(0, dot);
    TDateTime time = 0;
    return TryStrToTime(String(text), time, FLocaleSettings) ? time : 0.0;
}

TDateTime EngineTextReader::ReadDateTime(std::string_view text) const {
    if (FSQLiteDateFormat) return ParseSqliteDateTime(text);
    if (text.empty()) return 0;
    TDateTime value = 0;
    if (TryStrToDateTime(String(text), value, FLocaleSettings)) return value;
    return DateWithFallbacks(String(text), FLocaleSettings);
}

TDateTime EngineTextReader::ParseSqliteDateTime(std::string_view text) {
    if (text.size() < 10) return 0;
    const int year = Digits(text, 0, 4);
    const int month = Digits(text, 5, 2);
    const int day = Digits(text, 8, 2);
    TDateTime date = 0;
    if (year < 0 || month < 0 || day < 0 ||
        !TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date))
        return 0;
    if (text.size() <= 10) return date;

    const int hour = Digits(text, 11, 2);
    const int minute = Digits(text, 14, 2);
    int second = 0;
    int msec = 0;
    if (text.size() > 16) second = Digits(text, 17, 2);
    if (text.size() > 19) {
        const std::size_t count = std::min<std::size_t>(3, text.size() - 20);
        msec = Digits(text, 20, count);
    }
    TDateTime time = 0;
    if (hour < 0 || minute < 0 || second < 0 || msec < 0 ||
        !TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(minute), static_cast<Word>(second),
                       static_cast<Word>(msec), time))
        return 0;
    // Before 1899-12-30 the fraction still counts forward from midnight.
    return date < 0 ? date - time : date + time;
}

} // namespace sqlite
