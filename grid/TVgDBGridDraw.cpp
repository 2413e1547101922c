// How the data grid paints: background, cells in their fixed order of
// steps, the footer strip.
#include "grid/TVgDBGrid.h"

#include "grid/VgGlyphs.h"
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

} // namespace

// ---- One cell ---------------------------------------------------------------

void TVgDBGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas* C = Canvas();
    Integer dataCol = ACol - IndicatorOffset();
    TColumn* column = dataCol >= 0 && dataCol < Columns()->Count() ? Columns()->Items(dataCol) : nullptr;
    if (column) C->Font()->Assign(column->Font());
    bool indicator = ACol == 0 && Options().Contains(dgIndicator);
    bool titleRow = ARow == 0 && Options().Contains(dgTitles);
    Integer dataRow = ARow - TitleOffset();
    TRect rect = ARect;

    // 1. Fixed-cell background.
    if (AState.Contains(gdFixed)) {
        Integer edge = 0;
        if (indicator)
            C->Brush()->SetColor(FixedColor());
        else {
            if (FExOptions.Contains(eoSelectedTitle) && SelectedIndex() == dataCol) edge = 1;
            if (column) C->Brush()->SetColor(column->Title()->Color());
        }
        if (Options().Contains(dgColLines) && !FFlat) InflateRect(rect, -1, -1);
        if (!indicator && FGridStyle->Title()->Direction() != fdNone)
            FGridStyle->Title()->Draw(C, rect);
        else
            C->FillRect(rect);
        TRect e = ARect;
        if (FFlat)
            DrawEdge(C, e, EdgeStyles[edge], BF_FLAT | BF_RECT);
        else {
            DrawEdge(C, e, EdgeStyles[edge], BF_LEFT | BF_BOTTOM);
            DrawEdge(C, e, EdgeStyles[edge], BF_TOP | BF_RIGHT);
        }
        rect = ARect;
    }

    // 2. Default body of fixed cells; data cells are drawn once, in step 5.
    if (DefaultDrawing()) {
        if (titleRow && indicator) {
            if (FExOptions.Contains(eoStandardPopup)) {
                Integer dx = (ARect.Width() - PopupMarkSize) / 2, dy = (ARect.Height() - PopupMarkSize) / 2;
                C->Brush()->SetStyle(bsSolid);
                C->Brush()->SetColor(clBlack);
                C->Pen()->SetColor(clBlack);
                C->Polygon({Point(ARect.Left + dx, ARect.Top + dy),
                            Point(ARect.Left + dx + PopupMarkSize, ARect.Top + dy),
                            Point(ARect.Left + dx + PopupMarkSize / 2, ARect.Bottom - dy)});
            }
        } else if (column && AState.Contains(gdFixed)) {
            if (titleRow)
                DrawTitleCell(ACol, ARect, column, AState);
            else {
                TGridDrawState s = AState;
                if (FExOptions.Contains(eoFixedLikeColumn) && ACol > 0 && ACol <= FFixedCols)
                    s.Exclude(gdFixed);
                DefDrawCell(ACol, ARow, ARect, s);
            }
        }
    }

    // 3. Title event for every cell.
    if (OnDrawColumnTitle) OnDrawColumnTitle(this, ARect, ACol, column, AState);

    bool done = false;
    bool dataCell = !titleRow && dataRow >= 0 && !indicator;
    // 4. Column kinds draw their own cells.
    auto* vgColumn = dynamic_cast<TVgDBColumn*>(column);
    if (DefaultDrawing() && DataLink()->Active() && vgColumn && vgColumn->DrawsItself() &&
        vgColumn->Field() && dataCell && dataRow < DataLink()->RecordCount()) {
        ActiveRecordScope scope(DataLink(), dataRow);
        TColor color;
        if (FFixedCols > 0 && ACol <= FFixedCols)
            color = FixedColor();
        else {
            bool highlighted = HighlightCell(ACol, ARow, "", AState);
            color = highlighted ? clHighlight : column->Color();
            GetCellProps(ACol, vgColumn->Field(), C->Font(), color, highlighted);
        }
        vgColumn->DrawItem(C, ARect, vgColumn->Field()->Value(), color, AState, done);
    }

    // 5. Everything a kind did not draw.
    if (!done && !indicator) {
        if (AState.Contains(gdFixed)) {
            if (OnDrawColumnCell && column && !titleRow && DataLink()->Active() && dataRow >= 0 &&
                dataRow < DataLink()->RecordCount()) {
                ActiveRecordScope scope(DataLink(), dataRow);
                OnDrawColumnCell(this, ARect, dataCol, column, AState);
            }
        } else if (FGridStyle->Background()->Empty() && FGridStyle->Wallpaper()->Direction() == fdNone &&
                   (!column || ColumnEllipsis(column) == teNone))
            DrawDataCell(ACol, ARow, ARect, AState);
        else
            DefDrawCell(ACol, ARow, ARect, AState);
    }

    // 6. Indicator column of a data row.
    if (indicator && dataRow >= 0 && DataLink()->Active()) DrawIndicatorCell(ARow, ARect);

    // 7. Title buttons.
    if (FExOptions.Contains(eoTitleButtons) && !FLoading && AState.Contains(gdFixed) && titleRow) {
        TColor savedPen = C->Pen()->Color();
        bool down = ACol == FPressedCol && FPressed;
        TRect r = ARect;
        C->Pen()->SetColor(clWindowFrame);
        if (!Options().Contains(dgColLines)) {
            C->MoveTo(r.Right - 1, r.Top);
            C->LineTo(r.Right - 1, r.Bottom);
            --r.Right;
        }
        if (!Options().Contains(dgRowLines)) {
            C->MoveTo(r.Left, r.Bottom - 1);
            C->LineTo(r.Right, r.Bottom - 1);
            --r.Bottom;
        }
        TColumn* btnColumn =
            DataLink()->Active() && dataCol >= 0 && dataCol < Columns()->Count() ? column : nullptr;
        TRect e = r;
        if (FFlat)
            DrawEdge(C, e, EdgeStyles[down ? 1 : 0], BF_FLAT | BF_RECT);
        else {
            DrawEdge(C, e, EdgeStyles[down ? 1 : 0], BF_BOTTOMRIGHT);
            DrawEdge(C, e, EdgeStyles[down ? 1 : 0], BF_TOPLEFT);
        }
        InflateRect(r, -1, -1);
        if (down) {
            ++r.Left;
            ++r.Top;
        }
        C->Font()->Assign(TitleFont());
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FixedColor());
        if (btnColumn) {
            C->Font()->Assign(btnColumn->Title()->Font());
            C->Brush()->SetColor(btnColumn->Title()->Color());
            if (btnColumn->Field() && OnGetBtnParams) {
                TColor bg = C->Brush()->Color();
                OnGetBtnParams(this, btnColumn->Field(), C->Font(), bg, down);
                C->Brush()->SetColor(bg);
            }
        }
        C->FillRect(r);
        if (DataLink()->Active()) {
            if (btnColumn)
                WriteCellText(C, r, 2, false, FExOptions.Contains(eoTitleWordWrap), teNone,
                              btnColumn->Title()->Alignment(), btnColumn->Title()->Caption(), 2);
        }
        C->Pen()->SetColor(savedPen);
    }

    // 8. Filter strip.
    if (FExOptions.Contains(eoShowFilterBar) && titleRow && column) {
        const TRect strip = FilterStripRect(ARect);
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FGridStyle->FilterColor());
        C->FillRect(strip);
        if (vgColumn && !vgColumn->Filterable()) {
            C->Pen()->SetColor(clWindowFrame);
            C->MoveTo(strip.Left, strip.Top + 1);
            C->LineTo(strip.Right, strip.Bottom);
            C->MoveTo(strip.Left, strip.Bottom);
            C->LineTo(strip.Right, strip.Top + 1);
        } else if (vgColumn) {
            C->Font()->Assign(column->Title()->Font());
            C->TextRect(strip, strip.Left + 1, strip.Top + 1, vgColumn->FilterValue());
        }
        C->Pen()->SetColor(clGray);
        C->MoveTo(strip.Left, strip.Top);
        C->LineTo(strip.Right, strip.Top);
    }
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
        Integer recNo = DataSet()->RecNo();
        // RecNo is the current record's: the row's own is that plus its distance.
        Integer number = recNo != -1 ? recNo + ARow - Row() : dataRow + 1;
        C->Font()->Assign(Font());
        C->Brush()->SetStyle(bsClear);
        DrawText(C, std::to_string(number), -1, t, DT_RIGHT | DT_EXPANDTABS);
        C->Brush()->SetStyle(bsSolid);
    }
    bool current = dataRow == scope.Saved();
    if (current || rowSelected) {
        Integer index = 0;
        switch (DataSet()->State()) {
        case dsEdit:
            index = 1;
            break;
        case dsInsert:
            index = 2;
            break;
        case dsBrowse:
            index = rowSelected ? (current ? 4 : 3) : 0;
            break;
        default:
            index = 0;
            break;
        }
        images->SetBkColor(FixedColor());
        Integer x = ARect.Right - images->Width() - m;
        Integer y = (ARect.Top + ARect.Bottom - images->Height()) / 2;
        images->Draw(C, x, y, index, true);
    }
    if (glyph && !glyph->Empty()) {
        Integer right;
        if (glyph->Width() < r.Width())
            right = r.Left + m + glyph->Width();
        else if (FExOptions.Contains(eoCheckBoxSelect))
            right = r.Right - CheckBoxGlyphSize - m;
        else
            right = r.Right - images->Width() - m;
        C->StretchDraw(Rect(r.Left + m, r.Top + m, right, r.Bottom - m), glyph.get());
    }
}

