#include "platform/core/StrUtils.h"

#include "platform/core/HungarianCollation.h"
#include "platform/core/Utf8.h"

#include <algorithm>

using core::Utf8Length;
using core::Utf8Offset;

namespace {

Integer Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// Byte range [begin, end) of count characters from the 1-based index (index >= 1,
// count >= 1), clamped to s.
std::pair<std::size_t, std::size_t> CharRange(std::string_view s, Integer index, Integer count) {
    const std::size_t begin = Utf8Offset(s, static_cast<std::size_t>(index - 1));
    const std::size_t end = begin + Utf8Offset(s.substr(begin), static_cast<std::size_t>(count));
    return {begin, end};
}

template <typename Map> String MapChars(std::string_view s, Map map) {
    String out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const auto b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(map(b)));
            ++pos;
        } else {
            const std::size_t start = pos;
            const char32_t ch = core::Utf8Next(s, pos);
            // Bytes that are not UTF-8 pass through untouched rather than being lost.
            if (ch == 0xFFFD && pos - start == 1)
                out.push_back(s[start]);
            else
                core::Utf8Append(out, map(ch));
        }
    }
    return out;
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

Integer Length(std::string_view s) {
    return static_cast<Integer>(Utf8Length(s));
}

String Copy(std::string_view s, Integer index, Integer count) {
    // Copy clamps rather than fails: callers use it freely on short texts.
    if (index < 1) index = 1;
    if (count <= 0) return {};
    const auto [begin, end] = CharRange(s, index, count);
    return String(s.substr(begin, end - begin));
}

String Copy(std::string_view s, Integer index) {
    if (index < 1) index = 1;
    const std::size_t begin = Utf8Offset(s, static_cast<std::size_t>(index - 1));
    return String(s.substr(begin));
}

Integer Pos(std::string_view sub, std::string_view s) {
    return PosEx(sub, s, 1);
}

Integer PosEx(std::string_view sub, std::string_view s, Integer offset) {
    if (sub.empty() || offset < 1) return 0;
    const std::size_t start = Utf8Offset(s, static_cast<std::size_t>(offset - 1));
    if (start >= s.size()) return 0;
    // A byte match on valid UTF-8 always starts on a character boundary.
    const std::size_t found = s.find(sub, start);
    if (found == std::string_view::npos) return 0;
    return static_cast<Integer>(Utf8Length(s.substr(0, found))) + 1;
}

void Delete(String& s, Integer index, Integer count) {
    if (index < 1 || count <= 0) return;
    const auto [begin, end] = CharRange(s, index, count);
    s.erase(begin, end - begin);
}

void Insert(std::string_view source, String& s, Integer index) {
    if (index < 1) index = 1;
    const std::size_t at = Utf8Offset(s, static_cast<std::size_t>(index - 1));
    s.insert(at, source);
}

String CharAt(std::string_view s, Integer index) {
    return Copy(s, index, index < 1 ? 0 : 1);
}

char32_t CharCodeAt(std::string_view s, Integer index) {
    if (index < 1) return 0;
    std::size_t pos = Utf8Offset(s, static_cast<std::size_t>(index - 1));
    return pos < s.size() ? core::Utf8Next(s, pos) : 0;
}

String LeftStr(std::string_view s, Integer count) {
    return Copy(s, 1, count);
}

String RightStr(std::string_view s, Integer count) {
    const Integer length = Length(s);
    if (count >= length) return String(s);
    return Copy(s, length - count + 1, count);
}

String StringOfChar(char32_t ch, Integer count) {
    String one;
    core::Utf8Append(one, ch);
    return DupeString(one, count);
}

String DupeString(std::string_view s, Integer count) {
    String out;
    if (count <= 0) return out;
    out.reserve(s.size() * static_cast<std::size_t>(count));
    for (Integer i = 0; i < count; ++i)
        out.append(s);
    return out;
}

String Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

String TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsTrimmed(s[i]))
        ++i;
    return String(s.substr(i));
}

String TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && IsTrimmed(s[n - 1]))
        --n;
    return String(s.substr(0, n));
}

String UpperCase(std::string_view s) {
    String out(s);
    for (char& c : out)
        c = UpCase(c);
    return out;
}

