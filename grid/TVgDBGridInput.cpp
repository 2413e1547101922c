// Keys, mouse, wheel and selection of the data grid.
#include "grid/TVgDBGrid.h"

#include "grid/TVgBlobEditor.h"
#include "grid/TVgDBColumnKinds.h"
#include "grid/VgGridKeys.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/core/TStrings.h"
#include "platform/ui/TGridDataLink.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/Beep.h"
#include "platform/ui/TButton.h"
#include "platform/ui/VirtualKeys.h"

#include <utility>
#include <vector>

namespace {

std::vector<String> SplitList(const String& Text) {
    std::vector<String> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = Text.find(';', start);
        parts.push_back(Text.substr(start, end == String::npos ? String::npos : end - start));
        if (end == String::npos) return parts;
        start = end + 1;
    }
}

} // namespace

void TVgDBGrid::ClearSelectionUnlessKept() {
    if (!FMultiSelect) return;
    if (!FExOptions.Contains(eoKeepSelection)) SelectedRows()->Clear();
    FKeySelecting = false;
}

void TVgDBGrid::MoveAndExtendSelection(bool Shift, Integer Distance) {
    TDataSet* ds = DataSet();
    Integer step = ds->State() == dsInsert ? 0 : Distance;
    if (!FMultiSelect || !DataLink()->Active()) {
        MoveBy(step);
        return;
    }
    BeginUpdate();
    core::ScopeExit restore([&] { EndUpdate(); });
    if (!Shift) {
        ClearSelectionUnlessKept();
        MoveBy(step);
    } else if (FKeySelecting) {
        TBookmark current = ds->GetBookmark();
        if (ds->CompareBookmarks(current, FKeySelectBookmark) == -Distance) {
            SelectedRows()->SetCurrentRowSelected(false);
            MoveBy(step);
        } else {
            MoveBy(step);
            SelectedRows()->SetCurrentRowSelected(true);
        }
    } else {
        FKeySelectBookmark = ds->GetBookmark();
        SelectedRows()->SetCurrentRowSelected(true);
        FKeySelecting = true;
        MoveBy(step);
        SelectedRows()->SetCurrentRowSelected(true);
    }
}

bool TVgDBGrid::AtLastRecordNoInsert() const {
    return FExOptions.Contains(eoDisableInsert) && DataLink()->ActiveRecord() >= GetRecordCount() - 1;
}

bool TVgDBGrid::NextRowOrAppend(bool Shift) {
    MoveAndExtendSelection(Shift, 1);
    TDataSet* ds = DataSet();
    if (ds->Eof() && ds->CanModify() && !ReadOnly() && Options().Contains(dgEditing)) {
        if (AtLastRecordNoInsert()) return true;
        AppendClick();
    }
    return true;
}

void TVgDBGrid::PriorRow(bool Shift) {
    MoveAndExtendSelection(Shift, -1);
}

void TVgDBGrid::TabToNextColumn(bool Forward) {
    if (!DataLink()->Active()) return;
    Integer count = Columns()->Count();
    if (count == 0) return;
    Integer start = SelectedIndex(), i = start;
    // One record and one column per Tab: the row wrap is done here, the
    // column move afterwards.
    while (true) {
        i += Forward ? 1 : -1;
        if (i >= count) {
            ClearSelectionUnlessKept();
            NextRowOrAppend(false);
            i = FFixedCols;
        } else if (i < FFixedCols) {
            ClearSelectionUnlessKept();
            PriorRow(false);
            i = count - 1;
        }
        if (i == start || Columns()->Items(i)->Visible()) break;
    }
    SetSelectedIndex(i);
}

void TVgDBGrid::KeyDown(Word& Key, TShiftState Shift) {
    Integer selectedBefore = FMultiSelect && OnChangeSelection ? SelectedRows()->Count() : -1;
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    if (Key == 0 || !DataLink()->Active()) return;
    const vg::GridKeyAction action = vg::GridKey(Key, Shift, KeyState());
    if (action.Repaint) Invalidate();
    if (action.Consumed) Key = 0;
    RunGridKeyCommand(action.Command, Shift.Contains(ssShift));
    if (Key != 0) {
        // The platform's keys, without firing OnKeyDown a second time.
        TKeyEvent saved = OnKeyDown;
        OnKeyDown = nullptr;
        core::ScopeExit restore([&] { OnKeyDown = saved; });
        TCustomDBGrid::KeyDown(Key, Shift);
    }
    if (selectedBefore >= 0 && SelectedRows()->Count() != selectedBefore) OnChangeSelection(this);
}

