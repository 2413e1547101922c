#include "platform/graphics/MetafilePlayer.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/MetafilePlay.h"
#include "platform/graphics/TBitmap.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace graphics {

namespace metafile {

namespace {

constexpr std::uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t EmfHeaderSize = 88;
constexpr std::size_t PlaceableSize = 22;
constexpr std::size_t WmfHeaderSize = 18;
constexpr std::int64_t MaxDibPixels = std::int64_t(1) << 24;

enum class Kind { None, Enhanced, Placeable, Plain };

Kind KindOf(const std::vector<Byte>& d) {
    auto u32 = [&](std::size_t at) {
        return std::uint32_t(d[at]) | (std::uint32_t(d[at + 1]) << 8) | (std::uint32_t(d[at + 2]) << 16) |
               (std::uint32_t(d[at + 3]) << 24);
    };
    if (d.size() >= EmfHeaderSize && u32(0) == 1 && u32(40) == EmfSignature) return Kind::Enhanced;
    if (d.size() >= PlaceableSize + WmfHeaderSize && u32(0) == PlaceableKey) return Kind::Placeable;
    if (d.size() >= WmfHeaderSize && (d[0] == 1 || d[0] == 2) && d[1] == 0 && d[2] == 9 && d[3] == 0)
        return Kind::Plain;
    return Kind::None;
}

Integer Pixels96(double units, double perInch) {
    const double px = units * 96 / perInch;
    return std::isfinite(px) && std::fabs(px) < 1e9 ? Integer(std::lround(px)) : 0;
}

} // namespace

Header ReadEnhancedHeader(Reader Data) {
    Header h;
    Data.Seek(8);
    const DRect bounds = Data.RectL();
    const DRect frame = Data.RectL(); // hundredths of a millimetre
    Data.Seek(72);
    const double devX = Data.I32(), devY = Data.I32(), mmX = Data.I32(), mmY = Data.I32();
    h.PixelsPerMm = {devX > 0 && mmX > 0 ? devX / mmX : 96 / 25.4,
                     devY > 0 && mmY > 0 ? devY / mmY : 96 / 25.4};
    h.Frame = {frame.Left * h.PixelsPerMm.X / 100, frame.Top * h.PixelsPerMm.Y / 100,
               frame.Right * h.PixelsPerMm.X / 100, frame.Bottom * h.PixelsPerMm.Y / 100};
    // A file without a frame is placed by the bounds of what it draws.
    if (!(h.Frame.Right > h.Frame.Left) || !(h.Frame.Bottom > h.Frame.Top))
        h.Frame = {bounds.Left, bounds.Top, bounds.Right + 1, bounds.Bottom + 1};
    h.Width96 = Pixels96(frame.Right - frame.Left, 2540);
    h.Height96 = Pixels96(frame.Bottom - frame.Top, 2540);
    return h;
}

Header ReadWindowsHeader(Reader Data) {
    Header h;
    h.PixelsPerMm = {96 / 25.4, 96 / 25.4};
    if (Data.U32() == PlaceableKey) {
        h.Placeable = true;
        Data.Skip(2); // handle
        h.Frame = {double(Data.I16()), double(Data.I16()), double(Data.I16()), double(Data.I16())};
        const double inch = Data.U16();
        if (inch > 0) {
            h.PixelsPerMm = {inch / 25.4, inch / 25.4};
            h.Width96 = Pixels96(h.Frame.Right - h.Frame.Left, inch);
            h.Height96 = Pixels96(h.Frame.Bottom - h.Frame.Top, inch);
        }
        Data.Seek(PlaceableSize);
    } else {
        Data.Seek(0);
    }
    const std::uint16_t type = Data.U16(), size = Data.U16();
    if ((type != 1 && type != 2) || size != 9) throw EInvalidGraphic("Metafile is not valid");
    return h;
}

bool DecodeDib(const Reader& Info, const Reader& Bits, std::uint32_t Usage, Dib& Out) {
    // Colour tables of palette indexes need the palette of the device that
    // recorded them; such bitmaps are not drawn.
    if (Usage != DIB_RGB_COLORS || Info.Size() < 12) return false;
    Reader info = Info;
    const std::uint32_t infoSize = info.U32();
    std::int64_t width = 0, height = 0;
    if (infoSize == 12) {
        width = info.U16();
        height = info.I16();
    } else if (infoSize >= 40 && Info.Size() >= 40) {
        width = info.I32();
        height = info.I32();
    } else {
        return false;
    }
    Out.BottomUp = height >= 0;
    // A compressed bitmap may claim any size in a few bytes: no picture of a
    // page needs more pixels than this.
    if (std::abs(width) * std::abs(height) > MaxDibPixels) return false;
    // The codec reads bitmap files: a file header in front makes one.
    std::vector<Byte> file(14 + Info.Size() + Bits.Size());
    const std::uint32_t offBits = std::uint32_t(14 + Info.Size());
    const std::uint32_t total = std::uint32_t(file.size());
    file[0] = 'B';
    file[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        file[2 + std::size_t(i)] = Byte(total >> (8 * i));
        file[10 + std::size_t(i)] = Byte(offBits >> (8 * i));
    }
    if (Info.Size()) std::memcpy(file.data() + 14, Info.Data(), Info.Size());
    if (Bits.Size()) std::memcpy(file.data() + offBits, Bits.Data(), Bits.Size());
    BmpImage image;
    if (!DecodeBmp(file.data(), file.size(), image)) return false;
    Out.Pixels = std::move(image.Pixels);
    return true;
}

void SplitPackedDib(const Reader& Packed, Reader& Info, Reader& Bits) {
    Reader r = Packed;
    const std::uint32_t infoSize = r.U32();
    std::uint64_t colours = 0, entry = 4, masks = 0;
    if (infoSize == 12) {
        r.Seek(10);
        const std::uint16_t bits = r.U16();
        colours = bits <= 8 ? (std::uint64_t(1) << bits) : 0;
        entry = 3;
    } else if (infoSize >= 40) {
        r.Seek(14);
        const std::uint16_t bits = r.U16();
        const std::uint32_t compression = r.U32();
        r.Seek(32);
        const std::uint32_t used = r.U32();
        colours = used ? used : (bits <= 8 ? (std::uint64_t(1) << bits) : 0);
        if (compression == 3 && infoSize == 40) masks = 12; // BI_BITFIELDS
    } else {
        Fail();
    }
    const std::uint64_t infoBytes = infoSize + masks + colours * entry;
    Info = Packed.Part(0, infoBytes);
    Bits = Packed.Part(infoBytes, Packed.Size() - infoBytes);
}

PixelBuffer Crop(const PixelBuffer& Source, const TRect& Area) {
    TRect r;
    if (!IntersectRect(r, Area, TRect(0, 0, Source.Width, Source.Height))) return PixelBuffer();
    if (r == TRect(0, 0, Source.Width, Source.Height)) return Source;
    PixelBuffer out(r.Width(), r.Height());
    for (Integer y = 0; y < r.Height(); ++y)
        for (Integer x = 0; x < r.Width(); ++x)
            out.At(x, y) = Source.At(r.Left + x, r.Top + y);
    return out;
}

std::shared_ptr<const TBitmap> PatternBitmap(const PixelBuffer& Pixels) {
    auto b = std::make_shared<TBitmap>(Pixels.Width, Pixels.Height, pf24bit);
    b->PutPixels(0, 0, Pixels);
    return b;
}

std::u32string DecodeAnsi(std::string_view Bytes, Byte Charset) {
    constexpr Byte RussianCharset = 204;
    return core::Utf8ToU32(CodePageToUtf8(Bytes, Charset == RussianCharset ? CP_WINDOWS_1251 : GetACP()));
}

namespace {

// Runs the player of Data's kind; Canvas null checks only.
void Play(const std::vector<Byte>& Data, TCanvas* Canvas, const TRect& Target, std::size_t& Record) {
    const Reader data(Data.data(), Data.size());
    switch (KindOf(Data)) {
    case Kind::Enhanced:
        PlayEnhanced(data, ReadEnhancedHeader(data), Canvas, Target, Record);
        break;
    case Kind::Placeable:
    case Kind::Plain:
        PlayWindows(data, ReadWindowsHeader(data), Canvas, Target, Record);
        break;
    case Kind::None:
        throw EInvalidGraphic("Metafile is not valid");
    }
}

} // namespace

} // namespace metafile

