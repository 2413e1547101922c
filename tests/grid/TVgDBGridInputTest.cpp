#include "tests/grid/GridFixture.h"

#include "grid/TFilterComboBox.h"
#include "grid/TVgBlobEditor.h"
#include "grid/TVgDBColumnKinds.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ScreenCapture.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TTimer.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TField.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/VirtualKeys.h"

#include <cstdio>

using namespace gridtest;

namespace {

// Lets the window layer handle its events until Done holds (at most a second).
void ProcessUntil(const std::function<bool()>& Done) {
    for (int i = 0; i < 100 && !Done(); ++i)
        Application->ProcessMessages();
}

// A timer that, once enabled, closes the menu showing, as Escape would, then runs Chosen
// (an item's action, which a menu runs as it closes).
std::unique_ptr<TTimer> MenuCloser(std::function<void()> Chosen = {}) {
    auto timer = std::make_unique<TTimer>(nullptr);
    timer->SetEnabled(false);
    timer->SetInterval(20);
    timer->OnTimer = [t = timer.get(), Chosen](TObject*) {
        t->SetEnabled(false);
        ui::CloseActivePopup();
        if (Chosen) Chosen();
    };
    return timer;
}

class InputTest : public GridFixture {
protected:
    void SetUp() override { Build(6, 500, 300); }

    TPoint Centre(Integer ACol, Integer ARow) const {
        TRect r = Grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Click(Integer ACol, Integer ARow, TShiftState Shift = {}) {
        TPoint p = Centre(ACol, ARow);
        Grid->MouseDown(mbLeft, Shift, p.X, p.Y);
        Grid->MouseUp(mbLeft, Shift, p.X, p.Y);
    }
    void Key(Word K, TShiftState Shift = {}) { Grid->KeyDown(K, Shift); }
    Int64 CurrentId() const { return Data->FieldByName("id")->AsInteger(); }
    std::vector<Int64> SelectedIds() const {
        std::vector<Int64> ids;
        TBookmark here = Data->GetBookmark();
        for (Integer i = 0; i < Grid->SelectedRows()->Count(); ++i) {
            Data->GotoBookmark(Grid->SelectedRows()->Items(i));
            ids.push_back(Data->FieldByName("id")->AsInteger());
        }
        Data->GotoBookmark(here);
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    void MultiSelect() { Grid->SetOptions(Grid->Options() + TDBGridOptions{dgMultiSelect}); }
};

TEST_F(InputTest, ClickOnARowMovesTheDatasetAndTheColumn) {
    Click(3, 4);
    EXPECT_EQ(CurrentId(), 4);
    EXPECT_EQ(Grid->SelectedIndex(), 2);
    EXPECT_EQ(Grid->Row(), 4);
}

// A press on another row while a new record is current takes the record shown there, also
// when the empty new record, dropped on the way, leaves a gap that the rows below it close.
TEST_F(InputTest, APressOffAnEmptyNewRecordTakesTheRecordPressed) {
    const struct {
        const char* Why;
        bool Append;
        TMouseButton Button;
        Integer Row;
        Int64 Id;
    } rows[] = {
        {"added at the end, row 2 pressed", true, mbLeft, 2, 2},
        {"inserted at row 3, row 5 pressed", false, mbLeft, 5, 4},
        {"inserted at row 3, row 5 pressed right", false, mbRight, 5, 4},
        {"inserted at row 3, row 1 pressed", false, mbLeft, 1, 1},
    };
    TPopupMenu own(nullptr); // a right press brings the list's own menu, when the window asks
    Grid->SetPopupMenu(&own);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        Data->First();
        Data->MoveBy(2);
        row.Append ? Data->Append() : Data->Insert();
        const TPoint p = Centre(2, row.Row);
        Grid->MouseDown(row.Button, {}, p.X, p.Y);
        Grid->MouseUp(row.Button, {}, p.X, p.Y);
        EXPECT_EQ(Data->State(), dsBrowse);
        EXPECT_EQ(CurrentId(), row.Id);
    }
}

// A popup acts on the current row, so a right press must make the pointed row current first.
TEST_F(InputTest, RightPressMakesThePointedRowCurrentBeforeThePopup) {
    TPopupMenu own(nullptr);
    Grid->SetPopupMenu(&own);
    const TPoint row4 = Centre(3, 4);
    Grid->MouseDown(mbRight, {}, row4.X, row4.Y);
    EXPECT_EQ(CurrentId(), 4);
    EXPECT_EQ(Grid->SelectedIndex(), 0); // the column stays
    const TPoint title = Centre(3, 0);
    Grid->MouseDown(mbRight, {}, title.X, title.Y);
    EXPECT_EQ(CurrentId(), 4);

    // The grid's own popup, when the list has none.
    Grid->SetPopupMenu(nullptr);
    Int64 shownFor = 0;
    auto close = MenuCloser();
    Grid->StandardPopup()->OnPopup = [&](TObject*) {
        shownFor = CurrentId();
        close->SetEnabled(true);
    };
    const TPoint row2 = Centre(1, 2);
    Grid->MouseDown(mbRight, {}, row2.X, row2.Y);
    EXPECT_EQ(shownFor, 2);
}

TEST_F(InputTest, CtrlClickTogglesAndPlainClicksKeepTheSelection) {
    MultiSelect();
    Click(1, 2, {ssCtrl});
    Click(1, 4, {ssCtrl});
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{2, 4}));
    Click(1, 3);
    Key(VK_DOWN);
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{2, 4}));
    Click(1, 2, {ssCtrl});
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{4}));
}

