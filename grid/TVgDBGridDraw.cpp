// How the data grid paints a cell: its steps in their fixed order, the
// indicator column and what a data cell shows. The title row's own parts are
// in TVgDBGridTitles.cpp.
#include "grid/TVgDBGrid.h"

#include "grid/VgGlyphs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/core/Variant.h"
#include "platform/data/TBlobField.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawFrameControl.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TGridDataLink.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Integer CheckBoxGlyphSize = 13;
// Raised, and sunk for a selected title.
constexpr Cardinal EdgeStyles[] = {BDR_RAISEDINNER, BDR_SUNKENINNER};

// Sets the link's active record for the duration of one cell.
class ActiveRecordScope {
public:
    ActiveRecordScope(TDataLink* Link, Integer Record) : FLink(Link), FSaved(Link->ActiveRecord()) {
        FLink->SetActiveRecord(Record);
    }
    ~ActiveRecordScope() { FLink->SetActiveRecord(FSaved); }
    Integer Saved() const { return FSaved; }
    ActiveRecordScope(const ActiveRecordScope&) = delete;
    ActiveRecordScope& operator=(const ActiveRecordScope&) = delete;

private:
    TDataLink* FLink;
    Integer FSaved;
};

// The indicator image of a current or selected row: 1 editing, 2 inserting;
// browsing 0 current, 3 selected, 4 both.
Integer IndicatorImage(TDataSetState State, bool Selected, bool Current) {
    switch (State) {
    case dsEdit:
        return 1;
    case dsInsert:
        return 2;
    case dsBrowse:
        return Selected ? (Current ? 4 : 3) : 0;
    default:
        return 0;
    }
}

} // namespace

// ---- One cell ---------------------------------------------------------------

TVgDBGrid::DrawnCell TVgDBGrid::DescribeCell(Integer ACol, Integer ARow, const TRect& ARect,
                                             TGridDrawState AState) const {
    DrawnCell c{.Col = ACol,
                .Row = ARow,
                .Rect = ARect,
                .State = AState,
                .DataCol = ACol - IndicatorOffset(),
                .DataRow = ARow - TitleOffset()};
    if (c.DataCol >= 0 && c.DataCol < Columns()->Count()) c.Column = Columns()->Items(c.DataCol);
    c.VgColumn = dynamic_cast<TVgDBColumn*>(c.Column);
    c.Indicator = ACol == 0 && Options().Contains(dgIndicator);
    c.TitleRow = ARow == 0 && Options().Contains(dgTitles);
    return c;
}

// The steps run in this order, a later one painting over what an earlier one left.
void TVgDBGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
    const DrawnCell cell = DescribeCell(ACol, ARow, ARect, AState);
    if (cell.Column) Canvas()->Font()->Assign(cell.Column->Font());
    if (AState.Contains(gdFixed)) DrawFixedFrame(cell);
    if (DefaultDrawing()) DrawFixedBody(cell);
    if (OnDrawColumnTitle) OnDrawColumnTitle(this, ARect, ACol, cell.Column, AState);
    if (!DrawKindCell(cell) && !cell.Indicator) DrawCellBody(cell);
    if (cell.Indicator && cell.DataRow >= 0 && DataLink()->Active()) DrawIndicatorCell(ARow, ARect);
    if (FExOptions.Contains(eoTitleButtons) && !FLoading && AState.Contains(gdFixed) && cell.TitleRow)
        DrawTitleButton(cell);
    if (FExOptions.Contains(eoShowFilterBar) && cell.TitleRow && cell.Column) DrawFilterStrip(cell);
}

void TVgDBGrid::DrawFixedFrame(const DrawnCell& Cell) {
    TCanvas* C = Canvas();
    Integer edge = 0;
    if (Cell.Indicator)
        C->Brush()->SetColor(FixedColor());
    else {
        if (FExOptions.Contains(eoSelectedTitle) && SelectedIndex() == Cell.DataCol) edge = 1;
        if (Cell.Column) C->Brush()->SetColor(Cell.Column->Title()->Color());
    }
    TRect fill = Cell.Rect;
    if (Options().Contains(dgColLines) && !FFlat) InflateRect(fill, -1, -1);
    if (!Cell.Indicator && FGridStyle->Title()->Direction() != fdNone)
        FGridStyle->Title()->Draw(C, fill);
    else
        C->FillRect(fill);
    VgFrameCell(C, Cell.Rect, EdgeStyles[edge], FFlat, BF_LEFT | BF_BOTTOM, BF_TOP | BF_RIGHT);
}

