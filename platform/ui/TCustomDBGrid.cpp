#include "platform/ui/TCustomDBGrid.h"

#include "platform/core/ScopeExit.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/core/TStrings.h"
#include "platform/ui/TGridDataLink.h"
#include "platform/ui/TInplaceEdit.h"

#include <algorithm>

TCustomDBGrid::TCustomDBGrid(TComponent* AOwner)
    : TCustomGrid(AOwner), FDataLink(std::make_unique<TGridDataLink>(this)),
      FTitleFont(std::make_unique<TFont>()),
      FOwnIndicators(ui::MakeIndicatorImages()), FOptions{dgEditing,      dgTitles,        dgIndicator,
                                                          dgColumnResize, dgColLines,      dgRowLines,
                                                          dgTabs,         dgConfirmDelete, dgCancelOnExit} {
    FSelectedRows = std::make_unique<TBookmarkList>(FDataLink.get());
    FTitleFont->Assign(Font());
    SetColCount(2);
    SetRowCount(2);
    SetOptions(FOptions);
    TCanvas* c = Canvas();
    c->Font()->Assign(Font());
    TCustomGrid::SetDefaultRowHeight(c->TextHeight("Wg") + 3);
    LayoutChanged();
}

TCustomDBGrid::~TCustomDBGrid() {
    // The link must not call back into a half-destroyed grid.
    FDataLink->SetDataSource(nullptr);
}

TDataSource* TCustomDBGrid::DataSource() const {
    return FDataLink->DataSource();
}

void TCustomDBGrid::SetDataSource(TDataSource* Value) {
    if (Value == DataSource()) return;
    FSelectedRows->Clear();
    FDataLink->SetDataSource(Value);
    if (Value) Value->FreeNotification(this);
    LinkActive(FDataLink->Active());
}

TDataSet* TCustomDBGrid::DataSet() const {
    return FDataLink->DataSet();
}

TDBGridColumns* TCustomDBGrid::Columns() const {
    if (!FColumns) FColumns.reset(const_cast<TCustomDBGrid*>(this)->CreateColumns());
    return FColumns.get();
}

TDBGridColumns* TCustomDBGrid::CreateColumns() {
    return new TDBGridColumns(this);
}

void TCustomDBGrid::RecreateColumns() {
    FColumns.reset(CreateColumns());
    LayoutChanged();
}

void TCustomDBGrid::SetColumns(TDBGridColumns* Value) {
    Columns()->Assign(Value);
}

void TCustomDBGrid::SetOptions(TDBGridOptions Value) {
    if (Value.Contains(dgRowSelect)) Value.Exclude(dgAlwaysShowEditor);
    FOptions = Value;
    TGridOptions go;
    if (Value.Contains(dgColLines)) {
        go.Include(goFixedVertLine);
        go.Include(goVertLine);
    }
    if (Value.Contains(dgRowLines)) {
        go.Include(goFixedHorzLine);
        go.Include(goHorzLine);
    }
    if (Value.Contains(dgColumnResize)) {
        go.Include(goColSizing);
        go.Include(goColMoving);
    }
    if (Value.Contains(dgTabs)) go.Include(goTabs);
    if (Value.Contains(dgRowSelect)) go.Include(goRowSelect);
    if (Value.Contains(dgEditing)) go.Include(goEditing);
    if (Value.Contains(dgAlwaysShowEditor)) go.Include(goAlwaysShowEditor);
    TGridOptions keep = GridOptions();
    if (keep.Contains(goRowSizing)) go.Include(goRowSizing);
    SetGridOptions(go);
    LayoutChanged();
}

void TCustomDBGrid::SetTitleFont(TFont* Value) {
    FTitleFont->Assign(Value);
    LayoutChanged();
}

void TCustomDBGrid::SetReadOnly(bool Value) {
    FReadOnly = Value;
    if (Value) HideEditor();
}

