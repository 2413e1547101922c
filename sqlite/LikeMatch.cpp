#include "sqlite/LikeMatch.h"

#include "platform/core/CodePages.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Utf8.h"

#include <array>
#include <string>
#include <vector>

namespace sqlite {

namespace {

char32_t Fold(char32_t ch) {
    if (ch < 0x80) return ch >= 'A' && ch <= 'Z' ? ch + ('a' - 'A') : ch;
    return CharLower(ch);
}

// A pattern character with its meaning decided once: a wildcard or a literal.
struct PatternChar {
    char32_t Ch;
    enum Kind : unsigned char { Literal, AnyRun, AnyOne } What;
};

// The engine calls LIKE once per row; the buffers keep their room between calls.
thread_local std::vector<PatternChar> PatternBuffer;
thread_local std::vector<char32_t> TextBuffer;

// Reads the characters of one text through Next (which yields folded characters).
template <class Next> void ReadPattern(std::size_t size, Next next, char32_t escape) {
    PatternBuffer.clear();
    std::size_t pos = 0;
    while (pos < size) {
        const char32_t ch = next(pos);
        if (escape != 0 && ch == Fold(escape) && pos < size) {
            PatternBuffer.push_back({next(pos), PatternChar::Literal});
        } else if (ch == '%') {
            PatternBuffer.push_back({0, PatternChar::AnyRun});
        } else if (ch == '_') {
            PatternBuffer.push_back({0, PatternChar::AnyOne});
        } else {
            PatternBuffer.push_back({ch, PatternChar::Literal});
        }
    }
}

template <class Next> void ReadText(std::size_t size, Next next) {
    TextBuffer.clear();
    for (std::size_t pos = 0; pos < size;)
        TextBuffer.push_back(next(pos));
}

// Greedy walk that returns to the last "%" on a mismatch: linear in practice
// and never exponential, whatever the number of "%". At(i) is the folded
// character i of a text of Size characters.
template <class CharAt> bool Match(const std::vector<PatternChar>& pattern, std::size_t size, CharAt at) {
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starT = 0;
    while (t < size) {
        if (p < pattern.size() && pattern[p].What == PatternChar::AnyRun) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && (pattern[p].What == PatternChar::AnyOne || pattern[p].Ch == at(t))) {
            ++p;
            ++t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p].What == PatternChar::AnyRun)
        ++p;
    return p == pattern.size();
}

// The pattern read last: a search runs one pattern over every row.
struct PatternKey {
    std::string Bytes;
    char32_t Escape = 0;
    int CodePage = -1;
};
thread_local PatternKey LastPattern;

template <class Next>
const std::vector<PatternChar>& PatternOf(std::string_view pattern, char32_t escape, int codePage,
                                          Next next) {
    if (LastPattern.CodePage != codePage || LastPattern.Escape != escape || LastPattern.Bytes != pattern) {
        ReadPattern(pattern.size(), next, escape);
        LastPattern = {std::string(pattern), escape, codePage};
    }
    return PatternBuffer;
}

// Folded characters of every byte of a code page, built once per code page.
const std::array<char32_t, 256>& FoldedBytes(int codePage) {
    static thread_local int tableCodePage = 0;
    static thread_local std::array<char32_t, 256> table{};
    if (tableCodePage != codePage) {
        for (int b = 0; b < 256; ++b)
            table[static_cast<std::size_t>(b)] =
                Fold(CodePageByteToChar(static_cast<unsigned char>(b), codePage));
        tableCodePage = codePage;
    }
    return table;
}

} // namespace

bool LikeMatch(std::string_view Pattern, std::string_view Text, char32_t Escape) {
    const auto& pattern = PatternOf(Pattern, Escape, CP_UTF8_PAGE,
                                    [&](std::size_t& pos) { return Fold(core::Utf8Next(Pattern, pos)); });
    ReadText(Text.size(), [&](std::size_t& pos) { return Fold(core::Utf8Next(Text, pos)); });
    return Match(pattern, TextBuffer.size(), [](std::size_t i) { return TextBuffer[i]; });
}

bool LikeMatchCodePage(std::string_view Pattern, std::string_view Text, char32_t Escape, int CodePage) {
    const std::array<char32_t, 256>& folded = FoldedBytes(CodePage);
    const auto& pattern = PatternOf(Pattern, Escape, CodePage, [&](std::size_t& pos) {
        return folded[static_cast<unsigned char>(Pattern[pos++])];
    });
    // One byte is one character: the text is read in place.
    return Match(pattern, Text.size(),
                 [&](std::size_t i) { return folded[static_cast<unsigned char>(Text[i])]; });
}

} // namespace sqlite
