#pragma once
// BMP file images (file header, 40-byte info header or the old 12-byte core
// header, palette, bottom-up or top-down rows, uncompressed or RLE).
#include "platform/core/Types.h"
#include "platform/graphics/PixelBuffer.h"

#include <vector>

namespace graphics {

struct BmpImage {
    Integer BitCount = 24;
    std::vector<TColor> Palette;
    PixelBuffer Pixels; // top row first
};

// Parses a BMP file image; false for anything malformed, truncated or of an
// unsupported kind.
bool DecodeBmp(const Byte* data, std::size_t size, BmpImage& out);

// Writes pixels as an uncompressed bottom-up BMP with a 40-byte info header.
// For 1, 4 and 8 bits each pixel takes the nearest palette entry; the palette
// is written in full (2, 16 or 256 entries, missing ones black).
std::vector<Byte> EncodeBmp(const BmpImage& image);

// Index of the palette entry nearest to c (exact match first).
Integer NearestPaletteIndex(const std::vector<TColor>& palette, TColor c);

// The classic palettes: black and white; the 16 VGA colours; the 256-colour
// table of the 16 VGA colours, a 6 × 6 × 6 cube and a grey ramp.
std::vector<TColor> DefaultPalette(Integer bitCount);

} // namespace graphics
