#include "platform/core/Utf8.h"

namespace core {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

char32_t Utf8Next(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t need;
    char32_t ch;
    char32_t min;
    if ((lead & 0xE0) == 0xC0) {
        need = 1;
        ch = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        need = 2;
        ch = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        need = 3;
        ch = lead & 0x07;
        min = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (s.size() - pos <= need) {
        ++pos;
        return kReplacement;
    }
    for (std::size_t i = 1; i <= need; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if (!IsContinuation(c)) {
            ++pos;
            return kReplacement;
        }
        ch = (ch << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode would smuggle characters
    // past byte-level checks; they count as invalid.
    if (ch < min || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += need + 1;
    return ch;
}

void Utf8Append(String& out, char32_t ch) {
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = kReplacement;
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

std::u32string Utf8ToU32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size())
        out.push_back(Utf8Next(s, pos));
    return out;
}

String U32ToUtf8(std::u32string_view s) {
    String out;
    out.reserve(s.size());
    for (char32_t ch : s)
        Utf8Append(out, ch);
    return out;
}

std::size_t Utf8Length(std::string_view s) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (static_cast<unsigned char>(s[pos]) < 0x80)
            ++pos;
        else
            Utf8Next(s, pos);
        ++count;
    }
    return count;
}

std::size_t Utf8Offset(std::string_view s, std::size_t charIndex) {
    std::size_t pos = 0;
    while (charIndex > 0 && pos < s.size()) {
        if (static_cast<unsigned char>(s[pos]) < 0x80)
            ++pos;
        else
            Utf8Next(s, pos);
        --charIndex;
    }
    return pos;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = pos;
        const char32_t ch = Utf8Next(s, pos);
        // A real U+FFFD is three bytes; a replacement for bad input advanced one.
        if (ch == kReplacement && pos - start == 1) return false;
    }
    return true;
}

} // namespace core
