#include "controls/drawing/UtlBitmaps.h"

#include "controls/common/UtlCanvasGuard.h"
#include "controls/drawing/UtlGradient.h"
#include "controls/common/UtlRoutines.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TRegion.h"
#include "platform/ui/ScreenCapture.h"

#include <algorithm>

namespace utl {

TRect BmpTargetRect(const TRect& Dest, TSize SrcSize, Word Flags) {
    Integer w = SrcSize.cx, h = SrcSize.cy;
    if ((Flags & ubdStretch) && !(Flags & ubdTile)) {
        const Word keep = Flags & ubdAspect;
        if (keep == ubdAspect && w > 0 && h > 0) {
            const TRect fit = UtlAffineRect(TRect(0, 0, w, h), TRect(0, 0, Dest.Width(), Dest.Height()));
            w = fit.Width();
            h = fit.Height();
        } else if (keep == ubdKeepWidth && w > 0) {
            h = MulDiv(h, Dest.Width(), w);
            w = Dest.Width();
        } else if (keep == ubdKeepHeight && h > 0) {
            w = MulDiv(w, Dest.Height(), h);
            h = Dest.Height();
        } else {
            w = Dest.Width();
            h = Dest.Height();
        }
    }
    if ((Flags & ubdCenter) && !(Flags & ubdTile))
        return Bounds(Dest.Left + (Dest.Width() - w) / 2, Dest.Top + (Dest.Height() - h) / 2, w, h);
    return Bounds(Dest.Left, Dest.Top, w, h);
}

} // namespace utl

namespace {

TColor Key(TColor c) {
    return ColorToRGB(c) & 0xFFFFFF;
}

// The destination ANDed with the mask, then ORed with the image (transparent
// pixels black), so only the opaque pixels change.
void MaskBlit(TCanvas* dest, const TRect& t, TCanvas* mask, TCanvas* image, const TRect& s) {
    const TColor text = dest->TextColor(), bk = dest->BkColor();
    dest->SetTextColor(clBlack);
    dest->SetBkColor(clWhite);
    StretchBlt(dest, t.Left, t.Top, t.Width(), t.Height(), mask, s.Left, s.Top, s.Width(), s.Height(),
               SRCAND);
    StretchBlt(dest, t.Left, t.Top, t.Width(), t.Height(), image, s.Left, s.Top, s.Width(), s.Height(),
               SRCPAINT);
    dest->SetTextColor(text);
    dest->SetBkColor(bk);
}

// One piece: s of the source into t of the destination in the flags' mode.
void DrawPiece(TCanvas* dest, const TRect& t, TCanvas* src, const TRect& s, Word flags, TColor transparent,
               TCanvas* mask) {
    if (flags & ubdBrushCopy) {
        TBitmap copy(s.Width(), s.Height(), pf24bit);
        BitBlt(copy.Canvas(), 0, 0, s.Width(), s.Height(), src, s.Left, s.Top, SRCCOPY);
        dest->BrushCopy(t, &copy, TRect(0, 0, s.Width(), s.Height()), transparent);
    } else if (flags & ubdMask) {
        if (mask) MaskBlit(dest, t, mask, src, s);
    } else if (flags & ubdTransparent) {
        TBitmap maskBmp, image;
        UtlBmpCreateMasksExt(src, s, &maskBmp, &image, transparent);
        MaskBlit(dest, t, maskBmp.Canvas(), image.Canvas(), TRect(0, 0, s.Width(), s.Height()));
    } else {
        SetStretchBltMode(dest, COLORONCOLOR);
        StretchBlt(dest, t.Left, t.Top, t.Width(), t.Height(), src, s.Left, s.Top, s.Width(), s.Height(),
                   SRCCOPY);
    }
}

TRect ClipOffset(const TRect& r, Cardinal offset) {
    TRect clip = r;
    if (offset != 0)
        OffsetRect(clip, Integer(std::int16_t(offset & 0xFFFF)), Integer(std::int16_t(offset >> 16)));
    return clip;
}

} // namespace

TRect UtlBmpDrawExt(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SrcRect, Word Flags,
                    TColor TransparentColor, TCanvas* Mask) {
    if (!Dest || !Source || IsRectEmpty(DestRect) || IsRectEmpty(SrcRect)) return DestRect;
    const TRect target = utl::BmpTargetRect(DestRect, TSize(SrcRect.Width(), SrcRect.Height()), Flags);
    if (IsRectEmpty(target)) return DestRect;
    if ((Flags & ubdMask) && !Mask) return target;
    const TColor key = Key(TransparentColor);
    if (!(Flags & ubdTile)) {
        DrawPiece(Dest, target, Source, SrcRect, Flags, key, Mask);
        return target;
    }
    // Destination size / image size + 1 tiles each way, the last ones cut at the destination.
    const Integer w = SrcRect.Width(), h = SrcRect.Height();
    const Integer columns = DestRect.Width() / w + 1, rows = DestRect.Height() / h + 1;
    for (Integer row = 0; row < rows; ++row)
        for (Integer col = 0; col < columns; ++col) {
            TRect t = Bounds(DestRect.Left + col * w, DestRect.Top + row * h, w, h);
            if (!IntersectRect(t, t, DestRect)) continue;
            const TRect s = Bounds(SrcRect.Left, SrcRect.Top, t.Width(), t.Height());
            DrawPiece(Dest, t, Source, s, Flags, key, Mask);
        }
    return DestRect;
}

