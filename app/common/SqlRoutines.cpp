#include "app/common/SqlRoutines.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StrUtils.h"

namespace {

String TwoDigits(Word value) {
    return value < 10 ? "0" + IntToStr(value) : IntToStr(value);
}

// Checked before narrowing to Word, so a negative or huge part cannot wrap into a valid date.
TDateTime EncodeChecked(Integer year, Integer month, Integer day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        throw EConvertError(SDateEncodeError);
    return EncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day));
}

} // namespace

String SqlQuote(const String& text) {
    return StringReplace(text, "'", "''", rfReplaceAll);
}

String SqlLiteral(const String& text) {
    return "'" + SqlQuote(text) + "'";
}

String DateToSqlText(TDateTime date) {
    Word year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return IntToStr(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
}

String DateRangeSql(const String& Column, const std::optional<TDateTime>& From,
                    const std::optional<TDateTime>& To) {
    String sql;
    if (From) sql += " AND " + Column + ">='" + DateToSqlText(*From) + "'";
    // '' sorts before every date, so an upper bound alone would take it for one.
    if (To) sql += " AND " + Column + "<='" + DateToSqlText(*To) + "' AND " + Column + "<>''";
    return sql;
}

TDateTime SqlTextToDate(const String& text) {
    const Integer year = StrToInt(Copy(text, 1, 4));
    const Integer month = StrToInt(Copy(text, 6, 2));
    const Integer day = StrToInt(Copy(text, 9, 2));
    return EncodeChecked(year, month, day);
}

TDateTime AddYears(TDateTime date, Integer years) {
    Word year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    const Int64 target = static_cast<Int64>(year) + years;
    if (target < 1 || target > 9999) throw EConvertError(SDateEncodeError);
    if (month == 2 && day == 29) return EncodeChecked(static_cast<Integer>(target), 3, 1);
    return EncodeChecked(static_cast<Integer>(target), month, day);
}

String FormatForint(Int64 amount) {
    // The magnitude as unsigned, so the most negative amount has no overflow.
    const unsigned long long magnitude =
        amount < 0 ? 0ULL - static_cast<unsigned long long>(amount) : static_cast<unsigned long long>(amount);
    const String digits = std::to_string(magnitude);
    String grouped;
    grouped.reserve(digits.size() + digits.size() / 3 + 4);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
        grouped += digits[i];
    }
    return (amount < 0 ? "-" : "") + grouped + " Ft";
}
