#include "controls/drawing/UtlGradient.h"

#include "controls/common/GxUtils.h"
#include "controls/services/TUtlApplication.h"
#include "controls/common/UtlCanvasGuard.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"

#include <cmath>

namespace {

Integer Channel(TColor c, int shift) {
    return Integer((c >> shift) & 0xFF);
}

// The anchor of each style, relative to the rectangle: the shape every step
// grows from.
TRect Anchor(TUtlGradientStyle style, Integer w, Integer h) {
    switch (style) {
    case gstHorizontal:
    case gstVertical:
        return TRect(0, 0, w, h);
    case gstSquare:
    case gstElliptic:
        return TRect(w / 2, h / 2, w / 2, h / 2);
    case gstTopLeft:
    case gstTopLeftDiagonal:
        return TRect(0, 0, 1, 1);
    case gstTopRight:
        return TRect(w, 1, w + 1, 0);
    case gstBottomLeft:
        return TRect(1, h, 0, h + 1);
    case gstBottomRight:
        return TRect(w, h, w + 1, h + 1);
    // The mirror of the top-left diagonal's anchor, so that the largest step
    // reaches the far corner pixel too.
    case gstTopRightDiagonal:
        return TRect(w, 0, w, 1);
    }
    return TRect();
}

// Corner rectangles are given with their corners in any order, as the
// platform's Rectangle accepts them.
TRect Normalized(Integer l, Integer t, Integer r, Integer b) {
    return TRect(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b));
}

} // namespace

bool UtlPaletteWanted(Word Flags) {
    if (!(Flags & ugfPalette)) return false;
    const bool selfRealize = UtlApplication && UtlApplication->Options.Contains(aoAutoRealizePalette);
    return !(selfRealize && SystemColorDepth() < 9);
}

