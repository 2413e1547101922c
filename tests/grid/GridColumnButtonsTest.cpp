#include "tests/grid/GridFixture.h"

#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/VirtualKeys.h"

using namespace gridtest;

namespace {

class ColumnButtonsTest : public GridFixture {
protected:
    void SetUp() override { Build(6, 500, 300); }

    TPoint Centre(Integer ACol, Integer ARow) const {
        TRect r = Grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Key(Word K, TShiftState Shift = {}) { Grid->KeyDown(K, Shift); }
    void EditorKey(Word K, TShiftState Shift = {}) { Grid->InplaceEditor()->KeyDown(K, Shift); }
    void DragTitle(Integer FromCol, Integer ToCol) {
        TPoint a = Centre(FromCol, 0), b = Centre(ToCol, 0);
        Grid->MouseDown(mbLeft, {}, a.X, a.Y);
        Grid->MouseMove({ssLeft}, b.X, b.Y);
        Grid->MouseUp(mbLeft, {}, b.X, b.Y);
    }
    std::vector<String> FieldNames() const {
        std::vector<String> names;
        for (Integer i = 0; i < Grid->Columns()->Count(); ++i)
            names.push_back(Grid->Columns()->Items(i)->FieldName());
        return names;
    }
};

TEST_F(ColumnButtonsTest, PickListChoiceIsPostedThroughTheField) {
    TColumn* nev = Grid->Columns()->Items(1);
    nev->PickList()->Add("Polgári");
    nev->PickList()->Add("Büntető");
    Grid->SetSelectedIndex(1);
    Key(VK_F2);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->InplaceEditor()->EditStyle(), esPickList);
    EditorKey(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Grid->InplaceEditor()->ListVisible());
    EditorKey(VK_DOWN);
    EditorKey(VK_DOWN);
    EditorKey(VK_RETURN);
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "Büntető");
    Key(VK_DOWN);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(std::get<String>(Data->RowValue(0, 1)), "Büntető");
}

TEST_F(ColumnButtonsTest, ButtonStyleDecidesTheButton) {
    TColumn* nev = Grid->Columns()->Items(1);
    nev->PickList()->Add("Polgári");
    nev->SetButtonStyle(cbsNone);
    Grid->SetSelectedIndex(1);
    Key(VK_F2);
    EXPECT_EQ(Grid->InplaceEditor()->EditStyle(), esSimple);
    Key(VK_ESCAPE);
    nev->SetButtonStyle(cbsEllipsis);
    Grid->SetSelectedIndex(1);
    Key(VK_F2);
    EXPECT_EQ(Grid->InplaceEditor()->EditStyle(), esEllipsis);
}

TEST_F(ColumnButtonsTest, EllipsisFiresOnEditButtonClick) {
    int clicks = 0;
    Grid->OnEditButtonClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Grid.get());
        ++clicks;
    };
    Grid->Columns()->Items(1)->SetButtonStyle(cbsEllipsis);
    Grid->SetSelectedIndex(1);
    Key(VK_F2);
    Grid->InplaceEditor()->ButtonClick();
    EditorKey(VK_RETURN, {ssCtrl});
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(Grid->EditorMode());
}

TEST_F(ColumnButtonsTest, DraggingATitleMovesTheColumnAndClicksNoTitle) {
    Grid->Columns()->Items(0)->SetWidth(90);
    std::vector<std::pair<Integer, Integer>> moves;
    int titleClicks = 0;
    Grid->OnColumnMoved = [&](TObject*, Integer From, Integer To) { moves.emplace_back(From, To); };
    Grid->OnTitleClick = [&](TColumn*) { ++titleClicks; };
    DragTitle(1, 3);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(Integer(1), Integer(3)));
    EXPECT_EQ(FieldNames(), (std::vector<String>{"nev", "aktiv", "id", "jubok", "osszeg"}));
    EXPECT_EQ(Grid->Columns()->Items(2)->Width(), 90);
    EXPECT_EQ(Grid->ColWidths(3), 90);
    EXPECT_EQ(titleClicks, 0);
    TPoint p = Centre(2, 0);
    Grid->MouseDown(mbLeft, {}, p.X, p.Y);
    Grid->MouseUp(mbLeft, {}, p.X, p.Y);
    EXPECT_EQ(titleClicks, 1);
    EXPECT_EQ(moves.size(), 1u);
}

TEST_F(ColumnButtonsTest, AMovedDefaultColumnSurvivesAReopen) {
    DragTitle(3, 1);
    EXPECT_EQ(FieldNames(), (std::vector<String>{"aktiv", "id", "nev", "jubok", "osszeg"}));
    Data->Close();
    Data->Open();
    EXPECT_EQ(FieldNames(), (std::vector<String>{"aktiv", "id", "nev", "jubok", "osszeg"}));
}

