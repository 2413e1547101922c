#include "platform/core/CodePages.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Upper halves (0x80..0xFF) of the code pages; the lower half is ASCII in all three.
constexpr char16_t kCp1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
constexpr char16_t kCp1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
constexpr char16_t kCp852[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x016F, 0x0107, 0x00E7, 0x0142, 0x00EB, 0x0150, 0x0151, 0x00EE,
    0x0179, 0x00C4, 0x0106, 0x00C9, 0x0139, 0x013A, 0x00F4, 0x00F6, 0x013D, 0x013E, 0x015A, 0x015B, 0x00D6,
    0x00DC, 0x0164, 0x0165, 0x0141, 0x00D7, 0x010D, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x0104, 0x0105, 0x017D,
    0x017E, 0x0118, 0x0119, 0x00AC, 0x017A, 0x010C, 0x015F, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x011A, 0x015E, 0x2563, 0x2551, 0x2557, 0x255D, 0x017B, 0x017C, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x0102, 0x0103, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x0111, 0x0110, 0x010E, 0x00CB, 0x010F, 0x0147, 0x00CD, 0x00CE, 0x011B, 0x2518, 0x250C,
    0x2588, 0x2584, 0x0162, 0x016E, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x0143, 0x0144, 0x0148, 0x0160, 0x0161,
    0x0154, 0x00DA, 0x0155, 0x0170, 0x00FD, 0x00DD, 0x0163, 0x00B4, 0x00AD, 0x02DD, 0x02DB, 0x02C7, 0x02D8,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x02D9, 0x0171, 0x0158, 0x0159, 0x25A0, 0x00A0,
};

constexpr std::array<const char16_t*, 3> kUpperHalves = {kCp1250, kCp1251, kCp852};

// Position of the code page's table in kUpperHalves.
std::size_t TableIndex(int codePage) {
    switch (codePage) {
    case CP_WINDOWS_1250:
        return 0;
    case CP_WINDOWS_1251:
        return 1;
    case CP_DOS_852:
        return 2;
    default:
        break;
    }
    throw EConvertError("Unsupported code page " + std::to_string(codePage));
}

const char16_t* UpperHalf(int codePage) {
    return kUpperHalves[TableIndex(codePage)];
}

// The UTF-8 form of each upper-half byte, so that converting costs a look-up per byte.
struct Utf8Form {
    char Bytes[3];
    unsigned char Size;
};
using Utf8Forms = std::array<Utf8Form, 128>;

// How many of the eight bytes at p are ASCII before the first that is not.
std::size_t AsciiPrefix(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, 8);
    const std::uint64_t high = word & 0x8080808080808080ull;
    if (high == 0) return 8;
    return static_cast<std::size_t>(
        (std::endian::native == std::endian::little ? std::countr_zero(high) : std::countl_zero(high)) / 8);
}

// Copies the ASCII bytes of from at pos to to, up to the first byte that is not or either
// end, eight at a time where both sides have room for them.
[[gnu::always_inline]] inline void CopyAsciiRun(std::string_view from, std::size_t& pos, char*& to,
                                                char* end) {
    while (pos < from.size() && to < end) {
        if (end - to >= 8 && from.size() - pos >= 8) {
            // All eight go out; those from the first byte that is not ASCII on are written over.
            std::memcpy(to, from.data() + pos, 8);
            const std::size_t ascii = AsciiPrefix(from.data() + pos);
            to += ascii;
            pos += ascii;
            if (ascii < 8) return;
        } else if (static_cast<unsigned char>(from[pos]) < 0x80) {
            *to++ = from[pos++];
        } else {
            return;
        }
    }
}

const Utf8Forms& UpperHalfUtf8(int codePage) {
    static const std::array<Utf8Forms, kUpperHalves.size()> forms = [] {
        std::array<Utf8Forms, kUpperHalves.size()> result{};
        for (std::size_t t = 0; t < kUpperHalves.size(); ++t)
            for (std::size_t i = 0; i < 128; ++i) {
                String bytes;
                core::Utf8Append(bytes, kUpperHalves[t][i]);
                Utf8Form& form = result[t][i];
                form.Size = static_cast<unsigned char>(bytes.copy(form.Bytes, sizeof form.Bytes));
            }
        return result;
    }();
    return forms[TableIndex(codePage)];
}

// Writes bytes as UTF-8 from to on, which has room for it, and answers where it ended.
char* WriteUtf8(const Utf8Forms& forms, std::string_view bytes, char* to, char* const end) {
    for (std::size_t i = 0; i < bytes.size();) {
        CopyAsciiRun(bytes, i, to, end);
        if (i == bytes.size()) break;
        const Utf8Form& form = forms[static_cast<unsigned char>(bytes[i]) - 0x80];
        for (unsigned char k = 0; k < form.Size; ++k)
            *to++ = form.Bytes[k];
        ++i;
    }
    return to;
}

// The byte of each character a code page holds: a look-up for the Latin letters (every
// Hungarian one) and a search among the few others, since texts written to the database and
// to spreadsheet cells go through it character by character.
class ReverseTable {
public:
    explicit ReverseTable(const char16_t* upperHalf) {
        for (unsigned i = 0; i < 128; ++i) {
            const auto byte = static_cast<unsigned char>(0x80 + i);
            if (upperHalf[i] < FLatin.size())
                FLatin[upperHalf[i]] = byte;
            else
                FOthers.emplace_back(upperHalf[i], byte);
        }
        std::sort(FOthers.begin(), FOthers.end());
    }
    // -1 when the code page has no place for ch.
    int Find(char32_t ch) const {
        if (ch < 0x80) return static_cast<int>(ch);
        if (ch < FLatin.size()) return FLatin[ch] != 0 ? FLatin[ch] : -1;
        const auto it =
            std::lower_bound(FOthers.begin(), FOthers.end(), std::pair<char32_t, unsigned char>(ch, 0));
        return it != FOthers.end() && it->first == ch ? it->second : -1;
    }

private:
    std::array<unsigned char, 0x0250> FLatin{}; // 0: no place (no character from U+0080 maps to byte 0)
    std::vector<std::pair<char32_t, unsigned char>> FOthers;
};

