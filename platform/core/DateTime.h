#pragma once
// TDateTime: days since 1899-12-30, the time of day as the fraction. Negative values lie
// before 1899-12-30; their fraction still counts forward from midnight (-1.25 is
// 1899-12-29 06:00).
// Every routine that reads locale settings has an overload taking explicit settings.
#include "platform/core/Types.h"

struct TFormatSettings;

inline constexpr TDateTime MinDateTime = -693593.0;        // 0001-01-01
inline constexpr TDateTime MaxDateTime = 2958465.99999999; // 9999-12-31 23:59:59.999
inline constexpr Integer DateDelta = 693594;               // days from 0001-01-01 to 1899-12-31
inline constexpr Integer HoursPerDay = 24;
inline constexpr Integer MinsPerDay = 24 * 60;
inline constexpr Integer SecsPerDay = MinsPerDay * 60;
inline constexpr Integer MSecsPerDay = SecsPerDay * 1000;

bool IsLeapYear(Word year);
// Days in a month (1..12) of a year; 0 for a month outside 1..12.
Word DaysInMonth(Word year, Word month);
// MonthDays[IsLeapYear(y)][m] for m in 1..12 ([x][0] is 0).
extern const Word MonthDays[2][13];

// Raise EConvertError "Invalid argument to date encode" / "Invalid argument to time encode".
TDateTime EncodeDate(Word year, Word month, Word day);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time);
// Values outside 0001-01-01..9999-12-31 (with the times of those days) decode to all zeros.
void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);
void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec);
// 1 = Sunday .. 7 = Saturday.
Word DayOfWeek(TDateTime date);
// Adds whole months; the day is clamped to the new month's length, the time is kept.
TDateTime IncMonth(TDateTime date, Integer months = 1);

TDateTime Date(); // today, midnight, local time
TDateTime Time(); // now, time of day only
TDateTime Now();

// Format tokens (case-insensitive): c d dd ddd dddd ddddd dddddd m mm mmm mmmm (m after
// h/hh means minutes) yy yyyy h hh n nn s ss z zzz t tt am/pm a/p ampm / : and literals in
// '...' or "...". An empty format means "c".
String FormatDateTime(const String& format, TDateTime value);
String FormatDateTime(const String& format, TDateTime value, const TFormatSettings& settings);
String DateToStr(TDateTime date);
String DateToStr(TDateTime date, const TFormatSettings& settings);
String TimeToStr(TDateTime time);
String TimeToStr(TDateTime time, const TFormatSettings& settings);
// The time is left out when it is midnight.
String DateTimeToStr(TDateTime value);
String DateTimeToStr(TDateTime value, const TFormatSettings& settings);

// Parsing: numbers separated by the date separator in the order of ShortDateFormat
// (a trailing separator is allowed); a missing year is the current year; a two-digit year
// lands in the century window. Times are h[:n[:s[.z]]] with an optional AM/PM marker.
// Raise EConvertError "'%s' is not a valid date" / time / date and time.
TDateTime StrToDate(const String& s);
TDateTime StrToDate(const String& s, const TFormatSettings& settings);
TDateTime StrToDateDef(const String& s, TDateTime defaultValue);
TDateTime StrToDateDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings);
bool TryStrToDate(const String& s, TDateTime& value);
bool TryStrToDate(const String& s, TDateTime& value, const TFormatSettings& settings);
// Whether every date of the years 1-9999 that settings' ShortDateFormat writes reads back
// through TryStrToDate(settings) as the same day: the format is a four-digit year and a
// one- or two-digit month and day, in the order the reading takes, with one date separator
// (a one-character mark) between them and at most one after. Writers that need only the
// day can then skip the text.
bool ShortDateReadsBack(const TFormatSettings& settings);

TDateTime StrToTime(const String& s);
TDateTime StrToTime(const String& s, const TFormatSettings& settings);
TDateTime StrToTimeDef(const String& s, TDateTime defaultValue);
TDateTime StrToTimeDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings);
bool TryStrToTime(const String& s, TDateTime& value);
bool TryStrToTime(const String& s, TDateTime& value, const TFormatSettings& settings);

TDateTime StrToDateTime(const String& s);
TDateTime StrToDateTime(const String& s, const TFormatSettings& settings);
TDateTime StrToDateTimeDef(const String& s, TDateTime defaultValue);
TDateTime StrToDateTimeDef(const String& s, TDateTime defaultValue, const TFormatSettings& settings);
bool TryStrToDateTime(const String& s, TDateTime& value);
bool TryStrToDateTime(const String& s, TDateTime& value, const TFormatSettings& settings);