TEST_F(InputTest, PlainClickWithoutKeepSelectionSelectsOnlyThatRow) {
    MultiSelect();
    Grid->SetExOptions(Grid->ExOptions() - TExOptions{eoKeepSelection});
    Click(1, 2, {ssCtrl});
    Click(1, 5);
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{5}));
}

TEST_F(InputTest, ShiftClickSelectsFromTheAnchorDownwardsAndUpwards) {
    MultiSelect();
    Grid->SetExOptions(Grid->ExOptions() - TExOptions{eoKeepSelection});
    Click(1, 2);
    Click(1, 5, {ssShift});
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{2, 3, 4, 5}));
    EXPECT_EQ(CurrentId(), 5);
    Click(1, 3);
    Click(1, 1, {ssShift});
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{1, 2, 3}));
    EXPECT_EQ(CurrentId(), 1);
}

TEST_F(InputTest, ShiftDownExtendsAndShiftUpGivesBack) {
    MultiSelect();
    Key(VK_DOWN, {ssShift});
    Key(VK_DOWN, {ssShift});
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{1, 2, 3}));
    Key(VK_UP, {ssShift});
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{1, 2}));
    EXPECT_EQ(CurrentId(), 2);
}

TEST_F(InputTest, SelectionChangesAreAnnounced) {
    MultiSelect();
    int changes = 0;
    Grid->OnChangeSelection = [&](TObject*) { ++changes; };
    Click(1, 2, {ssCtrl});
    EXPECT_EQ(changes, 1);
    Grid->SelectAllClick();
    EXPECT_EQ(Grid->SelectedRows()->Count(), 6);
    EXPECT_EQ(CurrentId(), 2);
    Grid->UnSelectAllClick();
    EXPECT_EQ(Grid->SelectedRows()->Count(), 0);
    EXPECT_EQ(changes, 3);
}

TEST_F(InputTest, EnterMovesRightThenAppendsOnTheLastColumn) {
    Key(VK_RETURN);
    EXPECT_EQ(Grid->SelectedIndex(), 1);
    Grid->SetSelectedIndex(4);
    Key(VK_RETURN);
    EXPECT_EQ(Data->State(), dsInsert);
    EXPECT_EQ(Grid->SelectedIndex(), 0);
}

TEST_F(InputTest, EnterOnTheLastColumnOnlyWrapsWithDisableInsert) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoDisableInsert});
    Grid->SetSelectedIndex(4);
    Key(VK_RETURN);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(Grid->SelectedIndex(), 0);
    EXPECT_EQ(CurrentId(), 1);
}

TEST_F(InputTest, DownOnTheLastRecordAppendsUnlessInsertIsDisabled) {
    Data->Last();
    Key(VK_DOWN);
    EXPECT_EQ(Data->State(), dsInsert);
    Data->Cancel();
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoDisableInsert});
    Data->Last();
    Key(VK_DOWN);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(Data->RecordCount(), 6);
}

TEST_F(InputTest, DownOffAnEditedLastRowKeepsTheEdit) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoDisableInsert});
    Data->Last();
    Data->Edit();
    Data->FieldByName("nev")->SetAsString("Átírt");
    Key(VK_DOWN);
    EXPECT_EQ(std::get<String>(Data->RowValue(5, 1)), "Átírt");
}

TEST_F(InputTest, CtrlDeleteWithDisableDeleteIsSwallowed) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoDisableDelete});
    Word k = VK_DELETE;
    Grid->KeyDown(k, {ssCtrl});
    EXPECT_EQ(k, 0);
    EXPECT_EQ(Data->RecordCount(), 6);
}

TEST_F(InputTest, SpaceOnACheckBoxTogglesLikeAClick) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoBooleanAsCheckBox});
    Grid->SetSelectedIndex(2);
    EXPECT_TRUE(Data->FieldByName("aktiv")->AsBoolean());
    Key(VK_SPACE);
    EXPECT_FALSE(Data->FieldByName("aktiv")->AsBoolean());
    Click(3, 1);
    EXPECT_TRUE(Data->FieldByName("aktiv")->AsBoolean());
}

