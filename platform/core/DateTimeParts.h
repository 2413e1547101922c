#pragma once
// Shared by the date-time routines: one decoding of a TDateTime into its fields.
#include "platform/core/Types.h"

namespace core {

struct DateTimeParts {
    Word Year = 0, Month = 0, Day = 0, DayOfWeek = 0;
    Word Hour = 0, Min = 0, Sec = 0, MSec = 0;
};

// Fields of `value`, rounded to the millisecond; false (and all zeros) outside
// 0001-01-01..9999-12-31.
bool SplitDateTime(TDateTime value, DateTimeParts& parts);
// The day SplitDateTime puts value on, as whole days since 1899-12-30 (what EncodeDate of
// its year, month and day gives); false where SplitDateTime fails.
bool DayOf(TDateTime value, TDateTime& day);

// The date part of `date` with the time of day of `time`, signed as the runtime does for
// dates before 1899-12-30.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

} // namespace core
