#pragma once
// Metafiles written by hand, record by record, so that tests of the player
// and of the files that carry metafiles state their bytes independently of
// the code under test. Sizes, counts and the end record are filled in.
#include "platform/core/TStream.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace metafiletest {

using Bytes = std::vector<Byte>;

inline void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(Byte(v));
    b.push_back(Byte(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(Byte(v >> (8 * i)));
}

// Record fields of 32 bits each.
inline Bytes Ints(std::initializer_list<std::int64_t> values) {
    Bytes b;
    for (const std::int64_t v : values)
        Put32(b, std::uint32_t(v));
    return b;
}
// Record fields of 16 bits each (points of the *16 records, the older format).
inline Bytes Shorts(std::initializer_list<std::int32_t> values) {
    Bytes b;
    for (const std::int32_t v : values)
        Put16(b, std::uint32_t(v));
    return b;
}
inline std::uint32_t FloatBits(float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}
inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A 24-bit bitmap's info header and bits (bottom-up rows); Rows lists the
// pixels as 0x00RRGGBB, top row first.
struct Dib {
    Bytes Info, Bits;
};
inline Dib MakeDib(const std::vector<std::vector<std::uint32_t>>& Rows) {
    const std::int32_t h = std::int32_t(Rows.size()), w = std::int32_t(Rows.front().size());
    Dib d;
    d.Info = Ints({40, w, h}) + Shorts({1, 24}) + Ints({0, 0, 0, 0, 0, 0});
    const std::size_t stride = (std::size_t(w) * 3 + 3) / 4 * 4;
    for (auto row = Rows.rbegin(); row != Rows.rend(); ++row) {
        Bytes line;
        for (const std::uint32_t rgb : *row) {
            line.push_back(Byte(rgb));       // blue
            line.push_back(Byte(rgb >> 8));  // green
            line.push_back(Byte(rgb >> 16)); // red
        }
        line.resize(stride, 0);
        d.Bits = d.Bits + line;
    }
    return d;
}

// An enhanced metafile of Width × Height reference pixels at four pixels a
// millimetre, its frame exactly that size.
class Emf {
public:
    explicit Emf(std::int32_t Width = 200, std::int32_t Height = 100) : FWidth(Width), FHeight(Height) {}

    Emf& Record(std::uint32_t Type, const Bytes& Fields) {
        Bytes r;
        Put32(r, Type);
        Put32(r, std::uint32_t(8 + (Fields.size() + 3) / 4 * 4));
        r = r + Fields;
        r.resize(8 + (Fields.size() + 3) / 4 * 4, 0);
        FRecords = FRecords + r;
        ++FCount;
        return *this;
    }
    // The text record with its string and advances behind the fixed fields.
    Emf& TextW(std::int32_t X, std::int32_t Y, const std::u16string& Text,
               const std::vector<std::int32_t>& Dx = {}, std::uint32_t Options = 0,
               std::initializer_list<std::int64_t> Rect = {0, 0, 0, 0}) {
        const std::uint32_t fixed = 8 + 16 + 12 + 40;
        const std::uint32_t strBytes = std::uint32_t((Text.size() * 2 + 3) / 4 * 4);
        Bytes f = Ints({0, 0, 0, 0, 1, 0, 0, X, Y, std::int64_t(Text.size()), fixed, Options}) + Ints(Rect) +
                  Ints({Dx.empty() ? 0 : fixed + strBytes});
        Bytes s;
        for (const char16_t c : Text)
            Put16(s, c);
        s.resize(strBytes, 0);
        f = f + s;
        for (const std::int32_t d : Dx)
            Put32(f, std::uint32_t(d));
        return Record(84, f);
    }
    // A font of Height logical units (negative: the character height).
    Emf& Font(std::uint32_t Index, std::int32_t Height, const std::u16string& Face, std::int32_t Weight = 400,
              std::int32_t Escapement = 0) {
        Bytes f = Ints({Index, Height, 0, Escapement, Escapement, Weight}) + Bytes{0, 0, 0, 238, 0, 0, 0, 0};
        Bytes face;
        for (const char16_t c : Face)
            Put16(face, c);
        face.resize(64, 0);
        return Record(82, f + face);
    }
    // The bitmap record stretching Bitmap into X, Y, Cx, Cy.
    Emf& StretchDIBits(std::int32_t X, std::int32_t Y, std::int32_t Cx, std::int32_t Cy, const Dib& Bitmap,
                       std::int32_t SrcW, std::int32_t SrcH) {
        const std::uint32_t fixed = 8 + 16 + 56;
        const Bytes f = Ints({0, 0, 0, 0, X, Y, 0, 0, SrcW, SrcH, fixed, std::int64_t(Bitmap.Info.size()),
                              fixed + std::int64_t(Bitmap.Info.size()), std::int64_t(Bitmap.Bits.size()), 0,
                              0x00CC0020, Cx, Cy}) +
                        Bitmap.Info + Bitmap.Bits;
        return Record(81, f);
    }

    Bytes Build() const {
        Bytes h;
        const std::uint32_t size = std::uint32_t(88 + FRecords.size() + 20);
        h = Ints({1, 88, 0, 0, FWidth - 1, FHeight - 1, 0, 0, FWidth * 25, FHeight * 25, 0x464D4520, 0x10000,
                  size, FCount + 2}) +
            Shorts({16, 0}) + Ints({0, 0, 0, FWidth * 4, FHeight * 4, FWidth, FHeight});
        return h + FRecords + Ints({14, 20, 0, 16, 20});
    }

private:
    std::int32_t FWidth, FHeight;
    Bytes FRecords;
    std::uint32_t FCount = 0;
};

// The older format, with a placeable header whose box is Width × Height
// units at Inch units per inch (Inch 0: no placeable header).
class Wmf {
public:
    Wmf(std::int16_t Width, std::int16_t Height, std::uint16_t Inch)
        : FWidth(Width), FHeight(Height), FInch(Inch) {}

    // Parameters of 16 bits; use Raw for the 32-bit ones, low word first.
    Wmf& Record(std::uint16_t Function, const Bytes& Params) {
        const Bytes padded = Params.size() % 2 ? Params + Bytes{0} : Params;
        Put32(FRecords, std::uint32_t(3 + padded.size() / 2));
        Put16(FRecords, Function);
        FRecords = FRecords + padded;
        return *this;
    }

    Bytes Build() const {
        Bytes out;
        if (FInch) {
            Put32(out, 0x9AC6CDD7);
            out = out + Shorts({0, 0, 0, FWidth, FHeight, FInch, 0, 0, 0});
        }
        const std::uint32_t words = std::uint32_t(9 + FRecords.size() / 2 + 3);
        out = out + Shorts({1, 9, 0x300}) + Ints({words}) + Shorts({0}) + Ints({0}) + Shorts({0});
        return out + FRecords + Ints({3}) + Shorts({0});
    }

private:
    std::int16_t FWidth, FHeight;
    std::uint16_t FInch;
    Bytes FRecords;
};

// A prepared-report file of the older kind written to Stream: the printer
// name as an older memo, the page count, then each page as an A4 portrait
// record with margins whose metafile is Pages' bytes, the position of the
// next record patched in.
inline void WriteOlderPreparedFile(TStream* Stream, const std::string& Printer,
                                   const std::vector<Bytes>& Pages) {
    Stream->WriteBuffer(Printer.data(), Integer(Printer.size()));
    Stream->WriteByte(13);
    Stream->WriteByte(0);
    Stream->WriteInt32(Integer(Pages.size()));
    for (const Bytes& page : Pages) {
        const Int64 at = Stream->Position();
        Stream->WriteInt32(0);
        Stream->WriteWord(9);
        Stream->WriteInt32(2100);
        Stream->WriteInt32(2970);
        Stream->WriteByte(0);
        Stream->WriteByte(1);
        Stream->WriteBuffer(page.data(), Integer(page.size()));
        const Int64 end = Stream->Position();
        Stream->SetPosition(at);
        Stream->WriteInt32(std::int32_t(end));
        Stream->SetPosition(end);
    }
}

} // namespace metafiletest