TEST_F(InputTest, CheckBoxColumnOverTextWritesTheListEntries) {
    auto* box = new TVgDBCheckboxColumn(Grid->GetColumns());
    box->SetFieldName("jubok");
    box->SetValueChecked("true;igen");
    box->SetValueUnChecked("false");
    Click(1, 1); // 'false': holds no checked entry
    EXPECT_EQ(Data->FieldByName("jubok")->AsString(), "true");
    Data->FieldByName("jubok")->SetAsString("IGEN");
    Click(1, 1);
    EXPECT_EQ(Data->FieldByName("jubok")->AsString(), "false");
}

TEST_F(InputTest, WheelMovesOneRecordPerNotch) {
    EXPECT_TRUE(Grid->DoMouseWheel({}, -120, {}));
    EXPECT_EQ(CurrentId(), 2);
    EXPECT_TRUE(Grid->DoMouseWheel({}, 120, {}));
    EXPECT_EQ(CurrentId(), 1);
    EXPECT_FALSE(Grid->DoMouseWheel({}, 120, {}));
    bool asked = false;
    Grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& Handled) {
        asked = true;
        Handled = true;
    };
    EXPECT_TRUE(Grid->DoMouseWheel({}, -120, {}));
    EXPECT_TRUE(asked);
    EXPECT_EQ(CurrentId(), 1);
}

// A grid over 30 cases on a shown form, under a text box that comes first in tab order.
class GridOnAForm : public ::testing::Test {
protected:
    void SetUp() override {
        Source.SetDataSet(Data.get());
        Form.SetBounds(0, 0, 500, 300);
        Box.SetParent(&Form);
        Box.SetBounds(0, 0, 100, 20);
        Grid.SetParent(&Form);
        Grid.SetBounds(0, 30, 480, 240);
        Grid.SetScrollBars(ssHorizontal);
        Grid.SetDataSource(&Source);
        Form.Show();
    }
    void TearDown() override { Form.Hide(); }
    Int64 CurrentId() const { return Data->FieldByName("id")->AsInteger(); }

    std::unique_ptr<TMemDataSet> Data = MakeCases(30);
    TDataSource Source{nullptr};
    TForm Form{nullptr};
    TEdit Box{&Form};
    TProbeGrid Grid{&Form};
};

// The wheel over a grid on a form whose focus is elsewhere (a search box):
// the grid takes the focus and moves one record per notch; parts of a notch
// from a fine-grained wheel add up.
TEST_F(GridOnAForm, WheelOverTheGridTakesTheFocusAndMovesOneRecordPerNotch) {
    Box.SetFocus();
    ProcessUntil([&] { return Box.Focused(); });
    ASSERT_TRUE(Box.Focused());

    ui::SimulateWheel(&Grid, 200, 100, -120);
    EXPECT_TRUE(Grid.Focused());
    EXPECT_EQ(CurrentId(), 2);
    ui::SimulateWheel(&Grid, 200, 100, -240); // two notches at once
    EXPECT_EQ(CurrentId(), 4);
    for (int i = 0; i < 3; ++i)
        ui::SimulateWheel(&Grid, 200, 100, 40); // three thirds of a notch up
    EXPECT_EQ(CurrentId(), 3);
}

// The keyboard on a grid: the menu key and Shift+F10 open its popup under the current
// cell, or without a popup of its own the standard one, for the current row; Tab leaves
// a grid that selects whole rows, Ctrl+Tab one that goes round its cells.
TEST_F(GridOnAForm, MenuKeyOpensThePopupUnderTheCurrentCellAndTabLeaves) {
    struct TRecordingPopup : TPopupMenu {
        using TPopupMenu::TPopupMenu;
        void Popup(Integer X, Integer Y) override { Shown.push_back(TPoint(X, Y)); }
        std::vector<TPoint> Shown;
    } menu(nullptr);
    Grid.SetPopupMenu(&menu);
    Data->MoveBy(3);
    ui::SimulateKey(&Grid, VK_APPS);
    ui::SimulateKey(&Grid, VK_F10, {ssShift});
    ui::SimulateKey(&Grid, VK_F10); // alone it asks for nothing
    const TRect cell = Grid.CellRect(Grid.Col(), Grid.Row());
    const TPoint under = Grid.ClientToScreen(TPoint(cell.Left, cell.Bottom));
    EXPECT_EQ(menu.Shown, (std::vector<TPoint>{under, under}));

    Grid.SetPopupMenu(nullptr);
    Int64 shownFor = 0;
    auto close = MenuCloser();
    Grid.StandardPopup()->OnPopup = [&](TObject*) {
        shownFor = CurrentId();
        close->SetEnabled(true);
    };
    ui::SimulateKey(&Grid, VK_APPS);
    EXPECT_EQ(shownFor, 4);

    ui::SimulateKey(&Grid, VK_TAB);
    EXPECT_TRUE(Grid.Focused());
    ui::SimulateKey(&Grid, VK_TAB, {ssCtrl});
    EXPECT_TRUE(Box.Focused());
    Grid.SetOptions(Grid.Options() + TDBGridOptions{dgRowSelect});
    ui::SimulateKey(&Grid, VK_TAB);
    EXPECT_TRUE(Box.Focused());
}

