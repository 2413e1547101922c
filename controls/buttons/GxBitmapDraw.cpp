#include "controls/buttons/GxBitmapDraw.h"

#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <cmath>

namespace {

using graphics::PixelBuffer;

// The disabled look: black parts of the picture in the shadow colour with a
// highlight copy one pixel lower right, on the button face.
PixelBuffer Emboss(const PixelBuffer& src) {
    return graphics::Emboss(
        src, [](TColor p) { return (p & 0xFFFFFF) == clBlack; }, ColorToRGB(clBtnFace),
        ColorToRGB(clBtnHighlight), ColorToRGB(clBtnShadow));
}

PixelBuffer Crop(const PixelBuffer& src, Integer w, Integer h) {
    PixelBuffer out(w, h);
    for (Integer y = 0; y < h; ++y)
        for (Integer x = 0; x < w; ++x)
            out.At(x, y) = src.At(x, y);
    return out;
}

void Put(HDC DC, const PixelBuffer& pixels, Integer x, Integer y, bool transparent, TColor key) {
    if (pixels.Width <= 0 || pixels.Height <= 0) return;
    TBitmap piece(pixels.Width, pixels.Height, pf24bit);
    piece.PutPixels(0, 0, pixels);
    if (transparent) {
        piece.SetTransparentColor(key);
        piece.SetTransparent(true);
    }
    DC->Draw(x, y, &piece);
}

} // namespace

void CreateBitmapExt(HDC DC, TBitmap* Bitmap, const TRect& Rect, Integer X, Integer Y,
                     TgxWallpaperOption WallpaperOption, TgxDrawState DrawState, bool Transparent,
                     TColor TransparentColor, TColor DisabledMaskColor) {
    if (!DC || !Bitmap || (Bitmap->Width() == 0 && Bitmap->Height() == 0)) return;
    X += Rect.Left;
    Y += Rect.Top;
    Integer w = Bitmap->Width(), h = Bitmap->Height();
    if (w <= 0 || h <= 0) return;
    TColor key = ColorToRGB(TransparentColor) & 0xFFFFFF;
    // A copy: the caller's bitmap stays as it was, whatever the look.
    PixelBuffer work = Bitmap->Pixels(TRect(0, 0, w, h));
    for (TColor& p : work.Pixels)
        p &= 0xFFFFFF;
    switch (DrawState) {
    case fdsDefault:
        break;
    case fdsDelicate: {
        const TColor highlight = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
        for (TColor& p : work.Pixels)
            p = p == clWhite ? highlight : p == clGray ? shadow : p;
        break;
    }
    case fdsDisabled: {
        if (DisabledMaskColor != 0) {
            const TColor mask = ColorToRGB(DisabledMaskColor) & 0xFFFFFF;
            for (TColor& p : work.Pixels)
                if (p == mask) p = clBlack;
        }
        work = Emboss(work);
        key = ColorToRGB(clBtnFace) & 0xFFFFFF;
        break;
    }
    }

    if (WallpaperOption == fwoStretch || WallpaperOption == fwoPropStretch) {
        Integer tw = Rect.Width(), th = Rect.Height();
        if (WallpaperOption == fwoPropStretch) {
            const double k = std::min(double(tw) / w, double(th) / h);
            tw = Integer(std::lround(w * k));
            th = Integer(std::lround(h * k));
        }
        if (tw <= 0 || th <= 0) return;
        work = graphics::Stretch(work, tw, th);
        w = tw;
        h = th;
    }

    if (WallpaperOption != fwoTile) {
        Put(DC, work, X, Y, Transparent, key);
        return;
    }
    for (Integer y = Y; y < Rect.Bottom; y += h) {
        for (Integer x = X; x < Rect.Right; x += w) {
            const Integer cw = std::min(w, Rect.Right - x), ch = std::min(h, Rect.Bottom - y);
            Put(DC, cw == w && ch == h ? work : Crop(work, cw, ch), x, y, Transparent, key);
        }
    }
}

void DrawBitmapExt(HDC DC, TBitmap* Bitmap, const TRect& Rect, Integer X, Integer Y,
                   TgxWallpaperOption WallpaperOption, TgxDrawState DrawState, bool Transparent,
                   TColor TransparentColor, TColor DisabledMaskColor) {
    CreateBitmapExt(DC, Bitmap, Rect, X, Y, WallpaperOption, DrawState, Transparent, TransparentColor,
                    DisabledMaskColor);
}

TColor GetTransparentColor(TBitmap* Bitmap, TgxAutoTransparentColor Mode) {
    if (Mode == ftcUser || !Bitmap || Bitmap->Width() <= 0 || Bitmap->Height() <= 0) return 0;
    const Integer right = Bitmap->Width() - 1, bottom = Bitmap->Height() - 1;
    TPoint p;
    switch (Mode) {
    case ftcLeftTopPixel:
        p = TPoint(0, 0);
        break;
    case ftcLeftBottomPixel:
        p = TPoint(0, bottom);
        break;
    case ftcRightTopPixel:
        p = TPoint(right, 0);
        break;
    case ftcRightBottomPixel:
        p = TPoint(right, bottom);
        break;
    case ftcUser:
        break;
    }
    return Bitmap->Pixels(TRect(p.X, p.Y, p.X + 1, p.Y + 1)).At(0, 0) & 0xFFFFFF;
}