vg::GridKeyState TVgDBGrid::KeyState() const {
    vg::GridKeyState s;
    s.RowSelect = Options().Contains(dgRowSelect);
    s.Tabs = Options().Contains(dgTabs);
    s.Editing = Options().Contains(dgEditing);
    s.Modifiable = !ReadOnly() && DataSet()->CanModify();
    s.Browsing = DataSet()->State() == dsBrowse;
    s.EnterLikeTab = FExOptions.Contains(eoENTERlikeTAB);
    s.InsertDisabled = FExOptions.Contains(eoDisableInsert);
    s.DeleteDisabled = FExOptions.Contains(eoDisableDelete);
    s.FixedCols = FFixedCols;
    s.ColumnCount = Columns()->Count();
    s.SelectedIndex = SelectedIndex();
    s.CheckBoxColumn = s.SelectedIndex >= 0 && s.SelectedIndex < s.ColumnCount &&
                       ColumnIsCheckbox(Columns()->Items(s.SelectedIndex));
    return s;
}

void TVgDBGrid::RunGridKeyCommand(vg::GridKeyCommand Command, bool Extend) {
    using C = vg::GridKeyCommand;
    TDataSet* ds = DataSet();
    switch (Command) {
    case C::None:
        break;
    case C::ClearSelection:
        ClearSelectionUnlessKept();
        break;
    case C::FirstScrollableColumn:
        SetSelectedIndex(FFixedCols);
        break;
    case C::Delete:
        DeleteClick();
        break;
    case C::ToggleCheckBox:
        CellClick(Columns()->Items(SelectedIndex()));
        break;
    case C::NextRow:
        NextRowOrAppend(Extend);
        // Moving off a new record drops it; a pending edit is kept for the
        // dataset to post.
        if (FExOptions.Contains(eoDisableInsert) && ds->Eof() && ds->State() == dsInsert) ds->Cancel();
        break;
    case C::PriorRow:
        PriorRow(Extend);
        break;
    case C::NextColumn:
        SetSelectedIndex(SelectedIndex() + 1);
        break;
    case C::AppendRow:
        AppendClick();
        SetSelectedIndex(FFixedCols);
        break;
    case C::TabForward:
    case C::TabBack:
        TabToNextColumn(Command == C::TabForward);
        break;
    }
}

void TVgDBGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    FRightPressMenu = false;
    TDataSet* ds = DataSet();
    if (!ds || ds->ControlsDisabled()) return;
    if (CanFocus() && !Focused()) SetFocus();
    // The window layer has already delivered the double-click through DblClick; the
    // press that comes with it selects nothing more (the case lists open the case sheet
    // from DblClick, and a second call would open it again once it closes).
    if (Button == mbLeft && Shift.Contains(ssDouble)) return;
    if (FMultiSelect && DataLink()->Active()) FStartOfSelect = ds->GetBookmark();
    if (Button == mbLeft && SizingColumnAt(X, Y) >= 0) {
        TCustomDBGrid::MouseDown(Button, Shift, X, Y);
        return;
    }
    TGridCoord cell = MouseCoord(X, Y);
    bool titleRow = cell.Y >= 0 && cell.Y < TitleOffset();
    Integer dataCol = cell.X - IndicatorOffset();
    const bool menu = FExOptions.Contains(eoStandardPopup) && DataLink()->Active() && cell.X >= 0 &&
                      ((titleRow && cell.X == 0 && Options().Contains(dgIndicator)) ||
                       (Button == mbRight && dataCol >= 0 && !PopupMenu()));
    if (menu) {
        // The menu acts on the row pointed at.
        if (!titleRow) MoveToRow(cell.Y);
        FRightPressMenu = Button == mbRight;
        PopupStandardMenu(X, Y);
        // The menu has closed; the press goes on over what its action left (columns
        // set up or restored, the data reopened).
        cell = MouseCoord(X, Y);
        titleRow = cell.Y >= 0 && cell.Y < TitleOffset();
        dataCol = cell.X - IndicatorOffset();
    } else if (FExOptions.Contains(eoTitleButtons) && DataLink()->Active() && titleRow && dataCol >= 0) {
        if (Button == mbRight && Options().Contains(dgColumnResize)) {
            FRightDrag = true;
            TCustomDBGrid::MouseDown(mbLeft, Shift, X, Y);
            return;
        }
        if (Button == mbLeft) {
            bool enabled = true;
            CheckTitleButton(dataCol, enabled);
            if (enabled) {
                FTracking = true;
                FPressedCol = cell.X;
                FPressed = true;
                Invalidate();
            } else
                Beep();
            return;
        }
    }
    if (FExOptions.Contains(eoShowFilterBar) && titleRow && dataCol >= 0) {
        // The strip's top line is the separator: a press there still belongs to the caption.
        if (Y > FilterStripRect(CellRect(cell.X, cell.Y)).Top) {
            OpenFilterCombo(cell.X, cell.Y);
            return;
        }
    }
    bool fixedCol = cell.X >= 0 && cell.X < IndicatorOffset() + FFixedCols;
    if ((fixedCol || menu) && DataLink()->Active() && cell.Y >= TitleOffset()) {
        // After the menu its action decides the current record: a record it added or
        // inserted stays current, rather than being left (and dropped) for the row pressed.
        if (!menu) MoveToRow(cell.Y);
        TWinControl::MouseDown(Button, Shift, X, Y);
    } else
        TCustomDBGrid::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && FMultiSelect && DataLink()->Active() && !titleRow && cell.Y >= 0) {
        FKeySelecting = false;
        if (Shift.Contains(ssCtrl))
            SelectedRows()->SetCurrentRowSelected(!SelectedRows()->CurrentRowSelected());
        else if (!FExOptions.Contains(eoKeepSelection)) {
            SelectedRows()->Clear();
            SelectedRows()->SetCurrentRowSelected(true);
        }
        ChangeSelection();
    }
}

