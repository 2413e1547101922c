#pragma once
// Small 24-bit bitmaps for pixel tests of the drawing routines: a sheet filled
// with one colour, so unpainted pixels show, and pixel reads and writes.
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace sheet {

constexpr TColor Green = RGB(0, 255, 0);

inline std::unique_ptr<TBitmap> Make(Integer w, Integer h, TColor fill = Green,
                                     TPixelFormat format = pf24bit) {
    auto b = std::make_unique<TBitmap>(w, h, format);
    b->Canvas()->Brush()->SetColor(fill);
    b->Canvas()->FillRect(TRect(0, 0, w, h));
    return b;
}

inline TColor At(TBitmap& b, Integer x, Integer y) {
    return b.Canvas()->Pixels(x, y) & 0xFFFFFF;
}
inline void Put(TBitmap& b, Integer x, Integer y, TColor c) {
    b.Canvas()->SetPixels(x, y, c);
}

// Pictures as rows of letters: a palette names the colour of each letter.
using Palette = std::vector<std::pair<char, TColor>>;

// Each pixel as the letter of its colour ('?' for a colour not in Colours).
inline std::vector<std::string> Letters(TBitmap& b, const Palette& Colours) {
    std::vector<std::string> rows;
    for (Integer y = 0; y < b.Height(); ++y) {
        std::string row;
        for (Integer x = 0; x < b.Width(); ++x) {
            char letter = '?';
            for (const auto& [c, colour] : Colours)
                if (At(b, x, y) == (ColorToRGB(colour) & 0xFFFFFF)) letter = c;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

// A sheet painted from rows of letters.
inline std::unique_ptr<TBitmap> FromLetters(const std::vector<std::string>& Rows, const Palette& Colours) {
    auto b = Make(Integer(Rows[0].size()), Integer(Rows.size()));
    for (std::size_t y = 0; y < Rows.size(); ++y)
        for (std::size_t x = 0; x < Rows[y].size(); ++x)
            for (const auto& [c, colour] : Colours)
                if (c == Rows[y][x]) Put(*b, Integer(x), Integer(y), colour);
    return b;
}

// A 4 × 4 eight-bit bitmap whose colour table is Colours.
inline std::unique_ptr<TBitmap> EightBit(const std::vector<TColor>& Colours) {
    auto b = std::make_unique<TBitmap>(4, 4, pf8bit);
    b->SetPalette(Colours);
    return b;
}

// Entry Index of a palette as a colour; clNone for no palette or no such entry.
inline TColor PaletteEntry(HPALETTE P, Cardinal Index) {
    PALETTEENTRY e;
    if (GetPaletteEntries(P, Index, 1, &e) != 1) return clNone;
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

} // namespace sheet
