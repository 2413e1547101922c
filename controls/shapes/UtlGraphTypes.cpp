#include "controls/shapes/UtlGraphTypes.h"

#include "controls/text/UtlText.h"

void UtlGetLightColors(TUtlLightColor Light, TColor& LightColor, TColor& DarkColor) {
    static const TColor pairs[][2] = {{clBtnFace, clBtnFace}, {0xFF0000, 0x800000}, {0x0000FF, 0x000080},
                                      {0x00FF00, 0x008000},   {0x00FFFF, 0x008080}, {0xFFFF00, 0x808000},
                                      {0xFF00FF, 0x800080}};
    if (Light > lcPurple) return;
    LightColor = pairs[Light][0];
    DarkColor = pairs[Light][1];
}

Word UtlConvertFocusStyle(TUtlGlyphTextFocusStyle Style) {
    switch (Style) {
    case fcText:
        return Word(1u << dtRectText);
    case fcGlyph:
        return Word(1u << dtRectGlyph);
    case fcGlyphText:
        return Word(1u << dtRectGlyphText);
    default:
        return 0;
    }
}
