// FormatDateTime and the fixed layouts built on it.
#include "platform/core/DateTime.h"
#include "platform/core/DateTimeParts.h"
#include "platform/core/FormatSettings.h"

#include <utility>
#include <strings.h>

namespace {

class DateTimeWriter {
public:
    DateTimeWriter(TDateTime value, const TFormatSettings& fs) : FSettings(fs) {
        core::SplitDateTime(value, FParts);
    }

    void Append(const String& format, int level) {
        char lastToken = ' ';
        size_t i = 0;
        const size_t n = format.size();
        auto count = [&](char starter) {
            size_t c = 1;
            while (i < n && format[i] == starter) {
                ++i;
                ++c;
            }
            return c;
        };
        while (i < n) {
            const char starter = format[i++];
            char token = starter >= 'a' && starter <= 'z' ? static_cast<char>(starter - 'a' + 'A') : starter;
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            switch (token) {
            case 'Y':
                if (count(starter) <= 2)
                    Number(FParts.Year % 100, 2);
                else
                    Number(FParts.Year, 4);
                break;
            case 'M': {
                const size_t c = count(starter);
                if (c <= 2)
                    Number(FParts.Month, c);
                else if (FParts.Month > 0)
                    FOut +=
                        (c == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames)[FParts.Month - 1u];
                break;
            }
            case 'D': {
                const size_t c = count(starter);
                if (c <= 2)
                    Number(FParts.Day, c);
                else if (c <= 4 && FParts.DayOfWeek > 0)
                    FOut +=
                        (c == 3 ? FSettings.ShortDayNames : FSettings.LongDayNames)[FParts.DayOfWeek - 1u];
                else if (c == 5)
                    Nested(FSettings.ShortDateFormat, level);
                else if (c > 5)
                    Nested(FSettings.LongDateFormat, level);
                break;
            }
            case 'H': {
                const size_t c = count(starter);
                Word h = FParts.Hour;
                if (TwelveHourClock(format, i)) {
                    if (h == 0)
                        h = 12;
                    else if (h > 12)
                        h -= 12;
                }
                Number(h, c > 2 ? 2 : c);
                break;
            }
            case 'N': {
                const size_t c = count(starter);
                Number(FParts.Min, c > 2 ? 2 : c);
                break;
            }
            case 'S': {
                const size_t c = count(starter);
                Number(FParts.Sec, c > 2 ? 2 : c);
                break;
            }
            case 'Z': {
                const size_t c = count(starter);
                Number(FParts.MSec, c > 3 ? 3 : c);
                break;
            }
            case 'T':
                Nested(count(starter) == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, level);
                break;
            case 'C':
                count(starter);
                Nested(FSettings.ShortDateFormat, level);
                if (FParts.Hour != 0 || FParts.Min != 0 || FParts.Sec != 0) {
                    FOut += ' ';
                    Nested(FSettings.LongTimeFormat, level);
                }
                break;
            case 'A':
                i = AmPm(format, i - 1);
                break;
            case '/':
                FOut += FSettings.DateSeparator;
                break;
            case ':':
                FOut += FSettings.TimeSeparator;
                break;
            case '\'':
            case '"':
                while (i < n && format[i] != starter)
                    FOut += format[i++];
                if (i < n) ++i;
                break;
            default:
                FOut += starter;
            }
        }
    }

    String Take() { return std::move(FOut); }

private:
    void Nested(const String& format, int level) {
        // The settings' own formats may name each other; two levels are enough and stop loops.
        if (level < 2) Append(format, level + 1);
    }

    // Every date a list shows passes here: digits written straight, no temporaries.
    void Number(unsigned value, size_t digits) {
        char buf[12];
        size_t n = 0;
        do {
            buf[n++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (n < digits)
            buf[n++] = '0';
        while (n > 0)
            FOut += buf[--n];
    }

    // An hour is on the 12-hour clock when an AM/PM marker follows before the next hour.
    static bool TwelveHourClock(const String& f, size_t from) {
        bool quoted = false;
        for (size_t j = from; j < f.size(); ++j) {
            const char c = f[j];
            if (c == '\'' || c == '"') {
                quoted = !quoted;
            } else if (!quoted && (c == 'a' || c == 'A')) {
                const char* p = f.c_str() + j;
                return strncasecmp(p, "AM/PM", 5) == 0 || strncasecmp(p, "A/P", 3) == 0 ||
                       strncasecmp(p, "AMPM", 4) == 0;
            } else if (!quoted && (c == 'h' || c == 'H')) {
                return false;
            }
        }
        return false;
    }

    // Writes an AM/PM marker starting at `at`; answers the position after it.
    size_t AmPm(const String& f, size_t at) {
        const char* p = f.c_str() + at;
        const bool pm = FParts.Hour >= 12;
        if (strncasecmp(p, "AM/PM", 5) == 0) {
            FOut.append(p + (pm ? 3 : 0), 2);
            return at + 5;
        }
        if (strncasecmp(p, "A/P", 3) == 0) {
            FOut += p[pm ? 2 : 0];
            return at + 3;
        }
        if (strncasecmp(p, "AMPM", 4) == 0) {
            FOut += pm ? FSettings.TimePMString : FSettings.TimeAMString;
            return at + 4;
        }
        FOut += f[at];
        return at + 1;
    }

    const TFormatSettings& FSettings;
    core::DateTimeParts FParts;
    String FOut;
};

} // namespace

String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& settings) {
    static const String DefaultFormat = "c";
    DateTimeWriter w(value, settings);
    w.Append(format.empty() ? DefaultFormat : format, 0);
    return w.Take();
}

String FormatDateTime(const String& format, TDateTime value) {
    return FormatDateTime(format, value, FormatSettings);
}

String DateToStr(TDateTime date, const TFormatSettings& settings) {
    return FormatDateTime(settings.ShortDateFormat, date, settings);
}

String DateToStr(TDateTime date) {
    return DateToStr(date, FormatSettings);
}

String TimeToStr(TDateTime time, const TFormatSettings& settings) {
    return FormatDateTime(settings.LongTimeFormat, time, settings);
}

String TimeToStr(TDateTime time) {
    return TimeToStr(time, FormatSettings);
}

String DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
    return FormatDateTime("c", value, settings);
}

String DateTimeToStr(TDateTime value) {
    return DateTimeToStr(value, FormatSettings);
}
