// Numbers inside formatted dates: padding, the widest and narrowest values, and
// values whose fraction rounds into the next day.
#include "platform/core/DateTime.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const TFormatSettings Hu = TFormatSettings::Hungarian();
const TFormatSettings En = TFormatSettings::English();

TEST(DateDigits, PaddingAndWidthOfEveryNumber) {
    // Before 1899-12-30 the time of day is subtracted from the day number.
    const TDateTime early = EncodeDate(5, 1, 2) - EncodeTime(3, 4, 5, 6);
    EXPECT_EQ(FormatDateTime("yyyy.mm.dd. hh:nn:ss.zzz", early, Hu), "0005.01.02. 03:04:05.006");
    EXPECT_EQ(FormatDateTime("yy m d h n s z", early, Hu), "05 1 2 3 4 5 6");
    EXPECT_EQ(FormatDateTime("zz", early, Hu), "06");
    const TDateTime late = EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999);
    EXPECT_EQ(FormatDateTime("yyyy.mm.dd. hh:nn:ss.zzz", late, Hu), "9999.12.31. 23:59:59.999");
    EXPECT_EQ(FormatDateTime("yy", EncodeDate(2000, 1, 1), Hu), "00");
    EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(10000 - 1, 1, 1), En), "9999");
}

TEST(DateDigits, DatesBefore1900CountTheTimeForward) {
    EXPECT_EQ(DateToStr(0.0, Hu), "1899.12.30.");
    EXPECT_EQ(DateTimeToStr(-1.25, Hu), "1899.12.29. 6:00:00");
    EXPECT_EQ(DateToStr(EncodeDate(1848, 3, 15), Hu), "1848.03.15.");
    EXPECT_EQ(DateToStr(EncodeDate(1, 1, 1), Hu), "0001.01.01.");
    EXPECT_EQ(DateToStr(EncodeDate(1900, 2, 28) + 1, Hu), "1900.03.01."); // no 29 February 1900
}

TEST(DateDigits, FractionsNearMidnightRoundToTheMillisecond) {
    const TDateTime day = EncodeDate(2024, 2, 28);
    const double almost = 1.0 - 0.4 / MSecsPerDay; // 23:59:59.9996
    EXPECT_EQ(DateTimeToStr(day + almost, Hu), "2024.02.29.");
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", day + 1.0 - 1.0 / MSecsPerDay, Hu), "23:59:59.999");
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", day + 0.6 / MSecsPerDay, Hu), "00:00:00.001");
    EXPECT_EQ(DateToStr(std::nextafter(day, 0.0), Hu), "2024.02.28.");
}

TEST(DateDigits, OutOfRangeValuesShowZeros) {
    EXPECT_EQ(FormatDateTime("yyyy.mm.dd. hh:nn", MaxDateTime + 2, Hu), "0000.00.00. 00:00");
    EXPECT_EQ(FormatDateTime("yyyy.mm.dd. mmm", std::nan(""), Hu), "0000.00.00. ");
}

} // namespace
