#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Column 1 picks from a list, column 2 has an ellipsis, the rest are plain.
class TButtonGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;
    std::map<std::pair<Integer, Integer>, String> Texts;
    std::vector<std::pair<Integer, Integer>> Moves;
    Integer ButtonClicks = 0;
    bool Locked = false;
    using TCustomGrid::ShowEditor;

protected:
    String GetEditText(Integer ACol, Integer ARow) override { return Texts[{ACol, ARow}]; }
    void SetEditText(Integer ACol, Integer ARow, const String& Value) override {
        Texts[{ACol, ARow}] = Value;
    }
    bool CanEditModify() override { return !Locked; }
    TEditStyle GetEditStyle(Integer ACol, Integer) override {
        return ACol == 1 ? esPickList : ACol == 2 ? esEllipsis : esSimple;
    }
    std::vector<String> GetPickListItems(Integer, Integer) override { return {"alfa", "béta", "gamma"}; }
    void EditButtonClick() override { ++ButtonClicks; }
    void ColumnMoved(Integer FromIndex, Integer ToIndex) override { Moves.emplace_back(FromIndex, ToIndex); }
};

class GridEditorButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Grid = std::make_unique<TButtonGrid>(nullptr);
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        TGridOptions o = Grid->GridOptions();
        o.Include(goEditing);
        o.Include(goColMoving);
        Grid->SetGridOptions(o);
    }
    void Key(Word K, TShiftState S = {}) { Editor()->KeyDown(K, S); }
    TInplaceEdit* Editor() const { return Grid->InplaceEditor(); }
    void EditCell(Integer ACol) {
        Grid->SetCol(ACol);
        Grid->ShowEditor();
        ASSERT_NE(Editor(), nullptr);
    }
    // A left-button drag along the title row.
    void DragTitle(Integer FromX, Integer ToX) {
        Grid->MouseDown(mbLeft, {}, FromX, 5);
        Grid->MouseMove({ssLeft}, (FromX + ToX) / 2, 5);
        Grid->MouseMove({ssLeft}, ToX, 5);
        Grid->MouseUp(mbLeft, {}, ToX, 5);
    }
    std::unique_ptr<TButtonGrid> Grid;
};

TEST_F(GridEditorButtonsTest, EachCellGetsItsOwnButton) {
    EditCell(3);
    EXPECT_EQ(Editor()->EditStyle(), esSimple);
    EXPECT_TRUE(IsRectEmpty(Editor()->ButtonRect()));
    EditCell(1);
    EXPECT_EQ(Editor()->EditStyle(), esPickList);
    EXPECT_EQ(Editor()->PickList().size(), 3u);
    TRect b = Editor()->ButtonRect();
    EXPECT_EQ(b.Right, Editor()->Width());
    EXPECT_GT(b.Width(), 0);
    EditCell(2);
    EXPECT_EQ(Editor()->EditStyle(), esEllipsis);
    EXPECT_TRUE(Editor()->PickList().empty());
}

TEST_F(GridEditorButtonsTest, AClickOnTheButtonOpensAndClosesTheList) {
    EditCell(1);
    TRect b = Editor()->ButtonRect();
    ui::SimulateClick(Editor(), 5, b.Height() / 2); // on the text: no list
    EXPECT_FALSE(Editor()->ListVisible());
    ui::SimulateClick(Editor(), (b.Left + b.Right) / 2, b.Height() / 2, mbRight);
    EXPECT_FALSE(Editor()->ListVisible());
    ui::SimulateClick(Editor(), (b.Left + b.Right) / 2, b.Height() / 2);
    EXPECT_TRUE(Editor()->ListVisible());
    ui::SimulateClick(Editor(), (b.Left + b.Right) / 2, b.Height() / 2);
    EXPECT_FALSE(Editor()->ListVisible());
}

TEST_F(GridEditorButtonsTest, RoutedKeysReachTheList) {
    Grid->Texts[{1, 1}] = "alfa";
    EditCell(1);
    ui::SimulateKey(Editor(), VK_DOWN, {ssAlt});
    ASSERT_TRUE(Editor()->ListVisible());
    ui::SimulateKey(Editor(), VK_DOWN);
    ui::SimulateKey(Editor(), VK_RETURN);
    EXPECT_EQ(Editor()->Text(), "béta");
    EXPECT_TRUE(Grid->EditorMode());
}

TEST_F(GridEditorButtonsTest, AltDownOpensTheListMarkingTheCurrentText) {
    Grid->Texts[{1, 1}] = "béta";
    EditCell(1);
    Key(VK_DOWN); // plain Down leaves the editor to the grid
    EXPECT_FALSE(Editor()->ListVisible());
    Grid->SetRow(1);
    Grid->ShowEditor();
    Key(VK_DOWN, {ssAlt});
    EXPECT_TRUE(Editor()->ListVisible());
    EXPECT_EQ(Editor()->ListItemIndex(), 1);
}

