#pragma once
// The drawing objects a metafile creates, selects and deletes (pens, brushes,
// fonts), kept as the file describes them in logical units; the player turns
// them into canvas states at the scale it draws with.
#include "platform/core/Types.h"
#include "platform/graphics/TColor.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <variant>

class TBitmap;

namespace graphics::metafile {

constexpr std::uint32_t PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
                        PS_INSIDEFRAME = 6, PS_STYLE_MASK = 0xF, PS_GEOMETRIC = 0x10000;
constexpr std::uint32_t BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2, BS_PATTERN = 3, BS_DIBPATTERN = 5,
                        BS_DIBPATTERNPT = 6;

struct LogPen {
    std::uint32_t Style = PS_SOLID;
    double Width = 0; // logical units; 0 and cosmetic pens are one pixel
    bool Cosmetic = false;
    TColor Color = clBlack;
};

struct LogBrush {
    std::uint32_t Style = BS_SOLID;
    TColor Color = clWhite;
    std::uint32_t Hatch = 0;
    std::shared_ptr<const TBitmap> Pattern; // pattern brushes
};

struct LogFont {
    std::int32_t Height = 0; // logical units; negative: the character height
    std::int32_t Escapement = 0;
    std::int32_t Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    Byte Charset = 1;
    String Face;
};

class Reader;

// The fixed part of a logical-font record, up to its face name: height, width,
// escapement, orientation and weight as 16-bit fields (Long false: old metafiles)
// or 32-bit ones (enhanced), then italic, underline, strike-out, charset and four
// bytes of precision, quality and pitch. The caller reads the face, whose form
// differs between the two.
LogFont ReadLogFontHead(Reader& R, bool Long);

// An object slot: a pen, brush or font, or something this player keeps only
// for its place in the table (palettes, regions).
using GdiObject = std::variant<std::monostate, LogPen, LogBrush, LogFont>;

// The stock object of index (without the high bit that marks it in a file);
// nothing for an index the platform does not define.
GdiObject StockObject(std::uint32_t Index);

// COLORREF of a file: palette-relative colours keep their RGB part.
inline TColor FileColor(std::uint32_t c) {
    return c & 0xFFFFFF;
}

// The objects by index. Slots exist only for objects really created, so no
// number in a file decides how much is allocated.
class ObjectTable {
public:
    // The enhanced format names the index.
    void Put(std::uint32_t Index, GdiObject Object);
    // The older format's rule: the lowest free index.
    std::uint32_t Add(GdiObject Object);
    const GdiObject* Get(std::uint32_t Index) const;
    void Erase(std::uint32_t Index);

private:
    std::map<std::uint32_t, GdiObject> FObjects;
    std::set<std::uint32_t> FFree; // freed indexes below FNext, for Add
    std::uint32_t FNext = 0;
};

} // namespace graphics::metafile
