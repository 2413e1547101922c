#include "report/script/detail/FormatValue.h"

#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

const Variant kDate = Variant::FromDateTime(37653.25); // 2003-02-01 06:00

struct FormatCase {
    Variant Value;
    Integer Format;
    const char* FormatStr;
    const char* Expected;
};

class FormatValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatValue(c.Value, c.Format, c.FormatStr, TFormatSettings::Hungarian()), c.Expected)
        << std::hex << c.Format;
}

INSTANTIATE_TEST_SUITE_P(
    FormatValue, FormatValueTest,
    ::testing::Values(
        FormatCase{Variant(), rpMakeFormat(1, 1, 2, ','), "", " "},            // unassigned: one blank
        FormatCase{Null, rpMakeFormat(0, 0, 2, ','), "", " "},                 // null: one blank
        FormatCase{Variant(2.5), rpMakeFormat(0, 0, 2, ','), "", "2,5"},       // text: the value as text
        FormatCase{Variant(2.5), rpMakeFormat(0, 0, 2, '.'), "", "2.5"},       // with the format's separator
        FormatCase{Variant("abc"), rpMakeFormat(0, 0, 2, ','), "", "abc"},     //
        FormatCase{Variant(1234.5), rpMakeFormat(1, 0, 0, ','), "", "1234,5"}, // ###.##
        FormatCase{Variant(1234.5), rpMakeFormat(1, 0, 0, '.'), "", "1234.5"}, //
        FormatCase{Variant(1234.567), rpMakeFormat(1, 1, 2, ','), "", "1234,57"},         // fixed, 2 decimals
        FormatCase{Variant(1234.567), rpMakeFormat(1, 1, 0, ','), "", "1235"},            // fixed, none
        FormatCase{Variant(1234567.891), rpMakeFormat(1, 2, 0, ','), "", "1 234 567,89"}, // #,###.##
        FormatCase{Variant(1234567.891), rpMakeFormat(1, 3, 1, ','), "",
                   "1 234 567,9"}, // thousands, 1 decimal
        FormatCase{Variant(1234.567), rpMakeFormat(1, 4, 0, ','), "0.000", "1234,567"}, // custom pattern
        FormatCase{Variant(1234.567), rpMakeFormat(1, 5, 0, ','), "0.000", ""},    // index past the table
        FormatCase{Variant("abc"), rpMakeFormat(1, 4, 0, ','), "0.00", "0.00"},    // text under a number
        FormatCase{Variant(2.5), rpMakeFormat(1, 1, 1, '\0'), "", "2,5"},          // no separator: locale's
        FormatCase{kDate, rpMakeFormat(2, 0, 0, ','), "", "02.01.03"},             // mm.dd.yy
        FormatCase{kDate, rpMakeFormat(2, 1, 0, ','), "", "02.01.2003"},           // mm.dd.yyyy
        FormatCase{kDate, rpMakeFormat(2, 4, 0, ','), "dd.mm.yyyy", "01.02.2003"}, // custom
        FormatCase{kDate, rpMakeFormat(2, 7, 0, ','), "dd", ""},                   // past the table
        FormatCase{Variant("2003.02.01."), rpMakeFormat(2, 1, 0, ','), "",
                   "02.01.2003"},                                                       // text read as a date
        FormatCase{Variant("nap"), rpMakeFormat(2, 1, 0, ','), "x", "x"},               // not a date
        FormatCase{kDate, rpMakeFormat(3, 0, 0, ','), "", "06:00:00"},                  // hh:nn:ss
        FormatCase{kDate, rpMakeFormat(3, 1, 0, ','), "", "6:00:00"},                   // h:nn:ss
        FormatCase{kDate, rpMakeFormat(3, 2, 0, ','), "", "06:00"},                     // hh:nn
        FormatCase{kDate, rpMakeFormat(3, 3, 0, ','), "", "6:00"},                      // h:nn
        FormatCase{kDate, rpMakeFormat(3, 4, 0, ','), "hh", "06"},                      //
        FormatCase{Variant(0), rpMakeFormat(4, 0, 0, ','), "", "0"},                    // 0;1
        FormatCase{Variant(0), rpMakeFormat(4, 1, 0, ','), "", "No"},                   // No;Yes
        FormatCase{Variant(7), rpMakeFormat(4, 1, 0, ','), "", "Yes"},                  // any other number
        FormatCase{Variant(true), rpMakeFormat(4, 3, 0, ','), "", "True"},              // False;True
        FormatCase{Variant(1), rpMakeFormat(4, 2, 0, ','), "", "x"},                    // _;x
        FormatCase{Variant(0), rpMakeFormat(4, 4, 0, ','), "nem;igen", "nem"},          // custom
        FormatCase{Variant(0), rpMakeFormat(4, 9, 0, ','), "nem;igen", ""},             // past the table
        FormatCase{Variant("abc"), rpMakeFormat(4, 4, 0, ','), "nem;igen", "nem;igen"}, // not a number
        FormatCase{Variant(1), rpMakeFormat(5, 0, 0, ','), "", ""}));                   // unknown kind