// The standard menu opens at the press and the press then goes on: the filter box opens on
// its strip, elsewhere OnMouseDown fires, over the record the menu's action left current
// (an added one too); the window system's request for a menu that follows a right press
// brings no second one.
TEST_F(GridOnAForm, AfterTheStandardMenuThePressGoesOn) {
    struct TRecordingPopup : TPopupMenu {
        using TPopupMenu::TPopupMenu;
        void Popup(Integer, Integer) override { Log->push_back(Name()); }
        std::vector<String>* Log = nullptr;
    } own(nullptr), formMenu(nullptr);
    const struct {
        const char* Why;
        TMouseButton Button;
        TGridCoord Cell;
        bool OwnMenu;
        TExOptions Extra;
        Integer Item; // chosen in the menu; -1 closes it
        std::vector<String> Log;
    } rows[] = {
        {"right on row 4", mbRight, {2, 4}, false, {}, -1, {"menu 4", "down R 4"}},
        {"the indicator's title", mbLeft, {0, 0}, false, {}, -1, {"menu 1", "down L 1"}},
        {"there with an own menu", mbRight, {0, 0}, true, {}, -1, {"menu 1", "down R 1"}},
        {"a filter strip", mbRight, {2, 0}, false, {eoShowFilterBar}, -1, {"menu 1", "filter box"}},
        {"Add record on row 4", mbRight, {2, 4}, false, {}, 0, {"menu 4", "down R new"}},
    };
    std::vector<String> log;
    own.Log = formMenu.Log = &log;
    own.SetName("own");
    formMenu.SetName("form");
    Form.SetPopupMenu(&formMenu);
    const TExOptions options = Grid.ExOptions();
    Integer item = -1;
    auto close = MenuCloser([&] {
        if (item >= 0) Grid.StandardPopupItem(item)->Click();
    });
    Grid.StandardPopup()->OnPopup = [&](TObject*) {
        log.push_back("menu " + std::to_string(CurrentId()));
        close->SetEnabled(true);
    };
    Grid.OnMouseDown = [&](TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
        log.push_back(String("down ") + (Button == mbLeft ? "L " : "R ") +
                      (Data->State() == dsInsert ? "new" : std::to_string(CurrentId())));
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        Data->First();
        log.clear();
        Grid.FilterCombo()->SetVisible(false);
        Grid.SetExOptions(options + row.Extra);
        Grid.SetPopupMenu(row.OwnMenu ? &own : nullptr);
        item = row.Item;
        const TRect r = Grid.CellRect(row.Cell.X, row.Cell.Y);
        const TPoint at((r.Left + r.Right) / 2, r.Bottom - 4);
        ui::SimulateWindowMouse(&Grid, at, at, row.Button);
        if (Grid.FilterComboVisible()) log.push_back("filter box");
        EXPECT_EQ(log, row.Log);
    }
    EXPECT_EQ(Data->State(), dsInsert); // the added record stays
}

// A new record nobody typed into is never stored, whichever key leaves it (the editor's
// own Enter too), nor by the standard menu's "Save changes"; one typed character is. Keys
// start on the last cell of the last row and go where the window system sends them: to
// the editor while it shows.
TEST_F(GridOnAForm, AnUntouchedNewRecordIsNeverStored) {
    const Word Typed = '7'; // typed into the number column the new record starts on
    const struct {
        const char* Why;
        std::vector<Word> Keys;
        Integer Stored;
    } rows[] = {
        {"Enter adds, opens the editor, posts", {VK_RETURN, VK_RETURN, VK_RETURN}, 30},
        {"Insert, editor, Enter", {VK_UP, VK_INSERT, VK_RETURN, VK_RETURN}, 30},
        {"typed, erased, Enter", {VK_RETURN, Typed, VK_BACK, VK_RETURN}, 30},
        {"editor, Down", {VK_RETURN, VK_RETURN, VK_DOWN}, 30},
        {"editor, Up", {VK_RETURN, VK_RETURN, VK_UP}, 30},
        {"Tab past the last column", {VK_RETURN, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB}, 30},
        {"added, then the menu's Save changes", {VK_RETURN}, 30},
        {"typed, Enter", {VK_RETURN, Typed, VK_RETURN}, 31},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        Data->Last();
        Grid.SetSelectedIndex(4);
        for (Word key : row.Keys) {
            TWinControl* to = Grid.EditorMode() ? static_cast<TWinControl*>(Grid.InplaceEditor()) : &Grid;
            ui::SimulateKey(to, key, {}, key == Typed ? "7" : key == VK_BACK ? "\b" : "");
        }
        if (IsEditMode(Data->State())) Grid.PostClick();
        EXPECT_EQ(Data->RowCount(), row.Stored);
        Data->Cancel();
        if (Data->RowCount() > 30) Data->Delete();
    }
}

