#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A grid that logs what it is asked to draw and stores edited texts.
class TLogGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;
    struct Cell {
        TRect Rect;
        TGridDrawState State;
    };
    std::map<std::pair<Integer, Integer>, Cell> Drawn;
    std::map<std::pair<Integer, Integer>, String> Texts;
    bool Refuse = false;

    void PaintLog() {
        Drawn.clear();
        graphics::RecordingCanvasBackend* b = nullptr;
        auto c = graphics::MakeRecordingCanvas(b, TSize(Width(), Height()));
        PaintTo(c.get());
    }
    using TCustomGrid::HorzScrollState;
    using TCustomGrid::ShowEditor;

protected:
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override {
        Drawn[{ACol, ARow}] = {ARect, AState};
    }
    bool SelectCell(Integer, Integer) override { return !Refuse; }
    String GetEditText(Integer ACol, Integer ARow) override { return Texts[{ACol, ARow}]; }
    void SetEditText(Integer ACol, Integer ARow, const String& Value) override {
        Texts[{ACol, ARow}] = Value;
    }
};

class CustomGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = std::make_unique<TLogGrid>(nullptr);
        Grid->SetBounds(0, 0, 200, 100);
        Grid->SetColCount(6);
        Grid->SetRowCount(10);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
    }
    void Key(Word K, TShiftState S = {}) { Grid->KeyDown(K, S); }
    std::unique_ptr<TLogGrid> Grid;
};

TEST_F(CustomGridTest, CellRectsStepByWidthPlusLine) {
    EXPECT_EQ(Grid->CellRect(0, 0), Rect(0, 0, 50, 20));
    EXPECT_EQ(Grid->CellRect(1, 1), Rect(51, 21, 101, 41));
    EXPECT_EQ(Grid->CellRect(5, 1), TRect()); // out of view
    Grid->SetGridOptions({});
    EXPECT_EQ(Grid->CellRect(1, 1), Rect(50, 20, 100, 40));
}

TEST_F(CustomGridTest, MouseCoordFindsTheCellAndMissesOutside) {
    EXPECT_EQ(Grid->MouseCoord(60, 25), (TGridCoord{1, 1}));
    EXPECT_EQ(Grid->MouseCoord(50, 20), (TGridCoord{0, 0})); // the line belongs to the cell before
    EXPECT_EQ(Grid->MouseCoord(-1, 5), (TGridCoord{-1, -1}));
    EXPECT_EQ(Grid->MouseCoord(5, 150), (TGridCoord{-1, -1}));
}

TEST_F(CustomGridTest, VisibleCountsCountWholeScrollingCells) {
    EXPECT_EQ(Grid->VisibleColCount(), 2); // 51..101, 102..152; 153..203 is cut
    EXPECT_EQ(Grid->VisibleRowCount(), 3);
}

TEST_F(CustomGridTest, MovingRightScrollsTheColumnIntoView) {
    std::vector<Integer> lefts;
    Grid->OnTopLeftChanged = [&](TObject*) { lefts.push_back(Grid->LeftCol()); };
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->LeftCol(), 2);
    EXPECT_EQ(lefts, (std::vector<Integer>{2}));
    EXPECT_EQ(Grid->CellRect(0, 0), Rect(0, 0, 50, 20)); // fixed column stays
    EXPECT_EQ(Grid->CellRect(2, 0), Rect(51, 0, 101, 20));
    Key(VK_HOME);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->LeftCol(), 1);
}

TEST_F(CustomGridTest, PageDownAndCtrlEnd) {
    Key(VK_NEXT);
    EXPECT_EQ(Grid->Row(), 4);
    Key(VK_END, {ssCtrl});
    EXPECT_EQ(Grid->Row(), 9);
    EXPECT_EQ(Grid->TopRow(), 7);
    Key(VK_DOWN);
    EXPECT_EQ(Grid->Row(), 9);
}

