#pragma once
// Bitmap routines of the UTL drawing utilities: one general blit that copies a
// source rectangle of a canvas into a destination rectangle (plain, centred,
// stretched, tiled; opaque, through a transparent colour, a mask or a brush
// copy), its wrappers, and the makers of masks, grey and disabled images,
// patterns, textures and bitmaps from icons or the screen.
#include "platform/graphics/TCanvas.h"

class TBitmap;
class TIcon;

// Draw flags (ugfClip and ugfPalette of UtlGradient.h apply to the wrappers too).
constexpr Word ubdCenter = 0x0008;
constexpr Word ubdStretch = 0x0010;
constexpr Word ubdKeepHeight = 0x0200; // with ubdStretch: the height follows the destination
constexpr Word ubdKeepWidth = 0x0400;  // with ubdStretch: the width follows the destination
constexpr Word ubdAspect = ubdKeepHeight | ubdKeepWidth;
constexpr Word ubdTile = 0x0020;
constexpr Word ubdTransparent = 0x0040;
constexpr Word ubdBrushCopy = 0x0080;
constexpr Word ubdMask = 0x0100;

// Draws SrcRect of Source into DestRect of Dest. Without centre, stretch or tile
// the image lands at the destination's top-left in its own size. Exactly one
// mode applies: brush copy (TransparentColor replaced by the brush), the mask
// canvas (ubdMask; without one nothing is drawn), the transparent colour, or a
// plain copy. Answers the rectangle covered; the destination when nothing is
// drawn or the target comes out empty.
TRect UtlBmpDrawExt(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SrcRect, Word Flags,
                    TColor TransparentColor, TCanvas* Mask);
// The whole bitmap; clNone as TransparentColor takes the bitmap's own.
TRect UtlBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, Word Flags, TColor TransparentColor);
// The same clipped to the destination, the clip moved by Offset (x low, y high
// 16 bits, signed) when it is not 0.
TRect UtlBmpClipDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, Word Flags, TColor TransparentColor,
                     Cardinal Offset);
TRect UtlBmpClipDrawExt(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SrcRect,
                        Word Flags, TColor TransparentColor, TCanvas* Mask, Cardinal Offset);
// The bitmap stretched over Rect.
TRect UtlBmpStretchDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap);
// Draws Bitmap into Rect inside the area Mask leaves open: first every pixel
// of Mask that is not MaskColor is stamped onto Bitmap (which is changed: pass
// a copy), then Bitmap is drawn with TransparentColor left out. Mask holds
// MaskColor where the picture shows and TransparentColor elsewhere.
void UtlMaskBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Mask, TBitmap* Bitmap, TColor MaskColor,
                    TColor TransparentColor);
// Mask: monochrome, white where Rect of the source has TransparentColor;
// Image: the rectangle with those pixels black. Both take the rectangle's size.
void UtlBmpCreateMasksExt(TCanvas* Source, const TRect& Rect, TBitmap* Mask, TBitmap* Image,
                          TColor TransparentColor);
void UtlBmpCreateMasks(TBitmap* Source, const TRect& Rect, TBitmap* Mask, TBitmap* Image,
                       TColor TransparentColor);
// Bitmap sized to Rect and filled with Color.
void UtlBmpCreateFromRect(TBitmap* Bitmap, const TRect& Rect, TColor Color);
// Target := Source in five shades of grey by brightness; pixels of the
// source's transparent colour stay as they are.
void UtlBmpCreateGrayscale(TBitmap* Target, TBitmap* Source);
// The embossed disabled look of Source drawn into Target at (X, Y): the opaque
// pixels (not the transparent colour) in the highlight colour one pixel lower
// right, then in the shadow colour. An empty Target takes Source's size plus
// one on the button face.
void UtlBmpDrawDisabledState(TBitmap* Target, TBitmap* Source, Integer X, Integer Y);
void UtlCopyBmpSize(TBitmap* Target, TBitmap* Source);
// Rect ANDed with the bitmap as a pattern brush tiled from the canvas origin.
void UtlFillPattern(TCanvas* DC, const TRect& Rect, TBitmap* Bitmap);
// Rect tiled with the bitmap, Origin giving the tiling phase. Nothing for an
// empty bitmap or rectangle or a negative origin.
void UtlFillTexture(TCanvas* DC, const TRect& Rect, TBitmap* Bitmap, TPoint Origin);
// Bitmap := the icon on Background, at the icon's size.
void UtlIcon2Bitmap(TBitmap* Bitmap, TIcon* Icon, TColor Background);
// Bitmap := that part of the screen; false (bitmap unchanged) where the display
// cannot be read.
bool UtlBmpFromDesktop(TBitmap* Bitmap, const TRect& ScreenRect);

namespace utl {

// Where UtlBmpDrawExt puts a source of SrcSize in Dest for the flags (the tile
// flag gives the first tile).
TRect BmpTargetRect(const TRect& Dest, TSize SrcSize, Word Flags);

} // namespace utl
