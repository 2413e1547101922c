#include "platform/graphics/TCanvas.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TGraphic.h"
#include "platform/graphics/TRegion.h"

#include <algorithm>

namespace {

TRect Normalized(Integer x1, Integer y1, Integer x2, Integer y2) {
    return TRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

// Stands in for "the whole surface" when a backend has no fixed size.
constexpr TRect Unbounded{-(1 << 24), -(1 << 24), 1 << 24, 1 << 24};

} // namespace

TCanvas::TCanvas(std::unique_ptr<graphics::CanvasBackend> backend)
    : FBackend(std::move(backend)), FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()) {
    graphics::TextMeasurer* preferred = FBackend ? FBackend->PreferredMeasurer() : nullptr;
    FMeasurer = preferred ? preferred : &graphics::DefaultTextMeasurer();
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    FBrush->OnChange = [this](TObject*) { BrushChanged(); };
    FTextColor = FFont->Color();
    BrushChanged();
}

TCanvas::~TCanvas() = default;

void TCanvas::FontChanged() {
    FTextColor = FFont->Color();
}

void TCanvas::BrushChanged() {
    if (FBrush->Style() == bsSolid) {
        FBkColor = FBrush->Color();
        FBkMode = OPAQUE;
    } else {
        // Hatches are drawn transparent; the inverse colour keeps a hatch
        // visible should something turn the background opaque.
        FBkColor = ~ColorToRGB(FBrush->Color()) & 0xFFFFFF;
        FBkMode = TRANSPARENT;
    }
}

void TCanvas::SetMeasurer(graphics::TextMeasurer* m) {
    FMeasurer = m ? m : &graphics::DefaultTextMeasurer();
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

graphics::PenState TCanvas::PenState() const {
    graphics::PenState s;
    s.Color = FPen->Color();
    s.Style = FPen->Style();
    s.Width = FPen->Width();
    s.Mode = FPen->Mode();
    s.BkColor = FBkColor;
    s.Opaque = FBkMode == OPAQUE;
    return s;
}

graphics::BrushState TCanvas::BrushState() const {
    graphics::BrushState s;
    s.Color = FBrush->Color();
    s.Style = FBrush->Style();
    s.Bitmap = FBrush->Bitmap();
    s.Mode = FPen->Mode();
    s.BkColor = FBkColor;
    s.Opaque = FBkMode == OPAQUE;
    return s;
}

graphics::TextState TCanvas::TextState() const {
    graphics::TextState s;
    s.Font = FFont->State();
    s.TextColor = FTextColor;
    s.BkColor = FBkColor;
    s.Opaque = FBkMode == OPAQUE;
    s.CharExtra = FCharExtra;
    s.BreakExtra = FBreakExtra;
    s.BreakCount = FBreakCount;
    return s;
}

TRect TCanvas::ToDevice(const TRect& r) const {
    TRect d = r;
    OffsetRect(d, -FOrigin.X, -FOrigin.Y);
    return d;
}

TColor TCanvas::Pixels(Integer X, Integer Y) {
    const TPoint d = ToDevice(TPoint(X, Y));
    return FBackend->GetPixel(d.X, d.Y);
}

void TCanvas::SetPixels(Integer X, Integer Y, TColor Color) {
    Changing();
    const TPoint d = ToDevice(TPoint(X, Y));
    FBackend->SetPixel(d.X, d.Y, Color);
    Changed();
}

void TCanvas::Arc(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4,
                  Integer Y4) {
    Changing();
    FBackend->Arc(ToDevice(Normalized(X1, Y1, X2, Y2)), ToDevice(TPoint(X3, Y3)), ToDevice(TPoint(X4, Y4)),
                  PenState());
    Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
    if (!Bitmap || Bitmap->Empty() || IsRectEmpty(Dest)) return;
    Changing();
    graphics::PixelBuffer src = graphics::Stretch(Bitmap->Pixels(Source), Dest.Width(), Dest.Height());
    const TColor key = ColorToRGB(Color);
    const TColor fill = ColorToRGB(FBrush->Color());
    for (auto& px : src.Pixels)
        if (px == key) px = fill;
    FBackend->Blt(ToDevice(Dest), &src, SRCCOPY, BrushState(), FTextColor, FBkColor);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
    StretchBlt(this, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas, Source.Left, Source.Top,
               Source.Width(), Source.Height(), FCopyMode);
}

void TCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Graphic->Draw(this, Rect);
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
    if (IsRectEmpty(Rect)) return;
    Changing();
    // Every other pixel of a one-pixel frame is inverted: XOR with a checker
    // whose phase follows the device pixel, so a second call restores it.
    const TRect d = ToDevice(Rect);
    const TRect sides[] = {
        {d.Left, d.Top, d.Right, d.Top + 1},
        {d.Left, d.Bottom - 1, d.Right, d.Bottom},
        {d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1},
        {d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1},
    };
    for (const TRect& s : sides) {
        if (IsRectEmpty(s)) continue;
        graphics::PixelBuffer mask(s.Width(), s.Height());
        for (Integer y = 0; y < s.Height(); ++y)
            for (Integer x = 0; x < s.Width(); ++x)
                mask.At(x, y) = ((s.Left + x + s.Top + y) & 1) == 0 ? clWhite : clBlack;
        // Source XOR destination with the checker as source.
        FBackend->Blt(s, &mask, SRCINVERT, BrushState(), FTextColor, FBkColor);
    }
    Changed();
}

void TCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2) {
    Changing();
    FBackend->Ellipse(ToDevice(Normalized(X1, Y1, X2, Y2)), PenState(), BrushState());
    Changed();
}