TEST(FormatValue, LeavesTheProcessWideSeparatorAlone) {
    const TFormatSettings before = FormatSettings;
    EXPECT_EQ(FormatValue(Variant(2.5), rpMakeFormat(1, 1, 2, '.'), ""), "2.50");
    EXPECT_EQ(FormatSettings, before);
}

struct SuffixCase {
    const char* ParName;
    const char* Expr;
    Integer Format;
    const char* FormatStr;
};

class FormatSuffixTest : public ::testing::TestWithParam<SuffixCase> {};

TEST_P(FormatSuffixTest, Splits) {
    const Integer own = rpMakeFormat(0, 0, 2, ',');
    String expr, formatStr = "own";
    Integer format = own;
    rpParseFormatSuffix(GetParam().ParName, expr, format, formatStr);
    EXPECT_EQ(expr, GetParam().Expr) << GetParam().ParName;
    EXPECT_EQ(format, GetParam().Format == -1 ? own : GetParam().Format) << GetParam().ParName;
    EXPECT_EQ(formatStr, GetParam().FormatStr) << GetParam().ParName;
}

INSTANTIATE_TEST_SUITE_P(
    FormatValue, FormatSuffixTest,
    ::testing::Values(
        SuffixCase{"[SUM] #N12,2", "[SUM]", rpMakeFormat(1, 1, 2, ','), "own"},          // fixed, 2 decimals
        SuffixCase{"[SUM] #N0,00", "[SUM]", rpMakeFormat(1, 1, 0, ','), "own"},          // digits after: 0
        SuffixCase{"[SUM] #N12,", "[SUM]", rpMakeFormat(1, 1, 0, ','), "own"},           // no digits: 0
        SuffixCase{"[SUM] #12.3", "[SUM]", rpMakeFormat(1, 1, 3, '.'), "own"},           // digit first
        SuffixCase{"[SUM] #n10-1", "[SUM]", rpMakeFormat(1, 1, 1, '-'), "own"},          // - as separator
        SuffixCase{"[SUM] #N12", "[SUM]", rpMakeFormat(1, 1, 0, '\0'), "own"},           // no separator
        SuffixCase{"[SUM] #N#,##0.00", "[SUM]", rpMakeFormat(1, 4, 0, '.'), "#,##0.00"}, // custom
        SuffixCase{"[SUM] #N#,##0", "[SUM]", rpMakeFormat(1, 4, 0, ','), "#.##0"},       // last , wins
        SuffixCase{"[DATE] #Ddd.mm.yyyy", "[DATE]", rpMakeFormat(2, 4, 0, '\0'), "dd.mm.yyyy"},
        SuffixCase{"[TIME] #thh:nn", "[TIME]", rpMakeFormat(2, 4, 0, '\0'), "hh:nn"},
        SuffixCase{"[B] #BNo;Yes", "[B]", rpMakeFormat(4, 4, 0, '\0'), "No;Yes"},
        SuffixCase{"[X] #xyz", "[X]", -1, "xyz"},    // other text: own format
        SuffixCase{"[X]#N2", "[X]#N2", -1, "own"})); // no blank before #: no suffix

TEST(FormatValue, SuffixAndFormatTogether) {
    String expr, formatStr;
    Integer format = 0;
    rpParseFormatSuffix("[SUM] #N12,2", expr, format, formatStr);
    EXPECT_EQ(FormatValue(Variant(1234.5), format, formatStr, TFormatSettings::Hungarian()), "1234,50");
    rpParseFormatSuffix("[DATE] #Ddd.mm.yyyy", expr, format, formatStr);
    EXPECT_EQ(FormatValue(kDate, format, formatStr, TFormatSettings::Hungarian()), "01.02.2003");
}

} // namespace