TEST_F(GridEditorButtonsTest, ChoosingWritesTheTextAndEnterStoresIt) {
    EditCell(1);
    Editor()->ButtonClick();
    ASSERT_TRUE(Editor()->ListVisible());
    EXPECT_EQ(Editor()->ListItemIndex(), -1); // empty text matches no entry
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN); // stops at the last entry
    EXPECT_EQ(Editor()->ListItemIndex(), 2);
    Key(VK_UP);
    Key(VK_RETURN); // the first Enter chooses, it does not end the edit
    EXPECT_FALSE(Editor()->ListVisible());
    EXPECT_EQ(Editor()->Text(), "béta");
    EXPECT_TRUE(Editor()->Modified());
    EXPECT_TRUE(Grid->EditorMode());
    Key(VK_RETURN);
    EXPECT_EQ((Grid->Texts[{1, 1}]), "béta");
}

TEST_F(GridEditorButtonsTest, EscapeAndASecondClickCloseWithoutChoosing) {
    Grid->Texts[{1, 1}] = "alfa";
    EditCell(1);
    Key(VK_DOWN, {ssAlt});
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Editor()->ListVisible());
    EXPECT_TRUE(Grid->EditorMode()); // Escape closed only the list
    EXPECT_EQ(Editor()->Text(), "alfa");
    Editor()->ButtonClick();
    Key(VK_DOWN);
    Editor()->ButtonClick();
    EXPECT_FALSE(Editor()->ListVisible());
    EXPECT_FALSE(Editor()->Modified());
}

TEST_F(GridEditorButtonsTest, ACellThatCannotChangeKeepsItsText) {
    Grid->Texts[{1, 1}] = "alfa";
    EditCell(1);
    Grid->Locked = true;
    Key(VK_DOWN, {ssAlt});
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(Editor()->Text(), "alfa");
    EXPECT_FALSE(Editor()->Modified());
}

TEST_F(GridEditorButtonsTest, LeavingTheCellScrollingOrEndingTheEditClosesTheList) {
    EditCell(1);
    Key(VK_DOWN, {ssAlt});
    Grid->SetCol(3);
    EXPECT_FALSE(Editor()->ListVisible());
    EXPECT_EQ(Editor()->EditStyle(), esSimple);
    EditCell(1);
    Key(VK_DOWN, {ssAlt});
    Grid->SetTopRow(3); // scrolling closes it too
    EXPECT_FALSE(Editor()->ListVisible());
    EditCell(1);
    Key(VK_DOWN, {ssAlt});
    Grid->SetEditorMode(false);
    EXPECT_FALSE(Editor()->ListVisible());
}

TEST_F(GridEditorButtonsTest, EllipsisClickAndCtrlEnterReachTheGrid) {
    EditCell(2);
    TRect b = Editor()->ButtonRect();
    ui::SimulateClick(Editor(), (b.Left + b.Right) / 2, b.Height() / 2);
    Key(VK_RETURN, {ssCtrl});
    EXPECT_EQ(Grid->ButtonClicks, 2);
    EXPECT_TRUE(Grid->EditorMode());
    Key(VK_DOWN, {ssAlt}); // no list on an ellipsis cell
    EXPECT_FALSE(Editor()->ListVisible());
    EditCell(1);
    Key(VK_RETURN, {ssCtrl}); // Ctrl+Enter is no button press on a list cell
    EXPECT_EQ(Grid->ButtonClicks, 2);
}

TEST_F(GridEditorButtonsTest, DraggingATitleMovesTheColumnWithItsWidth) {
    Grid->SetColWidths(1, 70);
    // Column 1 spans 51..121; drop it on column 3 (173..223).
    DragTitle(80, 200);
    ASSERT_EQ(Grid->Moves.size(), 1u);
    EXPECT_EQ(Grid->Moves[0], std::make_pair(Integer(1), Integer(3)));
    EXPECT_EQ(Grid->ColWidths(3), 70);
    EXPECT_EQ(Grid->ColWidths(1), 50);
}

TEST_F(GridEditorButtonsTest, TheCurrentColumnFollowsTheMove) {
    Grid->SetCol(2);
    Grid->MoveColumn(2, 4);
    EXPECT_EQ(Grid->Col(), 4);
    Grid->MoveColumn(1, 4); // the current column shifts left
    EXPECT_EQ(Grid->Col(), 3);
    Grid->MoveColumn(4, 1); // and right again
    EXPECT_EQ(Grid->Col(), 4);
}

TEST_F(GridEditorButtonsTest, ClicksFixedColumnsAndMissingOptionMoveNothing) {
    DragTitle(80, 82);  // a wobble is a click
    DragTitle(20, 200); // the fixed column stays
    DragTitle(200, 20); // and nothing lands before it
    ASSERT_EQ(Grid->Moves.size(), 1u);
    EXPECT_EQ(Grid->Moves[0].second, 1);
    Grid->MoveColumn(0, 2);
    Grid->MoveColumn(2, 9);
    EXPECT_EQ(Grid->Moves.size(), 1u);
    TGridOptions o = Grid->GridOptions();
    o.Exclude(goColMoving);
    Grid->SetGridOptions(o);
    DragTitle(80, 200);
    EXPECT_EQ(Grid->Moves.size(), 1u);
}

TEST_F(GridEditorButtonsTest, DraggingAcrossADataRowDoesNotMove) {
    Grid->MouseDown(mbLeft, {}, 80, 30);
    Grid->MouseMove({ssLeft}, 200, 30);
    Grid->MouseUp(mbLeft, {}, 200, 30);
    EXPECT_TRUE(Grid->Moves.empty());
}

} // namespace