void TVgDBGrid::DrawTitleCell(Integer, TRect Rect, TColumn* Column, TGridDrawState) {
    TCanvas* C = Canvas();
    auto* vgColumn = dynamic_cast<TVgDBColumn*>(Column);
    // 1. The band above the caption.
    if (FExOptions.Contains(eoDrawBands) && vgColumn && vgColumn->BandIndex() >= 0 &&
        vgColumn->BandIndex() < FBands->Count()) {
        TRect band = GetBandRect(Column->Index());
        band.Bottom = band.Top + DefaultRowHeight();
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Column->Title()->Color());
        if (FGridStyle->Bands()->Direction() != fdNone)
            FGridStyle->Bands()->Draw(C, band);
        else
            C->FillRect(band);
        C->Font()->Assign(FBandsFont.get());
        TRect inner = band;
        InflateRect(inner, -1, -1);
        WriteCellText(C, inner, 2, false, FExOptions.Contains(eoTitleWordWrap), teNone, taCenter,
                      FBands->Strings(vgColumn->BandIndex()), 2);
        ++band.Bottom;
        if (FFlat)
            DrawEdge(C, band, BDR_RAISEDINNER, BF_BOTTOM);
        else {
            DrawEdge(C, band, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
            DrawEdge(C, band, BDR_RAISEDINNER, BF_TOPLEFT);
        }
        Rect.Top += DefaultRowHeight() + 1;
    }
    // 2. Room for the sort marker.
    Integer sortWidth = GetSortImageWidth();
    bool sorted = vgColumn && vgColumn->SortType() != stNone;
    TRect caption = Rect;
    if (Rect.Width() > sortWidth && sorted) caption.Right -= sortWidth;
    // 3. Caption, then the marker.
    String text = Column->Title()->Caption();
    if (text.empty()) return;
    C->Brush()->SetStyle(bsClear);
    C->Font()->Assign(Column->Title()->Font());
    if (!FExOptions.Contains(eoTitleButtons))
        WriteCellText(C, caption, 2, false, FExOptions.Contains(eoTitleWordWrap), teNone,
                      Column->Title()->Alignment(), text, 2);
    if (!sorted) return;
    Integer w = sortWidth;
    Integer dy = (Rect.Height() - w - (FExOptions.Contains(eoShowFilterBar) ? FilterStripHeight : 0)) / 2;
    TRect box = Bounds(Rect.Right - 4 - w, Rect.Top + dy, w, w);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Column->Title()->Color());
    C->FillRect(box);
    TBitmap* arrow = GetGridBitmap(vgColumn->SortType() == stAscending ? VG_ARROWASC : VG_ARROWDESC);
    DrawBitmapTransparent(C, box.Left + (w - arrow->Width()) / 2, box.Top + (w - arrow->Height()) / 2, arrow,
                          clSilver);
    if (!vgColumn->SortCaption().empty()) {
        C->Font()->SetName("Small Fonts");
        C->Font()->SetSize(5);
        C->Font()->SetStyle({});
        C->Brush()->SetStyle(bsClear);
        TRect t = ::Rect(Rect.Right - 4 - w, Rect.Top + dy, Rect.Right - 4, Rect.Bottom);
        DrawText(C, vgColumn->SortCaption(), -1, t, DT_CENTER | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    }
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
        bool checked = false;
        try {
            checked = !field->IsNull() && field->DataType() == ftBoolean && field->AsBoolean();
        } catch (...) {
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
    // Pictures are kept as BMP bytes; anything unreadable leaves the cell empty.
    TBitmap picture;
    try {
        String bytes = Field->AsString();
        picture.LoadFromBytes(reinterpret_cast<const Byte*>(bytes.data()), bytes.size());
    } catch (...) {
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

Integer TVgDBGrid::GetSortImageWidth() const {
    return std::max(GetGridBitmap(VG_ARROWASC)->Width(), GetGridBitmap(VG_ARROWDESC)->Width());
}
