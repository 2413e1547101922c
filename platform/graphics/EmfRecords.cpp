// The enhanced format's records that carry strings, bitmaps and regions.
#include "platform/core/Utf8.h"
#include "platform/graphics/EmfPlayer.h"

namespace graphics::metafile {

namespace {

// Regions of more rectangles than any picture needs are not drawn.
constexpr std::uint32_t MaxRegionRects = 16384;

// A rectangle from a corner and a size, each held to what an int32 can carry.
DRect CornerAndSize(double x, double y, double cx, double cy) {
    return {x, y, x + cx, y + cy};
}

TRect IntRect(std::int64_t x, std::int64_t y, std::int64_t cx, std::int64_t cy) {
    auto c = [](std::int64_t v) { return Integer(std::clamp<std::int64_t>(v, -(1 << 30), 1 << 30)); };
    return TRect(c(std::min(x, x + cx)), c(std::min(y, y + cy)), c(std::max(x, x + cx)),
                 c(std::max(y, y + cy)));
}

// UTF-16 units to characters; Units receives how many units each one took.
std::u32string FromUtf16(Reader R, std::size_t Count, std::vector<int>& Units) {
    std::u32string out;
    for (std::size_t i = 0; i < Count; ++i) {
        char32_t c = R.U16();
        int used = 1;
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < Count) {
            Reader peek = R;
            const char32_t low = peek.U16();
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                R.U16();
                ++i;
                used = 2;
            }
        }
        if (c >= 0xD800 && c < 0xE000) c = 0xFFFD;
        out.push_back(c);
        Units.push_back(used);
    }
    return out;
}
} // namespace

LogFont EnhancedPlayer::Font(Reader& R) {
    LogFont f = ReadLogFontHead(R, true);
    Reader face = R.Part(R.Position(), 64);
    std::size_t n = 0;
    while (n < 32 && face.Part(n * 2, 2).U16() != 0)
        ++n;
    std::vector<int> units;
    f.Face = core::U32ToUtf8(FromUtf16(face, n, units));
    return f;
}

void EnhancedPlayer::PatternBrush(Reader& R) {
    const std::uint32_t index = R.U32(), usage = R.U32();
    const std::uint32_t offBmi = R.U32(), cbBmi = R.U32(), offBits = R.U32(), cbBits = R.U32();
    LogBrush brush;
    brush.Style = BS_DIBPATTERNPT;
    const Reader info = R.Part(offBmi, cbBmi), bits = R.Part(offBits, cbBits);
    Dib dib;
    if (!FOut.Checking() && DecodeDib(info, bits, usage, dib)) brush.Pattern = PatternBitmap(dib.Pixels);
    FObjects.Put(index, brush);
}

std::optional<TRegion> EnhancedPlayer::Region(Reader& R, std::uint32_t Size) {
    Reader data = R.Part(R.Position(), Size);
    data.Seek(8);
    const std::uint32_t count = data.U32();
    data.Seek(32);
    data.Items(count, 16);
    if (FOut.Checking() || count > MaxRegionRects) return std::nullopt;
    // The rectangles are in the file's device units.
    const Matrix& p = FState.Playback();
    std::vector<TRect> rects;
    rects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const DRect r = data.RectL();
        const TPoint a = ToPixel(p.Map({r.Left, r.Top})), b = ToPixel(p.Map({r.Right, r.Bottom}));
        rects.emplace_back(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y));
    }
    return TRegion::FromRects(rects);
}

void EnhancedPlayer::Text(Reader& R, bool Wide) {
    R.Skip(16 + 12); // bounds, graphics mode and scales
    const DPoint ref = R.PointL();
    const std::uint32_t count = R.U32(), offString = R.U32(), options = R.U32();
    const DRect rect = R.RectL();
    const std::uint32_t offDx = R.U32();
    const Reader str = R.Part(offString, std::uint64_t(count) * (Wide ? 2 : 1));
    std::vector<double> unitDx;
    if (offDx != 0) {
        const bool pairs = options & ETO_PDY;
        Reader dx = R.Part(offDx, std::uint64_t(count) * (pairs ? 8 : 4));
        unitDx.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            unitDx.push_back(dx.I32());
            if (pairs) dx.Skip(4);
        }
    }
    // Glyph numbers of the recording font cannot be drawn with another.
    if (options & ETO_GLYPH_INDEX) return;
    std::u32string chars;
    std::vector<int> units;
    if (Wide) {
        chars = FromUtf16(str, count, units);
    } else {
        chars = DecodeAnsi(std::string_view(reinterpret_cast<const char*>(str.Data()), str.Size()),
                           FState.DC.Font.Charset);
        units.assign(chars.size(), 1);
    }
    std::vector<double> dx;
    if (!unitDx.empty()) {
        std::size_t at = 0;
        for (const int u : units) {
            double d = 0;
            for (int k = 0; k < u && at < unitDx.size(); ++k)
                d += unitDx[at++];
            dx.push_back(d);
        }
    }
    FOut.Text(ref, chars, dx, options, &rect);
}