TColor UtlGradientGetColor(TColor C1, TColor C2, Integer Pos, Integer Total) {
    C1 = ColorToRGB(C1);
    C2 = ColorToRGB(C2);
    if (Total == 0) return C1 & 0xFFFFFF;
    auto mix = [&](int shift) {
        const double a = Channel(C1, shift), b = Channel(C2, shift);
        return TColor(Integer(std::trunc(a + (b - a) * Pos / Total)) & 0xFF) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

void UtlGradientCreateColorList(TColor C1, TColor C2, Byte Count, TUtlColorList* List, bool Fresh) {
    if (!List || Count == 0) return;
    if (Fresh) List->clear();
    C1 = ColorToRGB(C1);
    C2 = ColorToRGB(C2);
    // One step has no end to divide towards: it is the start colour.
    const Integer span = std::max<Integer>(Count - 1, 1);
    for (Integer i = Fresh ? 0 : 1; i < Count; ++i) {
        auto step = [&](int shift) {
            const Integer a = Channel(C1, shift), b = Channel(C2, shift);
            return TColor((a + MulDiv(i, b - a, span)) & 0xFF) << shift;
        };
        List->push_back(step(0) | step(8) | step(16));
    }
}

HPALETTE UtlGradientCreatePalette(const TUtlColorList* List) {
    if (!List || List->empty()) return nullptr;
    LOGPALETTE description;
    for (TColor c : *List)
        description.palPalEntry.push_back({GetRValue(c), GetGValue(c), GetBValue(c), PC_NOCOLLAPSE});
    return CreatePalette(&description);
}

namespace utl {

std::vector<GradientShape> GradientShapes(TUtlGradientStyle Style, const TUtlColorList& List, Integer W,
                                          Integer H) {
    std::vector<GradientShape> shapes;
    const Integer n = Integer(List.size());
    if (n == 0 || W <= 0 || H <= 0) return shapes;
    const TRect a = Anchor(Style, W, H);
    if (Style == gstHorizontal) {
        for (Integer i = 0; i < n; ++i)
            shapes.push_back({GradientShape::Fill,
                              TRect(a.Left + MulDiv(i, W, n), a.Top, a.Left + MulDiv(i + 1, W, n), a.Bottom),
                              {},
                              List[std::size_t(i)]});
        return shapes;
    }
    // The corners are the outermost ellipse's: its radius of 1/1.4 of the size
    // meant to reach them, which pixel rounding of an odd size can miss.
    if (Style == gstElliptic) shapes.push_back({GradientShape::Fill, TRect(0, 0, W, H), {}, List.back()});
    // The largest shape first, so that the smaller ones paint over it.
    for (Integer i = n - 1; i >= 0; --i) {
        const Integer k = i + 1;
        Integer dx = MulDiv(k, W, n), dy = MulDiv(k, H, n);
        GradientShape s;
        s.Color = List[std::size_t(i)];
        const Integer cx = a.Left, cy = a.Top;
        switch (Style) {
        case gstHorizontal:
            break;
        case gstVertical:
            s.Rect = TRect(a.Left, a.Top + MulDiv(i, H, n), a.Right, a.Top + MulDiv(k, H, n));
            break;
        case gstSquare:
            s.Shape = GradientShape::Rectangle;
            s.Rect = TRect(cx - dx / 2, cy - dy / 2, cx + dx / 2 + 2, cy + dy / 2 + 2);
            break;
        case gstElliptic: {
            s.Shape = GradientShape::Ellipse;
            const Integer rx = Integer(std::lround(dx / 1.4)), ry = Integer(std::lround(dy / 1.4));
            // One more pixel right and below keeps the pen-less ellipse, which
            // leaves out its right and bottom edge, centred on the anchor: the
            // outermost one then reaches every corner.
            s.Rect = TRect(cx - rx, cy - ry, cx + rx + 1, cy + ry + 1);
            break;
        }
        case gstTopLeft:
            s.Shape = GradientShape::Rectangle;
            s.Rect = Normalized(a.Left, a.Top, a.Right + dx, a.Bottom + dy);
            break;
        case gstTopRight:
            s.Shape = GradientShape::Rectangle;
            s.Rect = Normalized(a.Left - dx, a.Top + dy, a.Right, a.Bottom);
            break;
        case gstBottomLeft:
            s.Shape = GradientShape::Rectangle;
            s.Rect = Normalized(a.Left + dx, a.Top - dy, a.Right, a.Bottom);
            break;
        case gstBottomRight:
            s.Shape = GradientShape::Rectangle;
            s.Rect = Normalized(a.Left - dx, a.Top - dy, a.Right, a.Bottom);
            break;
        case gstTopLeftDiagonal:
            dx *= 2;
            dy *= 2;
            s.Shape = GradientShape::Polygon;
            s.Points = {
                {a.Left, a.Top}, {a.Left + dx, a.Top}, {a.Left, a.Bottom + dy}, {a.Left - dx, a.Bottom + dy}};
            break;
        case gstTopRightDiagonal:
            dx *= 2;
            dy *= 2;
            s.Shape = GradientShape::Polygon;
            s.Points = {{a.Right, a.Top},
                        {a.Right - dx, a.Top},
                        {a.Right, a.Bottom + dy},
                        {a.Right + dx, a.Bottom + dy}};
            break;
        }
        shapes.push_back(std::move(s));
    }
    return shapes;
}

} // namespace utl

namespace {

void PaintShapes(TCanvas* target, const std::vector<utl::GradientShape>& shapes, TPoint at,
                 bool paletteRelative) {
    target->Brush()->SetStyle(bsSolid);
    target->Pen()->SetStyle(psClear);
    for (const utl::GradientShape& s : shapes) {
        target->Brush()->SetColor(paletteRelative
                                      ? PALETTERGB(GetRValue(s.Color), GetGValue(s.Color), GetBValue(s.Color))
                                      : s.Color);
        TRect r = s.Rect;
        OffsetRect(r, at.X, at.Y);
        switch (s.Shape) {
        case utl::GradientShape::Fill:
            target->FillRect(r);
            break;
        case utl::GradientShape::Rectangle:
            target->Rectangle(r);
            break;
        case utl::GradientShape::Ellipse:
            target->Ellipse(r);
            break;
        case utl::GradientShape::Polygon: {
            std::vector<TPoint> points = s.Points;
            for (TPoint& p : points)
                p = TPoint(p.X + at.X, p.Y + at.Y);
            target->Polygon(points);
            break;
        }
        }
    }
}

} // namespace

void UtlGradientPaintExt(TCanvas* Canvas, const TRect& R, TUtlGradientStyle Style, const TUtlColorList* List,
                         HPALETTE Palette, Word Flags, Cardinal Offset) {
    if (!Canvas || !List || List->empty() || IsRectEmpty(R)) return;
    const Integer w = R.Width(), h = R.Height();
    const bool usePalette = Palette && UtlPaletteWanted(Flags);
    const std::vector<utl::GradientShape> shapes = utl::GradientShapes(Style, *List, w, h);
    const bool paletteRelative = usePalette && Style != gstHorizontal;
    utl::CanvasGuard guard(Canvas);
    if (Flags & ugfBitmap) {
        TBitmap buffer(w, h, pf24bit);
        TCanvas* target = buffer.Canvas();
        if (usePalette) {
            SelectPalette(target, Palette, false);
            RealizePalette(target);
        }
        PaintShapes(target, shapes, TPoint(0, 0), paletteRelative);
        SelectPalette(target, nullptr, false);
        if (usePalette) {
            SelectPalette(Canvas, Palette, false);
            RealizePalette(Canvas);
        }
        Canvas->Draw(R.Left, R.Top, &buffer);
        return;
    }
    if (Flags & ugfClip) {
        TRect clip = R;
        // The offset's halves are signed: a canvas moved left or up passes them negative.
        if (Offset != 0)
            OffsetRect(clip, Integer(std::int16_t(Offset & 0xFFFF)), Integer(std::int16_t(Offset >> 16)));
        const TRegion region(clip);
        Canvas->SetClipRegion(&region);
    } else {
        // The outer ellipses and diagonals reach past the rectangle: without a
        // clip of the caller's they would paint over the neighbours.
        Canvas->IntersectClipRect(R);
    }
    if (usePalette) {
        SelectPalette(Canvas, Palette, false);
        RealizePalette(Canvas);
    }
    PaintShapes(Canvas, shapes, R.TopLeft(), paletteRelative);
}

namespace {

// Paints the list and leaves the caller's canvas without the temporary palette,
// which is freed here.
void PaintWithOwnPalette(TCanvas* Canvas, const TRect& R, TUtlGradientStyle Style, const TUtlColorList& list,
                         Word Flags, Cardinal Offset) {
    HPALETTE palette = (Flags & ugfPalette) ? UtlGradientCreatePalette(&list) : nullptr;
    HPALETTE before = Canvas ? Canvas->Palette() : nullptr;
    UtlGradientPaintExt(Canvas, R, Style, &list, palette, Flags, Offset);
    if (palette) {
        if (Canvas && Canvas->Palette() == palette) Canvas->SetPalette(before);
        DeleteObject(palette);
    }
}

} // namespace

void UtlGradientPaint(TCanvas* Canvas, const TRect& R, TColor C1, TColor C2, Byte Count,
                      TUtlGradientStyle Style, Word Flags, Cardinal Offset) {
    TUtlColorList list;
    UtlGradientCreateColorList(C1, C2, Count, &list, true);
    PaintWithOwnPalette(Canvas, R, Style, list, Flags, Offset);
}

void UtlSuperGradientPaint(TCanvas* Canvas, const TRect& R, const std::vector<TColor>& Colors, Byte Count,
                           TUtlGradientStyle Style, Word Flags, Cardinal Offset) {
    TUtlColorList list;
    const std::size_t last = Colors.empty() ? 0 : Colors.size() - 1;
    // Each neighbour pair adds Count div (colours − 1) steps after its start colour.
    for (std::size_t i = 0; i < last; ++i)
        UtlGradientCreateColorList(Colors[i], Colors[i + 1], Byte(Count / last), &list, false);
    UtlGradientPaintExt(Canvas, R, Style, &list, nullptr, Flags & ~ugfPalette, Offset);
}
