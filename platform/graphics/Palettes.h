#pragma once
// Logical palettes. Every surface here is true-colour, so a palette only
// carries its entries: selecting and realising it changes no pixel, and a
// palette-relative colour draws as its RGB value.
#include "platform/core/Types.h"
#include "platform/graphics/TColor.h"

#include <vector>

class TCanvas;

constexpr Byte PC_RESERVED = 0x01, PC_EXPLICIT = 0x02, PC_NOCOLLAPSE = 0x04;

struct PALETTEENTRY {
    Byte peRed = 0;
    Byte peGreen = 0;
    Byte peBlue = 0;
    Byte peFlags = 0;
};

struct LOGPALETTE {
    Word palVersion = 0x300;
    std::vector<PALETTEENTRY> palPalEntry; // palNumEntries is its size
};

struct TPaletteObject {
    std::vector<PALETTEENTRY> Entries;
};
using HPALETTE = TPaletteObject*;

// A colour that names the palette entry nearest to r, g, b.
constexpr TColor PALETTERGB(Byte r, Byte g, Byte b) {
    return 0x02000000u | RGB(r, g, b);
}
// 0x01000000 | index: the palette entry by number.
constexpr TColor PALETTEINDEX(Word index) {
    return 0x01000000u | index;
}

// A new palette holding the entries (owned by the caller, freed with
// DeleteObject); nullptr for a null description or one without entries.
HPALETTE CreatePalette(const LOGPALETTE* Palette);
// Selects the palette into the canvas; answers the one selected before
// (nullptr the first time).
HPALETTE SelectPalette(TCanvas* DC, HPALETTE Palette, bool ForceBackground);
// Number of entries mapped into the system palette: 0 on a true-colour surface.
Cardinal RealizePalette(TCanvas* DC);
Cardinal GetPaletteEntries(HPALETTE Palette, Cardinal Start, Cardinal Count, PALETTEENTRY* Entries);
// Frees a palette; as on the platform, it must not be selected in a canvas any more.
bool DeleteObject(HPALETTE Palette);