bool EnhancedPlayer::Source(Reader& R, std::uint32_t Usage, std::uint32_t OffBmi, std::uint32_t CbBmi,
                            std::uint32_t OffBits, std::uint32_t CbBits, const TRect& Area, bool FromBottom,
                            PixelBuffer& Out) {
    const Reader info = R.Part(OffBmi, CbBmi), bits = R.Part(OffBits, CbBits);
    Dib dib;
    if (FOut.Checking() || !DecodeDib(info, bits, Usage, dib)) return false;
    TRect area = Area;
    // The source rows of a bottom-up bitmap are counted from its last row.
    if (FromBottom && dib.BottomUp) {
        const Integer h = dib.Pixels.Height;
        area = TRect(Area.Left, h - Area.Bottom, Area.Right, h - Area.Top);
    }
    Out = Crop(dib.Pixels, area);
    return Out.Width > 0 && Out.Height > 0;
}

void EnhancedPlayer::Blt(Reader& R, bool Stretch) {
    R.Skip(16);
    const double x = R.I32(), y = R.I32(), cx = R.I32(), cy = R.I32();
    const std::uint32_t rop = R.U32();
    const std::int32_t xSrc = R.I32(), ySrc = R.I32();
    R.Skip(24); // the source's transform
    const TColor bk = FileColor(R.U32());
    const std::uint32_t usage = R.U32(), offBmi = R.U32(), cbBmi = R.U32(), offBits = R.U32(),
                        cbBits = R.U32();
    std::int64_t cxSrc = std::int64_t(cx), cySrc = std::int64_t(cy);
    if (Stretch) {
        cxSrc = R.I32();
        cySrc = R.I32();
    }
    const DRect dest = CornerAndSize(x, y, cx, cy);
    if (cbBmi == 0) return FOut.Bitmap(dest, nullptr, rop, bk);
    PixelBuffer pixels;
    if (Source(R, usage, offBmi, cbBmi, offBits, cbBits, IntRect(xSrc, ySrc, cxSrc, cySrc), false, pixels))
        FOut.Bitmap(dest, &pixels, rop, bk);
}

void EnhancedPlayer::StretchDIBits(Reader& R) {
    R.Skip(16);
    const double x = R.I32(), y = R.I32();
    const std::int32_t xSrc = R.I32(), ySrc = R.I32(), cxSrc = R.I32(), cySrc = R.I32();
    const std::uint32_t offBmi = R.U32(), cbBmi = R.U32(), offBits = R.U32(), cbBits = R.U32();
    const std::uint32_t usage = R.U32(), rop = R.U32();
    const double cx = R.I32(), cy = R.I32();
    const DRect dest = CornerAndSize(x, y, cx, cy);
    if (cbBmi == 0) return FOut.Bitmap(dest, nullptr, rop, clWhite);
    PixelBuffer pixels;
    if (Source(R, usage, offBmi, cbBmi, offBits, cbBits, IntRect(xSrc, ySrc, cxSrc, cySrc), true, pixels))
        FOut.Bitmap(dest, &pixels, rop, clWhite);
}

void EnhancedPlayer::SetDIBitsToDevice(Reader& R) {
    R.Skip(16);
    const double x = R.I32(), y = R.I32();
    const std::int32_t xSrc = R.I32(), ySrc = R.I32(), cxSrc = R.I32(), cySrc = R.I32();
    const std::uint32_t offBmi = R.U32(), cbBmi = R.U32(), offBits = R.U32(), cbBits = R.U32();
    const std::uint32_t usage = R.U32();
    PixelBuffer pixels;
    if (Source(R, usage, offBmi, cbBmi, offBits, cbBits, IntRect(xSrc, ySrc, cxSrc, cySrc), true, pixels))
        FOut.Bitmap(CornerAndSize(x, y, cxSrc, cySrc), &pixels, 0x00CC0020, clWhite);
}

} // namespace graphics::metafile
