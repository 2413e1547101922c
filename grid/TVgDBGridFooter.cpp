// The data grid's whole paint: background, the cells (TVgDBGridDraw.cpp) and
// the footer strip under them; and the room the footer's texts take.
#include "grid/TVgDBGrid.h"

#include "platform/core/ScopeExit.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TGridDataLink.h"

#include <algorithm>

void TVgDBGrid::Paint() {
    DrawGridBackground();
    TCustomDBGrid::Paint();
    TCanvas* C = Canvas();
    if (!DataLink()->Active()) {
        TRect r = ClientRect();
        C->Font()->Assign(Font());
        C->Brush()->SetStyle(bsClear);
        DrawText(C, "<No data to display>", -1, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        C->Brush()->SetStyle(bsSolid);
    }
    if (FExOptions.Contains(eoShowFooter)) DrawFooter();
}

void TVgDBGrid::DrawGridBackground() {
    TCanvas* C = Canvas();
    TRect r = ClientRect();
    if (!FGridStyle->Background()->Empty()) {
        TBitmap* b = FGridStyle->Background();
        for (Integer y = r.Top; y < r.Bottom; y += b->Height())
            for (Integer x = r.Left; x < r.Right; x += b->Width())
                C->Draw(x, y, b);
    } else if (FGridStyle->Wallpaper()->Direction() != fdNone)
        FGridStyle->Wallpaper()->Draw(C, r);
    if (OnDrawBackground) OnDrawBackground(this);
}

namespace {

// What a footer cell keeps around its text: the sunken frame and the text's own margins.
constexpr Integer FooterTextMargin = 7;

} // namespace

Integer TVgDBGrid::FooterTextLeft(Integer Raw, Integer Width, const std::vector<String>& Texts) const {
    const TRect cell = CellRect(Raw, 0);
    Integer left = cell.Left;
    for (Integer k = Raw - 1; k >= IndicatorOffset() && cell.Right - left < Width; --k) {
        const TRect other = CellRect(k, 0);
        if (!Texts[static_cast<std::size_t>(k)].empty() || IsRectEmpty(other)) break;
        left = other.Left;
    }
    return left;
}

Integer TVgDBGrid::FooterTextRoom(const String& Text) const {
    TCanvas* C = Canvas();
    C->Font()->Assign(Font());
    return C->TextWidth(Text) + FooterTextMargin;
}

void TVgDBGrid::FitWidths() {
    if (FExOptions.Contains(eoAutoWidth))
        UpdateColWidths();
    else
        WidenForFooters();
}

void TVgDBGrid::WidenForFooters() {
    if (!FExOptions.Contains(eoShowFooter) || FLoading || FUpdatingWidths) return;
    FUpdatingWidths = true;
    core::ScopeExit done([this] { FUpdatingWidths = false; });
    Integer spare = 0; // the empty footer cells just left of a column, their lines included
    for (Integer i = 0; i < Columns()->Count(); ++i) {
        // A column still being built (inserted from its base's constructor) is no TVgDBColumn yet.
        auto* column = dynamic_cast<TVgDBColumn*>(Columns()->Items(i));
        if (!column || !column->Visible()) {
            spare = 0;
            continue;
        }
        const String text = column->FooterCellText();
        if (text.empty()) {
            spare += column->Width() + GridLineWidth();
            continue;
        }
        const Integer need = FooterTextRoom(text);
        if (column->Width() + spare < need) column->SetWidth(need - spare);
        spare = 0;
    }
}

void TVgDBGrid::FooterChanged() {
    FitWidths();
    InvalidateFooter();
}

void TVgDBGrid::DrawFooter() {
    TCanvas* C = Canvas();
    TRect footer = GetFooterRect();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(Rect(footer.Left, footer.Top, footer.Right, footer.Bottom + 1));
    // The strip ends at the last column shown.
    Integer right = 0;
    for (Integer c = ColCount() - 1; c >= 0; --c) {
        TRect cell = CellRect(c, 0);
        if (!IsRectEmpty(cell)) {
            right = std::max(right, cell.Right);
            break;
        }
    }
    TRect strip = footer;
    strip.Right = std::min(footer.Right, right + 1);
    if (IsRectEmpty(strip)) return;
    C->Brush()->SetColor(FFooterColor);
    C->FillRect(strip);
    auto line = [&](Integer l, Integer t, Integer r, Integer b, TColor color) {
        C->Brush()->SetColor(color);
        C->FillRect(Rect(l, t, r, b));
    };
    line(strip.Left, strip.Top - 1, strip.Right, strip.Top, clBlack);
    line(strip.Left, strip.Top, strip.Right, strip.Top + 1, clWhite);
    line(strip.Left, strip.Top, strip.Left + 1, strip.Bottom, clWhite);
    line(strip.Left, strip.Bottom - 1, strip.Right, strip.Bottom, clBlack);
    if (!DataLink()->Active()) return;
    std::vector<String> texts(static_cast<std::size_t>(std::max(ColCount(), 0)));
    for (Integer raw = IndicatorOffset(); raw < ColCount(); ++raw)
        if (auto* column = dynamic_cast<TVgDBColumn*>(ColumnAt(raw)))
            texts[static_cast<std::size_t>(raw)] = column->FooterCellText();
    for (Integer raw = IndicatorOffset(); raw < ColCount(); ++raw) {
        auto* column = dynamic_cast<TVgDBColumn*>(ColumnAt(raw));
        TRect cell = CellRect(raw, 0);
        if (!column || IsRectEmpty(cell)) continue;
        TRect r = Rect(cell.Left, footer.Top + 2, cell.Right, footer.Bottom - 2);
        String text = texts[static_cast<std::size_t>(raw)];
        C->Brush()->SetColor(FFooterColor);
        C->Font()->Assign(Font());
        bool defaultDrawing = true;
        if (OnDrawFooterCell) OnDrawFooterCell(this, C, r, column->Field(), text, defaultDrawing);
        if (!defaultDrawing || text.empty()) continue;
        // The handler may have changed the font: the text is measured and written in the grid's.
        r.Left = FooterTextLeft(raw, FooterTextRoom(text), texts);
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FFooterColor);
        if (FGridStyle->Footer()->Direction() != fdNone)
            FGridStyle->Footer()->Draw(C, r);
        else
            C->FillRect(r);
        TRect frame = r;
        InflateRect(frame, -1, -1);
        line(frame.Left, frame.Top, frame.Right, frame.Top + 1, clBtnShadow);
        line(frame.Left, frame.Top, frame.Left + 1, frame.Bottom, clBtnShadow);
        line(frame.Right - 1, frame.Top, frame.Right, frame.Bottom, clBtnHighlight);
        line(frame.Left, frame.Bottom - 1, frame.Right, frame.Bottom, clBtnHighlight);
        TRect textRect = frame;
        InflateRect(textRect, -2, -2);
        textRect.Right = std::min(textRect.Right, cell.Left + cell.Width() - 4);
        WriteCellText(C, textRect, 0, false, false, teNone, column->Alignment(), text, 0);
    }
}
