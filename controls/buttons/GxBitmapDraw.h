#pragma once
// Bitmaps drawn with a transparent colour, a wallpaper mode (stretch,
// proportional stretch, tile) and a disabled (embossed) or soft look.
#include "controls/buttons/GxTypes.h"
#include "platform/graphics/TCanvas.h"

class TBitmap;

// Draws Bitmap at (X, Y) relative to Rect's top-left. Tiling repeats it up to
// Rect's right and bottom edges; the other modes draw once, unclipped. With
// Transparent the pixels of TransparentColor (the button face in the disabled
// look) leave the target as it was. The caller's bitmap is never changed.
void CreateBitmapExt(HDC DC, TBitmap* Bitmap, const TRect& Rect, Integer X, Integer Y,
                     TgxWallpaperOption WallpaperOption, TgxDrawState DrawState, bool Transparent,
                     TColor TransparentColor, TColor DisabledMaskColor);
void DrawBitmapExt(HDC DC, TBitmap* Bitmap, const TRect& Rect, Integer X, Integer Y,
                   TgxWallpaperOption WallpaperOption, TgxDrawState DrawState, bool Transparent,
                   TColor TransparentColor, TColor DisabledMaskColor);
// The colour of one corner pixel; 0 for ftcUser or a bitmap without pixels.
TColor GetTransparentColor(TBitmap* Bitmap, TgxAutoTransparentColor Mode);
