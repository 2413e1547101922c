#include "platform/core/TStream.h"

#include "platform/core/Exceptions.h"
#include "platform/core/RtlConsts.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

template <typename T> T ReadLittleEndian(TStream& stream) {
    unsigned char bytes[sizeof(T)];
    stream.ReadBuffer(bytes, sizeof(T));
    std::uint64_t value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= std::uint64_t{bytes[i]} << (8 * i);
    return static_cast<T>(value);
}

template <typename T> void WriteLittleEndian(TStream& stream, T value) {
    unsigned char bytes[sizeof(T)];
    const auto bits = static_cast<std::uint64_t>(value);
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    stream.WriteBuffer(bytes, sizeof(T));
}

} // namespace

Int64 TStream::Size() {
    const Int64 pos = Seek(0, soFromCurrent);
    const Int64 result = Seek(0, soFromEnd);
    Seek(pos, soFromBeginning);
    return result;
}

void TStream::ReadBuffer(void* Buffer, Integer Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* Buffer, Integer Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(SWriteError);
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    const Int64 result = Count;
    std::vector<unsigned char> buffer(static_cast<size_t>(std::clamp<Int64>(Count, 1, 0xF000)));
    while (Count > 0) {
        const auto n = static_cast<Integer>(std::min<Int64>(Count, static_cast<Int64>(buffer.size())));
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        Count -= n;
    }
    return result;
}

Byte TStream::ReadByte() {
    return ReadLittleEndian<Byte>(*this);
}
Word TStream::ReadWord() {
    return ReadLittleEndian<Word>(*this);
}
std::int16_t TStream::ReadInt16() {
    return ReadLittleEndian<std::int16_t>(*this);
}
std::int32_t TStream::ReadInt32() {
    return ReadLittleEndian<std::int32_t>(*this);
}
std::uint32_t TStream::ReadUInt32() {
    return ReadLittleEndian<std::uint32_t>(*this);
}
Int64 TStream::ReadInt64() {
    return ReadLittleEndian<Int64>(*this);
}

double TStream::ReadDouble() {
    const auto bits = ReadLittleEndian<std::uint64_t>(*this);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void TStream::WriteByte(Byte Value) {
    WriteLittleEndian(*this, Value);
}
void TStream::WriteWord(Word Value) {
    WriteLittleEndian(*this, Value);
}
void TStream::WriteInt16(std::int16_t Value) {
    WriteLittleEndian(*this, Value);
}
void TStream::WriteInt32(std::int32_t Value) {
    WriteLittleEndian(*this, Value);
}
void TStream::WriteUInt32(std::uint32_t Value) {
    WriteLittleEndian(*this, Value);
}
void TStream::WriteInt64(Int64 Value) {
    WriteLittleEndian(*this, Value);
}

void TStream::WriteDouble(double Value) {
    std::uint64_t bits;
    std::memcpy(&bits, &Value, sizeof bits);
    WriteLittleEndian(*this, bits);
}
