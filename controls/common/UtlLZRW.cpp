#include "controls/common/UtlLZRW.h"

#include "platform/core/TStream.h"

#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr Byte FlagCompressed = 64;
constexpr Byte FlagStored = 128;
constexpr Integer MaxRun = 4095;
constexpr Integer MinRun = 16;
constexpr Integer MaxCopy = 18;
constexpr Integer MaxOffset = 4096;
constexpr Word EmptySlot = 0xFFFF;
constexpr Integer LengthFieldSize = 4;

void PutWordBE(Byte* At, Word Value) {
    At[0] = Byte(Value >> 8);
    At[1] = Byte(Value & 0xFF);
}

Word GetWordBE(const Byte* At) {
    return Word((At[0] << 8) | At[1]);
}

[[noreturn]] void Corrupt() {
    throw EUtlCompressError(UtlLZRWCorruptMessage);
}

// Bytes past the end of the data count as 0 in the hash.
Cardinal HashAt(const Byte* Source, Integer X, Integer Size) {
    auto at = [&](Integer i) -> Cardinal { return i < Size ? Source[i] : 0u; };
    const Cardinal mixed = ((((at(X) << 4) ^ at(X + 1)) << 4) ^ at(X + 2)) * 40543u;
    return (mixed >> 4) & 0xFFF;
}

} // namespace

Word UtlLZRWCompress(const Byte* Source, Byte* Dest, Word SourceSize) {
    if (SourceSize > UtlLZRWMaxSource) throw EUtlCompressError("LZRW Error!");
    std::array<Word, 4096> table;
    table.fill(EmptySlot);
    const Integer size = SourceSize;
    Dest[0] = FlagCompressed;
    Integer x = 0, y = 3, z = 1, bits = 0;
    Word control = 0;
    while (x < size && y <= size) {
        if (bits > 15) {
            PutWordBE(Dest + z, control);
            z = y;
            y += 2;
            bits = 0;
        }
        Integer n = 1;
        while (x + n < size && Source[x + n] == Source[x] && n < MaxRun)
            ++n;
        if (n >= MinRun) {
            Dest[y] = 0;
            PutWordBE(Dest + y + 1, Word(n - MinRun));
            Dest[y + 3] = Source[x];
            y += 4;
            x += n;
            control = Word((control << 1) | 1);
        } else {
            const Cardinal h = HashAt(Source, x, size);
            const Word slot = table[h];
            Integer length = 0;
            // A position is kept as a signed 16-bit value, so positions from 32768
            // on never serve as a copy source; the stored format relies on it.
            const Integer p = std::int16_t(slot);
            if (slot != EmptySlot && x - p < MaxOffset) {
                while (length < MaxCopy && x + length < size && Source[x + length] == Source[p + length])
                    ++length;
            }
            table[h] = Word(x);
            if (length >= 3) {
                PutWordBE(Dest + y, Word(((x - p) << 4) + (length - 3)));
                y += 2;
                x += length;
                control = Word((control << 1) | 1);
            } else {
                Dest[y++] = Source[x++];
                control = Word(control << 1);
            }
        }
        ++bits;
    }
    control = bits == 0 ? Word(0) : Word(control << (16 - bits));
    PutWordBE(Dest + z, control);
    if (y > size) {
        Dest[0] = FlagStored;
        if (size > 0) std::memcpy(Dest + 1, Source, std::size_t(size));
        y = size + 1;
    }
    return Word(y);
}

Word UtlLZRWDecompress(const Byte* Source, Byte* Dest, Word SourceSize, Word DestSize) {
    const Integer size = SourceSize;
    if (size == 0) return 0;
    if (Source[0] == FlagStored) {
        if (size - 1 > DestSize) Corrupt();
        if (size > 1) std::memcpy(Dest, Source + 1, std::size_t(size - 1));
        return Word(size - 1);
    }
    if (size < 3) Corrupt();
    Word control = GetWordBE(Source + 1);
    Integer bits = 16, x = 3, y = 0;
    while (x < size) {
        if (bits == 0) {
            // A control word always describes at least one item.
            if (x + 2 >= size) Corrupt();
            control = GetWordBE(Source + x);
            x += 2;
            bits = 16;
        }
        if ((control & 0x8000) == 0) {
            if (y >= DestSize) Corrupt();
            Dest[y++] = Source[x++];
        } else {
            if (x + 2 > size) Corrupt();
            const Integer offset = Source[x] * 16 + Source[x + 1] / 16;
            if (offset == 0) {
                if (x + 4 > size) Corrupt();
                const Integer length = Source[x + 1] * 256 + Source[x + 2] + MinRun;
                if (y + length > DestSize) Corrupt();
                std::memset(Dest + y, Source[x + 3], std::size_t(length));
                x += 4;
                y += length;
            } else {
                const Integer length = (Source[x + 1] & 15) + 3;
                if (offset > y || y + length > DestSize) Corrupt();
                // Byte by byte: a copy may overlap its own output.
                for (Integer i = 0; i < length; ++i, ++y)
                    Dest[y] = Dest[y - offset];
                x += 2;
            }
        }
        control = Word(control << 1);
        --bits;
    }
    return Word(y);
}

void SaveCompressedStream(TStream* Source, TStream* Dest, Integer Count) {
    const Int64 start = Dest->Position();
    Dest->SetPosition(start + LengthFieldSize);
    std::vector<Byte> input(UtlLZRWMaxSource), block(UtlLZRWMaxBlock);
    Integer total = 0;
    while (Count > 0) {
        const Integer read = Source->Read(input.data(), UtlLZRWMaxSource);
        if (read <= 0) break;
        const Word length = UtlLZRWCompress(input.data(), block.data(), Word(read));
        Dest->WriteInt32(length);
        Dest->WriteBuffer(block.data(), length);
        total += length + LengthFieldSize;
        Count -= read;
    }
    const Int64 end = Dest->Position();
    Dest->SetPosition(start);
    Dest->WriteInt32(total);
    Dest->SetPosition(end);
}

void LoadCompressedStream(TStream* Source, TStream* Dest) {
    Integer total = Source->ReadInt32();
    if (total < 0) throw EUtlCompressError(UtlLZRWCorruptMessage);
    std::vector<Byte> block(UtlLZRWMaxBlock), output(UtlLZRWMaxSource);
    while (total > 0) {
        const Integer length = Source->ReadInt32();
        if (length < 1 || length > UtlLZRWMaxSource + 1 || length > total - LengthFieldSize)
            throw EUtlCompressError(UtlLZRWCorruptMessage);
        Source->ReadBuffer(block.data(), length);
        const Word written = UtlLZRWDecompress(block.data(), output.data(), Word(length));
        if (written > 0) Dest->WriteBuffer(output.data(), written);
        total -= LengthFieldSize + length;
    }
}
