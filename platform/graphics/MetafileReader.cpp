#include "platform/graphics/MetafileReader.h"

#include <cstring>

namespace graphics::metafile {

void Fail() {
    throw Damaged{};
}

void Reader::Seek(std::uint64_t Pos) {
    if (Pos > FSize) Fail();
    FPos = static_cast<std::size_t>(Pos);
}

void Reader::Skip(std::uint64_t Count) {
    if (Count > Remaining()) Fail();
    FPos += static_cast<std::size_t>(Count);
}

Byte Reader::U8() {
    if (Remaining() < 1) Fail();
    return FData[FPos++];
}

std::uint16_t Reader::U16() {
    if (Remaining() < 2) Fail();
    const Byte* p = FData + FPos;
    FPos += 2;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Reader::U32() {
    if (Remaining() < 4) Fail();
    const Byte* p = FData + FPos;
    FPos += 4;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

float Reader::F32() {
    const std::uint32_t bits = U32();
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

Reader Reader::Part(std::uint64_t Offset, std::uint64_t Size) const {
    if (Offset > FSize || Size > FSize - Offset) Fail();
    return Reader(FData + Offset, static_cast<std::size_t>(Size));
}

std::size_t Reader::Items(std::uint64_t Count, std::size_t ItemSize) const {
    if (ItemSize == 0 || Count > Remaining() / ItemSize) Fail();
    return static_cast<std::size_t>(Count);
}

std::vector<DPoint> Reader::Points(std::uint64_t Count, bool Long) {
    const std::size_t n = Items(Count, Long ? 8 : 4);
    std::vector<DPoint> points;
    points.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        points.push_back(Long ? PointL() : PointS());
    return points;
}

} // namespace graphics::metafile
