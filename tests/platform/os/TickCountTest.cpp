#include "platform/os/TickCount.h"

#include <gtest/gtest.h>

namespace {

TEST(TickCount, SleepAdvancesTheCounter) {
    const Int64 start = GetTickCount64();
    const Cardinal start32 = GetTickCount();
    Sleep(50);
    const Int64 elapsed = GetTickCount64() - start;
    EXPECT_GE(elapsed, 50); // a loaded machine only makes it longer
    // Differences of the 32-bit counter stay right across its wrap-around.
    EXPECT_GE(static_cast<Cardinal>(GetTickCount() - start32), 50u);
}

TEST(TickCount, NeverGoesBackwards) {
    Int64 last = GetTickCount64();
    for (int i = 0; i < 1000; ++i) {
        const Int64 now = GetTickCount64();
        ASSERT_GE(now, last);
        last = now;
    }
}

TEST(TickCount, SleepZeroReturns) {
    const Int64 start = GetTickCount64();
    Sleep(0);
    EXPECT_GE(GetTickCount64(), start);
}

} // namespace
