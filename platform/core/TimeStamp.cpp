#include "platform/core/TimeStamp.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"

#include <cmath>

namespace {

void Validate(const TTimeStamp& s) {
    if (s.Time < 0 || s.Time >= MSecsPerDay || s.Date <= 0)
        throw EConvertError(Format(SInvalidTimeStamp, {s.Date, s.Time}));
}

} // namespace

TTimeStamp DateTimeToTimeStamp(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        throw EConvertError(Format(SInvalidTimeStamp, {0, 0}));
    const auto total = static_cast<Int64>(std::llround(value * MSecsPerDay));
    TTimeStamp s;
    s.Date = static_cast<Integer>(DateDelta + total / MSecsPerDay);
    s.Time = static_cast<Integer>((total < 0 ? -total : total) % MSecsPerDay);
    return s;
}

TDateTime TimeStampToDateTime(const TTimeStamp& stamp) {
    Validate(stamp);
    const double days = static_cast<double>(stamp.Date - DateDelta);
    const double time = static_cast<double>(stamp.Time) / MSecsPerDay;
    // Before 1899-12-30 the fraction still counts forward from midnight.
    return days < 0 ? days - time : days + time;
}

double TimeStampToMSecs(const TTimeStamp& stamp) {
    Validate(stamp);
    return static_cast<double>(stamp.Date) * MSecsPerDay + stamp.Time;
}

TTimeStamp MSecsToTimeStamp(double msecs) {
    TTimeStamp s;
    if (std::isfinite(msecs) && msecs > 0 && msecs < 4e14) {
        const auto ms = static_cast<Int64>(std::llround(msecs));
        s.Date = static_cast<Integer>(ms / MSecsPerDay);
        s.Time = static_cast<Integer>(ms % MSecsPerDay);
    }
    Validate(s);
    return s;
}
