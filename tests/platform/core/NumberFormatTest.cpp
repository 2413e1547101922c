#include "platform/core/NumberFormat.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

const TFormatSettings Hu = TFormatSettings::Hungarian();
const TFormatSettings En = TFormatSettings::English();

TEST(Rounding, RoundTiesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.4999), 2);
    EXPECT_EQ(Round(2.5001), 3);
    EXPECT_EQ(Round(-2.6), -3);
    EXPECT_EQ(Round(9007199254740993.0), 9007199254740992);   // beyond 2^53 doubles are whole
    EXPECT_EQ(Round(-2251799813685249.5), -2251799813685250); // a tie at the precision edge
}

TEST(Rounding, TruncFracAndIntCutTowardZero) {
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_DOUBLE_EQ(Frac(-2.25), -0.25);
    EXPECT_DOUBLE_EQ(Int(-2.75), -2.0);
}

TEST(Rounding, ValuesWithoutAnIntegerRaise) {
    EXPECT_EQ(ErrorOf<EInvalidOp>([] { Round(std::nan("")); }), "Invalid floating point operation");
    EXPECT_EQ(ErrorOf<EInvalidOp>([] { Trunc(1e19); }), "Invalid floating point operation");
    EXPECT_EQ(ErrorOf<EInvalidOp>([] { Round(std::numeric_limits<double>::infinity()); }),
              "Invalid floating point operation");
}

TEST(IntegerText, IntToStrAndIntToHex) {
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x1234, 2), "1234"); // never truncated
    EXPECT_EQ(IntToHex(-1, 1), "FFFFFFFFFFFFFFFF");
}

TEST(IntegerText, StrToIntReadsSignsBlanksAndHex) {
    EXPECT_EQ(StrToInt("123"), 123);
    EXPECT_EQ(StrToInt("  -7"), -7);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<Integer>::min());
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<Int64>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<Int64>::min());
}

TEST(IntegerText, StrToIntRejectsWithTheRuntimeMessage) {
    // Each row: text that is not a 32-bit integer.
    for (const char* bad : {"", " ", "12a", "12 ", "1.5", "-", "$", "2147483648", "1 000"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToInt(bad); }),
                  String("'") + bad + "' is not a valid integer value");
    }
    EXPECT_EQ(ErrorOf<EConvertError>([] { StrToInt64("9223372036854775808"); }),
              "'9223372036854775808' is not a valid integer value");
}

TEST(IntegerText, DefaultAndTryForms) {
    EXPECT_EQ(StrToIntDef("x", -1), -1);
    EXPECT_EQ(StrToIntDef("5", -1), 5);
    Integer v = 99;
    EXPECT_FALSE(TryStrToInt("abc", v));
    EXPECT_EQ(v, 99); // untouched on failure
    EXPECT_TRUE(TryStrToInt("-3", v));
    EXPECT_EQ(v, -3);
}

TEST(FloatText, StrToFloatUsesTheDecimalSeparatorOfTheSettings) {
    EXPECT_DOUBLE_EQ(StrToFloat("3,25", Hu), 3.25);
    EXPECT_DOUBLE_EQ(StrToFloat("3.25", En), 3.25);
    EXPECT_DOUBLE_EQ(StrToFloat(" -1,5E3 ", Hu), -1500.0);
    EXPECT_DOUBLE_EQ(StrToFloat(",5", Hu), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("7,", Hu), 7.0);
    EXPECT_DOUBLE_EQ(StrToFloat("12", Hu), 12.0);
}

TEST(FloatText, StrToFloatRejectsWithTheRuntimeMessage) {
    // Each row: a text the Hungarian settings cannot read as a number.
    for (const char* bad : {"", "3.25", "1 000,5", "abc", "1e", "--1", ",", "1,5,5", "1e999"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToFloat(bad, Hu); }),
                  String("'") + bad + "' is not a valid floating point value");
    }
    EXPECT_DOUBLE_EQ(StrToFloatDef("x", 2.5, Hu), 2.5);
}

