#pragma once
// Bitmaps as text for readable pixel assertions: one character per pixel,
// rows separated by "\n"; colours not in the legend show as "?".
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <map>
#include <memory>

namespace graphicstest {

inline String Art(TBitmap& b, const std::map<TColor, char>& legend) {
    String s;
    for (Integer y = 0; y < b.Height(); ++y) {
        if (y) s += "\n";
        for (Integer x = 0; x < b.Width(); ++x) {
            const auto it = legend.find(b.Canvas()->Pixels(x, y));
            s += it == legend.end() ? '?' : it->second;
        }
    }
    return s;
}

// A w × h 32-bit bitmap filled with colour.
inline std::unique_ptr<TBitmap> Filled(Integer w, Integer h, TColor colour, TPixelFormat f = pf32bit) {
    auto b = std::make_unique<TBitmap>(w, h, f);
    b->Canvas()->Brush()->SetColor(colour);
    b->Canvas()->FillRect(TRect(0, 0, w, h));
    return b;
}

} // namespace graphicstest
