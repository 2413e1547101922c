// StrToDate, StrToTime, StrToDateTime and their Try/Def forms.
#include "platform/core/DateTime.h"
#include "platform/core/DateTimeParts.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/RtlConsts.h"

#include <cctype>
#include <strings.h>

namespace {

enum class DateOrder { MDY, DMY, YMD };

// The order is decided by the first of Y, M or D in the short date format.
DateOrder OrderOf(const String& shortDateFormat) {
    for (char c : shortDateFormat) {
        switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'Y':
        case 'E':
            return DateOrder::YMD;
        case 'M':
            return DateOrder::MDY;
        case 'D':
            return DateOrder::DMY;
        default:
            break;
        }
    }
    return DateOrder::MDY;
}

class Scanner {
public:
    Scanner(const String& s, const TFormatSettings& fs) : FText(s), FSettings(fs) {}

    bool AtEnd() const { return FPos >= FText.size(); }
    size_t Position() const { return FPos; }
    void Reset() { FPos = 0; }

    void Blanks() {
        while (FPos < FText.size() && FText[FPos] == ' ')
            ++FPos;
    }

    // At most four digits, as the runtime read them; `length` is the number of digits.
    bool Number(Word& value, size_t& length) {
        Blanks();
        const size_t start = FPos;
        unsigned n = 0;
        while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])) &&
               FPos - start < 4)
            n = n * 10 + static_cast<unsigned>(FText[FPos++] - '0');
        length = FPos - start;
        if (length == 0) return false;
        value = static_cast<Word>(n);
        return true;
    }

    bool Text(const String& expected) {
        Blanks();
        if (expected.empty() || FText.size() - FPos < expected.size() ||
            strncasecmp(FText.c_str() + FPos, expected.c_str(), expected.size()) != 0)
            return false;
        FPos += expected.size();
        return true;
    }

    bool Date(TDateTime& value) {
        Word n1 = 0, n2 = 0, n3 = 0;
        size_t l1 = 0, l2 = 0, l3 = 0;
        const String& sep = FSettings.DateSeparator;
        if (!(Number(n1, l1) && Text(sep) && Number(n2, l2))) return false;
        const DateOrder order = OrderOf(FSettings.ShortDateFormat);
        Word y, m, d;
        if (Text(sep)) {
            if (!Number(n3, l3)) return false;
            size_t yearLength = l3;
            switch (order) {
            case DateOrder::MDY:
                y = n3;
                m = n1;
                d = n2;
                break;
            case DateOrder::DMY:
                y = n3;
                m = n2;
                d = n1;
                break;
            default:
                y = n1;
                m = n2;
                d = n3;
                yearLength = l1;
                break;
            }
            if (yearLength <= 2) y = Century(y);
            Text(sep); // a trailing separator, as in "2009.12.14."
        } else {
            y = CurrentYear();
            if (order == DateOrder::DMY) {
                d = n1;
                m = n2;
            } else {
                m = n1;
                d = n2;
            }
        }
        Blanks();
        return TryEncodeDate(y, m, d, value);
    }

    bool Time(TDateTime& value) {
        int baseHour = AmPm();
        Word hour = 0, min = 0, sec = 0, msec = 0;
        size_t length = 0;
        if (!Number(hour, length)) return false;
        const String& sep = FSettings.TimeSeparator;
        if (Text(sep)) {
            if (!Number(min, length)) return false;
            if (Text(sep)) {
                if (!Number(sec, length)) return false;
                if (Text(FSettings.DecimalSeparator)) {
                    if (!Number(msec, length) || length > 3) return false;
                    // Digits after the separator are a fraction of a second.
                    for (; length < 3; ++length)
                        msec = static_cast<Word>(msec * 10);
                }
            }
        }
        if (baseHour < 0) baseHour = AmPm();
        if (baseHour >= 0) {
            if (hour == 0 || hour > 12) return false;
            if (hour == 12) hour = 0;
            hour = static_cast<Word>(hour + baseHour);
        }
        Blanks();
        return TryEncodeTime(hour, min, sec, msec, value);
    }

private:
    int AmPm() {
        if (Text(FSettings.TimeAMString) || Text("AM")) return 0;
        if (Text(FSettings.TimePMString) || Text("PM")) return 12;
        return -1;
    }

    static Word CurrentYear() {
        core::DateTimeParts p;
        core::SplitDateTime(Now(), p);
        return p.Year;
    }

    Word Century(Word year) const {
        const int window = FSettings.TwoDigitYearCenturyWindow;
        const int base = CurrentYear() - window;
        int y = year + base / 100 * 100;
        if (window > 0 && y < base) y += 100;
        return static_cast<Word>(y);
    }

    const String& FText;
    const TFormatSettings& FSettings;
    size_t FPos = 0;
};

} // namespace

