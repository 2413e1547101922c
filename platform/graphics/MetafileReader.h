#pragma once
// Little-endian reading of metafile data with every read checked against the
// bytes really there: a count, size or offset taken from a file is compared
// with what remains before anything is read or allocated from it.
#include "platform/core/Types.h"
#include "platform/graphics/MetafileGeometry.h"

#include <cstdint>
#include <vector>

namespace graphics::metafile {

// Thrown for data that ends early or points outside its record; the player
// turns it into the graphic error that names the record.
struct Damaged {};

[[noreturn]] void Fail();

class Reader {
public:
    Reader() = default;
    Reader(const Byte* Data, std::size_t Size) : FData(Data), FSize(Size) {}

    const Byte* Data() const { return FData; }
    std::size_t Size() const { return FSize; }
    std::size_t Position() const { return FPos; }
    std::size_t Remaining() const { return FSize - FPos; }
    void Seek(std::uint64_t Pos);
    void Skip(std::uint64_t Count);

    Byte U8();
    std::uint16_t U16();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint32_t U32();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float F32();
    DPoint PointL() { return {double(I32()), double(I32())}; }
    DPoint PointS() { return {double(I16()), double(I16())}; }
    DRect RectL() { return {double(I32()), double(I32()), double(I32()), double(I32())}; }

    // The Size bytes at Offset from this reader's start.
    Reader Part(std::uint64_t Offset, std::uint64_t Size) const;
    // Count itself, once Count items of ItemSize bytes are known to remain.
    std::size_t Items(std::uint64_t Count, std::size_t ItemSize) const;
    // Count points of two int32 (Long) or two int16 values.
    std::vector<DPoint> Points(std::uint64_t Count, bool Long);

private:
    const Byte* FData = nullptr;
    std::size_t FSize = 0;
    std::size_t FPos = 0;
};

} // namespace graphics::metafile