// Fixed cells only; data cells are drawn once, by DrawKindCell or DrawCellBody.
void TVgDBGrid::DrawFixedBody(const DrawnCell& Cell) {
    if (Cell.TitleRow && Cell.Indicator) {
        if (FExOptions.Contains(eoStandardPopup)) DrawPopupMark(Cell.Rect);
    } else if (Cell.Column && Cell.State.Contains(gdFixed)) {
        if (Cell.TitleRow)
            DrawTitleCell(Cell.Col, Cell.Rect, Cell.Column, Cell.State);
        else {
            TGridDrawState s = Cell.State;
            if (FExOptions.Contains(eoFixedLikeColumn) && Cell.Col > 0 && Cell.Col <= FFixedCols)
                s.Exclude(gdFixed);
            DefDrawCell(Cell.Col, Cell.Row, Cell.Rect, s);
        }
    }
}

bool TVgDBGrid::DrawKindCell(const DrawnCell& Cell) {
    TVgDBColumn* column = Cell.VgColumn;
    const bool dataCell = !Cell.TitleRow && Cell.DataRow >= 0 && !Cell.Indicator;
    if (!DefaultDrawing() || !DataLink()->Active() || !column || !column->DrawsItself() || !column->Field() ||
        !dataCell || Cell.DataRow >= DataLink()->RecordCount())
        return false;
    TCanvas* C = Canvas();
    ActiveRecordScope scope(DataLink(), Cell.DataRow);
    TColor color;
    if (FFixedCols > 0 && Cell.Col <= FFixedCols)
        color = FixedColor();
    else {
        bool highlighted = HighlightCell(Cell.Col, Cell.Row, "", Cell.State);
        color = highlighted ? clHighlight : column->Color();
        GetCellProps(Cell.Col, column->Field(), C->Font(), color, highlighted);
    }
    bool done = false;
    column->DrawItem(C, Cell.Rect, column->Field()->Value(), color, Cell.State, done);
    return done;
}

// Everything a column kind did not draw itself.
void TVgDBGrid::DrawCellBody(const DrawnCell& Cell) {
    if (Cell.State.Contains(gdFixed)) {
        if (OnDrawColumnCell && Cell.Column && !Cell.TitleRow && DataLink()->Active() && Cell.DataRow >= 0 &&
            Cell.DataRow < DataLink()->RecordCount()) {
            ActiveRecordScope scope(DataLink(), Cell.DataRow);
            OnDrawColumnCell(this, Cell.Rect, Cell.DataCol, Cell.Column, Cell.State);
        }
    } else if (FGridStyle->Background()->Empty() && FGridStyle->Wallpaper()->Direction() == fdNone &&
               (!Cell.Column || ColumnEllipsis(Cell.Column) == teNone))
        DrawDataCell(Cell.Col, Cell.Row, Cell.Rect, Cell.State);
    else
        DefDrawCell(Cell.Col, Cell.Row, Cell.Rect, Cell.State);
}

void TVgDBGrid::DrawDataCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas* C = Canvas();
    TColumn* column = ColumnAt(ACol);
    Integer dataRow = ARow - TitleOffset();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(column ? column->Color() : Color());
    if (!column || !DataLink()->Active() || dataRow < 0 || dataRow >= DataLink()->RecordCount()) {
        C->FillRect(ARect);
        return;
    }
    C->Font()->Assign(column->Font());
    ActiveRecordScope scope(DataLink(), dataRow);
    DrawColumnCell(ARect, RawToDataColumn(ACol), column, AState);
}

