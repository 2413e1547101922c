#include "controls/buttons/TGradient.h"

#include "controls/buttons/GxProperties.h"
#include "controls/buttons/Tgx3DColors.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <cmath>

namespace {

Byte Clip8(double v) {
    return Byte(std::clamp<long>(std::lround(v), 0, 255));
}

// Puts a pen on the canvas for its lifetime and restores the previous one.
class PenSwap {
public:
    PenSwap(TCanvas* canvas, TColor color, TPenStyle style, Integer width) : FCanvas(canvas) {
        FSaved.Assign(canvas->Pen());
        canvas->Pen()->SetColor(color);
        canvas->Pen()->SetStyle(style);
        canvas->Pen()->SetWidth(width);
    }
    ~PenSwap() { FCanvas->Pen()->Assign(&FSaved); }
    PenSwap(const PenSwap&) = delete;
    PenSwap& operator=(const PenSwap&) = delete;

private:
    TCanvas* FCanvas;
    TPen FSaved;
};

} // namespace

// ---- TTwainColors ----------------------------------------------------------------

TTwainColors::TTwainColors() : FFromRGB(ColorToRGB(clGray)), FToRGB(ColorToRGB(clBlack)) {
    gx::RegisterProperties();
}

void TTwainColors::SetFromColor(TColor Value) {
    if (Value == FFromColor) return;
    FFromColor = Value;
    FFromRGB = ColorToRGB(Value);
    Changed();
}

void TTwainColors::SetToColor(TColor Value) {
    if (Value == FToColor) return;
    FToColor = Value;
    FToRGB = ColorToRGB(Value);
    Changed();
}

void TTwainColors::Changed() {
    if (OnChange) OnChange(this);
}

// ---- TCustomGradient ---------------------------------------------------------------

void TCustomGradient::SetSteps(Integer Value) {
    Value = std::clamp<Integer>(Value, 1, 255);
    if (Value == FSteps) return;
    FSteps = Value;
    Changed();
}

void TCustomGradient::SetPercentFilling(TgxPercent Value) {
    if (Value == FPercentFilling) return;
    FPercentFilling = Value;
    Changed();
}

void TCustomGradient::SetBrushStyle(TBrushStyle Value) {
    FBrushStyle = Value;
    Changed();
}

void TCustomGradient::SetOrientation(TgxGradientDir Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    if (FActive) Changed();
}

void TCustomGradient::SetActive(bool Value) {
    if (Value == FActive) return;
    FActive = Value;
    Changed();
}

void TCustomGradient::TextOut(HDC DC, const String& Text, const TRect& Rect, Integer X, Integer Y) {
    if (!DC) return;
    if (!FActive || GetDeviceCaps(DC, BITSPIXEL) < 16) {
        ::TextOut(DC, X, Y, Text, -1);
        return;
    }
    const bool vertical = FOrientation == fgdVertical;
    const Integer m = vertical ? Rect.Width() : Rect.Height();
    const TColor from = FromRGB(), to = ToRGB();
    double r = GetRValue(from), g = GetGValue(from), b = GetBValue(from);
    // An empty rectangle has no line to spread the blend over.
    const double dr = m > 0 ? (double(GetRValue(to)) - r) / m : 0.0;
    const double dg = m > 0 ? (double(GetGValue(to)) - g) / m : 0.0;
    const double db = m > 0 ? (double(GetBValue(to)) - b) / m : 0.0;
    const TColor saved = DC->TextColor();
    const Integer stripes = MulDiv(m, FPercentFilling, 100);
    for (Integer j = 0; j <= stripes; ++j) {
        DC->SetTextColor(RGB(Clip8(r), Clip8(g), Clip8(b)));
        TRect clip = Rect;
        if (vertical) {
            clip.Left = Rect.Left + j;
            clip.Right = Rect.Left + j + 1;
        } else {
            clip.Top = Rect.Top + j;
            clip.Bottom = Rect.Top + j + 1;
        }
        ExtTextOut(DC, X, Y, graphics::ETO_CLIPPED, &clip, Text, -1, nullptr);
        r += dr;
        g += dg;
        b += db;
    }
    DC->SetTextColor(saved);
}

