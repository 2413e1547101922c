#pragma once
// Enumerations shared by the UTL graphic property objects, shapes and regions,
// and two small conversions.
#include "platform/graphics/TColor.h"

enum TUtlShapeType {
    stEllipse,
    stRectangle,
    stRoundRect,
    stDirectUp,
    stDirectRight,
    stDirectDown,
    stDirectLeft,
    stDiamond,
    stComb,
    stOctagon,
    stStar
};
enum TUtlShadowStyle { hssNone, hssSolid, hssTracing };
enum TUtlFillStyle { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };
enum TUtlTileMode { tmNone, tmCenter, tmStretch, tmTile };
enum TUtlDirection { tdRight, tdDown, tdLeft, tdUp };
enum TUtlGlyphTextFocusStyle { fcControl, fcText, fcGlyph, fcGlyphText, fcNone };
// A byte wide: every byte is a value, so one past lcPurple is defined and UtlGetLightColors refuses it.
enum TUtlLightColor : Byte { lcNone, lcBlue, lcRed, lcGreen, lcYellow, lcMarine, lcPurple };

using TUtlPercent = Byte;     // 0 .. 100
using TUtlShadowDepth = Byte; // 0 .. 40
using TUtlTeethCount = Byte;  // 0 .. 50

// The light and dark colour of a light colour name; other values leave both.
void UtlGetLightColors(TUtlLightColor Light, TColor& LightColor, TColor& DarkColor);
// The focus flag of the text-and-glyph drawing: fcText 64, fcGlyph 128, fcGlyphText 256, else 0.
Word UtlConvertFocusStyle(TUtlGlyphTextFocusStyle Style);