void TVgDBGrid::DrawIndicatorCell(Integer ARow, const TRect& ARect) {
    TCanvas* C = Canvas();
    Integer dataRow = ARow - TitleOffset();
    if (dataRow >= DataLink()->RecordCount()) return;
    TRect r = ARect;
    Integer m = 2;
    if (Options().Contains(dgColLines) && Options().Contains(dgRowLines)) {
        InflateRect(r, -1, -1);
        m = 1;
    }
    TImageList* images = Indicators();
    ActiveRecordScope scope(DataLink(), dataRow);
    bool rowSelected = ActiveRowSelected();
    std::unique_ptr<TBitmap> glyph(GetGlyph());
    if (FExOptions.Contains(eoCheckBoxSelect)) {
        TRect box = r;
        box.Right -= 2 * m + images->Width();
        DrawCheckBox(box, rowSelected ? cbChecked : cbUnchecked, taRightJustify);
    }
    if (FExOptions.Contains(eoRowNumber)) {
        TRect t = r;
        t.Right -= 3 * m + images->Width();
        if (FExOptions.Contains(eoCheckBoxSelect)) t.Right -= CheckBoxGlyphSize;
        DrawRowNumber(ARow, dataRow, t);
    }
    bool current = dataRow == scope.Saved();
    if (current || rowSelected) {
        images->SetBkColor(FixedColor());
        Integer x = ARect.Right - images->Width() - m;
        Integer y = (ARect.Top + ARect.Bottom - images->Height()) / 2;
        images->Draw(C, x, y, IndicatorImage(DataSet()->State(), rowSelected, current), true);
    }
    if (glyph && !glyph->Empty()) {
        Integer right = glyph->Width() < r.Width()              ? r.Left + m + glyph->Width()
                        : FExOptions.Contains(eoCheckBoxSelect) ? r.Right - CheckBoxGlyphSize - m
                                                                : r.Right - images->Width() - m;
        C->StretchDraw(Rect(r.Left + m, r.Top + m, right, r.Bottom - m), glyph.get());
    }
}

void TVgDBGrid::DrawRowNumber(Integer ARow, Integer DataRow, const TRect& Text) {
    TCanvas* C = Canvas();
    Integer recNo = DataSet()->RecNo();
    // RecNo is the current record's: the row's own is that plus its distance.
    Integer number = recNo != -1 ? recNo + ARow - Row() : DataRow + 1;
    C->Font()->Assign(Font());
    C->Brush()->SetStyle(bsClear);
    TRect t = Text;
    DrawText(C, std::to_string(number), -1, t, DT_RIGHT | DT_EXPANDTABS);
    C->Brush()->SetStyle(bsSolid);
}

void TVgDBGrid::DefDrawCell(Integer ACol, Integer ARow, TRect Rect, TGridDrawState State) {
    TCanvas* C = Canvas();
    if (FLoading) {
        C->Brush()->SetColor(Color());
        C->FillRect(Rect);
        return;
    }
    Integer row = ARow - TitleOffset();
    Integer col = ACol - IndicatorOffset();
    if (col < 0 || col >= Columns()->Count()) return;
    TColumn* column = Columns()->Items(col);
    bool fixed = State.Contains(gdFixed);
    C->Font()->Assign(fixed ? column->Title()->Font() : column->Font());
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(fixed ? (row < 0 ? column->Title()->Color() : FixedColor()) : column->Color());
    if (row < 0) {
        WriteCellText(C, Rect, 0, false, FExOptions.Contains(eoTitleWordWrap), teNone,
                      column->Title()->Alignment(), column->Title()->Caption(), 0);
        return;
    }
    if (!DataLink()->Active() || row >= DataLink()->RecordCount()) {
        C->FillRect(Rect);
        return;
    }
    ActiveRecordScope scope(DataLink(), row);
    TField* field = column->Field();
    String value = field ? field->DisplayText() : String();
    if (HighlightCell(ACol, row, value, State)) {
        C->Brush()->SetColor(clHighlight);
        C->Font()->SetColor(clHighlightText);
    }
    if (!fixed) {
        TColor bg = C->Brush()->Color();
        GetCellProps(col, field, C->Font(), bg, HighlightCell(ACol, row, value, State));
        C->Brush()->SetColor(bg);
    }
    if (DefaultDrawing()) {
        C->FillRect(Rect);
        WriteCellText(C, Rect, 2, false, false, ColumnEllipsis(column), column->Alignment(), value, 2);
    }
    DrawColumnCell(Rect, col, column, State);
}

bool TVgDBGrid::HighlightCell(Integer DataCol, Integer DataRow, const String& Value, TGridDrawState AState) {
    if (ActiveRowSelected()) return true;
    return TCustomDBGrid::HighlightCell(DataCol, DataRow, Value, AState);
}

void TVgDBGrid::GetCellProps(Integer DataCol, TField* Field, TFont* AFont, TColor& Background,
                             bool Highlight) {
    if (!Highlight && (FExOptions.Contains(eoFixedLikeColumn) || DataCol >= FFixedCols) &&
        FGridStyle->Style() != gsNormal)
        Background = DataLink()->ActiveRecord() % 2 == 0 ? FGridStyle->OddColor() : FGridStyle->EvenColor();
    if (OnGetCellParams) OnGetCellParams(this, Field, AFont, Background, Highlight);
}

