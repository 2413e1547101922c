// How the title row paints: captions, bands, sort markers, title buttons,
// the filter strip, and the standard popup's mark in the corner cell.
#include "grid/TVgDBGrid.h"

#include "grid/VgGlyphs.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TGridDataLink.h"

#include <algorithm>

void TVgDBGrid::DrawPopupMark(const TRect& Rect) {
    TCanvas* C = Canvas();
    Integer dx = (Rect.Width() - PopupMarkSize) / 2, dy = (Rect.Height() - PopupMarkSize) / 2;
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clBlack);
    C->Pen()->SetColor(clBlack);
    C->Polygon({Point(Rect.Left + dx, Rect.Top + dy), Point(Rect.Left + dx + PopupMarkSize, Rect.Top + dy),
                Point(Rect.Left + dx + PopupMarkSize / 2, Rect.Bottom - dy)});
}

void TVgDBGrid::DrawTitleButton(const DrawnCell& Cell) {
    TCanvas* C = Canvas();
    const TColor savedPen = C->Pen()->Color();
    const bool down = Cell.Col == FPressedCol && FPressed;
    TRect r = Cell.Rect;
    C->Pen()->SetColor(clWindowFrame);
    // Without grid lines the button draws its own right and bottom line.
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
    VgFrameCell(C, r, down ? BDR_SUNKENINNER : BDR_RAISEDINNER, FFlat, BF_BOTTOMRIGHT, BF_TOPLEFT);
    InflateRect(r, -1, -1);
    if (down) {
        ++r.Left;
        ++r.Top;
    }
    DrawTitleButtonFace(Cell, r, down);
    C->Pen()->SetColor(savedPen);
}

void TVgDBGrid::DrawTitleButtonFace(const DrawnCell& Cell, const TRect& Face, bool Down) {
    TCanvas* C = Canvas();
    TColumn* column = DataLink()->Active() ? Cell.Column : nullptr;
    C->Font()->Assign(TitleFont());
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FixedColor());
    if (column) {
        C->Font()->Assign(column->Title()->Font());
        C->Brush()->SetColor(column->Title()->Color());
        if (column->Field() && OnGetBtnParams) {
            TColor bg = C->Brush()->Color();
            OnGetBtnParams(this, column->Field(), C->Font(), bg, Down);
            C->Brush()->SetColor(bg);
        }
    }
    C->FillRect(Face);
    if (column)
        WriteCellText(C, Face, 2, false, FExOptions.Contains(eoTitleWordWrap), teNone,
                      column->Title()->Alignment(), column->Title()->Caption(), 2);
}

void TVgDBGrid::DrawFilterStrip(const DrawnCell& Cell) {
    TCanvas* C = Canvas();
    const TRect strip = FilterStripRect(Cell.Rect);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FGridStyle->FilterColor());
    C->FillRect(strip);
    if (Cell.VgColumn && !Cell.VgColumn->Filterable()) {
        C->Pen()->SetColor(clWindowFrame);
        C->MoveTo(strip.Left, strip.Top + 1);
        C->LineTo(strip.Right, strip.Bottom);
        C->MoveTo(strip.Left, strip.Bottom);
        C->LineTo(strip.Right, strip.Top + 1);
    } else if (Cell.VgColumn) {
        C->Font()->Assign(Cell.Column->Title()->Font());
        C->TextRect(strip, strip.Left + 1, strip.Top + 1, Cell.VgColumn->FilterValue());
    }
    // The separator between caption and strip.
    C->Pen()->SetColor(clGray);
    C->MoveTo(strip.Left, strip.Top);
    C->LineTo(strip.Right, strip.Top);
}

void TVgDBGrid::DrawTitleCell(Integer, TRect Rect, TColumn* Column, TGridDrawState) {
    TCanvas* C = Canvas();
    auto* vgColumn = dynamic_cast<TVgDBColumn*>(Column);
    if (FExOptions.Contains(eoDrawBands) && vgColumn && vgColumn->BandIndex() >= 0 &&
        vgColumn->BandIndex() < FBands->Count()) {
        DrawTitleBand(vgColumn);
        Rect.Top += DefaultRowHeight() + 1;
    }
    // The caption leaves room for the sort marker.
    Integer sortWidth = GetSortImageWidth();
    bool sorted = vgColumn && vgColumn->SortType() != stNone;
    TRect caption = Rect;
    if (Rect.Width() > sortWidth && sorted) caption.Right -= sortWidth;
    String text = Column->Title()->Caption();
    if (text.empty()) return;
    C->Brush()->SetStyle(bsClear);
    C->Font()->Assign(Column->Title()->Font());
    if (!FExOptions.Contains(eoTitleButtons))
        WriteCellText(C, caption, 2, false, FExOptions.Contains(eoTitleWordWrap), teNone,
                      Column->Title()->Alignment(), text, 2);
    if (sorted) DrawSortMarker(Rect, vgColumn, sortWidth);
}

// The band above a caption: the full width of the band's columns, one row high.
void TVgDBGrid::DrawTitleBand(TVgDBColumn* Column) {
    TCanvas* C = Canvas();
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
                  FBands->Strings(Column->BandIndex()), 2);
    ++band.Bottom;
    if (FFlat)
        DrawEdge(C, band, BDR_RAISEDINNER, BF_BOTTOM);
    else
        VgFrameCell(C, band, BDR_RAISEDINNER, false, BF_BOTTOMRIGHT, BF_TOPLEFT);
}

// The marker sits at the right, centred in the height the filter strip leaves.
void TVgDBGrid::DrawSortMarker(const TRect& Rect, TVgDBColumn* Column, Integer Width) {
    TCanvas* C = Canvas();
    Integer w = Width;
    Integer dy = (Rect.Height() - w - (FExOptions.Contains(eoShowFilterBar) ? FilterStripHeight : 0)) / 2;
    TRect box = Bounds(Rect.Right - 4 - w, Rect.Top + dy, w, w);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Column->Title()->Color());
    C->FillRect(box);
    TBitmap* arrow = GetGridBitmap(Column->SortType() == stAscending ? VG_ARROWASC : VG_ARROWDESC);
    DrawBitmapTransparent(C, box.Left + (w - arrow->Width()) / 2, box.Top + (w - arrow->Height()) / 2, arrow,
                          clSilver);
    if (!Column->SortCaption().empty()) {
        C->Font()->SetName("Small Fonts");
        C->Font()->SetSize(5);
        C->Font()->SetStyle({});
        C->Brush()->SetStyle(bsClear);
        TRect t = ::Rect(Rect.Right - 4 - w, Rect.Top + dy, Rect.Right - 4, Rect.Bottom);
        DrawText(C, Column->SortCaption(), -1, t, DT_CENTER | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    }
    C->Brush()->SetStyle(bsSolid);
}

Integer TVgDBGrid::GetSortImageWidth() const {
    return std::max(GetGridBitmap(VG_ARROWASC)->Width(), GetGridBitmap(VG_ARROWDESC)->Width());
}
