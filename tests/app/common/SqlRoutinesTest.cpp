#include "app/common/SqlRoutines.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(SqlQuote, DoublesEverySingleQuoteAndNothingElse) {
    EXPECT_EQ(SqlQuote(""), "");
    EXPECT_EQ(SqlQuote("Kovács"), "Kovács");
    EXPECT_EQ(SqlQuote("O'Brien"), "O''Brien");
    EXPECT_EQ(SqlQuote("a''b"), "a''''b"); // two adjacent give four
    EXPECT_EQ(SqlQuote("'"), "''");
    EXPECT_EQ(SqlQuote("'x'"), "''x''");
    EXPECT_EQ(SqlQuote("50% \"idéz\" \\ _"), "50% \"idéz\" \\ _"); // patterns stay patterns
    EXPECT_EQ(SqlQuote("Ő'rző'"), "Ő''rző''");
}

TEST(SqlLiteral, EnclosesTheQuotedTextAndKeepsAnEmptyTextATextValue) {
    EXPECT_EQ(SqlLiteral(""), "''"); // never NULL
    EXPECT_EQ(SqlLiteral("O'Brien"), "'O''Brien'");
    EXPECT_EQ(SqlLiteral("'; DROP TABLE ugy; --"), "'''; DROP TABLE ugy; --'"); // stays one value
}

TEST(DateToSqlText, WritesYearMonthDayWithTwoDigitMonthAndDay) {
    EXPECT_EQ(DateToSqlText(EncodeDate(2009, 3, 5)), "2009-03-05");
    EXPECT_EQ(DateToSqlText(EncodeDate(2009, 12, 31)), "2009-12-31");
    EXPECT_EQ(DateToSqlText(EncodeDate(1899, 12, 30)), "1899-12-30");
    EXPECT_EQ(DateToSqlText(EncodeDate(999, 1, 2)), "999-01-02"); // no leading zero in the year
}

TEST(DateToSqlText, IgnoresTheTimeOfDay) {
    EXPECT_EQ(DateToSqlText(EncodeDate(2009, 3, 5) + 0.99), "2009-03-05");
}

TEST(SqlTextToDate, ReadsWhatDateToSqlTextWrites) {
    const TDateTime date = EncodeDate(2009, 3, 5);
    EXPECT_EQ(SqlTextToDate("2009-03-05"), date);
    EXPECT_EQ(SqlTextToDate(DateToSqlText(EncodeDate(2012, 2, 29))), EncodeDate(2012, 2, 29));
    EXPECT_EQ(SqlTextToDate("1970-01-01"), EncodeDate(1970, 1, 1));
}

TEST(SqlTextToDate, ReadsOnlyTheFixedPositions) {
    EXPECT_EQ(SqlTextToDate("2009-03-05 14:30:00"), EncodeDate(2009, 3, 5));
    // The list format has the same positions.
    EXPECT_EQ(SqlTextToDate("2009.03.05."), EncodeDate(2009, 3, 5));
}

TEST(SqlTextToDate, RaisesTheConversionErrorForAPartThatIsNoNumber) {
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("abcd-03-05"); }),
              "'abcd' is not a valid integer value");
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("2009-x3-05"); }),
              "'x3' is not a valid integer value");
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("2009-03"); }), "'' is not a valid integer value");
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate(""); }), "'' is not a valid integer value");
}

TEST(SqlTextToDate, RaisesTheDateErrorForADayThatDoesNotExist) {
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("2009-02-29"); }), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("2009-13-01"); }), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("2009-00-10"); }), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("0000-01-01"); }), "Invalid argument to date encode");
    // A negative part must not wrap round into a valid date.
    EXPECT_EQ(ErrorOf<EConvertError>([] { SqlTextToDate("2009--1-05"); }), "Invalid argument to date encode");
}

TEST(AddYears, KeepsMonthAndDay) {
    EXPECT_EQ(AddYears(EncodeDate(2008, 2, 28), 1), EncodeDate(2009, 2, 28));
    EXPECT_EQ(AddYears(EncodeDate(2010, 6, 15), 10), EncodeDate(2020, 6, 15));
    EXPECT_EQ(AddYears(EncodeDate(2010, 6, 15), -1), EncodeDate(2009, 6, 15));
    EXPECT_EQ(AddYears(EncodeDate(2010, 12, 31), 0), EncodeDate(2010, 12, 31));
}

TEST(AddYears, MovesTwentyNinthOfFebruaryToFirstOfMarch) {
    EXPECT_EQ(AddYears(EncodeDate(2008, 2, 29), 4), EncodeDate(2012, 3, 1)); // leap target too
    EXPECT_EQ(AddYears(EncodeDate(2008, 2, 29), 1), EncodeDate(2009, 3, 1));
    EXPECT_EQ(AddYears(EncodeDate(2012, 2, 29), 8), EncodeDate(2020, 3, 1));
    EXPECT_EQ(AddYears(EncodeDate(2012, 2, 29), 0), EncodeDate(2012, 3, 1));
}

TEST(AddYears, DropsTheTimeOfDay) {
    EXPECT_EQ(AddYears(EncodeDate(2010, 6, 15) + 0.5, 2), EncodeDate(2012, 6, 15));
}

TEST(AddYears, RaisesTheDateErrorPastTheCalendar) {
    EXPECT_EQ(ErrorOf<EConvertError>([] { AddYears(EncodeDate(9999, 1, 1), 1); }),
              "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { AddYears(EncodeDate(1, 1, 1), -1); }),
              "Invalid argument to date encode");
    EXPECT_EQ(
        ErrorOf<EConvertError>([] { AddYears(EncodeDate(2000, 1, 1), std::numeric_limits<Integer>::max()); }),
        "Invalid argument to date encode");
}

TEST(FormatForint, GroupsDigitsByThreeAndAppendsFt) {
    struct Row {
        Int64 amount;
        const char* text;
    };
    const Row rows[] = {
        {0, "0 Ft"},
        {7, "7 Ft"},
        {999, "999 Ft"},
        {1000, "1 000 Ft"}, // first group boundary
        {100000, "100 000 Ft"},
        {1234567, "1 234 567 Ft"},
        {-123456, "-123 456 Ft"}, // sign directly before the first digit
        {-1000, "-1 000 Ft"},
        {-5, "-5 Ft"},
        {std::numeric_limits<Int64>::min(), "-9 223 372 036 854 775 808 Ft"},
        {std::numeric_limits<Int64>::max(), "9 223 372 036 854 775 807 Ft"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatForint(row.amount), row.text) << row.amount;
}

} // namespace