TRect UtlBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, Word Flags, TColor TransparentColor) {
    if (!Bitmap || Bitmap->Empty()) return Rect;
    if (TransparentColor == clNone) TransparentColor = Bitmap->TransparentColor();
    return UtlBmpDrawExt(Canvas, Rect, Bitmap->Canvas(), TRect(0, 0, Bitmap->Width(), Bitmap->Height()),
                         Flags, TransparentColor, nullptr);
}

TRect UtlBmpClipDrawExt(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SrcRect,
                        Word Flags, TColor TransparentColor, TCanvas* Mask, Cardinal Offset) {
    if (!Dest) return DestRect;
    utl::CanvasGuard guard(Dest);
    if (Flags & ugfClip) {
        const TRegion clip(ClipOffset(DestRect, Offset));
        Dest->SetClipRegion(&clip);
    }
    return UtlBmpDrawExt(Dest, DestRect, Source, SrcRect, Flags, TransparentColor, Mask);
}

TRect UtlBmpClipDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, Word Flags, TColor TransparentColor,
                     Cardinal Offset) {
    if (!Bitmap || Bitmap->Empty()) return Rect;
    if (TransparentColor == clNone) TransparentColor = Bitmap->TransparentColor();
    return UtlBmpClipDrawExt(Canvas, Rect, Bitmap->Canvas(), TRect(0, 0, Bitmap->Width(), Bitmap->Height()),
                             Flags | ugfClip, TransparentColor, nullptr, Offset);
}

TRect UtlBmpStretchDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap) {
    return UtlBmpDraw(Canvas, Rect, Bitmap, ugfPalette | ubdStretch, clNone);
}

void UtlMaskBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Mask, TBitmap* Bitmap, TColor MaskColor,
                    TColor TransparentColor) {
    if (!Canvas || !Mask || Mask->Empty() || !Bitmap || Bitmap->Empty()) return;
    UtlBmpDrawExt(Bitmap->Canvas(), TRect(0, 0, Bitmap->Width(), Bitmap->Height()), Mask->Canvas(),
                  TRect(0, 0, Mask->Width(), Mask->Height()), ugfPalette | ubdTransparent, MaskColor,
                  nullptr);
    UtlBmpDrawExt(Canvas, Rect, Bitmap->Canvas(), TRect(0, 0, Bitmap->Width(), Bitmap->Height()),
                  ugfPalette | ubdTransparent, TransparentColor, nullptr);
}

void UtlBmpCreateMasksExt(TCanvas* Source, const TRect& Rect, TBitmap* Mask, TBitmap* Image,
                          TColor TransparentColor) {
    if (!Source || !Mask || !Image || IsRectEmpty(Rect)) return;
    const Integer w = Rect.Width(), h = Rect.Height();
    Image->SetPixelFormat(pf24bit);
    Image->SetSize(w, h);
    BitBlt(Image->Canvas(), 0, 0, w, h, Source, Rect.Left, Rect.Top, SRCCOPY);
    Mask->SetPixelFormat(pf1bit);
    Mask->SetSize(w, h);
    // Colour to monochrome: white where the source has its background colour.
    Image->Canvas()->SetBkColor(Key(TransparentColor));
    BitBlt(Mask->Canvas(), 0, 0, w, h, Image->Canvas(), 0, 0, SRCCOPY);
    // Monochrome to colour: white pixels become the background (black), black the text colour (white).
    Image->Canvas()->SetBkColor(clBlack);
    Image->Canvas()->SetTextColor(clWhite);
    BitBlt(Image->Canvas(), 0, 0, w, h, Mask->Canvas(), 0, 0, SRCAND);
}

void UtlBmpCreateMasks(TBitmap* Source, const TRect& Rect, TBitmap* Mask, TBitmap* Image,
                       TColor TransparentColor) {
    if (Source && !Source->Empty())
        UtlBmpCreateMasksExt(Source->Canvas(), Rect, Mask, Image, TransparentColor);
}

void UtlBmpCreateFromRect(TBitmap* Bitmap, const TRect& Rect, TColor Color) {
    if (!Bitmap) return;
    Bitmap->SetSize(std::max<Integer>(Rect.Width(), 0), std::max<Integer>(Rect.Height(), 0));
    if (Bitmap->Empty()) return;
    Bitmap->Canvas()->Brush()->SetStyle(bsSolid);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(TRect(0, 0, Bitmap->Width(), Bitmap->Height()));
}

