#include "platform/graphics/MetafileObjects.h"

#include "platform/graphics/MetafileReader.h"

namespace graphics::metafile {

GdiObject StockObject(std::uint32_t Index) {
    auto brush = [](std::uint32_t style, TColor color) {
        LogBrush b;
        b.Style = style;
        b.Color = color;
        return GdiObject(b);
    };
    auto pen = [](std::uint32_t style, TColor color) {
        LogPen p;
        p.Style = style;
        p.Color = color;
        return GdiObject(p);
    };
    switch (Index) {
    case 0: // WHITE_BRUSH
        return brush(BS_SOLID, clWhite);
    case 1: // LTGRAY_BRUSH
        return brush(BS_SOLID, RGB(192, 192, 192));
    case 2: // GRAY_BRUSH
        return brush(BS_SOLID, RGB(128, 128, 128));
    case 3: // DKGRAY_BRUSH
        return brush(BS_SOLID, RGB(64, 64, 64));
    case 4: // BLACK_BRUSH
        return brush(BS_SOLID, clBlack);
    case 5: // NULL_BRUSH
        return brush(BS_NULL, clWhite);
    case 6: // WHITE_PEN
        return pen(PS_SOLID, clWhite);
    case 7: // BLACK_PEN
        return pen(PS_SOLID, clBlack);
    case 8: // NULL_PEN
        return pen(PS_NULL, clBlack);
    case 10:   // OEM_FIXED_FONT
    case 11:   // ANSI_FIXED_FONT
    case 16: { // SYSTEM_FIXED_FONT
        LogFont f;
        f.Height = 12;
        f.Face = "Courier New";
        return f;
    }
    case 12:   // ANSI_VAR_FONT
    case 13:   // SYSTEM_FONT
    case 14:   // DEVICE_DEFAULT_FONT
    case 17: { // DEFAULT_GUI_FONT
        LogFont f;
        f.Height = -11;
        f.Face = "MS Sans Serif";
        return f;
    }
    case 18: // DC_BRUSH
        return brush(BS_SOLID, clWhite);
    case 19: // DC_PEN
        return pen(PS_SOLID, clBlack);
    default:
        return {};
    }
}

void ObjectTable::Put(std::uint32_t Index, GdiObject Object) {
    FObjects[Index] = std::move(Object);
}

std::uint32_t ObjectTable::Add(GdiObject Object) {
    std::uint32_t index = FNext;
    if (!FFree.empty()) {
        index = *FFree.begin();
        FFree.erase(FFree.begin());
    } else {
        ++FNext;
    }
    FObjects[index] = std::move(Object);
    return index;
}

const GdiObject* ObjectTable::Get(std::uint32_t Index) const {
    const auto it = FObjects.find(Index);
    return it == FObjects.end() ? nullptr : &it->second;
}

void ObjectTable::Erase(std::uint32_t Index) {
    if (FObjects.erase(Index) && Index < FNext) FFree.insert(Index);
}

LogFont ReadLogFontHead(Reader& R, bool Long) {
    auto number = [&] { return Long ? R.I32() : std::int32_t(R.I16()); };
    LogFont f;
    f.Height = number();
    number(); // width
    f.Escapement = number();
    number(); // orientation
    f.Weight = number();
    f.Italic = R.U8();
    f.Underline = R.U8();
    f.StrikeOut = R.U8();
    f.Charset = R.U8();
    R.Skip(4);
    return f;
}

} // namespace graphics::metafile
