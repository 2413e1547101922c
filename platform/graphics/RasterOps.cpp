#include "platform/graphics/RasterOps.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace graphics {

bool RopUsesSource(Cardinal rop) {
    const unsigned code = (rop >> 16) & 0xFF;
    return (((code >> 2) ^ code) & 0x33) != 0;
}

bool RopUsesPattern(Cardinal rop) {
    const unsigned code = (rop >> 16) & 0xFF;
    return (((code >> 4) ^ code) & 0x0F) != 0;
}

PixelBuffer ConvertForDestination(const PixelBuffer& src, bool destMonochrome, TColor textColor,
                                  TColor bkColor, TColor srcBkColor) {
    PixelBuffer out = src;
    if (src.Monochrome && !destMonochrome) {
        const TColor fg = ColorToRGB(textColor) & 0xFFFFFF;
        const TColor bg = ColorToRGB(bkColor) & 0xFFFFFF;
        for (auto& p : out.Pixels)
            p = (p & 0xFFFFFF) == clWhite ? bg : fg;
        out.Monochrome = false;
    } else if (!src.Monochrome && destMonochrome) {
        const TColor key = ColorToRGB(srcBkColor) & 0xFFFFFF;
        for (auto& p : out.Pixels)
            p = (p & 0xFFFFFF) == key ? clWhite : clBlack;
        out.Monochrome = true;
    }
    return out;
}

void CombineRop3(PixelBuffer& dest, const PixelBuffer* src, const PixelBuffer& pattern, Cardinal rop) {
    for (Integer y = 0; y < dest.Height; ++y) {
        for (Integer x = 0; x < dest.Width; ++x) {
            const TColor s = src && x < src->Width && y < src->Height ? src->At(x, y) : 0;
            const TColor p = x < pattern.Width && y < pattern.Height ? pattern.At(x, y) : 0;
            dest.At(x, y) = ApplyRop3(rop, p, s, dest.At(x, y));
        }
    }
}

PixelBuffer Stretch(const PixelBuffer& src, Integer w, Integer h) {
    const Integer aw = std::abs(w), ah = std::abs(h);
    if (aw == src.Width && ah == src.Height && w > 0 && h > 0) return src;
    PixelBuffer out(aw, ah);
    out.Monochrome = src.Monochrome;
    if (src.Width <= 0 || src.Height <= 0) return out;
    for (Integer y = 0; y < ah; ++y) {
        Integer sy = Integer(std::int64_t(y) * src.Height / ah);
        if (h < 0) sy = src.Height - 1 - sy;
        for (Integer x = 0; x < aw; ++x) {
            Integer sx = Integer(std::int64_t(x) * src.Width / aw);
            if (w < 0) sx = src.Width - 1 - sx;
            out.At(x, y) = src.At(sx, sy);
        }
    }
    return out;
}

PixelBuffer StretchPart(const PixelBuffer& src, Integer w, Integer h, const TRect& Part) {
    PixelBuffer out(Part.Width(), Part.Height());
    out.Monochrome = src.Monochrome;
    if (src.Width <= 0 || src.Height <= 0 || w <= 0 || h <= 0) return out;
    for (Integer y = 0; y < out.Height; ++y) {
        const Integer sy = Integer(std::int64_t(Part.Top + y) * src.Height / h);
        for (Integer x = 0; x < out.Width; ++x)
            out.At(x, y) = src.At(Integer(std::int64_t(Part.Left + x) * src.Width / w), sy);
    }
    return out;
}

TRect VisiblePart(TCanvas* canvas, const TRect& d) {
    const TSize size = canvas->Backend()->Size();
    const TRect on(std::max(d.Left, 0), std::max(d.Top, 0), std::min(d.Right, size.cx),
                   std::min(d.Bottom, size.cy));
    if (IsRectEmpty(on)) return TRect();
    return TRect(on.Left - d.Left, on.Top - d.Top, on.Right - d.Left, on.Bottom - d.Top);
}

namespace {

bool HatchSet(TBrushStyle style, Integer x, Integer y) {
    const Integer hx = ((x % 8) + 8) % 8, hy = ((y % 8) + 8) % 8;
    switch (style) {
    case bsHorizontal:
        return hy == 0;
    case bsVertical:
        return hx == 0;
    case bsFDiagonal:
        return hx == hy;
    case bsBDiagonal:
        return hx == 7 - hy;
    case bsCross:
        return hx == 0 || hy == 0;
    case bsDiagCross:
        return hx == hy || hx == 7 - hy;
    default:
        return true;
    }
}

} // namespace

