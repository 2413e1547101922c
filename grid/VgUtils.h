#pragma once
// Drawing routines shared by the grid's cells, titles and footer: the
// banded gradient, the transparent bitmap copy and the cell text writer.
#include "platform/data/TAlignment.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"

class TCanvas;
class TBitmap;

enum TVgGradientDirection { fdNone, fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };
enum TVgTextEllipsis { teNone, teEnd, teMiddle };

inline Integer Max(Integer A, Integer B) {
    return A > B ? A : B;
}
inline Integer Min(Integer A, Integer B) {
    return A < B ? A : B;
}

// Fills Rect with Colors bands running from StartColor to EndColor in
// Direction (reversed for bottom-to-top and right-to-left). Every band stays
// inside Rect and every channel inside its two end values.
void VgDrawGradient(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor,
                    TVgGradientDirection Direction, Byte Colors);

// Draws Bitmap at (X, Y) leaving out the pixels of TransparentColor;
// clNone copies every pixel, clDefault takes the bottom-left pixel's colour.
void DrawBitmapTransparent(TCanvas* Canvas, Integer X, Integer Y, TBitmap* Bitmap, TColor TransparentColor);

// A raised or sunk frame round Rect: one flat line with Flat, else the two
// halves of a 3-D edge, First then Second.
void VgFrameCell(TCanvas* Canvas, TRect Rect, Cardinal Style, bool Flat, Cardinal First, Cardinal Second);

// Writes Text into Rect less DX on the left and right and DY on the top and
// bottom with the canvas font and a clear background; DT_VCENTER is asked
// for, which (as ever) centres only single-line layouts.
void WriteCellText(TCanvas* Canvas, TRect Rect, Integer DX, bool RightToLeft, bool WordWrap,
                   TVgTextEllipsis Ellipsis, TAlignment Alignment, const String& Text, Integer DY);
