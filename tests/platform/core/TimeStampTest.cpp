#include "platform/core/TimeStamp.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeStamps, DayNumbersCountFromYearOne) {
    EXPECT_EQ(DateTimeToTimeStamp(EncodeDate(1, 1, 1)), (TTimeStamp{0, 1}));
    EXPECT_EQ(DateTimeToTimeStamp(0.0), (TTimeStamp{0, 693594}));
    EXPECT_EQ(DateTimeToTimeStamp(EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 30, 123)),
              (TTimeStamp{37230123, 693594 + 40161}));
}

TEST(TimeStamps, RoundTripsThroughMilliseconds) {
    const TDateTime v = EncodeDate(2009, 12, 14) + EncodeTime(23, 59, 59, 999);
    const TTimeStamp s = DateTimeToTimeStamp(v);
    EXPECT_EQ(MSecsToTimeStamp(TimeStampToMSecs(s)), s);
    EXPECT_DOUBLE_EQ(TimeStampToDateTime(s), v);
    // Before 1899-12-30 the time still counts forward from midnight.
    EXPECT_DOUBLE_EQ(TimeStampToDateTime(DateTimeToTimeStamp(-1.25)), -1.25);
}

TEST(TimeStamps, InvalidStampsRaise) {
    EXPECT_EQ(ErrorOf<EConvertError>([] {
                  TimeStampToDateTime(TTimeStamp{0, 0});
              }),
              "'0.0' is not a valid timestamp");
    EXPECT_EQ(ErrorOf<EConvertError>([] {
                  TimeStampToDateTime(TTimeStamp{86400000, 5});
              }),
              "'5.86400000' is not a valid timestamp");
    EXPECT_EQ(ErrorOf<EConvertError>([] {
                  TimeStampToMSecs(TTimeStamp{-1, 5});
              }),
              "'5.-1' is not a valid timestamp");
    EXPECT_EQ(ErrorOf<EConvertError>([] { MSecsToTimeStamp(-5); }), "'0.0' is not a valid timestamp");
}

} // namespace