// A cut cell's and a cut title's hint stand over the cell, their corner on the cell's
// top-left corner; the scroll bar's record hint half a pointer right of and below the
// pointer. The window system's tooltip would put each a pointer's height lower.
TEST_F(GridOnAForm, HintsStandWhereTheGridPutsThem) {
    Grid.SetExOptions(Grid.ExOptions() + TExOptions{eoCellHint, eoShowRecNo});
    TColumn* name = Grid.GetColumns()->GetColumn(1);
    name->SetWidth(24);
    name->Title()->SetCaption("A megbízó teljes neve");
    TRect at;
    for (Integer row : {0, 3}) {
        const TRect cell = Grid.CellRect(2, row);
        ui::SimulateHover(&Grid, cell.Left + 4, cell.Top + 4);
        EXPECT_EQ(ui::ShownHint(&at), row == 0 ? "A megbízó teljes neve" : "Ügy 3");
        EXPECT_EQ(at.TopLeft(), Grid.ClientToScreen(cell.TopLeft()));
    }
    Grid.ScrollBarMoved(true, 10);
    EXPECT_EQ(ui::ShownHint(&at), "rec.11 of 30");
    const TPoint pointer = ui::GetCursorPos();
    EXPECT_EQ(at.TopLeft(), TPoint(pointer.X + GetSystemMetrics(SM_CXCURSOR) / 2,
                                   pointer.Y + GetSystemMetrics(SM_CYCURSOR) / 2));
}

TEST_F(InputTest, VerticalBarStandsForTheRecordNumber) {
    Data->MoveBy(3);
    auto state = Grid->VertScrollState();
    EXPECT_TRUE(state.Shown);
    EXPECT_EQ(state.Min, 0);
    EXPECT_EQ(state.Max, 5);
    EXPECT_EQ(state.Pos, 3);
    Grid->ScrollBarMoved(true, 5);
    EXPECT_EQ(CurrentId(), 6);
    Grid->ScrollBarMoved(true, 0);
    EXPECT_EQ(CurrentId(), 1);
    Grid->SetScrollBars(ssHorizontal);
    EXPECT_FALSE(Grid->VertScrollState().Shown);
}

TEST_F(InputTest, ScrollHintNamesTheRecordWithoutABlank) {
    Data->MoveBy(4);
    EXPECT_EQ(Grid->ScrollHintText(), "rec.5 of 6");
    Grid->OnGetRecordCount = [](TObject*, Integer& Count) { Count = 120; };
    EXPECT_EQ(Grid->ScrollHintText(), "rec.5 of 120");
    Data->Close();
    EXPECT_EQ(Grid->ScrollHintText(), "");
}

TEST_F(InputTest, HotTrackingMovesTheRecordWithTheMouse) {
    TPoint p = Centre(2, 4);
    Grid->MouseMove({}, p.X, p.Y);
    EXPECT_EQ(CurrentId(), 1);
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoHotTrack});
    Grid->MouseMove({}, p.X, p.Y);
    EXPECT_EQ(CurrentId(), 4);
}

TEST_F(InputTest, TitleButtonClicksOnlyWhenReleasedOnIt) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoTitleButtons});
    int clicks = 0;
    Grid->OnTitleClick = [&](TColumn*) { ++clicks; };
    TPoint a = Centre(2, 0), b = Centre(3, 0);
    Grid->MouseDown(mbLeft, {}, a.X, a.Y);
    Grid->MouseMove({ssLeft}, b.X, b.Y);
    Grid->MouseUp(mbLeft, {}, b.X, b.Y);
    EXPECT_EQ(clicks, 0);
    Grid->MouseDown(mbLeft, {}, a.X, a.Y);
    Grid->MouseUp(mbLeft, {}, a.X, a.Y);
    EXPECT_EQ(clicks, 1);
    // A disabled button does not track.
    Grid->OnCheckButton = [](TObject*, Integer, TField*, bool& Enabled) { Enabled = false; };
    Grid->MouseDown(mbLeft, {}, a.X, a.Y);
    Grid->MouseUp(mbLeft, {}, a.X, a.Y);
    EXPECT_EQ(clicks, 1);
}

