#pragma once
// Small 24-bit bitmaps for pixel tests of the drawing routines: a sheet filled
// with one colour, so unpainted pixels show, and pixel reads and writes.
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <memory>

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

} // namespace sheet
