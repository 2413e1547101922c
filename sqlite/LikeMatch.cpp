#include "sqlite/LikeMatch.h"

#include "platform/core/StrUtils.h"
#include "platform/core/Utf8.h"

#include <vector>

namespace sqlite {

namespace {

char32_t Fold(char32_t ch) {
    if (ch < 0x80) return ch >= 'A' && ch <= 'Z' ? ch + ('a' - 'A') : ch;
    return CharLower(ch);
}

// Pattern characters with their meaning decided once: a wildcard or a literal.
struct PatternChar {
    char32_t Ch;
    enum Kind : unsigned char { Literal, AnyRun, AnyOne } What;
};

std::vector<PatternChar> ReadPattern(std::string_view pattern, char32_t escape) {
    std::vector<PatternChar> out;
    out.reserve(pattern.size());
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        char32_t ch = core::Utf8Next(pattern, pos);
        if (escape != 0 && ch == escape && pos < pattern.size()) {
            out.push_back({Fold(core::Utf8Next(pattern, pos)), PatternChar::Literal});
        } else if (ch == '%') {
            out.push_back({0, PatternChar::AnyRun});
        } else if (ch == '_') {
            out.push_back({0, PatternChar::AnyOne});
        } else {
            out.push_back({Fold(ch), PatternChar::Literal});
        }
    }
    return out;
}

} // namespace

bool LikeMatch(std::string_view Pattern, std::string_view Text, char32_t Escape) {
    const std::vector<PatternChar> pattern = ReadPattern(Pattern, Escape);
    std::vector<char32_t> text;
    text.reserve(Text.size());
    for (std::size_t pos = 0; pos < Text.size();)
        text.push_back(Fold(core::Utf8Next(Text, pos)));

    // Greedy walk that returns to the last "%" on a mismatch: linear in
    // practice and never exponential, whatever the number of "%".
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p].What == PatternChar::AnyRun) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() &&
                   (pattern[p].What == PatternChar::AnyOne || pattern[p].Ch == text[t])) {
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

} // namespace sqlite