// A scroll ends a title button's press before its handler runs: what the
// handler paints shows every button up.
TEST_F(InputTest, TopLeftChangedFiresAfterThePressIsOver) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoTitleButtons});
    std::vector<bool> down;
    Grid->OnGetBtnParams = [&](TObject*, TField*, TFont*, TColor&, bool IsDown) { down.push_back(IsDown); };
    const TPoint p = Centre(2, 0);
    Grid->MouseDown(mbLeft, {}, p.X, p.Y);
    Paint();
    ASSERT_EQ(std::count(down.begin(), down.end(), true), 1);
    down.clear();
    Grid->OnTopLeftChanged = [&](TObject*) { Paint(); };
    Grid->SetLeftCol(2);
    ASSERT_FALSE(down.empty());
    EXPECT_EQ(std::count(down.begin(), down.end(), true), 0);
}

// With whole rows selected the grid repaints its title row itself when it scrolls, beyond
// what the platform grid repaints; not when the application draws the cells.
TEST(TopLeftChangedTest, RepaintsTheTitleRowWithWholeRowsSelected) {
    struct TTitleProbe : TVgDBGrid {
        using TVgDBGrid::TopLeftChanged;
        using TVgDBGrid::TVgDBGrid;
        void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override {
            if (ARow == 0) ++TitleCells;
            TVgDBGrid::DrawCell(ACol, ARow, ARect, AState);
        }
        int TitleCells = 0;
    };
    const struct {
        const char* Why;
        bool RowSelect;
        bool DefaultDrawing;
        bool Repainted;
    } rows[] = {
        {"whole rows", true, true, true},
        {"whole rows drawn by the application", true, false, false},
        {"single cells", false, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        std::unique_ptr<TMemDataSet> data = MakeCases(6);
        TDataSource source(nullptr);
        source.SetDataSet(data.get());
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        TTitleProbe grid(&form);
        grid.SetParent(&form);
        grid.SetBounds(0, 0, 300, 200);
        grid.SetDataSource(&source);
        TDBGridOptions options = grid.Options();
        if (row.RowSelect) options.Include(dgRowSelect);
        grid.SetOptions(options);
        grid.SetDefaultDrawing(row.DefaultDrawing);
        form.Show();
        ProcessUntil([&] { return grid.TitleCells > 0; });
        ASSERT_GT(grid.TitleCells, 0);
        for (int i = 0; i < 5; ++i)
            Application->ProcessMessages();
        grid.TitleCells = 0;
        grid.TopLeftChanged();
        ProcessUntil([&] { return grid.TitleCells > 0; });
        EXPECT_EQ(grid.TitleCells > 0, row.Repainted);
        form.Hide();
    }
}

// A press on a disabled title button beeps and presses nothing; an enabled one is silent.
TEST_F(InputTest, ADisabledTitleButtonBeeps) {
    int beeps = 0;
    const ui::BeepBackend saved = ui::SetBeepBackend([&] { ++beeps; });
    core::ScopeExit restore([&] { ui::SetBeepBackend(saved); });
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoTitleButtons});
    Grid->OnCheckButton = [](TObject*, Integer ACol, TField*, bool& Enabled) { Enabled = ACol != 1; };
    const struct {
        Integer Col;
        int Beeps;
    } rows[] = {
        {2, 1}, // data column 1: disabled
        {3, 0}, // data column 2: enabled
    };
    for (const auto& row : rows) {
        beeps = 0;
        const TPoint p = Centre(row.Col, 0);
        Grid->MouseDown(mbLeft, {}, p.X, p.Y);
        EXPECT_EQ(beeps, row.Beeps) << row.Col;
        Grid->MouseUp(mbLeft, {}, p.X, p.Y);
    }
}

TEST_F(InputTest, TitleClickFiresWithTheColumn) {
    std::vector<TColumn*> clicked;
    Grid->OnTitleClick = [&](TColumn* c) { clicked.push_back(c); };
    Click(2, 0);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], Grid->GetColumns()->GetColumn(1));
    EXPECT_EQ(CurrentId(), 1);
}

TEST_F(InputTest, TitleClickOnAnUnfilterableColumnIsIgnoredWithTheFilterBar) {
    int clicks = 0;
    Grid->OnTitleClick = [&](TColumn*) { ++clicks; };
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoShowFilterBar});
    Grid->GetColumns()->GetColumn(1)->SetFilterable(false);
    TRect r = Grid->CellRect(2, 0);
    Grid->MouseDown(mbLeft, {}, r.Left + 5, r.Top + 3);
    Grid->MouseUp(mbLeft, {}, r.Left + 5, r.Top + 3);
    EXPECT_EQ(clicks, 0);
}

