#pragma once
// Form-resource streaming of the graphics classes: colour properties written
// as their identifiers ("clBtnFace") where they have one, the published
// properties of TFont and TBrush, and the enumeration names the controls'
// property tables share.
#include "platform/core/TypInfo.h"
#include "platform/graphics/TColor.h"

namespace graphics {

// Registers TFont (Charset, Color, Height, Name, Pitch, Style, each written only
// when it differs from a new font) and TBrush (Color clWhite, Style bsSolid).
// Idempotent; the controls' registrations call it first.
void RegisterGraphicsProperties();

bool ColorIntToIdent(Int64 Value, String& Ident);
bool ColorIdentToInt(const String& Ident, Int64& Value);

extern const std::vector<String> BrushStyleNames;
extern const std::vector<String> PenStyleNames;

} // namespace graphics

// A TColor property: an identifier when the colour has one, else its number.
template <class T, class G, class S>
TPropInfo ColorProp(const String& Name, G Get, S Set, Int64 Default = NoDefault) {
    TPropInfo p = IntProp<T>(Name, Get, Set, Default);
    p.IntToIdent = graphics::ColorIntToIdent;
    p.IdentToInt = graphics::ColorIdentToInt;
    return p;
}
