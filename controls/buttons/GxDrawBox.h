#pragma once
// Bevelled boxes of the gx controls, in the library's 3D colour scheme, and the
// fixed box styles on the platform's edge drawing.
#include "controls/buttons/GxTypes.h"
#include "platform/graphics/TCanvas.h"

// Draws the outer, then the inner bevel on the sides in Sides of Rect (right and
// bottom are the last drawn column and row), with the style and width of the
// canvas pen; fills what is left inside unless Transparent. Returns the inside.
TRect DrawBoxEx(HDC DC, const TRect& Rect, TgxSides Sides, TBevelCut BevelInner, TBevelCut BevelOuter,
                bool Bold, TColor Color, bool Transparent);

// Draws one of the fixed box styles and shrinks Rect to its inside. Color and
// Transparent are not used.
void DrawBox(HDC DC, TRect& Rect, TgxBoxStyle BoxStyle, TColor Color, bool Transparent);
