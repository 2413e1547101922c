#pragma once
// Captions with the gx text effects (raised, recessed, pushed, shadowed,
// volumetric), an optional outline and a colour gradient.
#include "controls/buttons/GxTypes.h"
#include "platform/graphics/TCanvas.h"

class TIllumination;
class TGradient;

// One line of Text at (X, Y) clipped to Rect with the effect of TextStyle.
// Illumination and Gradient may be null; a null Font draws nothing. The canvas
// font and background mode are restored afterwards.
void ExtTextOutExt(HDC DC, Integer X, Integer Y, const TRect& Rect, const String& Text,
                   TgxTextStyle TextStyle, bool Delineate, bool Suppress3D, TColor FontColor,
                   TColor DelineateColor, TColor HighlightColor, TColor ShadowColor,
                   TIllumination* Illumination, TGradient* Gradient, TFont* Font);

// Text in Rect through DrawText with Format (0 means single line, vertically
// centred) and a simple effect in the system's relief colours.
void DrawTextInRect(HDC DC, const TRect& Rect, const String& Text, TgxTextStyle TextStyle, TFont* Font,
                    Cardinal Format);
// The same with the alignment flags added to Format.
void DrawTextInRectWithAlign(HDC DC, const TRect& Rect, const String& Text, TgxHorAlign HorAlign,
                             TgxVertAlign VertAlign, TgxTextStyle TextStyle, TFont* Font, Cardinal Format);
