#pragma once
// Small routines every area uses to build statements and show amounts: quote doubling,
// the database's date text, whole-year arithmetic and forint amounts.
#include "platform/core/Types.h"

#include <optional>

// Doubles every single quote, so the text can stand inside '...' in a statement.
String SqlQuote(const String& text);

// Text as a text value of a statement: in single quotes, each quote inside doubled by
// SqlQuote. An empty text gives '', never NULL; a caller that stores NULL says so itself.
String SqlLiteral(const String& text);

// The database's date text: year without leading zeros, "-", two-digit month, "-",
// two-digit day ("2009-03-05"). The time of day is ignored.
String DateToSqlText(TDateTime date);

// The conditions of a list's date range on Column, each beginning with " AND": from From and
// up to To, both days included; empty when neither is given. A row without a date, NULL or ''
// as older offices store it, passes neither bound.
String DateRangeSql(const String& Column, const std::optional<TDateTime>& From,
                    const std::optional<TDateTime>& To);

// Reads "yyyy-mm-dd": year from characters 1-4, month from 6-7, day from 9-10.
// Raises EConvertError "'%s' is not a valid integer value" when a part is not a number,
// and "Invalid argument to date encode" when the date does not exist.
TDateTime SqlTextToDate(const String& text);

// The same month and day `years` later (earlier when negative); 29 February becomes
// 1 March of the target year, also when that year is a leap year. The time of day is
// dropped. Raises EConvertError "Invalid argument to date encode" outside years 1..9999.
TDateTime AddYears(TDateTime date, Integer years);

// Whole forints with a space between groups of three digits and " Ft" behind:
// 1234567 gives "1 234 567 Ft", -123456 gives "-123 456 Ft".
String FormatForint(Int64 amount);