TEST(FloatText, FloatToStrIsGeneralWithFifteenDigits) {
    EXPECT_EQ(FloatToStr(1234.5, Hu), "1234,5");
    EXPECT_EQ(FloatToStr(1234.5, En), "1234.5");
    EXPECT_EQ(FloatToStr(0.1 + 0.2, En), "0.3");
    EXPECT_EQ(FloatToStr(-0.0001, En), "-0.0001");
    EXPECT_EQ(FloatToStr(0.00001, En), "1E-5");
    EXPECT_EQ(FloatToStr(1e15, En), "1E15");
    EXPECT_EQ(FloatToStr(1e16, En), "1E16");
    EXPECT_EQ(FloatToStr(1e17, En), "1E17");
    EXPECT_EQ(FloatToStr(123456789012345.0, En), "123456789012345");
    EXPECT_EQ(FloatToStr(1.0 / 3.0, En), "0.333333333333333");
    EXPECT_EQ(FloatToStr(0.0, En), "0");
    EXPECT_EQ(FloatToStr(100.0, En), "100");
}

TEST(FloatText, FloatToStrReadsBackUnderBothSettings) {
    // Fifteen significant digits survive the trip through text.
    double x = 1.0;
    for (int i = 0; i < 400; ++i) {
        x = x * -1.7320508075688772 + (i % 7) * 0.013;
        for (const TFormatSettings* fs : {&Hu, &En}) {
            const double back = StrToFloat(FloatToStr(x, *fs), *fs);
            ASSERT_NEAR(back, x, std::fabs(x) * 1e-14) << FloatToStr(x, *fs);
        }
        if (std::fabs(x) > 1e250) x = 1e-250;
    }
}

TEST(FloatText, FloatToStrExactIsTheShortestTextThatReadsBackWhole) {
    EXPECT_EQ(FloatToStrExact(0.1 + 0.2, Hu), "0,30000000000000004"); // FloatToStr's "0,3" is 0.3
    EXPECT_EQ(FloatToStrExact(1.0 / 3.0, Hu), "0,3333333333333333");  // sixteen digits, not 15
    EXPECT_EQ(FloatToStrExact(1234.5, Hu), "1234,5");                 // as FloatToStr, when exact
    EXPECT_EQ(FloatToStrExact(std::numeric_limits<double>::max(), Hu), "1,7976931348623157E308");
    EXPECT_EQ(FloatToStrExact(std::numeric_limits<double>::denorm_min(), Hu), "5E-324");
    EXPECT_EQ(FloatToStrExact(-0.0, Hu), "-0");
    // Negative zero, then any finite bit pattern, comes back whole under either settings.
    std::mt19937_64 bits(88);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t pattern = i == 0 ? std::uint64_t(1) << 63 : bits();
        const double value = std::bit_cast<double>(pattern);
        if (!std::isfinite(value)) continue;
        for (const TFormatSettings* fs : {&Hu, &En})
            ASSERT_EQ(std::bit_cast<std::uint64_t>(StrToFloat(FloatToStrExact(value, *fs), *fs)), pattern)
                << FloatToStrExact(value, *fs);
    }
}

TEST(FloatText, FloatToStrFLayouts) {
    EXPECT_EQ(FloatToStrF(1234.567, ffFixed, 15, 2, Hu), "1234,57");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2, Hu), "1 234 567,89");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2, En), "1,234,567.89");
    EXPECT_EQ(FloatToStrF(0.125, ffFixed, 15, 2, En), "0.13");  // text rounds half away from zero
    EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2, En), "0.00"); // no "-0.00"
    EXPECT_EQ(FloatToStrF(999.996, ffFixed, 15, 2, En), "1000.00");
    EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2, En), "1.235E+03");
    EXPECT_EQ(FloatToStrF(0.0, ffExponent, 3, 2, En), "0.00E+00");
    EXPECT_EQ(FloatToStrF(1e20, ffFixed, 15, 2, En), "1E20");
    EXPECT_EQ(FloatToStrF(5.0, ffFixed, 15, 0, En), "5");
}