bool ShortDateReadsBack(const TFormatSettings& settings) {
    const String& f = settings.ShortDateFormat;
    const String& sep = settings.DateSeparator;
    if (sep.size() != 1 || std::isalnum(static_cast<unsigned char>(sep[0])) || sep[0] == ' ') return false;
    // The parts in the order the format writes them, as FormatDateTime counts its runs.
    String parts;
    std::size_t separators = 0;
    bool separatorLast = false;
    for (std::size_t i = 0; i < f.size();) {
        const char c = f[i];
        std::size_t run = 1;
        while (i + run < f.size() && f[i + run] == c)
            ++run;
        const char token = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (token == 'Y' || token == 'M' || token == 'D') {
            // A year needs its four digits (two would pass the century window); a month or
            // day of three letters or more is a name.
            if (separatorLast == false && !parts.empty()) return false;
            if ((token == 'Y') != (run >= 3)) return false;
            parts += token;
            separatorLast = false;
        } else if (run == 1 && (c == '/' || c == sep[0]) && !parts.empty() && !separatorLast) {
            ++separators;
            separatorLast = true;
        } else {
            return false;
        }
        i += run;
    }
    if (separators != (separatorLast ? 3u : 2u)) return false;
    switch (OrderOf(f)) {
    case DateOrder::YMD:
        return parts == "YMD";
    case DateOrder::MDY:
        return parts == "MDY";
    default:
        return parts == "DMY";
    }
}

bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings) {
    Scanner sc(s, settings);
    TDateTime d = 0;
    if (!sc.Date(d) || !sc.AtEnd()) return false;
    value = d;
    return true;
}

bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings) {
    Scanner sc(s, settings);
    TDateTime t = 0;
    if (!sc.Time(t) || !sc.AtEnd()) return false;
    value = t;
    return true;
}

bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings) {
    Scanner sc(s, settings);
    TDateTime d = 0, t = 0;
    if (sc.Date(d) && (sc.AtEnd() || (sc.Time(t) && sc.AtEnd()))) {
        value = core::ComposeDateTime(d, t);
        return true;
    }
    return TryStrToTime(s, value, settings);
}

bool TryStrToDate(const String& s, TDateTime& value) {
    return TryStrToDate(s, value, FormatSettings);
}
bool TryStrToTime(const String& s, TDateTime& value) {
    return TryStrToTime(s, value, FormatSettings);
}
bool TryStrToDateTime(const String& s, TDateTime& value) {
    return TryStrToDateTime(s, value, FormatSettings);
}

TDateTime StrToDate(const String& s, const TFormatSettings& settings) {
    TDateTime v = 0;
    if (!TryStrToDate(s, v, settings)) throw EConvertError(Format(SInvalidDate, {s}));
    return v;
}

TDateTime StrToTime(const String& s, const TFormatSettings& settings) {
    TDateTime v = 0;
    if (!TryStrToTime(s, v, settings)) throw EConvertError(Format(SInvalidTime, {s}));
    return v;
}

TDateTime StrToDateTime(const String& s, const TFormatSettings& settings) {
    TDateTime v = 0;
    if (!TryStrToDateTime(s, v, settings)) throw EConvertError(Format(SInvalidDateTime, {s}));
    return v;
}

TDateTime StrToDate(const String& s) {
    return StrToDate(s, FormatSettings);
}
TDateTime StrToTime(const String& s) {
    return StrToTime(s, FormatSettings);
}
TDateTime StrToDateTime(const String& s) {
    return StrToDateTime(s, FormatSettings);
}

TDateTime StrToDateDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings) {
    TDateTime v = 0;
    return TryStrToDate(s, v, settings) ? v : defaultValue;
}
TDateTime StrToTimeDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings) {
    TDateTime v = 0;
    return TryStrToTime(s, v, settings) ? v : defaultValue;
}
TDateTime StrToDateTimeDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings) {
    TDateTime v = 0;
    return TryStrToDateTime(s, v, settings) ? v : defaultValue;
}

TDateTime StrToDateDef(const String& s, TDateTime defaultValue) {
    return StrToDateDef(s, defaultValue, FormatSettings);
}
TDateTime StrToTimeDef(const String& s, TDateTime defaultValue) {
    return StrToTimeDef(s, defaultValue, FormatSettings);
}
TDateTime StrToDateTimeDef(const String& s, TDateTime defaultValue) {
    return StrToDateTimeDef(s, defaultValue, FormatSettings);
}