TEST_F(CustomGridTest, TabWrapsToTheNextRowOnlyWithTheOption) {
    Grid->SetCol(5);
    Key(VK_TAB);
    EXPECT_EQ(Grid->Col(), 5);
    Grid->SetGridOptions(Grid->GridOptions() + TGridOptions{goTabs});
    EXPECT_TRUE(Grid->WantsKey(VK_TAB));
    Key(VK_TAB);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 2);
    Key(VK_TAB, {ssShift});
    EXPECT_EQ(Grid->Col(), 5);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(CustomGridTest, RefusedCellsAreNotEntered) {
    Grid->Refuse = true;
    Key(VK_DOWN);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(CustomGridTest, FixedCountMustLeaveAScrollingOne) {
    try {
        Grid->SetFixedCols(6);
        FAIL() << "no exception";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Fixed column count must be less than column count");
    }
    try {
        Grid->SetFixedRows(10);
        FAIL() << "no exception";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Fixed row count must be less than row count");
    }
}

TEST_F(CustomGridTest, PaintAsksForEveryVisibleCellWithItsState) {
    Grid->SetScrollBars(ssNone);
    Grid->PaintLog();
    EXPECT_EQ(Grid->Drawn.size(), 4u * 5u); // columns 0-3 start in view, rows 0-4
    EXPECT_TRUE((Grid->Drawn[{0, 0}]).State.Contains(gdFixed));
    EXPECT_TRUE((Grid->Drawn[{1, 0}]).State.Contains(gdFixed));
    EXPECT_TRUE((Grid->Drawn[{1, 1}]).State.Contains(gdSelected));
    EXPECT_FALSE((Grid->Drawn[{2, 1}]).State.Contains(gdSelected));
    Grid->SetGridOptions(Grid->GridOptions() + TGridOptions{goRowSelect});
    Grid->PaintLog();
    EXPECT_TRUE((Grid->Drawn[{2, 1}]).State.Contains(gdSelected));
}

TEST_F(CustomGridTest, HiddenColumnsTakeNoRoom) {
    Grid->SetColWidths(1, -1);
    EXPECT_EQ(Grid->CellRect(1, 1), TRect());
    EXPECT_EQ(Grid->CellRect(2, 1), Rect(51, 21, 101, 41));
}

TEST_F(CustomGridTest, DraggingATitleBorderSizesTheColumn) {
    Grid->SetGridOptions(Grid->GridOptions() + TGridOptions{goColSizing});
    Grid->MouseDown(mbLeft, {}, 101, 5);
    Grid->MouseMove({ssLeft}, 121, 5);
    Grid->MouseUp(mbLeft, {}, 121, 5);
    EXPECT_EQ(Grid->ColWidths(1), 70);
    EXPECT_EQ(Grid->Col(), 1);
}

TEST_F(CustomGridTest, TypingOpensTheEditorAndEnterStoresTheText) {
    Grid->SetGridOptions(Grid->GridOptions() + TGridOptions{goEditing});
    Grid->Texts[{1, 1}] = "régi";
    String ch = "ú";
    Grid->KeyPress(ch);
    EXPECT_TRUE(ch.empty());
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "ú");
    Key(VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ((Grid->Texts[{1, 1}]), "ú");
}

// Typed through the window system: the key that opens the editor hands it the focus, so
// the keys that follow reach it, and Enter gives the focus back to the grid.
TEST_F(CustomGridTest, KeysTypedAfterTheEditorOpensGoIntoIt) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    TLogGrid* grid = Grid.get();
    grid->SetParent(&form);
    grid->SetGridOptions(grid->GridOptions() + TGridOptions{goEditing});
    grid->Texts[{1, 1}] = "régi";
    form.Show();
    ui::SimulateKey(grid, 'A', {}, "A");
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_TRUE(grid->InplaceEditor()->Focused());
    for (const char* ch : {"b", "é"})
        ui::SimulateKey(grid->InplaceEditor(), 'B', {}, ch);
    ui::SimulateKey(grid->InplaceEditor(), VK_RETURN);
    EXPECT_EQ((grid->Texts[{1, 1}]), "Abé");
    EXPECT_TRUE(grid->Focused());
    grid->SetParent(nullptr);
}

TEST_F(CustomGridTest, EscapeDropsTheEditWithoutStoring) {
    Grid->SetGridOptions(Grid->GridOptions() + TGridOptions{goEditing});
    Grid->Texts[{1, 1}] = "régi";
    Key(VK_F2);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "régi");
    Grid->InplaceEditor()->SetText("új");
    Grid->InplaceEditor()->SetModified(true);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ((Grid->Texts[{1, 1}]), "régi");
}

TEST_F(CustomGridTest, ScrollBarsShowOnlyWhenTheCellsDoNotFit) {
    Grid->PaintLog();
    Integer bar = Grid->Width() - Grid->ClientRect().Width();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(Grid->Height() - Grid->ClientRect().Height(), bar);
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->PaintLog();
    EXPECT_EQ(Grid->ClientRect(), Rect(0, 0, 200, 100));
    Grid->SetScrollBars(ssNone);
    Grid->SetRowCount(50);
    Grid->PaintLog();
    EXPECT_EQ(Grid->ClientRect(), Rect(0, 0, 200, 100));
}

TEST_F(CustomGridTest, ColumnsWiderInAllThanAnIntegerStillNeedTheBar) {
    // Each column's right edge still fits an Integer; only the sum of the widths does not.
    Grid->SetColCount(3);
    Grid->SetColWidths(1, 2147483547);
    EXPECT_TRUE(Grid->HorzScrollState().Shown);
}

TEST_F(CustomGridTest, WheelMovesTheCurrentRow) {
    EXPECT_TRUE(Grid->DoMouseWheel({}, -120, {}));
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_FALSE(Grid->DoMouseWheel({}, 0, {}));
}

} // namespace