TEST(FloatText, CurrencyFollowsTheSettingsLayout) {
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, Hu), "1 234,50 Ft");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 0, Hu), "-1 235 Ft");
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, En), "$1,234.50");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2, En), "($1,234.50)");
    EXPECT_EQ(CurrToStr(12.34567, En), "12.3457");
}

TEST(FormatFloatPictures, DigitsAndThousands) {
    EXPECT_EQ(FormatFloat("0.00", 2.5, Hu), "2,50");
    EXPECT_EQ(FormatFloat("#,##0", 1234567.0, Hu), "1 234 567");
    EXPECT_EQ(FormatFloat("#,##0.00", 1000.0, En), "1,000.00");
    EXPECT_EQ(FormatFloat("#,##0", 0.0, En), "0");
    EXPECT_EQ(FormatFloat("#,###", 0.0, En), "");
    EXPECT_EQ(FormatFloat("000", 7.0, En), "007");
    EXPECT_EQ(FormatFloat("0", 123456.0, En), "123456"); // surplus digits go in front
    EXPECT_EQ(FormatFloat("###.##", 12.0, En), "12");    // no point without decimals
    EXPECT_EQ(FormatFloat("###.##", 0.5, En), ".5");
    EXPECT_EQ(FormatFloat("0.0#", 3.14159, En), "3.14");
    EXPECT_EQ(FormatFloat("0.0#", 3.1, En), "3.1");
    EXPECT_EQ(FormatFloat("0", 2.5, En), "3");
    EXPECT_EQ(FormatFloat("0", -2.5, En), "-3");
    EXPECT_EQ(FormatFloat("0.00", 2.675, En), "2.67"); // 2.675 is stored a hair below
    EXPECT_EQ(FormatFloat("", 1.5, Hu), "1,5");
}

TEST(FormatFloatPictures, SectionsAndLiterals) {
    const String f = "#,##0.00 'Ft';-#,##0.00 'Ft';'nulla'";
    EXPECT_EQ(FormatFloat(f, 1234.5, Hu), "1 234,50 Ft");
    EXPECT_EQ(FormatFloat(f, -1234.5, Hu), "-1 234,50 Ft");
    EXPECT_EQ(FormatFloat(f, 0.0, Hu), "nulla");
    EXPECT_EQ(FormatFloat(f, 0.001, Hu), "nulla"); // rounds to zero
    EXPECT_EQ(FormatFloat("0;(0)", -5.0, En), "(5)");
    EXPECT_EQ(FormatFloat("0;;zero", -5.0, En), "-5"); // empty negative section: first one
    EXPECT_EQ(FormatFloat("0", -0.2, En), "0");        // no "-0"
    EXPECT_EQ(FormatFloat("\"#\"0", 5.0, En), "#5");
}

TEST(FormatFloatPictures, QuotedSemicolonsAndHugeValues) {
    EXPECT_EQ(FormatFloat("0' ; '0", 12.0, En), "1 ; 2"); // a quoted ";" is no section break
    EXPECT_EQ(FormatFloat("0.00", 1e25, En), "1E25");     // too wide for digits: general
    EXPECT_EQ(FormatFloat("0.00", 1e-20, En), "0.00");
    EXPECT_EQ(FormatFloat("0.00", std::nan(""), En), "NAN");
}

TEST(FormatFloatPictures, Scientific) {
    EXPECT_EQ(FormatFloat("0.00E+00", 1234.5, En), "1.23E+03");
    EXPECT_EQ(FormatFloat("0.00E+00", 0.00012345, En), "1.23E-04");
    EXPECT_EQ(FormatFloat("0.00E-00", 1234.5, En), "1.23E03");
    EXPECT_EQ(FormatFloat("00.0E+0", 1234.5, En), "12.3E+2");
    EXPECT_EQ(FormatFloat("0.0E+00", 0.0, En), "0.0E+00");
}

TEST(FormatFloatPictures, ShortFormsReadTheProcessSettings) {
    TFormatSettingsGuard guard(En);
    EXPECT_EQ(FormatFloat("0.0", 1.25), "1.3");
    EXPECT_EQ(FloatToStr(0.5), "0.5");
    EXPECT_DOUBLE_EQ(StrToFloat("0.5"), 0.5);
}

} // namespace