TEST_F(ColumnButtonsTest, FrozenColumnsNeitherMoveNorTakeAMovedOne) {
    Grid->SetFixedCols(1);
    DragTitle(1, 3);
    DragTitle(3, 1); // dropped on the frozen column: lands first among the scrolling ones
    EXPECT_EQ(FieldNames(), (std::vector<String>{"id", "aktiv", "nev", "jubok", "osszeg"}));
}

// A column's border or title let go over a frozen column's cell ends its sizing or move
// there as anywhere else; the mouse then moves nothing, and a click reaches its cell.
TEST_F(ColumnButtonsTest, ASizingOrMoveEndsOverAFrozenCell) {
    const struct {
        const char* Why;
        bool Border;
        std::vector<String> Order;
    } rows[] = {
        {"the border of nev", true, {"id", "nev", "aktiv", "jubok", "osszeg"}},
        {"the title of aktiv", false, {"id", "aktiv", "nev", "jubok", "osszeg"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        TearDown();
        SetUp();
        Grid->SetFixedCols(1);
        std::vector<String> clicked;
        Grid->OnCellClick = [&](TColumn* c) { clicked.push_back(c->FieldName()); };
        const TRect border = Grid->CellRect(2, 0);
        const TPoint from = row.Border ? TPoint(border.Right, border.Top + 5) : Centre(3, 0);
        const TPoint to = Centre(1, 2);
        Grid->MouseDown(mbLeft, {}, from.X, from.Y);
        Grid->MouseMove({ssLeft}, to.X, to.Y);
        Grid->MouseUp(mbLeft, {}, to.X, to.Y);
        const Integer width = Grid->ColWidths(2);
        const TPoint later = Centre(4, 3);
        Grid->MouseMove({}, later.X, later.Y);
        Grid->MouseDown(mbLeft, {}, later.X, later.Y);
        Grid->MouseUp(mbLeft, {}, later.X, later.Y);
        EXPECT_EQ(Grid->ColWidths(2), width);
        EXPECT_EQ(FieldNames(), row.Order);
        EXPECT_EQ(clicked, std::vector<String>{"jubok"});
    }
}

TEST_F(ColumnButtonsTest, NoMovingWithoutColumnResizeNorOntoTheIndicator) {
    DragTitle(2, 0); // dropped on the indicator: lands first among the data columns
    EXPECT_EQ(FieldNames(), (std::vector<String>{"nev", "id", "aktiv", "jubok", "osszeg"}));
    TDBGridOptions o = Grid->Options();
    o.Exclude(dgColumnResize);
    Grid->SetOptions(o);
    DragTitle(1, 3);
    EXPECT_EQ(FieldNames(), (std::vector<String>{"nev", "id", "aktiv", "jubok", "osszeg"}));
}

} // namespace

namespace {

class CellButtonClickTest : public ColumnButtonsTest {
protected:
    void SetUp() override {
        ColumnButtonsTest::SetUp();
        Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoShowLookup});
        Grid->OnEditButtonClick = [this](TObject*) { ++Clicks; };
    }
    void ClickCell(Integer ACol, Integer ARow) {
        TPoint p = Centre(ACol, ARow);
        Grid->MouseDown(mbLeft, {}, p.X, p.Y);
        Grid->MouseUp(mbLeft, {}, p.X, p.Y);
    }
    int Clicks = 0;
};

TEST_F(CellButtonClickTest, AClickOnAPickListCellDropsItsList) {
    Grid->Columns()->Items(1)->PickList()->Add("Polgári");
    ClickCell(2, 1);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_TRUE(Grid->InplaceEditor()->ListVisible());
    ClickCell(2, 1); // an open editor is not closed by a second click
    EXPECT_TRUE(Grid->EditorMode());
}

TEST_F(CellButtonClickTest, AClickOnAnEllipsisCellPressesTheButton) {
    Grid->Columns()->Items(1)->SetButtonStyle(cbsEllipsis);
    ClickCell(2, 1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(Grid->EditorMode());
}

TEST_F(CellButtonClickTest, NothingOpensWithoutTheOptionOrOnAReadOnlyGrid) {
    Grid->Columns()->Items(1)->SetButtonStyle(cbsEllipsis);
    Grid->Columns()->Items(3)->PickList()->Add("true");
    Grid->SetReadOnly(true);
    ClickCell(2, 1);
    ClickCell(4, 1);
    EXPECT_EQ(Clicks, 0);
    EXPECT_FALSE(Grid->EditorMode());
    Grid->SetReadOnly(false);
    Grid->SetExOptions(Grid->ExOptions() - TExOptions{eoShowLookup});
    ClickCell(2, 1);
    ClickCell(4, 1);
    EXPECT_EQ(Clicks, 0);
    EXPECT_FALSE(Grid->EditorMode());
}

} // namespace