void TCustomDBGrid::SetIndicators(TImageList* Value) {
    FIndicators = Value;
    Invalidate();
}

TColumn* TCustomDBGrid::ColumnAt(Integer RawCol) const {
    Integer i = RawToDataColumn(RawCol);
    if (i < 0 || i >= Columns()->Count()) return nullptr;
    return Columns()->Items(i);
}

Integer TCustomDBGrid::SelectedIndex() const {
    return RawToDataColumn(Col());
}

void TCustomDBGrid::SetSelectedIndex(Integer Value) {
    if (Columns()->Count() == 0) return;
    Value = std::clamp(Value, 0, Columns()->Count() - 1);
    MoveColRow(DataToRawColumn(Value), Row(), true, true);
}

TField* TCustomDBGrid::SelectedField() const {
    TColumn* c = ColumnAt(Col());
    return c ? c->Field() : nullptr;
}

void TCustomDBGrid::SetSelectedField(TField* Value) {
    if (!Value) return;
    for (Integer i = 0; i < Columns()->Count(); ++i)
        if (Columns()->Items(i)->Field() == Value) {
            SetSelectedIndex(i);
            return;
        }
}

Integer TCustomDBGrid::DataRowsThatFit() const {
    Integer hw = FOptions.Contains(dgRowLines) ? GridLineWidth() : 0;
    Integer top = 0;
    if (FOptions.Contains(dgTitles)) top = RowHeights(0) + hw;
    Integer step = DefaultRowHeight() + hw;
    Integer n = step > 0 ? (ClientRect().Bottom - top) / step : 1;
    return std::max(n, 1);
}

void TCustomDBGrid::UpdateRowCount() {
    Integer rows = DataRowsThatFit();
    if (FDataLink->Active()) {
        FDataLink->SetBufferCount(rows);
        rows = std::max(FDataLink->RecordCount(), 1);
    }
    Integer total = TitleOffset() + rows;
    if (RowCount() != total) {
        Integer title = RowHeights(0);
        SetRowCount(total);
        if (TitleOffset() > 0) SetRowHeights(0, title);
    }
    if (FixedRows() != TitleOffset()) SetFixedRows(TitleOffset());
}

void TCustomDBGrid::UpdateActive() {
    if (!FDataLink->Active()) return;
    Integer row = TitleOffset() + FDataLink->ActiveRecord();
    if (TopRow() != FixedRows()) MoveTopLeft(LeftCol(), FixedRows());
    if (Row() != row) {
        // The dataset moved on its own: follow it without moving it back.
        bool editing = EditorMode();
        if (editing) HideEditor();
        {
            FInColChange = true;
            core::ScopeExit reset([this] { FInColChange = false; });
            TCustomGrid::MoveColRow(Col(), row, true, false);
        }
        if (editing && CanEditShow()) ShowEditor();
    }
}

void TCustomDBGrid::SetColumnAttributes() {
    for (Integer i = 0; i < Columns()->Count(); ++i) {
        TColumn* c = Columns()->Items(i);
        SetColWidths(DataToRawColumn(i), c->Visible() ? std::max(c->Width(), 0) : -1);
    }
    if (IndicatorOffset() > 0) SetColWidths(0, 11);
}

void TCustomDBGrid::EndLayout() {
    if (FLayoutLock > 0) --FLayoutLock;
    if (FLayoutLock == 0) LayoutChanged();
}

