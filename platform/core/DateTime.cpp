#include "platform/core/DateTime.h"

#include "platform/core/DateTimeParts.h"
#include "platform/core/Exceptions.h"
#include "platform/core/RtlConsts.h"

#include <chrono>
#include <cmath>
#include <ctime>

// Days between 1970-01-01 and 1899-12-30.
static constexpr Int64 UnixDateDelta = 25569;

const Word MonthDays[2][13] = {{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                               {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

namespace {

// Civil calendar conversions (proleptic Gregorian) relative to 1970-01-01.
Int64 DaysFromCivil(Int64 y, unsigned m, unsigned d) {
    y -= m <= 2;
    const Int64 era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<Int64>(doe) - 719468;
}

void CivilFromDays(Int64 z, Int64& y, unsigned& m, unsigned& d) {
    z += 719468;
    const Int64 era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<Int64>(yoe) + era * 400 + (m <= 2);
}

} // namespace

namespace core {

namespace {

// Days since 1899-12-30 of 0001-01-01 and of 9999-12-31.
constexpr Int64 FirstDay = -693593;
constexpr Int64 LastDay = 2958465;

// The value rounded to the millisecond, so that the date and the time agree (23:59:59.9996
// is the next midnight); false outside 0001-01-01..9999-12-31. A time on 0001-01-01 lies
// below MinDateTime, as every time before 1899-12-30 lies below its day.
bool Milliseconds(TDateTime value, Int64& total) {
    if (!(value > MinDateTime - 1 && value < MaxDateTime + 1)) return false;
    total = static_cast<Int64>(std::llround(value * MSecsPerDay));
    const Int64 days = total / MSecsPerDay;
    return days >= FirstDay && days <= LastDay;
}

} // namespace

bool DayOf(TDateTime value, TDateTime& day) {
    Int64 total = 0;
    if (!Milliseconds(value, total)) return false;
    day = static_cast<TDateTime>(total / MSecsPerDay);
    return true;
}

bool SplitDateTime(TDateTime value, DateTimeParts& parts) {
    parts = DateTimeParts{};
    Int64 total = 0;
    if (!Milliseconds(value, total)) return false;
    const Int64 days = total / MSecsPerDay;
    Int64 ms = (total < 0 ? -total : total) % MSecsPerDay;
    Int64 y;
    unsigned m, d;
    CivilFromDays(days - UnixDateDelta, y, m, d);
    parts.Year = static_cast<Word>(y);
    parts.Month = static_cast<Word>(m);
    parts.Day = static_cast<Word>(d);
    parts.DayOfWeek = static_cast<Word>(((days + 6) % 7 + 7) % 7 + 1);
    parts.MSec = static_cast<Word>(ms % 1000);
    ms /= 1000;
    parts.Sec = static_cast<Word>(ms % 60);
    ms /= 60;
    parts.Min = static_cast<Word>(ms % 60);
    parts.Hour = static_cast<Word>(ms / 60);
    return true;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    const double t = std::fabs(time - std::trunc(time));
    return date >= 0 ? date + t : date - t;
}

} // namespace core

bool IsLeapYear(Word year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

Word DaysInMonth(Word year, Word month) {
    if (month < 1 || month > 12) return 0;
    return MonthDays[IsLeapYear(year) ? 1 : 0][month];
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return false;
    date = static_cast<TDateTime>(DaysFromCivil(year, month, day) + UnixDateDelta);
    return true;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) {
    if (hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000) return false;
    const Int64 ms = ((static_cast<Int64>(hour) * 60 + min) * 60 + sec) * 1000 + msec;
    time = static_cast<TDateTime>(ms) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
    TDateTime d = 0;
    if (!TryEncodeDate(year, month, day, d)) throw EConvertError(SDateEncodeError);
    return d;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
    TDateTime t = 0;
    if (!TryEncodeTime(hour, min, sec, msec, t)) throw EConvertError(STimeEncodeError);
    return t;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day) {
    core::DateTimeParts p;
    core::SplitDateTime(date, p);
    year = p.Year;
    month = p.Month;
    day = p.Day;
}

void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec) {
    core::DateTimeParts p;
    core::SplitDateTime(time, p);
    hour = p.Hour;
    min = p.Min;
    sec = p.Sec;
    msec = p.MSec;
}

Word DayOfWeek(TDateTime date) {
    core::DateTimeParts p;
    core::SplitDateTime(date, p);
    return p.DayOfWeek;
}

TDateTime IncMonth(TDateTime date, Integer months) {
    core::DateTimeParts p;
    if (!core::SplitDateTime(date, p)) throw EConvertError(SDateEncodeError);
    Int64 index = static_cast<Int64>(p.Year) * 12 + (p.Month - 1) + months;
    const auto year = static_cast<Word>(index / 12);
    const auto month = static_cast<Word>(index % 12 + 1);
    if (index < 12 || year > 9999) throw EConvertError(SDateEncodeError);
    const Word day = p.Day > DaysInMonth(year, month) ? DaysInMonth(year, month) : p.Day;
    return core::ComposeDateTime(EncodeDate(year, month, day), date);
}

TDateTime Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                      static_cast<Word>(local.tm_mday)) +
           EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                      static_cast<Word>(local.tm_sec > 59 ? 59 : local.tm_sec), static_cast<Word>(ms));
}

TDateTime Date() {
    return std::floor(Now());
}

TDateTime Time() {
    const TDateTime n = Now();
    return n - std::floor(n);
}
