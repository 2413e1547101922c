#pragma once
// What the two record players share: decoding of the bitmaps and 8-bit text
// that records carry, and the players themselves. Part of the metafile player.
#include "platform/graphics/MetafileReader.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/TRect.h"

#include <memory>
#include <string>
#include <string_view>

class TBitmap;
class TCanvas;

namespace graphics::metafile {

constexpr std::uint32_t DIB_RGB_COLORS = 0;

// A device-independent bitmap as records hold it (its info header with the
// colour table, and its bits): the pixels, top row first, and whether the
// rows were stored bottom-up. False for a bitmap that cannot be drawn.
struct Dib {
    PixelBuffer Pixels;
    bool BottomUp = true;
};
bool DecodeDib(const Reader& Info, const Reader& Bits, std::uint32_t Usage, Dib& Out);
// A packed bitmap (info header, colour table and bits in one run) split into
// its two parts.
void SplitPackedDib(const Reader& Packed, Reader& Info, Reader& Bits);
// The part of Source inside Area (clipped to it); empty when they do not meet.
PixelBuffer Crop(const PixelBuffer& Source, const TRect& Area);
// A bitmap of the pixels, for pattern brushes.
std::shared_ptr<const TBitmap> PatternBitmap(const PixelBuffer& Pixels);

// 8-bit text of a font's character set.
std::u32string DecodeAnsi(std::string_view Bytes, Byte Charset);

// Header facts of each kind.
struct Header {
    DRect Frame;        // in the file's device units
    DPoint PixelsPerMm; // of the file's device
    bool Placeable = false;
    Integer Width96 = 0; // the picture's size at 96 dots per inch
    Integer Height96 = 0;
};
Header ReadEnhancedHeader(Reader Data);
Header ReadWindowsHeader(Reader Data);

// Play every record; Canvas null only checks them. Record counts the
// records read, for the message when one is damaged.
void PlayEnhanced(Reader Data, const Header& H, TCanvas* Canvas, const TRect& Target, std::size_t& Record);
void PlayWindows(Reader Data, const Header& H, TCanvas* Canvas, const TRect& Target, std::size_t& Record);

} // namespace graphics::metafile