bool TVgDBGrid::ContextPopup(TPoint ScreenPos, bool FromKeyboard) {
    // The window layer asks for the menu as the right button goes down; over a
    // title that press drags the column, and a menu now would take the mouse
    // from the drag. The menu comes with the release instead (EndRightDrag).
    if (FRightDrag && !FromKeyboard) return true;
    // A right press that opened the standard menu has had its menu.
    if (!FromKeyboard && std::exchange(FRightPressMenu, false)) return true;
    if (FromKeyboard && !PopupMenu() && FExOptions.Contains(eoStandardPopup) && DataLink()->Active()) {
        const TPoint at = ScreenToClient(ScreenPos);
        PopupStandardMenu(at.X, at.Y);
        return true;
    }
    return TCustomDBGrid::ContextPopup(ScreenPos, FromKeyboard);
}

void TVgDBGrid::SelectRange(const TBookmark& From, const TBookmark& To) {
    TDataSet* ds = DataSet();
    bool forward = ds->CompareBookmarks(To, From) > 0;
    ds->DisableControls();
    core::ScopeExit enable([ds] { ds->EnableControls(); });
    ds->GotoBookmark(From);
    while (true) {
        SelectedRows()->SetCurrentRowSelected(true);
        if (ds->CompareBookmarks(ds->GetBookmark(), To) == 0) break;
        if (forward) {
            ds->Next();
            if (ds->Eof()) break;
        } else {
            ds->Prior();
            if (ds->Bof()) break;
        }
    }
    ds->GotoBookmark(To);
}

bool TVgDBGrid::EndRightDrag(TShiftState Shift, Integer X, Integer Y) {
    if (!FRightDrag) return false;
    FRightDrag = false;
    const bool dragged = ColumnDragging();
    // The release ends the drag, or clicks the title, as a left one does.
    TCustomDBGrid::MouseUp(mbLeft, Shift, X, Y);
    // Then the grid's own menu, held back at the press, as the window system brings
    // it with a right release; a drag asked for no menu.
    if (!dragged) TCustomDBGrid::ContextPopup(ClientToScreen(TPoint(X, Y)), false);
    return true;
}

void TVgDBGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TDataSet* ds = DataSet();
    if (FMultiSelect && Shift.Contains(ssShift) && !FStartOfSelect.empty() && ds && DataLink()->Active() &&
        ds->BookmarkValid(FStartOfSelect)) {
        SelectRange(FStartOfSelect, ds->GetBookmark());
        ChangeSelection();
    }
    if (EndRightDrag(Shift, X, Y)) return;
    TGridCoord cell = MouseCoord(X, Y);
    if (FTracking && FPressedCol >= 0) {
        Integer pressed = FPressedCol;
        bool over = cell.X == pressed && cell.Y == 0;
        FTracking = false;
        FPressed = false;
        FPressedCol = -1;
        Invalidate();
        if (over && Button == mbLeft)
            if (TColumn* c = ColumnAt(pressed)) TitleClick(c);
        return;
    }
    // A release that ends the sizing or the move of a column is the platform grid's, wherever
    // it comes up: kept from it, the column would go on following the mouse.
    if (Sizing() || ColumnPressed()) {
        TCustomDBGrid::MouseUp(Button, Shift, X, Y);
        return;
    }
    if (FExOptions.Contains(eoCheckBoxSelect) && cell.X == 0 && Options().Contains(dgIndicator) &&
        cell.Y >= TitleOffset() && DataLink()->Active()) {
        ToggleRowSelection();
        return;
    }
    Integer dataCol = cell.X - IndicatorOffset();
    if (Button == mbLeft && cell.Y >= TitleOffset() && dataCol >= 0 && dataCol < FFixedCols &&
        DataLink()->Active()) {
        if (TColumn* c = ColumnAt(cell.X)) CellClick(c);
        return;
    }
    TCustomDBGrid::MouseUp(Button, Shift, X, Y);
}

void TVgDBGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TCustomDBGrid::MouseMove(Shift, X, Y);
    TDataSet* ds = DataSet();
    if (!ds || ds->ControlsDisabled() || !DataLink()->Active()) return;
    // The column follows the mouse until the right button comes up.
    if (FRightDrag) return;
    TGridCoord cell = MouseCoord(X, Y);
    if (FTracking && FPressedCol >= 0) {
        // The pressed title button shows down only while the mouse is on it.
        bool over = cell.X == FPressedCol && cell.Y == 0;
        if (over != FPressed) {
            FPressed = over;
            InvalidateTitles();
        }
        return;
    }
    if (FExOptions.Contains(eoHotTrack) && cell.X >= 1) MoveToRow(cell.Y);
}

void TVgDBGrid::DblClick() {
    // The application's handler replaces the built-in BLOB editor.
    if (OnDblClick)
        TCustomDBGrid::DblClick();
    else if (FExOptions.Contains(eoBLOBEditor))
        ShowBlobEditor();
}

void TVgDBGrid::ShowBlobEditor() {
    Integer index = SelectedIndex();
    if (index < 0 || index >= Columns()->Count() || index < FFixedCols) return;
    TColumn* column = Columns()->Items(index);
    TField* field = column->Field();
    if (!field || (!field->IsBlob() && field->Size() < 257)) return;
    // Writing needs a grid, column and field that may change; the OK button
    // says so, and the write below checks it again.
    auto writable = [&] {
        return !ReadOnly() && !column->ReadOnly() && field->CanModify() && DataSet()->CanModify();
    };
    // Graphic fields show their picture, never their bytes as text: a round
    // trip through the memo would rewrite them.
    const bool graphic = field->DataType() == ftGraphic;
    const String original = field->AsString();
    TVgBlobEditor* editor = TVgBlobEditor::Instance();
    editor->SetCaption(field->FieldName());
    editor->ShowPicture(graphic);
    if (graphic)
        editor->SetPictureBytes(original);
    else {
        editor->Memo()->Font()->Assign(column->Font());
        // Typing stops at the cell editor's limit, as it does in the cell.
        editor->Memo()->SetMaxLength(GetEditLimit());
        editor->Memo()->SetText(original);
    }
    editor->OkButton()->SetEnabled(writable());
    if (editor->Execute() != mrOk || !writable()) return;
    // OK without a change writes nothing and leaves the dataset as it was.
    if (graphic ? !editor->PictureModified() : editor->Memo()->Text() == original) return;
    TDataSet* ds = DataSet();
    if (!IsEditMode(ds->State())) ds->Edit();
    const String value = graphic ? editor->PictureBytes() : editor->Memo()->Text();
    if (graphic && value.empty())
        field->Clear();
    else
        field->SetAsString(value);
}