String LowerCase(std::string_view s) {
    String out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

char UpCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

Integer CompareStr(std::string_view a, std::string_view b) {
    return Sign(a.compare(b));
}

Integer CompareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(UpCase(a[i]));
        const auto y = static_cast<unsigned char>(UpCase(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameStr(std::string_view a, std::string_view b) {
    return a == b;
}

bool SameText(std::string_view a, std::string_view b) {
    // Only ASCII letters fold, byte for byte: texts of different lengths never match.
    // Component look-ups by name compare against every component of a form.
    return a.size() == b.size() && CompareText(a, b) == 0;
}

String AnsiUpperCase(std::string_view s) {
    return MapChars(s, [](char32_t c) { return CharUpper(c); });
}

String AnsiLowerCase(std::string_view s) {
    return MapChars(s, [](char32_t c) { return CharLower(c); });
}

Integer AnsiCompareStr(std::string_view a, std::string_view b) {
    return core::HungarianCompare(a, b, core::TCollationCase::Observe);
}

Integer AnsiCompareText(std::string_view a, std::string_view b) {
    return core::HungarianCompare(a, b, core::TCollationCase::Ignore);
}

bool AnsiSameStr(std::string_view a, std::string_view b) {
    return a == b;
}

bool AnsiSameText(std::string_view a, std::string_view b) {
    // Same letters regardless of case; accents still count. Field and component
    // names are looked up this way for every record, so their plain ASCII part
    // is compared in place; upper-cased copies are made only from the first
    // byte that is not ASCII on.
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if ((x | y) >= 0x80) return AnsiUpperCase(a.substr(i)) == AnsiUpperCase(b.substr(i));
        // CharUpper's answer for ASCII, without the call.
        if (x != y && UpCase(char(x)) != UpCase(char(y))) return false;
    }
    // Every character upper-cases to at least one byte: a longer rest differs.
    return a.size() == b.size();
}

bool AnsiStartsText(std::string_view subText, std::string_view text) {
    const String upperSub = AnsiUpperCase(subText);
    const String upperText = AnsiUpperCase(text);
    return upperText.compare(0, upperSub.size(), upperSub) == 0;
}

bool AnsiContainsText(std::string_view text, std::string_view subText) {
    return AnsiUpperCase(text).find(AnsiUpperCase(subText)) != String::npos;
}

String StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                     TReplaceFlags flags) {
    if (oldPattern.empty()) return String(s);
    const bool ignoreCase = (flags & rfIgnoreCase) != 0;
    if (!ignoreCase) {
        // A byte match of UTF-8 text is a character match: no decoding needed.
        String out;
        out.reserve(s.size());
        std::size_t from = 0;
        while (true) {
            const std::size_t found = s.find(oldPattern, from);
            if (found == std::string_view::npos) break;
            out.append(s.substr(from, found - from));
            out.append(newPattern);
            from = found + oldPattern.size();
            if ((flags & rfReplaceAll) == 0) break;
        }
        out.append(s.substr(from));
        return out;
    }
    // Search in an upper-cased copy but copy from the original: both are compared
    // as characters so that a case change of a different byte length cannot shift offsets.
    const std::u32string text = core::Utf8ToU32(s);
    std::u32string search = text;
    std::u32string pattern = core::Utf8ToU32(oldPattern);
    if (ignoreCase) {
        for (char32_t& c : search)
            c = CharUpper(c);
        for (char32_t& c : pattern)
            c = CharUpper(c);
    }
    const std::u32string replacement = core::Utf8ToU32(newPattern);
    std::u32string out;
    out.reserve(text.size());
    std::size_t from = 0;
    while (true) {
        const std::size_t found = search.find(pattern, from);
        if (found == std::u32string::npos) break;
        out.append(text, from, found - from);
        out.append(replacement);
        from = found + pattern.size();
        if ((flags & rfReplaceAll) == 0) break;
    }
    out.append(text, from, std::u32string::npos);
    return core::U32ToUtf8(out);
}

String QuotedStr(std::string_view s) {
    return AnsiQuotedStr(s, '\'');
}

String AnsiQuotedStr(std::string_view s, char quote) {
    String out;
    out.reserve(s.size() + 2);
    out.push_back(quote);
    for (char c : s) {
        out.push_back(c);
        if (c == quote) out.push_back(quote);
    }
    out.push_back(quote);
    return out;
}

String AnsiExtractQuotedStr(std::string_view s, char quote) {
    String out;
    if (s.empty() || s[0] != quote) return out;
    std::size_t i = 1;
    while (i < s.size()) {
        if (s[i] == quote) {
            if (i + 1 < s.size() && s[i + 1] == quote) {
                out.push_back(quote);
                i += 2;
                continue;
            }
            break;
        }
        out.push_back(s[i]);
        ++i;
    }
    return out;
}

String AnsiDequotedStr(std::string_view s, char quote) {
    if (s.size() < 2 || s.front() != quote || s.back() != quote) return String(s);
    return AnsiExtractQuotedStr(s, quote);
}

Integer LastDelimiter(std::string_view delimiters, std::string_view s) {
    const std::u32string text = core::Utf8ToU32(s);
    const std::u32string delims = core::Utf8ToU32(delimiters);
    for (std::size_t i = text.size(); i > 0; --i)
        if (delims.find(text[i - 1]) != std::u32string::npos) return static_cast<Integer>(i);
    return 0;
}

bool IsDelimiter(std::string_view delimiters, std::string_view s, Integer index) {
    const char32_t ch = CharCodeAt(s, index);
    if (ch == 0 && (index < 1 || index > Length(s))) return false;
    return core::Utf8ToU32(delimiters).find(ch) != std::u32string::npos;
}

String AdjustLineBreaks(std::string_view s, TTextLineBreakStyle style) {
    const std::string_view lineBreak = style == TTextLineBreakStyle::tlbsCRLF ? "\r\n" : "\n";
    String out;
    out.reserve(s.size() + s.size() / 16);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\r' || c == '\n') {
            out.append(lineBreak);
            // A pair of different break characters is one break.
            if (i + 1 < s.size() && (s[i + 1] == '\r' || s[i + 1] == '\n') && s[i + 1] != c) ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}
