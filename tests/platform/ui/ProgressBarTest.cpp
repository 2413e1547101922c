// The progress bar's range and position stay consistent whatever order the
// bounds are set in.
#include "platform/ui/TProgressBar.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressBar, StartsAtZeroOfHundred) {
    TProgressBar bar(nullptr);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ProgressBar, PositionIsClampedToTheRange) {
    TProgressBar bar(nullptr);
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ProgressBar, RaisingMinAboveMaxDragsMaxAlong) {
    TProgressBar bar(nullptr);
    bar.SetPosition(34);
    bar.SetMin(200); // set before Max, as a dialog copying Min, Max, Position does
    EXPECT_EQ(bar.Max(), 200);
    EXPECT_EQ(bar.Position(), 200);
    bar.SetMax(500);
    bar.SetPosition(250);
    EXPECT_EQ(bar.Min(), 200);
    EXPECT_EQ(bar.Position(), 250);
}

TEST(ProgressBar, LoweringMaxBelowMinDragsMinAndPosition) {
    TProgressBar bar(nullptr);
    bar.SetMin(10);
    bar.SetPosition(50);
    bar.SetMax(5);
    EXPECT_EQ(bar.Min(), 5);
    EXPECT_EQ(bar.Position(), 5);
}

TEST(ProgressBar, StepItStartsOverPastMaxStepByStops) {
    TProgressBar bar(nullptr);
    bar.SetMax(25);
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 20);
    bar.StepIt(); // 30 is 5 past the end
    EXPECT_EQ(bar.Position(), 5);
    bar.StepBy(30);
    EXPECT_EQ(bar.Position(), 25);
    bar.StepBy(-30);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ProgressBar, StepItOnAnEmptyRangeStaysPut) {
    TProgressBar bar(nullptr);
    bar.SetMax(0);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ProgressBar, EmptyRangeKeepsItsPosition) {
    TProgressBar bar(nullptr);
    bar.SetMax(0);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 0);
    EXPECT_EQ(bar.Position(), 0);
}

} // namespace