PixelBuffer MakePattern(const BrushState& brush, const TRect& r, TColor textColor, TColor bkColor) {
    PixelBuffer out(r.Width(), r.Height(), ColorToRGB(brush.Color) & 0xFFFFFF);
    if (brush.Bitmap && !brush.Bitmap->Empty()) {
        const TBitmap& b = *brush.Bitmap;
        const PixelBuffer tile = b.Pixels(TRect(0, 0, b.Width(), b.Height()));
        const TColor fg = ColorToRGB(textColor) & 0xFFFFFF, bg = ColorToRGB(bkColor) & 0xFFFFFF;
        for (Integer y = 0; y < out.Height; ++y) {
            for (Integer x = 0; x < out.Width; ++x) {
                const Integer tx = (((r.Left + x) % tile.Width) + tile.Width) % tile.Width;
                const Integer ty = (((r.Top + y) % tile.Height) + tile.Height) % tile.Height;
                TColor c = tile.At(tx, ty);
                if (tile.Monochrome) c = c == clWhite ? bg : fg;
                out.At(x, y) = c;
            }
        }
    } else if (brush.Style >= bsHorizontal) {
        const TColor bg = ColorToRGB(brush.BkColor) & 0xFFFFFF;
        for (Integer y = 0; y < out.Height; ++y)
            for (Integer x = 0; x < out.Width; ++x)
                if (!HatchSet(brush.Style, r.Left + x, r.Top + y)) out.At(x, y) = bg;
    }
    return out;
}

PixelBuffer Emboss(const PixelBuffer& Picture, const std::function<bool(TColor)>& Drawn, TColor Face,
                   TColor Highlight, TColor Shadow) {
    PixelBuffer out(Picture.Width, Picture.Height, Face);
    for (Integer y = 0; y + 1 < Picture.Height; ++y)
        for (Integer x = 0; x + 1 < Picture.Width; ++x)
            if (Drawn(Picture.At(x, y))) out.At(x + 1, y + 1) = Highlight;
    // The shadow goes over a neighbour's highlight.
    for (Integer y = 0; y < Picture.Height; ++y)
        for (Integer x = 0; x < Picture.Width; ++x)
            if (Drawn(Picture.At(x, y))) out.At(x, y) = Shadow;
    return out;
}

} // namespace graphics

bool StretchBlt(TCanvas* Dest, Integer X, Integer Y, Integer W, Integer H, TCanvas* Src, Integer XSrc,
                Integer YSrc, Integer WSrc, Integer HSrc, Cardinal Rop) {
    if (!Dest || W == 0 || H == 0) return false;
    const bool needSource = graphics::RopUsesSource(Rop);
    graphics::PixelBuffer source;
    if (needSource) {
        if (!Src || WSrc == 0 || HSrc == 0) return false;
        TRect sr = Src->ToDevice(TRect(std::min(XSrc, XSrc + WSrc), std::min(YSrc, YSrc + HSrc),
                                       std::max(XSrc, XSrc + WSrc), std::max(YSrc, YSrc + HSrc)));
        graphics::PixelBuffer grabbed;
        if (!Src->Backend()->Grab(sr, grabbed)) return false;
        // A negative size on one side only mirrors the picture.
        const Integer sw = ((W < 0) != (WSrc < 0)) ? -std::abs(W) : std::abs(W);
        const Integer sh = ((H < 0) != (HSrc < 0)) ? -std::abs(H) : std::abs(H);
        source =
            graphics::ConvertForDestination(graphics::Stretch(grabbed, sw, sh), Dest->Backend()->Monochrome(),
                                            Dest->TextColor(), Dest->BkColor(), Src->BkColor());
    }
    const TRect dr =
        Dest->ToDevice(TRect(std::min(X, X + W), std::min(Y, Y + H), std::max(X, X + W), std::max(Y, Y + H)));
    Dest->Backend()->Blt(dr, needSource ? &source : nullptr, Rop, Dest->BrushState(), Dest->TextColor(),
                         Dest->BkColor());
    return true;
}

bool BitBlt(TCanvas* Dest, Integer X, Integer Y, Integer W, Integer H, TCanvas* Src, Integer XSrc,
            Integer YSrc, Cardinal Rop) {
    return StretchBlt(Dest, X, Y, W, H, Src, XSrc, YSrc, W, H, Rop);
}

bool PatBlt(TCanvas* Dest, Integer X, Integer Y, Integer W, Integer H, Cardinal Rop) {
    if (graphics::RopUsesSource(Rop)) return false;
    return StretchBlt(Dest, X, Y, W, H, nullptr, 0, 0, 0, 0, Rop);
}

int SetStretchBltMode(TCanvas* DC, int Mode) {
    // Nearest pixel is the only mode; report the classic default.
    return DC ? BLACKONWHITE : 0;
}
