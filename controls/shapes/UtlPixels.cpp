#include "controls/shapes/UtlPixels.h"

#include "platform/core/NumberFormat.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// A rectangle's pixels as rows of blue-green-red bytes, read before anything
// is written so that a bitmap may be its own target.
struct Block {
    Integer Width = 0;
    Integer Height = 0;
    std::vector<Byte> Bytes;
    Byte* Row(Integer y) { return Bytes.data() + std::size_t(y) * std::size_t(Width) * 3; }
};

void CheckFormat(TBitmap* bitmap, const char* name) {
    if (!bitmap || bitmap->PixelFormat() != pf24bit)
        throw EUtlWrongPixelFormat(String("Wrong PixelFormat in ") + name + " bitmap!");
}

void CheckArea(TBitmap* bitmap, const TRect& area, const char* name) {
    if (area.Left < 0 || area.Top < 0 || area.Right > bitmap->Width() || area.Bottom > bitmap->Height())
        throw EUtlWrongBmpSize(String("Rectangle out of ") + name + " bitmap!");
}

TRect At(TPoint p, const TRect& size) {
    return Bounds(p.X, p.Y, size.Width(), size.Height());
}

Block Read(TBitmap* bitmap, const TRect& r) {
    Block b{r.Width(), r.Height(), {}};
    b.Bytes.resize(std::size_t(b.Width) * std::size_t(b.Height) * 3);
    for (Integer y = 0; y < b.Height; ++y)
        std::memcpy(b.Row(y), static_cast<Byte*>(bitmap->ScanLine(r.Top + y)) + std::size_t(r.Left) * 3,
                    std::size_t(b.Width) * 3);
    return b;
}

void Write(TBitmap* bitmap, TPoint p, Block& b) {
    for (Integer y = 0; y < b.Height; ++y)
        std::memcpy(static_cast<Byte*>(bitmap->ScanLine(p.Y + y)) + std::size_t(p.X) * 3, b.Row(y),
                    std::size_t(b.Width) * 3);
}

// Checks both bitmaps and the areas; false for an empty rectangle.
bool Prepare(TBitmap* source, const TRect& rect, TBitmap* target, TPoint point) {
    CheckFormat(source, "Source");
    CheckFormat(target, "Target");
    if (IsRectEmpty(rect)) return false;
    CheckArea(source, rect, "Source");
    CheckArea(target, At(point, rect), "Target");
    return true;
}

// Applies f to every byte of the rectangle.
template <typename F>
void EachByte(TBitmap* source, const TRect& rect, TBitmap* target, TPoint point, F&& f) {
    if (!Prepare(source, rect, target, point)) return;
    Block b = Read(source, rect);
    for (Byte& v : b.Bytes)
        v = f(v);
    Write(target, point, b);
}

Byte Brighten(Byte v, std::int16_t value) {
    return Byte(std::clamp<Integer>(Integer(v) + value, 0, 255));
}

} // namespace

void UtlBMPGrayScale(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point) {
    if (!Prepare(Source, Rect, Target, Point)) return;
    std::array<Integer, 256> red{}, green{}, blue{};
    for (Integer i = 0; i < 256; ++i) {
        red[std::size_t(i)] = Integer(Round(i * 0.3));
        green[std::size_t(i)] = Integer(Round(i * 0.59));
        blue[std::size_t(i)] = Integer(Round(i * 0.11));
    }
    Block b = Read(Source, Rect);
    for (std::size_t at = 0; at < b.Bytes.size(); at += 3) {
        const Byte grey =
            Byte(std::min<Integer>(255, blue[b.Bytes[at]] + green[b.Bytes[at + 1]] + red[b.Bytes[at + 2]]));
        b.Bytes[at] = b.Bytes[at + 1] = b.Bytes[at + 2] = grey;
    }
    Write(Target, Point, b);
}

void UtlBMPFlipHorizonzal(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point) {
    if (!Prepare(Source, Rect, Target, Point)) return;
    Block b = Read(Source, Rect);
    const std::size_t row = std::size_t(b.Width) * 3;
    for (Integer top = 0, bottom = b.Height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(b.Row(top), b.Row(top) + row, b.Row(bottom));
    Write(Target, Point, b);
}

void UtlBMPFlipVertical(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point) {
    if (!Prepare(Source, Rect, Target, Point)) return;
    Block b = Read(Source, Rect);
    for (Integer y = 0; y < b.Height; ++y) {
        Byte* row = b.Row(y);
        for (Integer l = 0, r = b.Width - 1; l < r; ++l, --r)
            std::swap_ranges(row + l * 3, row + l * 3 + 3, row + r * 3);
    }
    Write(Target, Point, b);
}

void UtlBMPInvert(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point) {
    EachByte(Source, Rect, Target, Point, [](Byte v) { return Byte(~v); });
}

void UtlBMPBrightness(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point, std::int16_t Value) {
    EachByte(Source, Rect, Target, Point, [Value](Byte v) { return Brighten(v, Value); });
}

void UtlBmpBrightnessEC(TBitmap* Source, const TRect& Rect, TBitmap* Target, TPoint Point, std::int16_t Value,
                        TColor Excepted) {
    if (!Prepare(Source, Rect, Target, Point)) return;
    const TColor rgb = ColorToRGB(Excepted);
    const Byte er = GetRValue(rgb), eg = GetGValue(rgb), eb = GetBValue(rgb);
    Block b = Read(Source, Rect);
    for (Integer y = 0; y < b.Height; ++y) {
        Byte* row = static_cast<Byte*>(Target->ScanLine(Point.Y + y)) + std::size_t(Point.X) * 3;
        const Byte* src = b.Row(y);
        for (Integer x = 0; x < b.Width; ++x, src += 3, row += 3) {
            if (src[0] == eb && src[1] == eg && src[2] == er) continue;
            for (int k = 0; k < 3; ++k)
                row[k] = Brighten(src[k], Value);
        }
    }
}

void UtlBMPAlphaBlend(TBitmap* Source1, TBitmap* Source2, const TRect& Rect, TPoint Point, TBitmap* Target,
                      float Alpha, TPoint Point2) {
    CheckFormat(Source1, "Source 1");
    CheckFormat(Source2, "Source 2");
    CheckFormat(Target, "Target");
    if (IsRectEmpty(Rect)) return;
    CheckArea(Source1, Rect, "Source 1");
    CheckArea(Source2, At(Point2, Rect), "Source 2");
    CheckArea(Target, At(Point, Rect), "Target");
    // Differences −255 .. 255 weighted by Alpha.
    std::array<Integer, 511> weighted{};
    for (Integer d = -255; d <= 255; ++d)
        weighted[std::size_t(d + 255)] = Integer(Round(double(d) * double(Alpha)));
    Block first = Read(Source1, Rect);
    const Block second = Read(Source2, At(Point2, Rect));
    for (std::size_t i = 0; i < first.Bytes.size(); ++i) {
        const Integer s1 = first.Bytes[i], s2 = second.Bytes[i];
        first.Bytes[i] = Byte(s2 + weighted[std::size_t(s1 - s2 + 255)]);
    }
    Write(Target, Point, first);
}
