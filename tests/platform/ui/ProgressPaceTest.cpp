#include "platform/ui/ProgressPace.h"

#include <gtest/gtest.h>

// One step per row: the clock's time when asked, and whether the window refreshes then.
TEST(ProgressPace, RefreshesAtMostEveryIntervalFromTheLastRefresh) {
    Int64 now = 1000;
    ui::ProgressPace pace([&now] { return now; });
    struct Step {
        Int64 At;
        bool Due;
    };
    const Step steps[] = {
        {1000, true},  // the first look shows the window
        {1000, false}, // same moment
        {1039, false}, // just short of the interval
        {1040, true},  // the interval from the last refresh
        {1079, false}, // measured from 1040, not from 1000
        {5000, true},  // a long page: at once
    };
    for (const Step& s : steps) {
        now = s.At;
        EXPECT_EQ(pace.Ready(), s.Due) << s.At;
        EXPECT_EQ(pace.Due(), s.Due) << s.At;
    }
    // Asking leaves the pace alone; a window shown anew refreshes at once.
    now = 5001;
    EXPECT_FALSE(pace.Ready());
    pace.Restart();
    EXPECT_TRUE(pace.Due());
    EXPECT_FALSE(pace.Due());
}