TColor TCustomGradient::GetColorFromGradientLine(Word Count, Word Index) const {
    const TColor from = FromRGB(), to = ToRGB();
    if (Count == 0) return from;
    auto channel = [&](Byte f, Byte t) {
        const float step = float(int(t) - int(f)) / float(Count);
        return Clip8(double(Index) * step + f);
    };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

// ---- TGradient ------------------------------------------------------------------------

void TGradient::Draw(HDC DC, const TRect& Rect, TPenStyle PenStyle, Integer PenWidth) {
    if (!DC || !FActive || gxGlobalData.GradientsOff || Steps() == 1 || GetDeviceCaps(DC, BITSPIXEL) < 16)
        return;
    const TgxGradientDir orientation = Orientation();
    const Integer w = Rect.Width(), h = Rect.Height();
    if (orientation == fgdHorzConvergent || orientation == fgdVertConvergent) {
        // The halves are drawn as plain blends, the second with the colours swapped;
        // the object is put back however the drawing ends.
        struct Restore {
            TGradient* G;
            TgxGradientDir Dir;
            bool Swapped = false;
            ~Restore() {
                if (Swapped) G->SwapRGB();
                G->SetOrientationQuietly(Dir);
            }
        } restore{this, orientation};
        const bool horizontal = orientation == fgdHorzConvergent;
        SetOrientationQuietly(horizontal ? fgdHorizontal : fgdVertical);
        TRect first = Rect, second = Rect;
        if (horizontal) {
            first.Bottom -= h / 2;
            second.Top += h / 2;
        } else {
            first.Right -= w / 2;
            second.Left += w / 2;
        }
        DrawBands(DC, first, PenStyle, PenWidth);
        SwapRGB();
        restore.Swapped = true;
        DrawBands(DC, second, PenStyle, PenWidth);
        return;
    }
    DrawBands(DC, Rect, PenStyle, PenWidth);
}

void TGradient::DrawBands(HDC DC, const TRect& Rect, TPenStyle PenStyle, Integer PenWidth) {
    const Integer w = Rect.Width(), h = Rect.Height();
    if (w <= 0 || h <= 0) return;

    // Off-screen drawing starts from what the target shows, so partial fills and
    // rectangles away from the origin come out as when drawn straight.
    std::unique_ptr<TBitmap> buffer;
    HDC target = DC;
    TRect r = Rect;
    if (BufferedDraw()) {
        buffer = std::make_unique<TBitmap>(w, h, pf24bit);
        if (BitBlt(buffer->Canvas(), 0, 0, w, h, DC, Rect.Left, Rect.Top, SRCCOPY)) {
            target = buffer->Canvas();
            r = TRect(0, 0, w, h);
        } else {
            buffer.reset();
        }
    }

    const TgxGradientDir orientation = Orientation();
    Integer bw = w, bh = h;
    Integer n = 0;
    switch (orientation) {
    case fgdHorizontal:
        n = std::min(Steps(), h);
        break;
    case fgdVertical:
        n = std::min(Steps(), w);
        break;
    case fgdLeftBias:
    case fgdRightBias:
        n = std::min(Steps(), w + h);
        break;
    case fgdRectangle:
        bw /= 2;
        bh /= 2;
        n = std::min(Steps(), std::min(bw, bh));
        break;
    default:
        break;
    }
    const Integer step = PenWidth <= 0 ? 1 : PenWidth;
    const TColor from = FromRGB(), to = ToRGB();
    const int d[3] = {int(GetRValue(to)) - GetRValue(from), int(GetGValue(to)) - GetGValue(from),
                      int(GetBValue(to)) - GetBValue(from)};
    TPoint p1 = orientation == fgdRightBias ? TPoint(r.Right, r.Top) : TPoint(r.Left, r.Top);
    TPoint p2 = p1;

    for (Integer i = 0; i < n; ++i) {
        // A single band has no span to blend over: it takes the from-colour.
        auto channel = [&](Byte start, int delta) {
            return Byte((start + (n > 1 ? MulDiv(i, delta, n - 1) : 0)) & 0xFF);
        };
        const TColor color = RGB(channel(GetRValue(from), d[0]), channel(GetGValue(from), d[1]),
                                 channel(GetBValue(from), d[2]));
        if (orientation == fgdLeftBias || orientation == fgdRightBias) {
            PenSwap pen(target, color, PenStyle, step);
            const Integer lines = MulDiv(i + 1, w + h, n) - MulDiv(i, w + h, n);
            for (Integer k = 0; k < lines; ++k) {
                if (orientation == fgdLeftBias) {
                    if (p1.Y < r.Bottom)
                        p1.Y += step;
                    else
                        p1.X += step;
                    if (p2.X < r.Right)
                        p2.X += step;
                    else
                        p2.Y += step;
                } else {
                    if (p1.X > r.Left)
                        p1.X -= step;
                    else
                        p1.Y += step;
                    if (p2.Y < r.Bottom)
                        p2.Y += step;
                    else
                        p2.X -= step;
                }
                target->MoveTo(p1.X, p1.Y);
                target->LineTo(p2.X, p2.Y);
            }
        } else {
            TBrush brush;
            brush.SetColor(color);
            brush.SetStyle(BrushStyle());
            TRect band;
            if (orientation == fgdHorizontal)
                band = TRect(r.Left, r.Top + MulDiv(i, h, n), r.Right, r.Top + MulDiv(i + 1, h, n));
            else if (orientation == fgdVertical)
                band = TRect(r.Left + MulDiv(i, w, n), r.Top, r.Left + MulDiv(i + 1, w, n), r.Bottom);
            else
                band = TRect(r.Left + MulDiv(i, bw, n), r.Top + MulDiv(i, bh, n), r.Right - MulDiv(i, bw, n),
                             r.Bottom - MulDiv(i, bh, n));
            FillRect(target, band, &brush);
        }
        if (PercentFilling() < double(i) / n * 100.0) break;
    }
    if (buffer) BitBlt(DC, Rect.Left, Rect.Top, w, h, buffer->Canvas(), 0, 0, SRCCOPY);
}

// ---- TThreeDGradient ----------------------------------------------------------------

void TThreeDGradient::SetDepth(Word Value) {
    if (Value == FDepth) return;
    FDepth = Value;
    if (FActive) Changed();
}

void TThreeDGradient::SetGType(TThreeDGradientType Value) {
    if (Value == FGType) return;
    FGType = Value;
    if (FActive) Changed();
}

void GradientBox(HDC DC, const TRect& Rect, TGradient* Gradient, TPenStyle PenStyle, Integer PenWidth) {
    if (Gradient) Gradient->Draw(DC, Rect, PenStyle, PenWidth);
}