TEST_F(InputTest, TheFilterBoxOpensOnTheStripAsDrawn) {
    // Drawing and the press test each place the strip; they agree to the pixel row.
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoShowFilterBar});
    Paint();
    const TRect cell = Grid->CellRect(2, 0);
    TRect strip;
    for (const String& l : Lines({"FillRect ", " brush clInfoBk"})) {
        TRect r;
        if (std::sscanf(l.c_str(), "FillRect %d,%d,%d,%d", &r.Left, &r.Top, &r.Right, &r.Bottom) == 4 &&
            r.Left == cell.Left)
            strip = r;
    }
    ASSERT_EQ(strip.Bottom, cell.Bottom);
    ASSERT_EQ(strip.Right, cell.Right);
    ASSERT_GT(strip.Top, cell.Top);
    std::vector<Integer> opening;
    for (Integer y = cell.Top; y < cell.Bottom; ++y) {
        Grid->FilterCombo()->SetVisible(false);
        Grid->MouseDown(mbLeft, {}, cell.Left + 5, y);
        Grid->MouseUp(mbLeft, {}, cell.Left + 5, y);
        if (Grid->FilterComboVisible()) opening.push_back(y);
    }
    // The strip's top line is the separator, which a press takes for the caption.
    ASSERT_FALSE(opening.empty());
    EXPECT_EQ(opening.front(), strip.Top + 1);
    EXPECT_EQ(opening.back(), strip.Bottom - 1);
    EXPECT_EQ(Integer(opening.size()), strip.Height() - 1);
    EXPECT_EQ(Grid->FilterCombo()->Top(), strip.Top); // the box covers the strip
    EXPECT_EQ(Grid->FilterCombo()->Height(), strip.Height());
}

TEST_F(InputTest, CellClickFires) {
    std::vector<TColumn*> clicked;
    Grid->OnCellClick = [&](TColumn* c) { clicked.push_back(c); };
    Click(2, 3);
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], Grid->GetColumns()->GetColumn(1));
}

TEST_F(InputTest, DoubleClickRunsTheApplicationsHandlerOnce) {
    int calls = 0;
    Grid->OnDblClick = [&](TObject*) { ++calls; };
    TPoint p = Centre(2, 2);
    ui::SimulateDblClick(Grid.get(), p.X, p.Y);
    EXPECT_EQ(calls, 1);
}

TEST_F(InputTest, TypingEditsTheCellAndMovingOnPosts) {
    Grid->SetSelectedIndex(1);
    String a = "X";
    Grid->KeyPress(a);
    ASSERT_TRUE(Grid->EditorMode());
    Grid->InplaceEditor()->SetText("Új név");
    Grid->InplaceEditor()->SetModified(true);
    Key(VK_DOWN);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(std::get<String>(Data->RowValue(0, 1)), "Új név");
    EXPECT_EQ(CurrentId(), 2);
}

TEST_F(InputTest, ReadOnlyGridOpensNoEditor) {
    Grid->SetReadOnly(true);
    String a = "X";
    Grid->KeyPress(a);
    EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(InputTest, CheckBoxColumnsAndFrozenColumnsAreNotEdited) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoBooleanAsCheckBox});
    Grid->SetSelectedIndex(2);
    String a = "X";
    Grid->KeyPress(a);
    EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(InputTest, CheckBoxSelectTogglesFromTheIndicator) {
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoCheckBoxSelect});
    Click(0, 3);
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{3}));
    Click(0, 4);
    // Without multi-select only one row stays selected.
    EXPECT_EQ(SelectedIds(), (std::vector<Int64>{4}));
    Click(0, 4);
    EXPECT_TRUE(SelectedIds().empty());
}

} // namespace

namespace {

class HintTest : public GridFixture {
protected:
    void SetUp() override {
        Build(3, 600, 200);
        Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoCellHint});
    }
    String HintAt(Integer ACol, Integer ARow) {
        TRect r = Grid->CellRect(ACol, ARow);
        String text = "unchanged";
        TGridHintInfo info;
        EXPECT_TRUE(Grid->CellHint(TPoint(r.Left + 2, r.Top + 2), text, info));
        EXPECT_EQ(info.HintPos, r.TopLeft());
        return text;
    }
};

TEST_F(HintTest, TextThatFitsShowsNoHint) {
    EXPECT_EQ(HintAt(2, 1), "");
}

TEST_F(HintTest, CutTextShowsWhole) {
    Grid->GetColumns()->GetColumn(1)->SetWidth(20);
    EXPECT_EQ(HintAt(2, 2), "Ügy 2");
}