void TCustomDBGrid::LayoutChanged() {
    if (FLayoutLock > 0) return;
    ++FLayoutLock;
    {
        core::ScopeExit restore([&] { --FLayoutLock; });
        if (Columns()->State() == csDefault)
            Columns()->RebuildColumns();
        else
            Columns()->ResetFields();
        Integer cols = std::max(Columns()->Count(), 1) + IndicatorOffset();
        SetColCount(cols);
        Integer fixed = std::min(IndicatorOffset() + FrozenColumns(), ColCount() - 1);
        if (FixedCols() != fixed) {
            if (Col() < fixed) TCustomGrid::MoveColRow(fixed, Row(), true, false);
            TCustomGrid::SetFixedCols(fixed);
        }
        SetColumnAttributes();
        if (TitleOffset() > 0 && RowCount() > 0 && RowHeights(0) != DefaultRowHeight() && RowHeights(0) <= 0)
            SetRowHeights(0, DefaultRowHeight());
        UpdateRowCount();
        UpdateActive();
    }
    Invalidate();
}

TRect TCustomDBGrid::CalcTitleRect(TColumn* Column, Integer, TColumn*& MasterCol) const {
    MasterCol = Column;
    if (!Column) return {};
    return CellRect(DataToRawColumn(Column->Index()), 0);
}

void TCustomDBGrid::LinkActive(bool Value) {
    FSelectedRows->LinkActive(Value);
    if (!Value) HideEditor();
    LayoutChanged();
}

void TCustomDBGrid::DataChanged() {
    if (FLayoutLock > 0) return;
    UpdateRowCount();
    UpdateActive();
    if (EditorMode() && FDataLink->Active() && !FDataLink->Editing()) {
        // The record changed under the editor: show the stored text again.
        if (InplaceEditor()) InplaceEditor()->SetText(GetEditText(Col(), Row()));
    }
    Invalidate();
}

void TCustomDBGrid::Scroll(Integer) {
    UpdateRowCount();
    UpdateActive();
    Invalidate();
}

void TCustomDBGrid::EditingChanged() {
    if (!FDataLink->Editing()) HideEditor();
    Invalidate();
}

void TCustomDBGrid::RecordChanged(TField*) {
    if (EditorMode() && InplaceEditor() && !InplaceEditor()->Modified())
        InplaceEditor()->SetText(GetEditText(Col(), Row()));
    Invalidate();
}

void TCustomDBGrid::UpdateData() {
    // The dataset asks for pending text before it posts.
    UpdateText();
}

void TCustomDBGrid::FocusField(TField** Field) {
    if (Field && *Field) SetSelectedField(*Field);
}

Integer TCustomDBGrid::MoveBy(Integer Distance) {
    if (!FDataLink->Active()) return 0;
    UpdateText();
    return FDataLink->MoveBy(Distance);
}

void TCustomDBGrid::MoveToRow(Integer ARow) {
    const Integer record = ARow - TitleOffset();
    if (!FDataLink->Active() || ARow == Row() || record < 0 || record >= FDataLink->RecordCount()) return;
    TDataSet* ds = DataSet();
    if (!IsEditMode(ds->State())) {
        MoveBy(ARow - Row());
        return;
    }
    // Leaving the record posts it, or drops a new one left empty, and the rows below it close
    // up: the record pressed is found again by its bookmark.
    auto bookmarkAt = [&](Integer Record) {
        const Integer saved = FDataLink->ActiveRecord();
        FDataLink->SetActiveRecord(Record);
        const core::ScopeExit restore([&] { FDataLink->SetActiveRecord(saved); });
        return ds->GetBookmark();
    };
    const TBookmark target = bookmarkAt(record);
    PostTypedRecord();
    for (Integer r = 0; r < FDataLink->RecordCount(); ++r)
        if (ds->CompareBookmarks(bookmarkAt(r), target) == 0) {
            MoveBy(r - FDataLink->ActiveRecord());
            return;
        }
    if (ds->BookmarkValid(target)) ds->GotoBookmark(target);
}

void TCustomDBGrid::PostTypedRecord() {
    if (!FDataLink->Active()) return;
    UpdateText();
    TDataSet* ds = DataSet();
    if (IsEditMode(ds->State())) ds->CheckBrowseMode();
}

