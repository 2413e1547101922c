#pragma once
// Pixel-by-pixel transforms of a rectangle of a 24-bit bitmap into another (or
// the same) 24-bit bitmap: grey scale, the two flips, inversion, brightness
// and the blend of two bitmaps. The bitmap-effect object chains them.
//
// Common arguments: Source, Rect (columns Left .. Right − 1, rows Top ..
// Bottom − 1 of the source), Target and Point (where Rect's top-left pixel
// lands). Source and Target may be one bitmap, the areas may overlap. An empty
// Rect does nothing. Every routine checks before writing anything:
// - each bitmap is pf24bit, else EUtlWrongPixelFormat "Wrong PixelFormat in
//   <Source|Source 1|Source 2|Target> bitmap!";
// - Rect lies inside the source and the area at Point inside the target, else
//   EUtlWrongBmpSize "Rectangle out of <name> bitmap!".
#include "platform/core/Exceptions.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"

#include <cstdint>

class TBitmap;

VELMORA_EXCEPTION(EUtlWrongPixelFormat, Exception)
VELMORA_EXCEPTION(EUtlWrongBmpSize, Exception)

// Grey value round(0.3 red) + round(0.59 green) + round(0.11 blue), ties to even,
// in all three bytes: white becomes 254.
void UtlBMPGrayScale(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point);
// The rows in reverse order (the top row lands at the bottom).
void UtlBMPFlipHorizonzal(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point);
// Each row mirrored left to right.
void UtlBMPFlipVertical(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point);
// Every byte complemented.
void UtlBMPInvert(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point);
// Every byte moved by Value and held inside 0 .. 255.
void UtlBMPBrightness(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point, std::int16_t Value);
// As UtlBMPBrightness; pixels of exactly the excepted colour (system colours
// resolved) are left unwritten.
void UtlBmpBrightnessEC(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point, std::int16_t Value,
                        TColor Excepted);
// Target byte := s2 + round((s1 − s2) × Alpha) with s1 from Source1 in Rect and
// s2 from Source2 at Point2; Alpha 1 gives Source1, 0 gives Source2.
void UtlBMPAlphaBlend(TBitmap* Source1, TBitmap* Source2, const TRect& Rect, TPoint Point, TBitmap* Target,
                      float Alpha, TPoint Point2);
