#include "platform/graphics/GraphicsProperties.h"

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"

namespace graphics {

const std::vector<String> BrushStyleNames = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                             "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
const std::vector<String> PenStyleNames = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                           "psDashDotDot", "psClear", "psInsideFrame"};

bool ColorIntToIdent(Int64 Value, String& Ident) {
    return ColorToIdent(TColor(Value), Ident);
}

bool ColorIdentToInt(const String& Ident, Int64& Value) {
    TColor color = 0;
    if (!IdentToColor(Ident, color)) return false;
    Value = Int64(color);
    return true;
}

void RegisterGraphicsProperties() {
    static const bool registered = [] {
        const FontState font;
        RegisterClass<TFont>(
            "TFont", "",
            {
                IntProp<TFont>("Charset", &TFont::Charset, &TFont::SetCharset, font.Charset),
                ColorProp<TFont>("Color", &TFont::Color, &TFont::SetColor, font.Color),
                IntProp<TFont>("Height", &TFont::Height, &TFont::SetHeight, font.Height),
                StoredWhen(StrProp<TFont>("Name", &TFont::Name, &TFont::SetName),
                           [](TObject* o) { return static_cast<TFont*>(o)->Name() != FontState().Name; }),
                EnumProp<TFont>("Pitch", &TFont::Pitch, &TFont::SetPitch, font.Pitch,
                                {"fpDefault", "fpVariable", "fpFixed"}),
                SetProp<TFont>("Style", &TFont::Style, &TFont::SetStyle, 0,
                               {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}),
            });
        RegisterClass<TBrush>(
            "TBrush", "",
            {
                ColorProp<TBrush>("Color", &TBrush::Color, &TBrush::SetColor, clWhite),
                EnumProp<TBrush>("Style", &TBrush::Style, &TBrush::SetStyle, bsSolid, BrushStyleNames),
            });
        return true;
    }();
    (void)registered;
}

} // namespace graphics