TEST_F(HintTest, CutTitleShowsTheCaption) {
    Grid->GetColumns()->GetColumn(1)->Title()->SetCaption("Egy nagyon hosszú cím");
    Grid->GetColumns()->GetColumn(1)->SetWidth(30);
    EXPECT_EQ(HintAt(2, 0), "Egy nagyon hosszú cím");
}

TEST_F(HintTest, HintFieldAndTheEventDecideTheText) {
    Grid->SetHintField("osszeg");
    Grid->GetColumns()->GetColumn(1)->SetWidth(2);
    EXPECT_EQ(HintAt(2, 3), "300");
    Grid->OnCellHint = [](TObject*, TColumn*, String& Text, TGridHintInfo&) { Text += " Ft"; };
    EXPECT_EQ(HintAt(2, 3), "300 Ft");
}

TEST_F(HintTest, WithoutTheOptionTheControlsHintStays) {
    Grid->SetExOptions(Grid->ExOptions() - TExOptions{eoCellHint});
    String text;
    TGridHintInfo info;
    EXPECT_FALSE(Grid->CellHint(TPoint(20, 20), text, info));
}

} // namespace

namespace {

// The long-text editor, answered without showing it.
class BlobEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Data = std::make_unique<TMemDataSet>();
        Data->FieldDefs()->Add("rovid", ftString, 256);
        Data->FieldDefs()->Add("hosszu", ftString, 257);
        Data->AppendRow({String("a"), String("régi szöveg")});
        Data->Open();
        Source = std::make_unique<TDataSource>(nullptr);
        Source->SetDataSet(Data.get());
        Grid = std::make_unique<TVgDBGrid>(nullptr);
        Grid->SetBounds(0, 0, 600, 200);
        Grid->SetDataSource(Source.get());
        TVgBlobEditor::Runner = [this](TVgBlobEditor* e) {
            ++Shown;
            OkEnabled = e->OkButton()->Enabled();
            Caption = e->Caption();
            Seen = e->Memo()->Text();
            Limit = e->Memo()->MaxLength();
            e->Memo()->SetText("új szöveg");
            return Answer;
        };
    }
    void TearDown() override {
        TVgBlobEditor::Runner = nullptr;
        Grid.reset();
        Source.reset();
        Data.reset();
    }
    std::unique_ptr<TMemDataSet> Data;
    std::unique_ptr<TDataSource> Source;
    std::unique_ptr<TVgDBGrid> Grid;
    int Shown = 0;
    Integer Limit = 0;
    bool OkEnabled = false;
    String Caption, Seen;
    TModalResult Answer = mrOk;
};

TEST_F(BlobEditorTest, TextOf256DoesNotOpenIt) {
    Grid->SetSelectedIndex(0);
    Grid->DblClick();
    EXPECT_EQ(Shown, 0);
}

TEST_F(BlobEditorTest, TextOf257OpensItAndOkWritesBack) {
    Grid->SetSelectedIndex(1);
    Grid->DblClick();
    EXPECT_EQ(Shown, 1);
    EXPECT_EQ(Caption, "hosszu");
    EXPECT_EQ(Seen, "régi szöveg");
    EXPECT_EQ(Limit, 257); // typing stops at the field's size, as in the cell
    EXPECT_TRUE(OkEnabled);
    EXPECT_EQ(Data->State(), dsEdit);
    EXPECT_EQ(Data->FieldByName("hosszu")->AsString(), "új szöveg");
}

TEST_F(BlobEditorTest, CancelLeavesFieldAndState) {
    Answer = mrCancel;
    Grid->SetSelectedIndex(1);
    Grid->ShowBlobEditor();
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(Data->FieldByName("hosszu")->AsString(), "régi szöveg");
}

TEST_F(BlobEditorTest, ReadOnlyGridNeverWritesBack) {
    Grid->SetReadOnly(true);
    Grid->SetSelectedIndex(1);
    Grid->ShowBlobEditor(); // the runner presses OK even though it is disabled
    EXPECT_EQ(Shown, 1);
    EXPECT_FALSE(OkEnabled);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(Data->FieldByName("hosszu")->AsString(), "régi szöveg");
}

// The application frees the shared editor with its forms while the widgets stand (freed at
// exit after them, it brought the program down); the next use makes a new one.
TEST_F(BlobEditorTest, TheSharedEditorBelongsToTheApplication) {
    EXPECT_EQ(TVgBlobEditor::Instance()->Owner(), Application);
    delete TVgBlobEditor::Instance();
    EXPECT_EQ(TVgBlobEditor::Instance()->Owner(), Application);
}

TEST_F(BlobEditorTest, DoubleClickHandlerReplacesTheEditor) {
    int calls = 0;
    Grid->OnDblClick = [&](TObject*) { ++calls; };
    Grid->SetSelectedIndex(1);
    Grid->DblClick();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Shown, 0);
}

} // namespace
