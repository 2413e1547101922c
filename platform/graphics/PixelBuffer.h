#pragma once
// A plain block of 0x00BBGGRR pixels: what raster operations read and write,
// independent of the drawing backend.
#include "platform/core/Types.h"
#include "platform/graphics/TColor.h"

#include <vector>

namespace graphics {

struct PixelBuffer {
    Integer Width = 0;
    Integer Height = 0;
    bool Monochrome = false; // pixels are only clBlack or clWhite
    std::vector<TColor> Pixels;

    PixelBuffer() = default;
    PixelBuffer(Integer w, Integer h, TColor fill = clBlack)
        : Width(w), Height(h), Pixels(std::size_t(w > 0 && h > 0 ? w * h : 0), fill) {}
    TColor& At(Integer x, Integer y) { return Pixels[std::size_t(y * Width + x)]; }
    TColor At(Integer x, Integer y) const { return Pixels[std::size_t(y * Width + x)]; }
};

} // namespace graphics
