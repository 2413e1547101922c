#pragma once
// Gradients of the UTL drawing utilities: two or more colours turned into a
// list of steps and painted as bands, nested rectangles, ellipses, corner
// blocks or diagonal polygons, optionally through an off-screen bitmap, a clip
// region and a palette. The UTL fill objects paint with these.
#include "platform/core/Types.h"
#include "platform/graphics/Palettes.h"
#include "platform/graphics/TCanvas.h"

#include <vector>

// 0x00BBGGRR colours in painting order, the start colour first.
using TUtlColorList = std::vector<TColor>;

enum TUtlGradientStyle {
    gstHorizontal,
    gstVertical,
    gstSquare,
    gstElliptic,
    gstTopLeft,
    gstTopRight,
    gstBottomLeft,
    gstBottomRight,
    gstTopLeftDiagonal,
    gstTopRightDiagonal
};

// Paint flags of the gradient and bitmap routines.
constexpr Word ugfClip = 0x0001;    // clip to the rectangle (moved by the offset when one is given)
constexpr Word ugfBitmap = 0x0004;  // paint through an off-screen bitmap
constexpr Word ugfPalette = 0x1000; // use a palette

// Whether the palette flag is honoured: not on a display below 9 bits per pixel
// when the services object asks to realise palettes itself.
bool UtlPaletteWanted(Word Flags);

// Per channel C1 + (C2 − C1) × Pos / Total truncated toward zero (system colours
// resolved first). A Total of 0 answers C1.
TColor UtlGradientGetColor(TColor C1, TColor C2, Integer Pos, Integer Total);
// Appends Count steps from C1 to C2 (MulDiv rounding). Fresh clears the list
// first and starts at C1; otherwise the first step (C1, which the previous
// segment ended with) is left out. A count of 1 gives C1 alone. Nothing for a
// null list or Count 0.
void UtlGradientCreateColorList(TColor C1, TColor C2, Byte Count, TUtlColorList* List, bool Fresh);
// A palette with one PC_NOCOLLAPSE entry per colour; nullptr for a null or
// empty list. The caller frees it with DeleteObject.
HPALETTE UtlGradientCreatePalette(const TUtlColorList* List);
// Paints the list into R in Style. Offset packs a clip offset: x in the low
// 16 bits, y in the high 16 bits (signed), 0 for none. Nothing for a null or
// empty list or an empty rectangle. Nothing is painted outside R (with ugfClip:
// outside R moved by the offset). The canvas's clip, brush and pen are as before
// afterwards; with the palette in use it stays selected in the canvas.
void UtlGradientPaintExt(TCanvas* Canvas, const TRect& R, TUtlGradientStyle Style, const TUtlColorList* List,
                         HPALETTE Palette, Word Flags, Cardinal Offset);
// A two-colour gradient of Count steps.
void UtlGradientPaint(TCanvas* Canvas, const TRect& R, TColor C1, TColor C2, Byte Count,
                      TUtlGradientStyle Style, Word Flags, Cardinal Offset);
// A gradient through every colour of Colors, Count div (colours − 1) steps a
// segment, each segment starting one step after its start colour.
void UtlSuperGradientPaint(TCanvas* Canvas, const TRect& R, const std::vector<TColor>& Colors, Byte Count,
                           TUtlGradientStyle Style, Word Flags, Cardinal Offset);

namespace utl {

// One shape of a gradient: a filled rectangle, a pen-less rectangle or
// ellipse (right and bottom edge left out) or a polygon, in the step's colour.
struct GradientShape {
    enum Kind { Fill, Rectangle, Ellipse, Polygon } Shape = Fill;
    TRect Rect;
    std::vector<TPoint> Points;
    TColor Color = 0;
};

// The shapes UtlGradientPaintExt paints, in painting order, relative to the
// rectangle's top-left, for a W × H rectangle.
std::vector<GradientShape> GradientShapes(TUtlGradientStyle Style, const TUtlColorList& List, Integer W,
                                          Integer H);

} // namespace utl