const ReverseTable& Reverse(int codePage) {
    static const std::array<ReverseTable, kUpperHalves.size()> tables = {
        ReverseTable(kUpperHalves[0]), ReverseTable(kUpperHalves[1]), ReverseTable(kUpperHalves[2])};
    return tables[TableIndex(codePage)];
}

String Utf8Sanitized(std::string_view utf8) {
    String out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t ch = core::Utf8Next(utf8, pos);
        if (ch == 0xFFFD && pos - start == 1)
            out.push_back('?');
        else
            out.append(utf8.substr(start, pos - start));
    }
    return out;
}

} // namespace

bool IsSupportedCodePage(int codePage) {
    return codePage == CP_WINDOWS_1250 || codePage == CP_WINDOWS_1251 || codePage == CP_DOS_852 ||
           codePage == CP_UTF8_PAGE;
}

char32_t CodePageByteToChar(unsigned char byte, int codePage) {
    const char16_t* table = UpperHalf(codePage);
    return byte < 0x80 ? byte : table[byte - 0x80];
}

int CharToCodePageByte(char32_t ch, int codePage) {
    return Reverse(codePage).Find(ch);
}

String CodePageToUtf8(std::string_view bytes, int codePage) {
    if (codePage == CP_UTF8_PAGE) return Utf8Sanitized(bytes);
    const Utf8Forms& forms = UpperHalfUtf8(codePage);
    // Sized exactly first: the texts of a whole table are held converted. Both passes step
    // over plain ASCII eight bytes at a time (every text a list loads comes through here).
    const std::size_t n = bytes.size();
    std::size_t size = n;
    for (std::size_t i = 0; i < n;) {
        if (n - i >= 8) {
            const std::size_t ascii = AsciiPrefix(bytes.data() + i);
            i += ascii;
            if (ascii == 8) continue;
        } else if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        size += forms[static_cast<unsigned char>(bytes[i]) - 0x80].Size - 1u;
        ++i;
    }
    String out(size, '\0');
    WriteUtf8(forms, bytes, out.data(), out.data() + size);
    return out;
}

void AppendCodePageAsUtf8(String& out, std::string_view bytes, int codePage) {
    const Utf8Forms& forms = UpperHalfUtf8(codePage);
    // One pass into room for the longest form of every byte; the rest is cut off after.
    const std::size_t start = out.size();
    out.resize(start + sizeof(Utf8Form::Bytes) * bytes.size());
    const char* end = WriteUtf8(forms, bytes, out.data() + start, out.data() + out.size());
    out.resize(static_cast<std::size_t>(end - out.data()));
}

std::string Utf8ToCodePage(std::string_view utf8, int codePage) {
    if (codePage == CP_UTF8_PAGE) return Utf8Sanitized(utf8);
    std::string out;
    AppendUtf8AsCodePage(out, utf8, codePage, utf8.size());
    return out;
}

std::size_t AppendUtf8AsCodePage(std::string& out, std::string_view utf8, int codePage,
                                 std::size_t maxChars) {
    const ReverseTable& table = Reverse(codePage);
    // Every character takes one byte: the room is made once and written through, and the
    // plain ASCII most text is made of is copied eight bytes at a time (spreadsheet cells
    // and stored texts come through here by the hundred thousand).
    const std::size_t start = out.size();
    out.resize(start + std::min(maxChars, utf8.size()));
    char* to = out.data() + start;
    char* const end = out.data() + out.size();
    std::size_t pos = 0;
    while (to < end && pos < utf8.size()) {
        CopyAsciiRun(utf8, pos, to, end);
        if (to == end || pos == utf8.size()) break;
        // The accented letters of Latin text are two-byte sequences: read in place; any
        // other sequence, valid or not, goes through the full decoder.
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        const auto next = pos + 1 < utf8.size() ? static_cast<unsigned char>(utf8[pos + 1]) : 0u;
        const char32_t pair = static_cast<char32_t>(((lead & 0x1Fu) << 6) | (next & 0x3Fu));
        char32_t ch;
        if ((lead & 0xE0) == 0xC0 && (next & 0xC0) == 0x80 && pair >= 0x80) {
            ch = pair;
            pos += 2;
        } else {
            ch = core::Utf8Next(utf8, pos);
        }
        const int byte = table.Find(ch);
        *to++ = byte < 0 ? '?' : static_cast<char>(byte);
    }
    const auto written = static_cast<std::size_t>(to - (out.data() + start));
    out.resize(start + written);
    return written;
}

std::u32string UnstorableChars(std::string_view utf8, int codePage) {
    std::u32string found;
    if (codePage == CP_UTF8_PAGE) return found;
    const ReverseTable& table = Reverse(codePage);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const char32_t ch = core::Utf8Next(utf8, pos);
        if (table.Find(ch) < 0 && found.find(ch) == std::u32string::npos) found.push_back(ch);
    }
    return found;
}