bool TCustomDBGrid::SelectCell(Integer ACol, Integer ARow) {
    if (FInColChange) return true;
    if (FDataLink->Active() && ARow != Row()) {
        // Rows are records: move the dataset and let it place the current row.
        MoveBy(ARow - Row());
        if (ACol != Col()) TCustomGrid::MoveColRow(ACol, Row(), true, true);
        return false;
    }
    if (ACol != Col() && OnColExit) OnColExit(this);
    return true;
}

void TCustomDBGrid::SizeChanged(Integer, Integer) {}

TCustomGrid::TScrollState TCustomDBGrid::VertScrollState() const {
    TScrollState s;
    if ((ScrollBars() != ssVertical && ScrollBars() != ssBoth) || !FDataLink->Active()) return s;
    TDataSet* ds = DataSet();
    s.Shown = true;
    Integer count = ds->RecordCount(), recNo = ds->RecNo();
    if (count > 0 && recNo > 0) {
        s.Max = count - 1;
        s.Pos = recNo - 1;
        s.Page = std::max(1, FDataLink->RecordCount());
    } else {
        // Without numbers the bar only tells start, middle or end.
        s.Max = 4;
        s.Pos = ds->Bof() ? 0 : ds->Eof() ? 4 : 2;
    }
    return s;
}

void TCustomDBGrid::ScrollBarMoved(bool Vertical, Integer Pos) {
    if (!Vertical || !FDataLink->Active()) {
        TCustomGrid::ScrollBarMoved(Vertical, Pos);
        return;
    }
    TDataSet* ds = DataSet();
    Integer recNo = ds->RecNo();
    if (ds->RecordCount() > 0 && recNo > 0)
        MoveBy(Pos - (recNo - 1));
    else if (Pos == 0) {
        UpdateText();
        ds->First();
    } else if (Pos == 4) {
        UpdateText();
        ds->Last();
    }
}

void TCustomDBGrid::ClientSizeChanged() {
    if (FLayoutLock > 0) return;
    UpdateRowCount();
    UpdateActive();
}

void TCustomDBGrid::ColWidthsChanged() {
    if (FLayoutLock > 0) return;
    // A column sized by the user keeps its new width.
    ++FLayoutLock;
    for (Integer i = 0; i < Columns()->Count(); ++i) {
        TColumn* c = Columns()->Items(i);
        Integer w = ColWidths(DataToRawColumn(i));
        if (c->Visible() && w >= 0 && w != c->Width()) c->SetWidth(w);
    }
    --FLayoutLock;
}

void TCustomDBGrid::Resize() {
    TCustomGrid::Resize();
    if (FLayoutLock == 0) {
        UpdateRowCount();
        UpdateActive();
    }
}

bool TCustomDBGrid::HighlightCell(Integer, Integer, const String&, TGridDrawState AState) {
    if (FOptions.Contains(dgMultiSelect) && FDataLink->Active() && FSelectedRows->CurrentRowSelected())
        return true;
    return AState.Contains(gdSelected) && (FOptions.Contains(dgAlwaysShowSelection) || Focused());
}

void TCustomDBGrid::DrawIndicator(const TRect& ARect, Integer DataRow) {
    if (!FDataLink->Active() || DataRow != FDataLink->ActiveRecord()) return;
    Integer index = 0;
    TDataSet* ds = DataSet();
    if (ds->State() == dsEdit)
        index = 1;
    else if (ds->State() == dsInsert)
        index = 2;
    TImageList* list = Indicators();
    list->SetBkColor(FixedColor());
    Integer x = ARect.Right - list->Width() - 1;
    Integer y = (ARect.Top + ARect.Bottom - list->Height()) / 2;
    list->Draw(Canvas(), x, y, index, true);
}

void TCustomDBGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas* C = Canvas();
    Integer dataRow = ARow - TitleOffset();
    TColumn* column = ColumnAt(ACol);
    if (ACol < IndicatorOffset() || (ARow < TitleOffset())) {
        C->Brush()->SetColor(FixedColor());
        C->FillRect(ARect);
        if (ACol < IndicatorOffset() && dataRow >= 0)
            DrawIndicator(ARect, dataRow);
        else if (column && ARow < TitleOffset()) {
            C->Font()->Assign(column->Title()->Font());
            C->Brush()->SetColor(column->Title()->Color());
            C->FillRect(ARect);
            TRect r = ARect;
            r.Left += 2;
            r.Right -= 2;
            C->Brush()->SetStyle(bsClear);
            static const Cardinal align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
            DrawText(C, column->Title()->Caption(), -1, r,
                     align[column->Title()->Alignment()] | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            C->Brush()->SetStyle(bsSolid);
        }
        return;
    }
    if (!column) return;
    C->Font()->Assign(column->Font());
    C->Brush()->SetColor(column->Color());
    if (!FDataLink->Active()) {
        C->FillRect(ARect);
        return;
    }
    Integer saved = FDataLink->ActiveRecord();
    FDataLink->SetActiveRecord(dataRow);
    core::ScopeExit restore([&] { FDataLink->SetActiveRecord(saved); });
    if (HighlightCell(RawToDataColumn(ACol), dataRow, "", AState)) {
        C->Brush()->SetColor(clHighlight);
        C->Font()->SetColor(clHighlightText);
    }
    if (FDefaultDrawing) DefaultDrawColumnCell(ARect, RawToDataColumn(ACol), column, AState);
    DrawColumnCell(ARect, RawToDataColumn(ACol), column, AState);
}

void TCustomDBGrid::DefaultDrawColumnCell(const TRect& Rect, Integer, TColumn* Column, TGridDrawState) {
    TCanvas* C = Canvas();
    String text;
    if (TField* f = Column ? Column->Field() : nullptr) text = f->DisplayText();
    C->FillRect(Rect);
    TRect r = Rect;
    r.Left += 2;
    r.Right -= 2;
    r.Top += 2;
    static const Cardinal align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TBrushStyle style = C->Brush()->Style();
    C->Brush()->SetStyle(bsClear);
    // Clipped to the cell's full height: capitals' accents rise above the ascent.
    DrawTextClipped(C, text, r, TRect(r.Left, Rect.Top, r.Right, Rect.Bottom),
                    align[Column ? Column->Alignment() : taLeftJustify] | DT_SINGLELINE | DT_NOPREFIX);
    C->Brush()->SetStyle(style);
}

void TCustomDBGrid::DrawColumnCell(const TRect& Rect, Integer DataCol, TColumn* Column,
                                   TGridDrawState State) {
    if (OnDrawColumnCell) OnDrawColumnCell(this, Rect, DataCol, Column, State);
}

void TCustomDBGrid::TitleClick(TColumn* Column) {
    if (OnTitleClick) OnTitleClick(Column);
}

void TCustomDBGrid::CellClick(TColumn* Column) {
    if (OnCellClick) OnCellClick(Column);
}

void TCustomDBGrid::EditButtonClick() {
    if (OnEditButtonClick) OnEditButtonClick(this);
}

TEditStyle TCustomDBGrid::GetEditStyle(Integer ACol, Integer) {
    TColumn* c = ColumnAt(ACol);
    if (!c) return esSimple;
    switch (c->ButtonStyle()) {
    case cbsEllipsis:
        return esEllipsis;
    case cbsNone:
        return esSimple;
    default:
        return c->PickList()->Count() > 0 ? esPickList : esSimple;
    }
}

Integer TCustomDBGrid::GetEditLimit() {
    TColumn* c = ColumnAt(Col());
    TField* f = c ? c->Field() : nullptr;
    return f && (f->DataType() == ftString || f->DataType() == ftWideString) ? f->Size() : 0;
}