MetafileInfo CheckMetafile(const std::vector<Byte>& Data) {
    using namespace metafile;
    MetafileInfo info;
    const Reader data(Data.data(), Data.size());
    const Kind kind = KindOf(Data);
    if (kind == Kind::None) throw EInvalidGraphic("Metafile is not valid");
    std::size_t record = 0;
    try {
        const Header h = kind == Kind::Enhanced ? ReadEnhancedHeader(data) : ReadWindowsHeader(data);
        info.Enhanced = kind == Kind::Enhanced;
        info.Width = h.Width96;
        info.Height = h.Height96;
        Play(Data, nullptr, TRect(0, 0, 100, 100), record);
    } catch (const Damaged&) {
        throw EInvalidGraphic("Metafile is not valid: record " + std::to_string(record) + " is damaged");
    }
    return info;
}

void PlayMetafile(TCanvas* Canvas, const TRect& Target, const std::vector<Byte>& Data) {
    if (!Canvas || IsRectEmpty(Target)) return;
    std::size_t record = 0;
    // Checked when it was loaded: nothing should fail here, and a picture
    // being painted must not end the paint.
    try {
        metafile::Play(Data, Canvas, Target, record);
    } catch (const metafile::Damaged&) {
    } catch (const Exception&) {
    }
}

} // namespace graphics
