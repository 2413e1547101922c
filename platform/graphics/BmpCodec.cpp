#include "platform/graphics/BmpCodec.h"

#include <cstdint>
#include <limits>

namespace graphics {

namespace {

constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;
// Larger images than this are refused rather than allocated from untrusted sizes.
constexpr std::int64_t MaxPixels = std::int64_t(1) << 26;

std::uint32_t U32(const Byte* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint16_t U16(const Byte* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}

void Put32(std::vector<Byte>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(Byte(x >> (8 * i)));
}
void Put16(std::vector<Byte>& v, std::uint16_t x) {
    v.push_back(Byte(x));
    v.push_back(Byte(x >> 8));
}

Integer RowBytes(Integer width, Integer bits) {
    return Integer(((std::int64_t(width) * bits + 31) / 32) * 4);
}

// Decodes RLE8 / RLE4 into one palette index per pixel, bottom-up rows.
bool DecodeRle(const Byte* p, std::size_t n, Integer w, Integer h, bool four, std::vector<Byte>& idx) {
    idx.assign(std::size_t(w) * std::size_t(h), 0);
    Integer x = 0, y = 0;
    std::size_t i = 0;
    auto put = [&](Byte v) {
        if (x < w && y < h) idx[std::size_t(y) * std::size_t(w) + std::size_t(x)] = v;
        ++x;
    };
    while (i + 1 < n) {
        const Byte count = p[i], value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(four ? Byte((k % 2 == 0) ? value >> 4 : value & 0xF) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // delta
            if (i + 1 >= n) return false;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else { // absolute run of `value` pixels, padded to a word
            const std::size_t bytes = four ? (std::size_t(value) + 1) / 2 : value;
            if (i + bytes > n) return false;
            for (int k = 0; k < value; ++k)
                put(four ? Byte((k % 2 == 0) ? p[i + std::size_t(k / 2)] >> 4
                                             : p[i + std::size_t(k / 2)] & 0xF)
                         : p[i + std::size_t(k)]);
            i += bytes + (bytes & 1);
        }
    }
    return true;
}

} // namespace

Integer NearestPaletteIndex(const std::vector<TColor>& palette, TColor c) {
    Integer best = 0;
    std::int64_t bestDist = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const TColor p = palette[i];
        const std::int64_t dr = GetRValue(p) - GetRValue(c), dg = GetGValue(p) - GetGValue(c),
                           db = GetBValue(p) - GetBValue(c);
        const std::int64_t d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = Integer(i);
            if (d == 0) break;
        }
    }
    return best;
}

std::vector<TColor> DefaultPalette(Integer bitCount) {
    static const TColor vga[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (bitCount == 1) return {clBlack, clWhite};
    std::vector<TColor> p(vga, vga + 16);
    if (bitCount == 4) return p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                p.push_back(RGB(Byte(r * 51), Byte(g * 51), Byte(b * 51)));
    for (int i = 0; p.size() < 256; ++i)
        p.push_back(RGB(Byte(8 + i * 10), Byte(8 + i * 10), Byte(8 + i * 10)));
    return p;
}

bool DecodeBmp(const Byte* data, std::size_t size, BmpImage& out) {
    if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint32_t offBits = U32(data + 10);
    const Byte* info = data + 14;
    const std::uint32_t infoSize = U32(info);
    std::int64_t width, height;
    std::uint16_t bits;
    std::uint32_t compression = BI_RGB, clrUsed = 0;
    bool core = false;
    if (infoSize == 12) {
        core = true;
        width = U16(info + 4);
        height = std::int16_t(U16(info + 6));
        bits = U16(info + 10);
    } else if (infoSize >= 40 && 14 + std::size_t(infoSize) <= size) {
        width = std::int32_t(U32(info + 4));
        height = std::int32_t(U32(info + 8));
        bits = U16(info + 14);
        compression = U32(info + 16);
        clrUsed = U32(info + 32);
    } else {
        return false;
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width * height > MaxPixels) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    if (compression == BI_BITFIELDS && bits == 32) compression = BI_RGB; // standard masks assumed
    if (compression != BI_RGB && !(compression == BI_RLE8 && bits == 8) &&
        !(compression == BI_RLE4 && bits == 4))
        return false;
    if (topDown && compression != BI_RGB) return false;

    out = BmpImage();
    out.BitCount = bits;
    if (bits <= 8) {
        std::size_t entries = clrUsed ? clrUsed : (std::size_t(1) << bits);
        if (entries > 256) return false;
        const std::size_t entrySize = core ? 3 : 4;
        const std::size_t at = 14 + infoSize;
        if (at + entries * entrySize > size) return false;
        for (std::size_t i = 0; i < entries; ++i) {
            const Byte* e = data + at + i * entrySize;
            out.Palette.push_back(RGB(e[2], e[1], e[0]));
        }
    }
    if (offBits >= size) return false;
    const Byte* bitsData = data + offBits;
    const std::size_t avail = size - offBits;
    const Integer w = Integer(width), h = Integer(height);
    const Integer stride = RowBytes(w, bits);
    // Rows the data cannot hold are refused before the pixels are allocated:
    // a damaged header of a few bytes may claim millions of pixels.
    if (compression == BI_RGB && std::size_t(stride) * std::size_t(h) > avail) return false;
    out.Pixels = PixelBuffer(w, h);
    out.Pixels.Monochrome = bits == 1;
    auto paletteColor = [&](std::size_t index) {
        return index < out.Palette.size() ? out.Palette[index] : clBlack;
    };

    if (compression != BI_RGB) {
        std::vector<Byte> idx;
        if (!DecodeRle(bitsData, avail, w, h, compression == BI_RLE4, idx)) return false;
        for (Integer y = 0; y < h; ++y)
            for (Integer x = 0; x < w; ++x)
                out.Pixels.At(x, h - 1 - y) =
                    paletteColor(idx[std::size_t(y) * std::size_t(w) + std::size_t(x)]);
        return true;
    }
    for (Integer row = 0; row < h; ++row) {
        const Byte* line = bitsData + std::size_t(row) * std::size_t(stride);
        const Integer y = topDown ? row : h - 1 - row;
        for (Integer x = 0; x < w; ++x) {
            TColor c;
            switch (bits) {
            case 1:
                c = paletteColor((line[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                c = paletteColor((x % 2 == 0) ? line[x / 2] >> 4 : line[x / 2] & 0xF);
                break;
            case 8:
                c = paletteColor(line[x]);
                break;
            case 24:
                c = RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]);
                break;
            default:
                c = RGB(line[4 * x + 2], line[4 * x + 1], line[4 * x]);
                break;
            }
            out.Pixels.At(x, y) = c;
        }
    }
    if (bits == 1) {
        // A one-bit picture shows its two palette colours; keep it one-bit only
        // when they are black and white.
        out.Pixels.Monochrome =
            out.Palette.size() == 2 && out.Palette[0] == clBlack && out.Palette[1] == clWhite;
    }
    return true;
}

std::vector<Byte> EncodeBmp(const BmpImage& image) {
    const Integer bits = image.BitCount;
    const Integer w = image.Pixels.Width, h = image.Pixels.Height;
    const std::size_t entries = bits <= 8 ? (std::size_t(1) << bits) : 0;
    std::vector<TColor> palette = image.Palette;
    if (bits <= 8) {
        if (palette.empty()) palette = DefaultPalette(bits);
        palette.resize(entries, clBlack);
    }
    const Integer stride = RowBytes(w, bits);
    const std::uint32_t imageSize = std::uint32_t(stride) * std::uint32_t(h);
    const std::uint32_t offBits = 14 + 40 + std::uint32_t(entries * 4);
    std::vector<Byte> out;
    out.reserve(offBits + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + imageSize);
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, std::uint32_t(w));
    Put32(out, std::uint32_t(h));
    Put16(out, 1);
    Put16(out, std::uint16_t(bits));
    Put32(out, BI_RGB);
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (std::size_t i = 0; i < entries; ++i) {
        out.push_back(GetBValue(palette[i]));
        out.push_back(GetGValue(palette[i]));
        out.push_back(GetRValue(palette[i]));
        out.push_back(0);
    }
    std::vector<Byte> line(std::size_t(stride), 0);
    for (Integer row = h - 1; row >= 0; --row) {
        std::fill(line.begin(), line.end(), 0);
        for (Integer x = 0; x < w; ++x) {
            const TColor c = image.Pixels.At(x, row) & 0xFFFFFF;
            switch (bits) {
            case 1:
                if (NearestPaletteIndex(palette, c)) line[std::size_t(x / 8)] |= Byte(0x80 >> (x % 8));
                break;
            case 4:
                line[std::size_t(x / 2)] |= Byte(NearestPaletteIndex(palette, c) << ((x % 2 == 0) ? 4 : 0));
                break;
            case 8:
                line[std::size_t(x)] = Byte(NearestPaletteIndex(palette, c));
                break;
            case 24:
                line[std::size_t(3 * x)] = GetBValue(c);
                line[std::size_t(3 * x + 1)] = GetGValue(c);
                line[std::size_t(3 * x + 2)] = GetRValue(c);
                break;
            default:
                line[std::size_t(4 * x)] = GetBValue(c);
                line[std::size_t(4 * x + 1)] = GetGValue(c);
                line[std::size_t(4 * x + 2)] = GetRValue(c);
                break;
            }
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

} // namespace graphics
