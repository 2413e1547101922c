// Placement arithmetic of dragged toolbars, with fixed numbers: a dock 400
// long, toolbars 26 thick.
#include "report/preview/detail/rpDockDrag.h"

#include <gtest/gtest.h>

namespace {

using rpdock::MoveResult;
using rpdock::Span;

Span Bar(Integer Along, Integer Across, Integer Length = 95) {
    return Span{Along, Across, Length, 26};
}

TEST(DockDrag, StepsRoundTowardZero) {
    struct Row {
        Integer Last, Now, Step, Expected;
        const char* Why;
    } rows[] = {
        {0, 25, 26, 0, "less than a row down"},
        {0, 26, 26, 26, "one row down"},
        {0, 60, 26, 52, "two rows and a part"},
        {0, -25, 26, 0, "less than a row up"},
        {0, -27, 26, -26, "a row up, not two"},
        {100, 97, 1, -3, "along the row pixel by pixel"},
        {5, 5, 1, 0, "no movement"},
        {0, 40, 0, 0, "a zero step never moves"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(rpdock::DragStep(r.Last, r.Now, r.Step), r.Expected) << r.Why;
}

TEST(DockDrag, FloatsOnlyPastTwentyPixelsOut) {
    struct Row {
        Span Wanted;
        bool CanFloat;
        MoveResult Result;
        Integer Along, Across;
        const char* Why;
    } rows[] = {
        {Bar(-20, 0), true, MoveResult::Placed, 0, 0, "20 pixels out is held back at 0"},
        {Bar(-21, 0), true, MoveResult::Float, -21, 0, "21 pixels out floats"},
        {Bar(-21, 0), false, MoveResult::Placed, 0, 0, "a toolbar that cannot float is held back"},
        {Bar(10, -26), true, MoveResult::Float, 10, -26, "a row out of the dock's outer edge floats"},
        {Bar(10, -26), false, MoveResult::Placed, 10, 0, "held in the first row"},
        {Bar(-5, -5), true, MoveResult::Placed, 0, 0, "both held back in one pass"},
    };
    for (const Row& r : rows) {
        const rpdock::MovePlan plan = rpdock::PlanMove(r.Wanted, 400, {}, r.CanFloat);
        EXPECT_EQ(plan.Result, r.Result) << r.Why;
        if (plan.Result == r.Result) {
            EXPECT_EQ(plan.Along, r.Along) << r.Why;
            EXPECT_EQ(plan.Across, r.Across) << r.Why;
        }
    }
}

TEST(DockDrag, TheDockEndHoldsTheToolbarBack) {
    rpdock::MovePlan plan = rpdock::PlanMove(Bar(350, 0), 400, {}, true);
    EXPECT_EQ(plan.Result, MoveResult::Placed);
    EXPECT_EQ(plan.Along, 305);
    // Longer than the dock: it stays at the start.
    plan = rpdock::PlanMove(Bar(10, 0, 450), 400, {}, true);
    EXPECT_EQ(plan.Result, MoveResult::Placed);
    EXPECT_EQ(plan.Along, 0);
}

TEST(DockDrag, NeighboursPushTheToolbarToTheirSide) {
    const std::vector<Span> others{Bar(0, 0, 100), Bar(250, 0, 100), Bar(120, 26, 100)};
    // Dropped onto the end of the first: pushed past it.
    rpdock::MovePlan plan = rpdock::PlanMove(Bar(90, 0, 50), 400, others, true);
    EXPECT_EQ(plan.Result, MoveResult::Placed);
    EXPECT_EQ(plan.Along, 100);
    // Its end over the start of the third: pushed back before it.
    plan = rpdock::PlanMove(Bar(210, 0, 50), 400, others, true);
    EXPECT_EQ(plan.Result, MoveResult::Placed);
    EXPECT_EQ(plan.Along, 200);
    // The toolbar in the second row blocks nothing in the first.
    plan = rpdock::PlanMove(Bar(130, 0, 50), 400, others, true);
    EXPECT_EQ(plan.Result, MoveResult::Placed);
    EXPECT_EQ(plan.Along, 130);
    // In the second row it does.
    plan = rpdock::PlanMove(Bar(130, 26, 50), 400, others, true);
    EXPECT_EQ(plan.Result, MoveResult::Placed);
    EXPECT_EQ(plan.Along, 220);
}

TEST(DockDrag, NoRoomRefusesTheMove) {
    // A gap of 150 between two toolbars takes no toolbar 160 long.
    const std::vector<Span> others{Bar(0, 0, 100), Bar(250, 0, 100)};
    EXPECT_EQ(rpdock::PlanMove(Bar(110, 0, 160), 400, others, true).Result, MoveResult::Refused);
    // Pushed past the last toolbar and beyond the dock's end.
    EXPECT_EQ(rpdock::PlanMove(Bar(300, 0, 80), 400, {Bar(250, 0, 100)}, true).Result, MoveResult::Refused);
    // Pushed back before a toolbar near the start: refused, never floated.
    EXPECT_EQ(rpdock::PlanMove(Bar(0, 0, 95), 400, {Bar(30, 0, 100)}, true).Result, MoveResult::Refused);
}

TEST(DockDrag, DropPositionAndInnerEdge) {
    EXPECT_EQ(rpdock::DropAlong(50, 400, 95), 50);
    EXPECT_EQ(rpdock::DropAlong(-10, 400, 95), 0);
    EXPECT_EQ(rpdock::DropAlong(390, 400, 95), 305);
    EXPECT_EQ(rpdock::DropAlong(50, 60, 95), 0); // longer than the dock
    EXPECT_FALSE(rpdock::BeyondInnerEdge(Bar(0, 0), 27));
    EXPECT_TRUE(rpdock::BeyondInnerEdge(Bar(0, 26), 27));
    EXPECT_FALSE(rpdock::BeyondInnerEdge(Bar(0, 26), 53));
}

} // namespace
