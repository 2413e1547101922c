#include "grid/VgColumnWidths.h"
#include "grid/VgFooterTotal.h"

#include "tests/grid/GridFixture.h"
#include "platform/graphics/SystemMetrics.h"

#include <gtest/gtest.h>

namespace {

// Six pixels a byte: fixed metrics.
Integer Fixed(const String& Text) {
    return Integer(Text.size()) * 6;
}

TEST(ColumnWidths, CaptionWidthWholeOrLongestWord) {
    EXPECT_EQ(vg::CaptionWidth(Fixed, "Ugy neve", false), 48);
    EXPECT_EQ(vg::CaptionWidth(Fixed, "Ugy neve", true), 24);  // "neve"
    EXPECT_EQ(vg::CaptionWidth(Fixed, "a  hosszu", true), 36); // empty words count nothing
    EXPECT_EQ(vg::CaptionWidth(Fixed, "", true), 0);
}

TEST(ColumnWidths, AvailableRoomLeavesBordersLinesBarAndIndicator) {
    vg::ColumnRoom room;
    room.GridWidth = 400;
    room.BorderWidth = 1;
    room.GridLineWidth = 1;
    room.ColCount = 4; // indicator + 3 columns: 5 lines
    room.IndicatorWidth = 11;
    EXPECT_EQ(vg::AvailableWidth(room), 400 - 2 - 5 - 11);
    room.ScrollBarWidth = 16;
    EXPECT_EQ(vg::AvailableWidth(room), 400 - 2 - 5 - 11 - 16);
}

TEST(ColumnWidths, FitScalesVisibleColumnsOnly) {
    auto w = vg::FitColumnWidths({10, 30, 50, 0}, {true, true, false, true}, 200);
    EXPECT_EQ(w, (std::vector<Integer>{50, 150, 0, 1})); // nothing wanted still gets 1 pixel
    // Nothing measurable: the room is shared evenly.
    EXPECT_EQ(vg::FitColumnWidths({0, 0}, {true, true}, 101), (std::vector<Integer>{51, 51}));
    // A window too small for anything keeps every column at 1 pixel.
    EXPECT_EQ(vg::FitColumnWidths({10, 20}, {true, true}, -30), (std::vector<Integer>{1, 1}));
}

TEST(FooterTotals, SumCountAverage) {
    vg::FooterTotal sum(ftSum), count(ftCount), avg(ftAverage);
    for (int v : {1, 2, 6}) {
        sum.Add(Variant(v), true);
        count.Add(Variant(v), true);
        avg.Add(Variant(v), true);
    }
    count.Add(Variant(), true); // a null record still counts
    EXPECT_EQ(sum.Result().AsFloat(), 9.0);
    EXPECT_EQ(count.Result().AsInteger(), 4);
    EXPECT_EQ(avg.Result().AsFloat(), 3.0);
}

TEST(FooterTotals, NothingAddedLeavesZeroAndNoDivision) {
    for (TVgFooterType t : {ftSum, ftCount, ftAverage}) {
        vg::FooterTotal total(t);
        EXPECT_EQ(total.Result().Type(), varInteger) << int(t);
        EXPECT_EQ(total.Result().AsInteger(), 0) << int(t);
    }
}

TEST(FooterTotals, NonNumericValuesCountButAddNothing) {
    vg::FooterTotal avg(ftAverage);
    avg.Add(Variant(4), true);
    avg.Add(Variant("x"), false);
    EXPECT_EQ(avg.Result().AsFloat(), 2.0);
    EXPECT_EQ(avg.Counter(), 2);
}

TEST(FooterTotals, MinAndMaxSeedFromTheFirstValue) {
    vg::FooterTotal mn(ftMin), mx(ftMax);
    for (Variant v : {Variant(), Variant(5), Variant(3), Variant(8)}) {
        mn.Add(v, true);
        mx.Add(v, true);
    }
    EXPECT_EQ(mn.Result().AsInteger(), 3); // not stuck at 0 over positive values
    EXPECT_EQ(mx.Result().AsInteger(), 8);
    vg::FooterTotal negative(ftMax);
    negative.Add(Variant(-4), true);
    negative.Add(Variant(-2), true);
    EXPECT_EQ(negative.Result().AsInteger(), -2);
}

class AutoWidthTest : public gridtest::GridFixture {};

// A 60-row grid 400 pixels wide: the vertical bar is shown, and the fitted
// columns end before it.
TEST_F(AutoWidthTest, FittedColumnsLeaveTheScrollBarFree) {
    Build(60, 400, 200);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoAutoWidth});
    Integer last = Grid->ColCount() - 1;
    TRect cell = Grid->CellRect(last, 1);
    ASSERT_FALSE(IsRectEmpty(cell));
    Integer barLeft = Grid->Width() - GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_LE(cell.Right, barLeft);
    EXPECT_GE(cell.Right, barLeft - 2 * Grid->ColCount());
    // Fitted columns need no horizontal bar.
    EXPECT_FALSE(Grid->HorzState().Shown);
}

TEST_F(AutoWidthTest, FixedColsAreKeptWhileTheLinkIsClosed) {
    Build(5, 400, 200);
    Data->Close();
    Grid->SetFixedCols(9);
    EXPECT_EQ(Grid->FixedCols(), 9);
    Data->Open();
    // All but the last of the five columns.
    EXPECT_EQ(Grid->FixedCols(), 4);
}

} // namespace
