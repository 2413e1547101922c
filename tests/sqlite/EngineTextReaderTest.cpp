// Reading the engine's text into typed values without the process settings.
#include "sqlite/EngineTextReader.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

using sqlite::EngineTextReader;

namespace {

TEST(EngineTextReader, SqliteDateTimeTexts) {
    struct Case {
        const char* Text;
        TDateTime Expected;
    };
    const Case cases[] = {
        {"2009-12-14 10:20:30.123", EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 30, 123)},
        {"2009-12-14 10:20", EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 0, 0)},
        {"2009-12-14", EncodeDate(2009, 12, 14)},
        {"2009-13-01", 0},           // no such month
        {"2009-12", 0},              // too short
        {"2009-12-14 1x:20", 0},     // not a time
        {"1899-12-29 06:00", -1.25}, // the fraction counts forward before 1899-12-30
    };
    for (const Case& c : cases)
        EXPECT_NEAR(EngineTextReader::ParseSqliteDateTime(c.Text), c.Expected, 1e-9) << c.Text;
}

TEST(EngineTextReader, IntegersKeepSixtyFourBits) {
    EXPECT_EQ(EngineTextReader::ReadInteger("9000000000"), 9000000000LL);
    EXPECT_EQ(EngineTextReader::ReadInteger("-12"), -12);
    EXPECT_EQ(EngineTextReader::ReadInteger(" 7"), 7); // blanks are allowed around
    EXPECT_EQ(EngineTextReader::ReadInteger("12a"), 0);
    EXPECT_EQ(EngineTextReader::ReadInteger(""), 0);
}

TEST(EngineTextReader, FloatsUnderAnyDecimalSeparator) {
    TFormatSettingsGuard guard;
    FormatSettings.DecimalSeparator = ",";
    const EngineTextReader reader(true, "");
    EXPECT_DOUBLE_EQ(reader.ReadFloat("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(reader.ReadFloat("-0.125"), -0.125);
    EXPECT_DOUBLE_EQ(reader.ReadFloat("1,5"), 1.5); // typed in the locale's form
    EXPECT_DOUBLE_EQ(reader.ReadFloat(""), 0.0);
    EXPECT_DOUBLE_EQ(reader.ReadFloat("inf"), 0.0);
}

TEST(EngineTextReader, DatesAndTimes) {
    TFormatSettingsGuard guard(TFormatSettings::Hungarian());
    const EngineTextReader reader(true, "");
    EXPECT_DOUBLE_EQ(reader.ReadDate("2009-12-14"), EncodeDate(2009, 12, 14));
    EXPECT_DOUBLE_EQ(reader.ReadDate("14-12-2009"), EncodeDate(2009, 12, 14));
    EXPECT_DOUBLE_EQ(reader.ReadDate("  "), EncodeDate(1900, 1, 1));
    EXPECT_NEAR(reader.ReadTime("2009-12-14 10:20:30.5"), EncodeTime(10, 20, 30, 0), 1e-9);
    EXPECT_DOUBLE_EQ(reader.ReadTime("nonsense"), 0.0);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { reader.ReadDate("2009/12/14"); }),
              "'2009/12/14' is not a valid date");
    EXPECT_TRUE(FormatSettings == TFormatSettings::Hungarian());
}

TEST(EngineTextReader, LocaleDateTimes) {
    TFormatSettingsGuard guard(TFormatSettings::Hungarian());
    const EngineTextReader reader(false, "");
    EXPECT_DOUBLE_EQ(reader.ReadDateTime(""), 0.0);
    EXPECT_DOUBLE_EQ(reader.ReadDate("2009.12.14."), EncodeDate(2009, 12, 14));
    EXPECT_DOUBLE_EQ(reader.ReadDateTime("2009-12-14"), EncodeDate(2009, 12, 14));
}

} // namespace