void TVgDBGrid::DrawColumnCell(const TRect& Rect, Integer DataCol, TColumn* Column, TGridDrawState State) {
    TCanvas* C = Canvas();
    Integer side = std::min(GetSystemMetrics(SM_CXVSCROLL), Rect.Height());
    TRect button = ::Rect(Rect.Right - side + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
    TField* field = Column ? Column->Field() : nullptr;
    bool focusedSel = State.Contains(gdSelected) && (Options().Contains(dgAlwaysShowSelection) || Focused());
    TColor color = C->Brush()->Color();
    if (State.Contains(gdFixed))
        color = FixedColor();
    else if (focusedSel ||
             (field && HighlightCell(DataCol, DataLink()->ActiveRecord(), field->AsString(), State))) {
        color = Focused() ? clHighlight : clInactiveCaption;
        C->Font()->SetColor(clHighlightText);
    }
    if (Column) GetCellProps(Column->Index(), field, C->Font(), color, focusedSel || ActiveRowSelected());
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(color);
    if (DefaultDrawing()) {
        Integer image = GetImageIndex(field);
        if (image >= 0) {
            C->FillRect(Rect);
            TBitmap* b = GetGridBitmap(image);
            DrawBitmapTransparent(C, (Rect.Left + Rect.Right - b->Width()) / 2,
                                  (Rect.Top + Rect.Bottom - b->Height()) / 2, b, clOlive);
        } else if (DrawGroupings(Rect, DataCol, Column, State))
            return;
    }
    bool drawn = false;
    // A check box cell's text would only be painted over.
    if (DefaultDrawing() && !FExOptions.Contains(eoShowLookup) && Column &&
        ColumnEllipsis(Column) == teNone && GetImageIndex(field) < 0 &&
        !(DataLink()->Active() && ColumnIsCheckbox(Column)))
        DefaultDrawColumnCell(Rect, DataCol, Column, State);
    TCustomDBGrid::DrawColumnCell(Rect, DataCol, Column, State);
    if (DefaultDrawing() && focusedSel && Focused() && !Options().Contains(dgRowSelect))
        C->DrawFocusRect(Rect);
    if (DefaultDrawing() && FExOptions.Contains(eoDrawGraphicField) && DataLink()->Active() &&
        dynamic_cast<TBlobField*>(field) &&
        (field->DataType() == ftBlob || field->DataType() == ftGraphic ||
         field->DataType() == ftTypedBinary || field->DataType() == ftParadoxOle ||
         field->DataType() == ftDBaseOle)) {
        C->FillRect(Rect);
        DrawGraphic(Rect, field);
        drawn = true;
    }
    if (DefaultDrawing() && DataLink()->Active() && ColumnIsCheckbox(Column)) {
        // A stored value that is no boolean ('igen', '') draws unchecked: raising out
        // of a paint would bring up a message box on every repaint of the list.
        bool checked = false;
        try {
            checked = !field->IsNull() && field->DataType() == ftBoolean && field->AsBoolean();
        } catch (const Exception&) {
            checked = false;
        }
        C->FillRect(Rect);
        DrawCheckBox(Rect, checked ? cbChecked : cbUnchecked, taCenter);
        drawn = true;
    }
    if (FExOptions.Contains(eoShowLookup) && Column) {
        if ((field && field->Lookup()) || Column->PickList()->Count() > 0) {
            C->FillRect(Rect);
            DefaultDrawColumnCell(Rect, DataCol, Column, State);
            DrawComboArrow(button);
        } else if (Column->ButtonStyle() == cbsEllipsis) {
            C->FillRect(button);
            TRect e = button;
            DrawEdge(C, e, EDGE_RAISED, BF_RECT | BF_MIDDLE);
            Integer d = std::max(1, button.Height() / 8);
            Integer cx = button.Left + button.Width() / 2, cy = button.Top + button.Height() / 2;
            C->Brush()->SetColor(clBlack);
            for (Integer x : {cx - 2 * d, cx, cx + 2 * d})
                C->FillRect(Bounds(x, cy, d, d));
        } else if (!drawn)
            DefaultDrawColumnCell(Rect, DataCol, Column, State);
    }
}

bool TVgDBGrid::DrawGroupings(const TRect& Rect, Integer, TColumn* Column, TGridDrawState State) {
    if (!Column) return false;
    TCanvas* C = Canvas();
    for (Integer i = 0; i < FGroupings->Count(); ++i) {
        TVgGrouping* group = FGroupings->Items(i);
        if (group->Expression().empty()) continue;
        String text = Column->Field() ? Column->Field()->DisplayText() : String();
        bool value = false;
        if (OnExpression) OnExpression(this, group->Expression(), text, value);
        if (!value) continue;
        TRect r = Rect;
        r.Left = Options().Contains(dgIndicator) ? FWidthOfIndicator + 1 : 1;
        TColumn* master = nullptr;
        Integer right = Columns()->Count() > 0
                            ? CalcTitleRect1(Columns()->Items(Columns()->Count() - 1), 0, master).Right
                            : 0;
        r.Right = right != 0 ? right : ClientRect().Width();
        bool defaultDrawing = true;
        if (OnDrawGroupingCell) OnDrawGroupingCell(this, C, r, group, text, defaultDrawing);
        if (!defaultDrawing) return false;
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(group->Color());
        C->Font()->Assign(group->Font());
        if (FGridStyle->Grouping()->Direction() != fdNone)
            FGridStyle->Grouping()->Draw(C, r);
        else
            C->FillRect(r);
        TAlignment alignment = Column->Alignment();
        if (DataSet())
            if (TField* f = DataSet()->FindField(group->Expression())) alignment = f->Alignment();
        WriteCellText(C, r, State.Contains(gdFixed) ? -1 : -2, false, FExOptions.Contains(eoTitleWordWrap),
                      teNone, alignment, text, 2);
        return true;
    }
    return false;
}

TBitmap* TVgDBGrid::GetGlyph() {
    TBitmap* b = nullptr;
    if (OnGetGlyph) OnGetGlyph(this, b);
    return b;
}

void TVgDBGrid::DrawCheckBox(const TRect& Rect, TCheckBoxState State, TAlignment Alignment) {
    Integer w = CheckBoxGlyphSize, h = CheckBoxGlyphSize;
    Integer left = Alignment == taLeftJustify    ? Rect.Left
                   : Alignment == taRightJustify ? Rect.Right - w
                                                 : Rect.Left + (Rect.Width() - w) / 2;
    Integer top = Rect.Top + (Rect.Height() - w) / 2;
    TRect box = Bounds(left, top, w, h);
    Cardinal flags = State == cbChecked  ? DFCS_CHECKED
                     : State == cbGrayed ? DFCS_CHECKED | DFCS_BUTTON3STATE
                                         : 0;
    if (FFlat) flags |= DFCS_FLAT;
    DrawFrameControl(Canvas(), box, DFC_BUTTON, DFCS_BUTTONCHECK | flags);
}

void TVgDBGrid::DrawGraphic(const TRect& Rect, TField* Field) {
    if (!Field || Field->IsNull()) return;
    // Pictures are kept as BMP bytes; anything unreadable leaves the cell empty
    // rather than raising out of a paint, which would repeat on every repaint.
    TBitmap picture;
    try {
        String bytes = Field->AsString();
        picture.LoadFromBytes(reinterpret_cast<const Byte*>(bytes.data()), bytes.size());
    } catch (const Exception&) {
        return;
    }
    if (picture.Width() <= 0 || picture.Height() <= 0) return;
    double ratio = double(picture.Width()) / picture.Height();
    Integer h = Rect.Height(), w = Integer(std::lround(h * ratio));
    if (w > Rect.Width()) {
        w = Rect.Width();
        h = Integer(std::lround(w / ratio));
    }
    TRect target = Bounds((Rect.Left + Rect.Right - w) / 2, (Rect.Top + Rect.Bottom - h) / 2, w, h);
    InflateRect(target, -1, -1);
    Canvas()->StretchDraw(target, &picture);
}

void TVgDBGrid::DrawComboArrow(const TRect& Rect) {
    TRect r = Rect;
    DrawFrameControl(Canvas(), r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
}

bool TVgDBGrid::ColumnIsCheckbox(TColumn* Column) const {
    if (!Column || !Column->Field()) return false;
    if (Column->Field()->DataType() == ftBoolean && FExOptions.Contains(eoBooleanAsCheckBox)) return true;
    auto* vg = dynamic_cast<TVgDBColumn*>(Column);
    return vg && vg->InplaceEditor() == ieCheckbox;
}

TRect TVgDBGrid::CellRectForDraw(const TRect& Rect, Integer DataCol) const {
    TRect r = Rect;
    Integer w = GetSortImageWidth();
    if (r.Width() > w + 4 && DataCol > -1 && DataCol < Columns()->Count()) {
        auto* c = dynamic_cast<TVgDBColumn*>(Columns()->Items(DataCol));
        if (c && c->SortType() != stNone) r.Right -= w + 4;
    }
    r.Right -= 2 * (GridLineWidth() + 1) + 1;
    return r;
}
