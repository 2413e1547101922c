#include "grid/VgUtils.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

Integer Channel(Integer Begin, Integer I, Integer Diff, Integer Steps) {
    Integer v = Begin + MulDiv(I, Diff, Steps);
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

} // namespace

void VgDrawGradient(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor,
                    TVgGradientDirection Direction, Byte Colors) {
    if (!Canvas || Direction == fdNone || IsRectEmpty(Rect)) return;
    TBrush* brush = Canvas->Brush();
    TColor savedColor = brush->Color();
    TBrushStyle savedStyle = brush->Style();
    brush->SetStyle(bsSolid);
    if (Colors < 2) {
        brush->SetColor(StartColor);
        Canvas->FillRect(Rect);
        brush->SetColor(savedColor);
        brush->SetStyle(savedStyle);
        return;
    }
    bool forward = Direction == fdTopToBottom || Direction == fdLeftToRight;
    TColor from = ColorToRGB(forward ? StartColor : EndColor);
    TColor to = ColorToRGB(forward ? EndColor : StartColor);
    Integer r0 = GetRValue(from), g0 = GetGValue(from), b0 = GetBValue(from);
    Integer dr = Integer(GetRValue(to)) - r0, dg = Integer(GetGValue(to)) - g0,
            db = Integer(GetBValue(to)) - b0;
    bool vertical = Direction == fdTopToBottom || Direction == fdBottomToTop;
    Integer extent = vertical ? Rect.Height() : Rect.Width();
    Integer colors = Max(2, Min(Colors, extent));
    Integer size = extent / colors;
    auto band = [&](Integer from0, Integer to0) {
        // Bands are cut at the far edge so nothing lands outside Rect.
        to0 = Min(to0, extent);
        if (to0 <= from0) return;
        TRect r = Rect;
        if (vertical) {
            r.Top = Rect.Top + from0;
            r.Bottom = Rect.Top + to0;
        } else {
            r.Left = Rect.Left + from0;
            r.Right = Rect.Left + to0;
        }
        Canvas->FillRect(r);
    };
    if (size > 0) {
        for (Integer i = 0; i <= colors; ++i) {
            brush->SetColor(RGB(Byte(Channel(r0, i, dr, colors - 1)), Byte(Channel(g0, i, dg, colors - 1)),
                                Byte(Channel(b0, i, db, colors - 1))));
            band(i * size, i * size + size);
        }
    }
    Integer rest = extent % colors;
    if (rest > 0) {
        brush->SetColor(to);
        band(extent - rest, extent);
    }
    brush->SetColor(savedColor);
    brush->SetStyle(savedStyle);
}

void DrawBitmapTransparent(TCanvas* Canvas, Integer X, Integer Y, TBitmap* Bitmap, TColor TransparentColor) {
    if (!Canvas || !Bitmap || Bitmap->Empty()) return;
    if (TransparentColor == clNone) {
        Canvas->Draw(X, Y, Bitmap);
        return;
    }
    Integer w = Bitmap->Width(), h = Bitmap->Height();
    TColor key = TransparentColor;
    if (Bitmap->Monochrome())
        key = clWhite;
    else if (key == clDefault)
        key = Bitmap->Canvas()->Pixels(0, h - 1);
    key = ColorToRGB(key);
    // Runs of opaque pixels per line keep the number of fills small.
    TCanvas* src = Bitmap->Canvas();
    TBrush* brush = Canvas->Brush();
    TColor savedColor = brush->Color();
    TBrushStyle savedStyle = brush->Style();
    brush->SetStyle(bsSolid);
    for (Integer y = 0; y < h; ++y) {
        Integer x = 0;
        while (x < w) {
            TColor c = ColorToRGB(src->Pixels(x, y));
            if (c == key) {
                ++x;
                continue;
            }
            Integer start = x;
            while (x < w && ColorToRGB(src->Pixels(x, y)) == c)
                ++x;
            brush->SetColor(c);
            Canvas->FillRect(Rect(X + start, Y + y, X + x, Y + y + 1));
        }
    }
    brush->SetColor(savedColor);
    brush->SetStyle(savedStyle);
}

void WriteCellText(TCanvas* Canvas, TRect Rect, Integer DX, bool RightToLeft, bool WordWrap,
                   TVgTextEllipsis Ellipsis, TAlignment Alignment, const String& Text, Integer DY) {
    if (!Canvas) return;
    static const Cardinal AlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    Cardinal flags = AlignFlags[Alignment] | DT_EXPANDTABS | DT_NOPREFIX | DT_VCENTER;
    if (WordWrap) flags |= DT_WORDBREAK;
    if (Ellipsis == teEnd)
        flags |= DT_END_ELLIPSIS;
    else if (Ellipsis == teMiddle)
        flags |= DT_PATH_ELLIPSIS;
    if (RightToLeft) flags |= DT_RTLREADING;
    TBrushStyle saved = Canvas->Brush()->Style();
    Canvas->Brush()->SetStyle(bsClear);
    const TRect cell = Rect;
    Rect.Left += DX;
    Rect.Right -= DX;
    Rect.Top += DY;
    Rect.Bottom -= DY;
    // Clipped to the cell's full height, so that the accents of capitals
    // reaching above the font's ascent stay whole (Őri and Öri stay apart).
    if (!IsRectEmpty(Rect))
        DrawTextClipped(Canvas, Text, Rect, TRect(Rect.Left, cell.Top, Rect.Right, cell.Bottom), flags);
    Canvas->Brush()->SetStyle(saved);
}

void VgFrameCell(TCanvas* Canvas, TRect Rect, Cardinal Style, bool Flat, Cardinal First, Cardinal Second) {
    if (Flat)
        DrawEdge(Canvas, Rect, Style, BF_FLAT | BF_RECT);
    else {
        DrawEdge(Canvas, Rect, Style, First);
        DrawEdge(Canvas, Rect, Style, Second);
    }
}