bool TVgDBGrid::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (WheelDelta < 0 && OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    else if (WheelDelta > 0 && OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    if (handled || !DataLink()->Active() || WheelDelta == 0 || !AcquireFocus()) return handled;
    return MoveBy(WheelDelta < 0 ? 1 : -1) != 0;
}

void TVgDBGrid::EnableScroll() {
    if (FScrollLock == 0) return;
    if (--FScrollLock == 0) Scroll(0);
}

void TVgDBGrid::Scroll(Integer Distance) {
    // Groupings, row colours and backgrounds follow the row position.
    if (FGroupings->Count() > 0 || FGridStyle->Style() != gsNormal || !FGridStyle->Background()->Empty() ||
        FGridStyle->Wallpaper()->Direction() != fdNone)
        Invalidate();
    if (FScrollLock > 0) return;
    TCustomDBGrid::Scroll(Distance);
    // Selection marks in the indicator move with their records.
    if (Options().Contains(dgIndicator) && FMultiSelect) InvalidateCol(0);
}

void TVgDBGrid::TopLeftChanged() {
    // The title row follows the scrolled columns when whole rows are selected.
    if (Options().Contains(dgRowSelect) && DefaultDrawing()) InvalidateTitles();
    {
        // OnTopLeftChanged comes last, so its handler sees the widths and the footer
        // of the new position.
        TNotifyEvent saved = OnTopLeftChanged;
        OnTopLeftChanged = nullptr;
        core::ScopeExit restore([&] { OnTopLeftChanged = saved; });
        TCustomDBGrid::TopLeftChanged();
    }
    FTracking = false;
    FPressed = false;
    if (FExOptions.Contains(eoAutoWidth)) UpdateColWidths();
    if (FExOptions.Contains(eoShowFooter)) InvalidateFooter();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TVgDBGrid::TitleClick(TColumn* Column) {
    if (FExOptions.Contains(eoShowFilterBar)) {
        auto* c = dynamic_cast<TVgDBColumn*>(Column);
        if (FilterComboVisible() || (c && !c->Filterable())) return;
    }
    TCustomDBGrid::TitleClick(Column);
}

void TVgDBGrid::CheckTitleButton(Integer ACol, bool& Enabled) {
    if (ACol < 0 || ACol >= Columns()->Count()) {
        Enabled = false;
        return;
    }
    if (OnCheckButton) OnCheckButton(this, ACol, Columns()->Items(ACol)->Field(), Enabled);
}

void TVgDBGrid::CellClick(TColumn* Column) {
    TCustomDBGrid::CellClick(Column);
    TField* field = Column ? Column->Field() : nullptr;
    if (!DataLink()->Active() || !field) return;
    if (!ColumnIsCheckbox(Column)) {
        OpenCellButton(Column);
        return;
    }
    if (ReadOnly() || Column->ReadOnly() || !field->CanModify() || !DataLink()->Edit()) return;
    if (field->DataType() == ftBoolean)
        field->SetAsBoolean(field->IsNull() ? true : !field->AsBoolean());
    else if (auto* box = dynamic_cast<TVgDBCheckboxColumn*>(Column)) {
        bool checked = false;
        for (const String& entry : SplitList(box->ValueChecked()))
            if (AnsiCompareText(field->Text(), entry) == 0) checked = true;
        field->SetText(SplitList(checked ? box->ValueUnChecked() : box->ValueChecked()).front());
    }
    Invalidate();
}

void TVgDBGrid::OpenCellButton(TColumn* Column) {
    TField* field = Column->Field();
    if (!FExOptions.Contains(eoShowLookup) || ReadOnly() || !Options().Contains(dgEditing) ||
        Column->ReadOnly() || field->ReadOnly())
        return;
    if (Column->ButtonStyle() != cbsEllipsis && Column->ButtonStyle() != cbsNone &&
        Column->PickList()->Count() > 0) {
        // An editor already open stays open: the list drops from it.
        SetEditorMode(true);
        if (EditorMode() && InplaceEditor()) InplaceEditor()->DropDown();
    } else if (Column->ButtonStyle() == cbsEllipsis) {
        SetEditorMode(true);
        EditButtonClick();
    }
}

bool TVgDBGrid::ClaimedByGrouping(TColumn* Column) const {
    if (!Column || !Column->Field() || !OnExpression) return false;
    for (Integer i = 0; i < FGroupings->Count(); ++i) {
        TVgGrouping* g = FGroupings->Items(i);
        if (g->Expression().empty()) continue;
        String text = Column->Field()->DisplayText();
        bool value = false;
        OnExpression(const_cast<TVgDBGrid*>(this), g->Expression(), text, value);
        if (value) return true;
    }
    return false;
}

bool TVgDBGrid::CanEditShow() const {
    if (!TCustomDBGrid::CanEditShow() || Columns()->Count() == 0) return false;
    Integer index = SelectedIndex();
    if (index < 0 || index >= Columns()->Count()) return false;
    TColumn* c = Columns()->Items(index);
    if (!c->Field() || c->ReadOnly() || GetImageIndex(c->Field()) >= 0 || ColumnIsCheckbox(c) ||
        index < FFixedCols)
        return false;
    return !ClaimedByGrouping(c);
}
