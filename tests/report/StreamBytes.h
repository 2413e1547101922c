#pragma once
// Building and reading template bytes in tests: little-endian values and the
// stream's string and memo encodings written out by hand, so that golden
// bytes are stated independently of the writer under test.
#include "platform/core/TMemoryStream.h"

#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<Byte>;

struct ByteWriter {
    Bytes Out;

    ByteWriter& U8(Byte v) {
        Out.push_back(v);
        return *this;
    }
    ByteWriter& U16(Word v) { return U8(Byte(v)).U8(Byte(v >> 8)); }
    ByteWriter& I32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            U8(Byte(u >> (8 * i)));
        return *this;
    }
    // Raw bytes (already in the stream's code page).
    ByteWriter& Raw(const std::string& s) {
        for (char c : s)
            U8(Byte(c));
        return *this;
    }
    ByteWriter& Raw(const Bytes& b) {
        Out.insert(Out.end(), b.begin(), b.end());
        return *this;
    }
    // Version-23 string and memo.
    ByteWriter& Str(const std::string& s) { return U16(Word(s.size())).Raw(s).U8(0); }
    ByteWriter& Memo(std::initializer_list<std::string> lines) {
        U16(Word(lines.size()));
        if (lines.size() == 0) return U8(0);
        std::size_t i = 0;
        for (const std::string& l : lines)
            U16(Word(l.size())).Raw(l).U8(++i < lines.size() ? 13 : 0);
        return *this;
    }
    // Older string and memo.
    ByteWriter& Str22(const std::string& s) { return Raw(s).U8(0); }
    ByteWriter& Memo22(std::initializer_list<std::string> lines) {
        for (const std::string& l : lines)
            Raw(l).U8(13);
        return U8(0);
    }
    // The 30-byte block and the fill colour of the common view record.
    ByteWriter& Block(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h, Word flags,
                      Word frameTyp, std::int32_t frameWidth, std::int32_t frameColor, Word frameStyle,
                      std::int32_t fill) {
        return I32(l)
            .I32(t)
            .I32(w)
            .I32(h)
            .U16(flags)
            .U16(frameTyp)
            .I32(frameWidth)
            .I32(frameColor)
            .U16(frameStyle)
            .I32(fill);
    }
};

inline Bytes StreamBytes(TMemoryStream& s) {
    return Bytes(s.Memory(), s.Memory() + s.Size());
}

inline void LoadBytes(TMemoryStream& s, const Bytes& b) {
    s.Clear();
    if (!b.empty()) s.WriteBuffer(b.data(), Integer(b.size()));
    s.SetPosition(0);
}