void TCanvas::FillRect(const TRect& Rect) {
    if (FBrush->Style() == bsClear || IsRectEmpty(Rect)) return;
    Changing();
    FBackend->FillRect(ToDevice(Rect), BrushState());
    Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
    if (FBrush->Style() == bsClear || IsRectEmpty(Rect)) return;
    Changing();
    const TRect d = ToDevice(Rect);
    const auto b = BrushState();
    FBackend->FillRect({d.Left, d.Top, d.Right, d.Top + 1}, b);
    if (d.Height() > 1) FBackend->FillRect({d.Left, d.Bottom - 1, d.Right, d.Bottom}, b);
    if (d.Height() > 2) {
        FBackend->FillRect({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, b);
        if (d.Width() > 1) FBackend->FillRect({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, b);
    }
    Changed();
}

void TCanvas::MoveTo(Integer X, Integer Y) {
    FPenPos = TPoint(X, Y);
}

void TCanvas::LineTo(Integer X, Integer Y) {
    Changing();
    FBackend->Polyline({ToDevice(FPenPos), ToDevice(TPoint(X, Y))}, PenState());
    FPenPos = TPoint(X, Y);
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
    if (Points.size() < 2) return;
    Changing();
    std::vector<TPoint> d;
    d.reserve(Points.size());
    for (const auto& p : Points)
        d.push_back(ToDevice(p));
    FBackend->Polygon(d, PenState(), BrushState());
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
    if (Points.size() < 2) return;
    Changing();
    std::vector<TPoint> d;
    d.reserve(Points.size());
    for (const auto& p : Points)
        d.push_back(ToDevice(p));
    FBackend->Polyline(d, PenState());
    Changed();
}

void TCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2) {
    Changing();
    FBackend->Rectangle(ToDevice(Normalized(X1, Y1, X2, Y2)), PenState(), BrushState());
    Changed();
}

void TCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3) {
    Changing();
    FBackend->RoundRect(ToDevice(Normalized(X1, Y1, X2, Y2)), X3, Y3, PenState(), BrushState());
    Changed();
}

TSize TCanvas::TextExtent(const String& Text) {
    const auto& font = FFont->State();
    Integer w = FMeasurer->TextWidth(font, Text) + FCharExtra * Integer(core::Utf8Length(Text));
    return TSize(w, FMeasurer->Metrics(font).Height);
}

Integer TCanvas::TextWidth(const String& Text) {
    const Integer w = FMeasurer->TextWidth(FFont->State(), Text);
    return FCharExtra == 0 ? w : w + FCharExtra * Integer(core::Utf8Length(Text));
}

void TCanvas::TextOut(Integer X, Integer Y, const String& Text) {
    Changing();
    const TPoint d = ToDevice(TPoint(X, Y));
    FBackend->TextOut(d.X, d.Y, 0, nullptr, Text, TextState());
    FPenPos = TPoint(X + TextWidth(Text), Y);
    Changed();
}

void TCanvas::TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text) {
    Changing();
    Cardinal options = graphics::ETO_CLIPPED;
    if (FBrush->Style() != bsClear) options |= graphics::ETO_OPAQUE;
    const TPoint d = ToDevice(TPoint(X, Y));
    const TRect r = ToDevice(Rect);
    FBackend->TextOut(d.X, d.Y, options, &r, Text, TextState());
    Changed();
}

TRect TCanvas::ClipRect() const {
    TRect r;
    if (FClip) {
        r = FClip->Bounds();
    } else {
        const TSize s = FBackend->Size();
        r = (s.cx > 0 || s.cy > 0) ? TRect(0, 0, s.cx, s.cy) : Unbounded;
    }
    OffsetRect(r, FOrigin.X, FOrigin.Y);
    return r;
}

void TCanvas::ApplyClip() {
    FBackend->SetClip(FClip.get());
}

void TCanvas::SetClipRegion(const TRegion* Region) {
    if (!Region) {
        FClip.reset();
    } else {
        FClip = std::make_unique<TRegion>(*Region);
        FClip->Offset(-FOrigin.X, -FOrigin.Y);
    }
    ApplyClip();
}

void TCanvas::SetClipRect(const TRect& Rect) {
    TRegion r(Rect);
    SetClipRegion(&r);
}

void TCanvas::IntersectClipRect(const TRect& Rect) {
    TRegion r(ToDevice(Rect));
    FClip = std::make_unique<TRegion>(FClip ? FClip->Intersected(r) : r);
    ApplyClip();
}

void TCanvas::ExcludeClipRect(const TRect& Rect) {
    TRegion r(ToDevice(Rect));
    if (!FClip) {
        const TSize s = FBackend->Size();
        FClip = std::make_unique<TRegion>((s.cx > 0 || s.cy > 0) ? TRect(0, 0, s.cx, s.cy) : Unbounded);
    }
    *FClip = FClip->Subtracted(r);
    ApplyClip();
}

std::unique_ptr<TRegion> TCanvas::ClipRegion() const {
    if (!FClip) return nullptr;
    auto r = std::make_unique<TRegion>(*FClip);
    r->Offset(FOrigin.X, FOrigin.Y);
    return r;
}

void TCanvas::SetOrigin(TPoint p) {
    FOrigin = p;
}

namespace graphics {

Integer JustifyShift(Integer breakExtra, Integer breakCount, Integer spaceIndex) {
    if (breakCount <= 0 || spaceIndex <= 0) return 0;
    const Integer n = std::min(spaceIndex, breakCount);
    const Integer each = breakExtra / breakCount, rest = breakExtra % breakCount;
    return n * each + std::min(n, rest);
}

} // namespace graphics