void UtlBmpCreateGrayscale(TBitmap* Target, TBitmap* Source) {
    if (!Target || !Source || Source->Empty()) return;
    const Integer w = Source->Width(), h = Source->Height();
    graphics::PixelBuffer px = Source->Pixels(TRect(0, 0, w, h));
    const TColor key = Key(Source->TransparentColor());
    // Brightest to darkest: the shades of a disabled toolbar picture.
    const TColor shades[] = {clWhite, ColorToRGB(clBtnHighlight), ColorToRGB(cl3DLight),
                             ColorToRGB(clBtnShadow), ColorToRGB(cl3DDkShadow)};
    for (TColor& p : px.Pixels) {
        p &= 0xFFFFFF;
        if (p == key) continue;
        const Integer level = (GetRValue(p) * 30 + GetGValue(p) * 59 + GetBValue(p) * 11) / 100;
        p = shades[level >= 224 ? 0 : level >= 176 ? 1 : level >= 128 ? 2 : level >= 64 ? 3 : 4] & 0xFFFFFF;
    }
    Target->SetPixelFormat(pf24bit);
    Target->SetSize(w, h);
    Target->PutPixels(0, 0, px);
    Target->SetTransparentColor(Source->TransparentColor());
}

void UtlBmpDrawDisabledState(TBitmap* Target, TBitmap* Source, Integer X, Integer Y) {
    if (!Target || !Source || Source->Empty()) return;
    const Integer w = Source->Width(), h = Source->Height();
    if (Target->Empty()) UtlBmpCreateFromRect(Target, TRect(0, 0, w + 1, h + 1), clBtnFace);
    TBitmap mono(w, h, pf1bit);
    Source->Canvas()->SetBkColor(Key(Source->TransparentColor()));
    BitBlt(mono.Canvas(), 0, 0, w, h, Source->Canvas(), 0, 0, SRCCOPY);
    TCanvas* c = Target->Canvas();
    utl::CanvasGuard guard(c);
    // Opaque pixels (black in the mask) take the brush, the others keep the target.
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnHighlight);
    c->SetTextColor(clWhite);
    c->SetBkColor(clBlack);
    BitBlt(c, X + 1, Y + 1, w, h, mono.Canvas(), 0, 0, DSPDxax);
    c->Brush()->SetColor(clBtnShadow);
    c->SetTextColor(clWhite);
    c->SetBkColor(clBlack);
    BitBlt(c, X, Y, w, h, mono.Canvas(), 0, 0, DSPDxax);
}

void UtlCopyBmpSize(TBitmap* Target, TBitmap* Source) {
    if (Target && Source) Target->SetSize(Source->Width(), Source->Height());
}

void UtlFillPattern(TCanvas* DC, const TRect& Rect, TBitmap* Bitmap) {
    if (!DC || !Bitmap || Bitmap->Empty() || IsRectEmpty(Rect)) return;
    utl::CanvasGuard guard(DC);
    DC->Brush()->SetBitmap(Bitmap);
    PatBlt(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), DPa);
}

void UtlFillTexture(TCanvas* DC, const TRect& Rect, TBitmap* Bitmap, TPoint Origin) {
    if (!DC || !Bitmap || Bitmap->Empty() || Origin.X < 0 || Origin.Y < 0 || IsRectEmpty(Rect)) return;
    const Integer bw = Bitmap->Width(), bh = Bitmap->Height(), w = Rect.Width(), h = Rect.Height();
    const Integer ox = Origin.X % bw, oy = Origin.Y % bh;
    // One strip of the rectangle's width, then the strip down the rectangle.
    TBitmap strip(w, bh, pf24bit);
    for (Integer x = 0, from = ox; x < w; from = 0) {
        const Integer n = std::min(bw - from, w - x);
        BitBlt(strip.Canvas(), x, 0, n, bh, Bitmap->Canvas(), from, 0, SRCCOPY);
        x += n;
    }
    for (Integer y = 0, from = oy; y < h; from = 0) {
        const Integer n = std::min(bh - from, h - y);
        BitBlt(DC, Rect.Left, Rect.Top + y, w, n, strip.Canvas(), 0, from, SRCCOPY);
        y += n;
    }
}

void UtlIcon2Bitmap(TBitmap* Bitmap, TIcon* Icon, TColor Background) {
    if (!Bitmap || !Icon || Icon->Empty()) return;
    UtlBmpCreateFromRect(Bitmap, TRect(0, 0, Icon->Width(), Icon->Height()), Background);
    Bitmap->Canvas()->Draw(0, 0, Icon);
}

bool UtlBmpFromDesktop(TBitmap* Bitmap, const TRect& ScreenRect) {
    return Bitmap && !IsRectEmpty(ScreenRect) && ui::GrabScreen(ScreenRect, Bitmap);
}
