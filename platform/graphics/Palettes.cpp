#include "platform/graphics/Palettes.h"

#include "platform/graphics/TCanvas.h"

HPALETTE CreatePalette(const LOGPALETTE* Palette) {
    if (!Palette || Palette->palPalEntry.empty()) return nullptr;
    return new TPaletteObject{Palette->palPalEntry};
}

HPALETTE SelectPalette(TCanvas* DC, HPALETTE Palette, bool ForceBackground) {
    if (!DC) return nullptr;
    HPALETTE old = DC->Palette();
    DC->SetPalette(Palette);
    return old;
}

Cardinal RealizePalette(TCanvas* DC) {
    return 0;
}

Cardinal GetPaletteEntries(HPALETTE Palette, Cardinal Start, Cardinal Count, PALETTEENTRY* Entries) {
    if (!Palette) return 0;
    const Cardinal size = Cardinal(Palette->Entries.size());
    if (!Entries) return size;
    Cardinal n = 0;
    for (; n < Count && Start + n < size; ++n)
        Entries[n] = Palette->Entries[Start + n];
    return n;
}

bool DeleteObject(HPALETTE Palette) {
    if (!Palette) return false;
    delete Palette;
    return true;
}