namespace {

class TitleButtonDragTest : public ColumnButtonsTest {
protected:
    void SetUp() override {
        ColumnButtonsTest::SetUp();
        // The standard popup would take a right press first.
        Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoTitleButtons} - TExOptions{eoStandardPopup});
        Grid->OnTitleClick = [this](TColumn*) { ++TitleClicks; };
        // On a shown window, so that the window system's own events reach it.
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, Grid->Width(), Grid->Height());
        Grid->SetParent(Form.get());
        Form->Show();
    }
    void TearDown() override {
        ColumnButtonsTest::TearDown();
        Form.reset();
    }
    // Presses on the title at X, moves through Path in 2-pixel steps, as a mouse
    // reports them, and releases at the last point.
    void RightDragAlong(Integer X, const std::vector<Integer>& Path) {
        const Integer y = Centre(1, 0).Y;
        Grid->MouseDown(mbRight, {}, X, y);
        for (Integer to : Path)
            while (X != to) {
                X = to > X ? std::min(X + 2, to) : std::max(X - 2, to);
                Grid->MouseMove({ssRight}, X, y);
            }
        Grid->MouseUp(mbRight, {}, X, y);
    }
    void RightDrag(Integer FromCol, Integer ToCol) {
        RightDragAlong(Centre(FromCol, 0).X, {Centre(ToCol, 0).X});
    }
    int TitleClicks = 0;
    std::unique_ptr<TForm> Form;
};

// The column follows the mouse's small steps until the right button comes up.
TEST_F(TitleButtonDragTest, ARightDragMovesTheColumnLikeALeftOne) {
    const Integer x1 = Centre(1, 0).X, x3 = Centre(3, 0).X, x5 = Centre(5, 0).X;
    struct Row {
        const char* Why;
        Integer From;
        std::vector<Integer> Path;
        std::vector<String> Order;
    };
    const Row rows[] = {
        {"right across two columns", x1, {x3}, {"nev", "aktiv", "id", "jubok", "osszeg"}},
        {"left across two columns", x3, {x1}, {"aktiv", "id", "nev", "jubok", "osszeg"}},
        {"out and back drops where it began", x1, {x5, x1}, {"id", "nev", "aktiv", "jubok", "osszeg"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Why);
        TearDown();
        SetUp();
        RightDragAlong(r.From, r.Path);
        EXPECT_EQ(FieldNames(), r.Order);
        EXPECT_EQ(TitleClicks, 0);
    }
}

// A right click on a title clicks it as a left one does, and the grid's own menu follows
// the release; the window system asks for that menu at the press, where it would take the
// mouse from a drag. A right drag moves the column and brings neither.
TEST_F(TitleButtonDragTest, ARightClickClicksTheTitleAndThenOpensTheMenu) {
    struct TRecordingPopup : TPopupMenu {
        using TPopupMenu::TPopupMenu;
        void Popup(Integer, Integer) override { Log->push_back("menu"); }
        std::vector<String>* Log = nullptr;
    } own(nullptr);
    std::vector<String> log;
    own.Log = &log;
    Grid->SetPopupMenu(&own);
    Grid->OnTitleClick = [&](TColumn* c) { log.push_back("title " + c->FieldName()); };
    const TPoint a = Centre(1, 0), b = Centre(3, 0);
    ui::SimulateWindowMouse(Grid.get(), a, b, mbRight);
    EXPECT_EQ(log, std::vector<String>{});
    EXPECT_EQ(FieldNames(), (std::vector<String>{"nev", "aktiv", "id", "jubok", "osszeg"}));
    ui::SimulateWindowMouse(Grid.get(), a, TPoint(a.X + 2, a.Y), mbRight); // a wobble is no drag
    ui::SimulateWindowMouse(Grid.get(), b, b, mbLeft);
    EXPECT_EQ(log, (std::vector<String>{"title nev", "menu", "title id"}));
    EXPECT_EQ(FieldNames(), (std::vector<String>{"nev", "aktiv", "id", "jubok", "osszeg"}));
}

TEST_F(TitleButtonDragTest, WithoutColumnResizeARightPressDragsNothing) {
    Grid->SetOptions(Grid->Options() - TDBGridOptions{dgColumnResize});
    RightDrag(1, 3);
    EXPECT_EQ(FieldNames(), (std::vector<String>{"id", "nev", "aktiv", "jubok", "osszeg"}));
}

} // namespace
