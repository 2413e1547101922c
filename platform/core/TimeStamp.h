#pragma once
// The time-stamp form of a date-time: a day number counted from 0001-01-01 (which is day 1)
// and the milliseconds since midnight. Record buffers keep dates and times this way.
#include "platform/core/Types.h"

struct TTimeStamp {
    Integer Time = 0; // milliseconds since midnight
    Integer Date = 0; // one plus the days since 0001-01-01

    bool operator==(const TTimeStamp&) const = default;
};

// Rounds to the millisecond.
TTimeStamp DateTimeToTimeStamp(TDateTime value);
// Raises EConvertError "'%d.%d' is not a valid timestamp" (date, time) when Date is not
// positive or Time lies outside one day.
TDateTime TimeStampToDateTime(const TTimeStamp& stamp);
// Date x 86400000 + Time; raises as TimeStampToDateTime for an invalid stamp.
double TimeStampToMSecs(const TTimeStamp& stamp);
// Raises EConvertError "'%d.%d' is not a valid timestamp" when the result is not valid.
TTimeStamp MSecsToTimeStamp(double msecs);