std::vector<String> TCustomDBGrid::GetPickListItems(Integer ACol, Integer) {
    std::vector<String> items;
    if (TColumn* c = ColumnAt(ACol))
        for (Integer i = 0; i < c->PickList()->Count(); ++i)
            items.push_back(c->PickList()->Strings(i));
    return items;
}

void TCustomDBGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) {
    Integer from = RawToDataColumn(FromIndex), to = RawToDataColumn(ToIndex);
    if (from >= 0 && to >= 0 && from < Columns()->Count() && to < Columns()->Count()) {
        // A moved default column would come back on the next rebuild.
        Columns()->SetState(csCustomized);
        Columns()->Items(from)->SetIndex(to);
    }
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

bool TCustomDBGrid::CanEditShow() const {
    if (!TCustomGrid::CanEditShow() || FReadOnly || !FDataLink->Active() || FDataLink->ReadOnly())
        return false;
    TColumn* c = ColumnAt(Col());
    return c && c->Field() && !c->ReadOnly() && c->Field()->CanModify();
}

bool TCustomDBGrid::CanEditModify() {
    if (FReadOnly || !FDataLink->Active() || FDataLink->ReadOnly()) return false;
    TColumn* c = ColumnAt(Col());
    if (!c || !c->Field() || c->ReadOnly() || !c->Field()->CanModify()) return false;
    return FDataLink->Edit();
}

String TCustomDBGrid::GetEditText(Integer ACol, Integer) {
    TColumn* c = ColumnAt(ACol);
    TField* f = c ? c->Field() : nullptr;
    return f ? f->Text() : String();
}

void TCustomDBGrid::SetEditText(Integer ACol, Integer, const String& Value) {
    TColumn* c = ColumnAt(ACol);
    TField* f = c ? c->Field() : nullptr;
    if (!f || !CanEditModify()) return;
    if (f->Text() != Value) f->SetText(Value);
}

void TCustomDBGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    if (!FDataLink->Active() || Sizing()) {
        TCustomGrid::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (Button == mbLeft && SizingColumnAt(X, Y) >= 0 && FOptions.Contains(dgColumnResize)) {
        TCustomGrid::MouseDown(Button, Shift, X, Y);
        return;
    }
    TGridCoord cell = MouseCoord(X, Y);
    FPressedTitle = -1;
    if (cell.X >= 0 && cell.Y >= 0) {
        if (cell.Y < TitleOffset()) {
            FPressedTitle = cell.X;
            if (Button == mbLeft && cell.X >= IndicatorOffset()) BeginColumnMove(cell.X, X);
        } else if (Button == mbLeft || Button == mbRight)
            // A right press makes its row current, so the popup that follows acts on
            // the row pointed at.
            MoveToRow(cell.Y);
        if (cell.Y >= TitleOffset() && cell.X >= IndicatorOffset() && cell.X != Col() && Button == mbLeft)
            MoveColRow(cell.X, Row(), true, true);
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TCustomDBGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    bool sizing = Sizing() || ColumnDragging();
    TCustomGrid::MouseUp(Button, Shift, X, Y);
    if (sizing || Button != mbLeft || !FDataLink->Active()) return;
    TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0) return;
    if (cell.Y < TitleOffset()) {
        if (cell.X == FPressedTitle)
            if (TColumn* c = ColumnAt(cell.X)) TitleClick(c);
    } else if (cell.X >= IndicatorOffset()) {
        if (TColumn* c = ColumnAt(Col())) CellClick(c);
    }
    FPressedTitle = -1;
}

bool TCustomDBGrid::AcquireFocus() {
    if (!CanFocus()) return true;
    if (!Focused()) SetFocus();
    return Focused() || (InplaceEditor() && InplaceEditor()->Focused());
}

bool TCustomDBGrid::DoMouseWheel(TShiftState, Integer WheelDelta, TPoint) {
    if (!FDataLink->Active() || WheelDelta == 0 || !AcquireFocus()) return false;
    return MoveBy(WheelDelta < 0 ? 1 : -1) != 0;
}
