#include "tests/grid/GridFixture.h"

#include "platform/core/TStrings.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/VirtualKeys.h"

using namespace gridtest;

namespace {

class LayoutTest : public GridFixture {
protected:
    void SetUp() override { Build(5, 400, 200); }
    TVgDBColumn* Column(Integer i) { return Grid->GetColumns()->GetColumn(i); }
    Integer TextHeight() { return Grid->Canvas()->TextHeight("W"); }
};

TEST_F(LayoutTest, NewGridExOptionsHoldTheSixDefaults) {
    EXPECT_EQ(Grid->ExOptions(), (TExOptions{eoENTERlikeTAB, eoKeepSelection, eoStandardPopup, eoBLOBEditor,
                                             eoTitleWordWrap, eoFilterAutoApply}));
    EXPECT_EQ(Grid->WidthOfIndicator(), 11);
    EXPECT_EQ(Grid->FooterColor(), clBtnFace);
    EXPECT_EQ(Grid->RegistryKey(), "Software\\VgGrid");
    EXPECT_EQ(Grid->RegistrySection(), "VgDBGrid");
    EXPECT_EQ(Grid->TitleHeight()->Kind(), hkAuto);
    EXPECT_EQ(Grid->TitleHeight()->PixelCount(), Grid->DefaultRowHeight());
    EXPECT_EQ(static_cast<int>(eoFilterAutoApply), 30);
    EXPECT_EQ(static_cast<int>(eoDrawBands), 22);
}

TEST_F(LayoutTest, ABarInTheCaptionGivesATwoLineTitle) {
    Integer one = Grid->RowHeights(0);
    Column(1)->Title()->SetCaption("Ügy|neve");
    Grid->SetTitlesHeight();
    EXPECT_EQ(Column(1)->Title()->Caption(), "Ügy\rneve");
    EXPECT_EQ(Grid->RowHeights(0), one + TextHeight());
}

TEST_F(LayoutTest, PixelCountSetsTheTitleAndZeroLeavesIt) {
    Grid->TitleHeight()->SetKind(hkPixelCount);
    Grid->TitleHeight()->SetPixelCount(24);
    EXPECT_EQ(Grid->RowHeights(0), 24 + 3 + 2);
    Grid->TitleHeight()->SetPixelCount(0);
    EXPECT_EQ(Grid->RowHeights(0), 24 + 3 + 2);
}

TEST_F(LayoutTest, LineCountUsesTheTitleFontAndExtrasAddUp) {
    Grid->TitleHeight()->SetKind(hkLineCount);
    Grid->TitleHeight()->SetLineCount(2);
    Integer base = 2 * TextHeight() + 3 + 2;
    EXPECT_EQ(Grid->RowHeights(0), base);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoShowFilterBar, eoTitleButtons});
    EXPECT_EQ(Grid->RowHeights(0), base + 19 + 2);
    Grid->Bands()->Add("Sáv");
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoDrawBands});
    EXPECT_EQ(Grid->RowHeights(0), base + 19 + 2 + Grid->DefaultRowHeight());
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoBandsOverTitles});
    EXPECT_EQ(Grid->RowHeights(0), base + 19 + 2);
}

TEST_F(LayoutTest, DefaultRowHeightKeepsTheTitleRow) {
    Grid->TitleHeight()->SetKind(hkPixelCount);
    Grid->TitleHeight()->SetPixelCount(24);
    Grid->SetDefaultRowHeight(17);
    EXPECT_EQ(Grid->DefaultRowHeight(), 17);
    EXPECT_EQ(Grid->RowHeights(0), 29);
    EXPECT_EQ(Grid->RowHeights(1), 17);
    Grid->SetDefaultRowHeight(0);
    EXPECT_EQ(Grid->DefaultRowHeight(), 17);
}

TEST_F(LayoutTest, FrozenColumnsAreCappedBelowTheColumnCount) {
    Grid->SetFixedCols(2);
    EXPECT_EQ(Grid->FixedCols(), 2);
    EXPECT_EQ(Grid->TCustomGrid::FixedCols(), 3);
    EXPECT_GE(Grid->SelectedIndex(), 2);
    Grid->SetFixedCols(50);
    EXPECT_EQ(Grid->FixedCols(), 4); // all but the last of five
    Grid->SetFixedCols(-3);
    EXPECT_EQ(Grid->FixedCols(), 0);
}

TEST_F(LayoutTest, LeftDoesNotEnterTheFrozenColumns) {
    Grid->SetFixedCols(1);
    Grid->SetSelectedIndex(1);
    Word k = VK_LEFT;
    Grid->KeyDown(k, {});
    EXPECT_EQ(Grid->SelectedIndex(), 1);
    Grid->SetSelectedIndex(3);
    k = VK_HOME;
    Grid->KeyDown(k, {});
    EXPECT_EQ(Grid->SelectedIndex(), 1);
}

TEST_F(LayoutTest, IndicatorWidthHasAFloorAndWidensForCheckBoxes) {
    Grid->SetIndicatorWidth(5);
    EXPECT_EQ(Grid->WidthOfIndicator(), 11);
    EXPECT_EQ(Grid->ColWidths(0), 11);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoCheckBoxSelect});
    Integer minimum = 4 + 13 + Grid->Indicators()->Width();
    EXPECT_EQ(Grid->WidthOfIndicator(), minimum);
    Grid->SetExOptions(Grid->ExOptions() - TExOptions{eoCheckBoxSelect});
    EXPECT_EQ(Grid->WidthOfIndicator(), 11);
}

TEST_F(LayoutTest, AutoWidthFillsTheGridWidth) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoAutoWidth});
    Integer sum = 0;
    for (Integer i = 0; i < 5; ++i)
        sum += Column(i)->Width();
    // The vertical bar of the open dataset keeps its room.
    Integer available = Grid->Width() - 2 - Grid->GridLineWidth() * (Grid->ColCount() + 1) -
                        Grid->WidthOfIndicator() - GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_NEAR(sum, available, 3);
}

TEST_F(LayoutTest, AutoWidthOnATinyWindowKeepsEveryColumnVisible) {
    Grid->SetBounds(0, 0, 8, 60);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoAutoWidth});
    for (Integer i = 0; i < 5; ++i)
        EXPECT_GE(Column(i)->Width(), 1) << i;
}

TEST_F(LayoutTest, AutoWidthWithNothingToMeasureSharesTheRoom) {
    for (Integer i = 0; i < Grid->GetColumns()->Count(); ++i)
        Column(i)->Title()->SetCaption("");
    Data->Close();
    ASSERT_EQ(Grid->GetColumns()->Count(), 5);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoAutoWidth});
    for (Integer i = 1; i < Grid->GetColumns()->Count(); ++i)
        EXPECT_EQ(Column(i)->Width(), Column(0)->Width());
    EXPECT_GT(Column(0)->Width(), 1);
}

TEST_F(LayoutTest, AutoWidthOverAnEmptyDatasetFollowsTheCaptions) {
    Data->Close();
    Data->ClearRows();
    Data->Open();
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoAutoWidth, eoBooleanAsCheckBox});
    // "osszeg" is wider than "id": the widths keep the captions' proportion.
    EXPECT_GT(Column(4)->Width(), Column(0)->Width());
}

TEST_F(LayoutTest, VisibleRowsFollowTheHeight) {
    Integer rows = Grid->RowCount();
    Grid->SetBounds(0, 0, 400, 400);
    EXPECT_GT(Grid->RowCount(), rows - 1);
    EXPECT_EQ(Grid->RowCount(), 1 + 5); // all five records fit
}

} // namespace
