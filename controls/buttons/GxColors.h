#pragma once
// Colour arithmetic of the gx controls. System colours are resolved to their
// RGB value before any channel is touched.
#include "platform/graphics/TColor.h"

class TBitmap;

// Each channel raised by N, clipped at 255.
TColor IncColor(TColor Color, Byte N);
// Each channel lowered by N, clipped at 0.
TColor DecColor(TColor Color, Byte N);
// Replaces every pixel of FromColor in Bitmap by ToColor.
void ChangeBitmapColor(TBitmap* Bitmap, TColor FromColor, TColor ToColor);
