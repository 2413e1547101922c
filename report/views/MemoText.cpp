#include "report/views/detail/MemoText.h"

#include "platform/core/CodePages.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"
#include "report/script/detail/TrpParser.h"
#include "report/views/detail/rpCoordinates.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace report {

namespace {

// The characters that can change an expression's nesting: quotes and brackets.
constexpr auto kBracketMarks = [] {
    std::array<bool, 256> marks{};
    for (const unsigned char c : {'"', '\'', '[', ']'})
        marks[c] = true;
    return marks;
}();

// Where the bracketed expression opened at Open ends: the closing bracket's index, or the
// line's length when it is never closed. Brackets nest, and brackets inside single or
// double quotes belong to the text: the rules of GetBrackedVariable.
std::size_t BracketEnd(const String& Line, std::size_t Open) {
    Integer depth = 1; // the bracket at Open
    bool inSingle = false, inDouble = false;
    for (std::size_t k = Open + 1; k < Line.size(); ++k) {
        const char c = Line[k];
        if (!kBracketMarks[static_cast<unsigned char>(c)]) continue;
        if (c == '"' && !inSingle)
            inDouble = !inDouble;
        else if (c == '\'' && !inDouble)
            inSingle = !inSingle;
        else if (!inSingle && !inDouble && c == '[')
            ++depth;
        else if (!inSingle && !inDouble && c == ']' && --depth == 0)
            return k;
    }
    return Line.size();
}

// Appends Line to Out with every bracketed expression replaced by its value, scanning
// from the start; the values are never scanned. An unclosed "[" takes the rest of the
// line. Expr holds each expression while its value is asked for.
void AppendExpanded(const String& Line, String& Out, String& Expr, const GetValueFn& GetValue) {
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = Line.find('[', from);
        if (open == String::npos) break;
        const std::size_t end = BracketEnd(Line, open);
        Expr.assign(Line, open + 1, end - open - 1);
        Out.append(Line, from, open - from);
        Out += GetValue(Expr);
        from = std::min(end + 1, Line.size());
    }
    Out.append(Line, from, String::npos);
}

// Buffers that keep their room from one expansion to the next, one pair for each
// expansion under way (a value may expand another memo).
struct Buffers {
    String Source;
    String Line;
    String Expr;
};
std::vector<std::unique_ptr<Buffers>> Pool;
std::size_t InUse = 0;

} // namespace

void ExpandLine(String& Line, const GetValueFn& GetValue) {
    String out, expr;
    AppendExpanded(Line, out, expr, GetValue);
    Line = std::move(out);
}

void ExpandMemo(const TStrings& Memo, TStrings& Out, const GetValueFn& GetValue) {
    Out.Clear();
    if (InUse == Pool.size()) Pool.push_back(std::make_unique<Buffers>());
    Buffers& b = *Pool[InUse++];
    struct Release {
        ~Release() { --InUse; }
    } release;
    const auto* list = dynamic_cast<const TStringList*>(&Memo);
    std::unique_ptr<TStringList> pieces;
    for (Integer k = 0; k < Memo.Count(); ++k) {
        // A copy of the template's line, as a value's lookup may change the template.
        if (list)
            b.Source = list->StringAt(k);
        else
            b.Source = Memo.Get(k);
        if (b.Source.empty()) {
            Out.Add(String());
            continue;
        }
        b.Line.clear();
        AppendExpanded(b.Source, b.Line, b.Expr, GetValue);
        const String& line = b.Line;
        // As if the line were appended to the whole text: its line breaks split
        // it, and a line that became empty adds nothing.
        if (std::none_of(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; })) {
            if (!line.empty()) Out.Add(line);
            continue;
        }
        if (!pieces) pieces = std::make_unique<TStringList>();
        pieces->SetText(line);
        for (Integer p = 0; p < pieces->Count(); ++p)
            Out.Add(pieces->Get(p));
    }
}

namespace {

String ByteChar(Byte b) {
    return core::U32ToUtf8(std::u32string(1, CodePageByteToChar(b, CP_WINDOWS_1250)));
}

constexpr char32_t kParagraphMark = 1;

} // namespace

String MakeLineRecord(const String& Text, bool LastOfParagraph, Integer Width) {
    const auto w = static_cast<std::uint32_t>(Width) & 0xFFFF;
    String r = Text;
    if (LastOfParagraph) r.push_back('\x01');
    r += ByteChar(static_cast<Byte>(w >> 8));
    r += ByteChar(static_cast<Byte>(w & 0xFF));
    return r;
}

LineRecord ParseLineRecord(const String& Record) {
    LineRecord result;
    std::u32string s = core::Utf8ToU32(Record);
    if (s.size() < 2) {
        result.Text = Record;
        return result;
    }
    const int hi = CharToCodePageByte(s[s.size() - 2], CP_WINDOWS_1250);
    const int lo = CharToCodePageByte(s[s.size() - 1], CP_WINDOWS_1250);
    result.Width = (std::max(hi, 0) << 8) | std::max(lo, 0);
    s.resize(s.size() - 2);
    if (!s.empty() && s.back() == kParagraphMark) {
        result.LastOfParagraph = true;
        s.pop_back();
    }
    result.Text = core::U32ToUtf8(s);
    return result;
}

bool IsWrapped(const TStrings& Lines) {
    for (Integer k = 0; k < Lines.Count(); ++k)
        if (Lines.Get(k).find('\x01') != String::npos) return true;
    return false;
}

namespace {

// The hyphenation rules name their vowels and sign letters by byte values of the
// 8-bit code page: 0xA8 0xC0 0xC5 0xC8 0xCE 0xD3 0xDB 0xDD 0xDE 0xDF and 0xDA 0xDC.
// The office's text is in code page 1250, where those bytes are the letters below,
// so a word breaks around Ó and Ű (ó and ű once upper-cased) and Ú and Ü count as
// sign letters.
bool IsVowel(char32_t c) {
    switch (c) {
    case U'\u00A8': // diaeresis
    case U'Ŕ':
    case U'Ĺ':
    case U'Č':
    case U'Î':
    case U'Ó':
    case U'Ű':
    case U'Ý':
    case U'Ţ':
    case U'ß':
        return true;
    default:
        return false;
    }
}

bool IsSign(char32_t c) {
    return c == U'Ú' || c == U'Ü';
}

bool IsDelimiter(char32_t c) {
    return c == U' ' || c == U',' || c == U'-' || c == U'.';
}

bool IsLineBreak(char32_t c) {
    return c == U'\r' || c == U'\n';
}

} // namespace

std::vector<Integer> BreakWord(const String& Word) {
    std::u32string w = core::Utf8ToU32(Word);
    std::vector<Integer> result;
    const Integer n = static_cast<Integer>(w.size());
    if (n <= 4) return result;
    for (char32_t& c : w)
        c = CharUpper(c);
    auto at = [&](Integer i) { return w[static_cast<std::size_t>(i - 1)]; };
    for (Integer i = 2; i <= n - 2; ++i) {
        const bool v0 = IsVowel(at(i)), v1 = IsVowel(at(i + 1)), v2 = IsVowel(at(i + 2));
        if ((v0 && v1) || (v0 && !v1 && v2) || (!v0 && !v1 && !IsSign(at(i + 1)) && v2)) result.push_back(i);
    }
    return result;
}

std::vector<WrappedLine> WrapLine(const String& Line, Integer Available, bool WordBreak,
                                  const MeasureFn& Width) {
    // A memo narrower than its gaps still holds text that measures nothing; the search
    // below divides by the width of text that overflows, which is then never 0.
    Available = std::max<Integer>(Available, 0);
    std::vector<WrappedLine> out;
    const std::u32string s = core::Utf8ToU32(Line);
    const Integer n = static_cast<Integer>(s.size());
    auto at = [&](Integer i) { return s[static_cast<std::size_t>(i - 1)]; };
    // Where each character's UTF-8 form starts in the characters' text. When that text is
    // Line itself (Line is valid UTF-8), a run of characters is cut from Line rather than
    // encoded anew: the same bytes.
    std::vector<std::size_t> starts;
    starts.reserve(s.size() + 1);
    String encoded;
    encoded.reserve(Line.size());
    for (const char32_t c : s) {
        starts.push_back(encoded.size());
        core::Utf8Append(encoded, c);
    }
    starts.push_back(encoded.size());
    const bool same = encoded == Line;
    // s[a .. b], 1-based and inclusive.
    auto sub = [&](Integer a, Integer b) {
        if (b < a) return String();
        const auto from = static_cast<std::size_t>(a - 1), to = static_cast<std::size_t>(b);
        return same ? Line.substr(starts[from], starts[to] - starts[from])
                    : core::U32ToUtf8(std::u32string_view(s).substr(from, to - from));
    };
    auto emit = [&](String text, bool last) { out.push_back({std::move(text), last}); };

    const bool hasBreak = std::any_of(s.begin(), s.end(), IsLineBreak);
    const Integer whole = !hasBreak && n >= 2 ? Width(Line) : 0;
    if (!hasBreak && (n < 2 || whole <= Available)) {
        emit(Line, true);
        return out;
    }
    // The first character from From on, up to the end of its paragraph, that is no space
    // and whose text from Beg overflows: where the scan below breaks the line. A text grows
    // no narrower as it grows, so a search finds it with a few measurements of about a line
    // each: a first guess of as many characters as the line before held (for the first line,
    // in proportion to the whole line's width), steps doubling away from it until the edge
    // is passed, then halving. Nothing much past the line is measured, so a paragraph of
    // hundreds of lines costs in proportion to its length, not to its square.
    Integer perLine = whole > 0 ? static_cast<Integer>(std::max<Int64>(Int64{n} * Available / whole, 1)) : 0;
    Integer paragraphEnd = 0; // the first line break (or n + 1) from the last search's start on
    auto firstOverflow = [&](Integer beg, Integer from) {
        if (paragraphEnd < from) {
            paragraphEnd = from;
            while (paragraphEnd <= n && !IsLineBreak(at(paragraphEnd)))
                ++paragraphEnd;
        }
        const Integer end = paragraphEnd;
        if (from >= end) return end;
        // The text to lo is taken to fit; the one to hi overflows, or hi is the end.
        Integer lo = from - 1, hi = end;
        const auto overflows = [&](Integer pos) {
            const bool over = Width(sub(beg, pos)) > Available;
            (over ? hi : lo) = pos;
            return over;
        };
        const Integer guess = perLine > 0 ? beg - 1 + perLine : from;
        const bool over = overflows(std::clamp(guess, lo + 1, hi - 1));
        for (Integer step = 1; hi - lo > 1; step *= 2)
            if (overflows(over ? std::max(lo + 1, hi - step) : std::min(hi - 1, lo + step)) != over) break;
        while (hi - lo > 1)
            overflows(lo + (hi - lo) / 2);
        while (hi < end && at(hi) == U' ')
            ++hi;
        return hi;
    };
    Integer beg = 1, last = 1, cur = 1;
    Integer overflow = 0; // not yet searched from the current line's start
    while (cur <= n) {
        const char32_t c = at(cur);
        if (IsLineBreak(c)) {
            emit(sub(beg, cur - 1), true);
            while (cur < n && IsLineBreak(at(cur)))
                ++cur;
            beg = last = cur;
            overflow = 0;
            if (IsLineBreak(at(cur))) return out;
            continue;
        }
        if (overflow == 0) overflow = firstOverflow(beg, cur);
        if (cur == overflow) {
            overflow = 0;
            bool hyphenated = false;
            if (WordBreak) {
                const Integer start = (last == beg && !IsDelimiter(at(last))) ? beg : last + 1;
                // No break after the overflowing character can fit: the word is read only to
                // two characters past it (what its last break positions depend on), so a run
                // without a break point is not read whole again for every line.
                const Integer stop = std::min(n, cur + 2);
                Integer end = start;
                while (end <= stop && !IsDelimiter(at(end)) && !IsLineBreak(at(end)))
                    ++end;
                const Integer base = start - 1;
                Integer fit = 0;
                for (const Integer p : BreakWord(sub(start, end - 1))) {
                    if (base + p < beg || Width(sub(beg, base + p) + "-") > Available) break;
                    fit = p;
                }
                if (fit > 0) {
                    cur = last = base + fit;
                    hyphenated = true;
                }
            }
            // No usable break point: cut before the overflowing character
            // (a lone character too wide still makes a line of its own).
            if (!hyphenated && last == beg) last = std::max(beg, cur - 1);
            if (hyphenated)
                emit(sub(beg, last) + "-", false);
            else if (at(last) == U' ')
                emit(sub(beg, last - 1), false);
            else
                emit(sub(beg, last), false);
            perLine = last - beg + 1;
            beg = last + 1;
            last = beg;
        }
        if (cur >= beg && IsDelimiter(at(cur))) last = cur;
        ++cur;
    }
    if (beg <= n)
        emit(sub(beg, n), true);
    else if (!out.empty())
        out.back().LastOfParagraph = true; // the last cut ended the source line
    return out;
}

Integer Spare(Integer Size, Integer Gap, Integer W) {
    return ClampCoordinate(Int64{Size} - 2 * Int64{Gap} - W);
}

Integer AlignedX(Integer Align, Integer Left, Integer Width, Integer Gap, Integer W) {
    switch (Align & 3) {
    case 1:
        return ClampCoordinate(Int64{Left} + Width - 1 - Gap - W);
    case 2:
        return ClampCoordinate(Int64{Left} + Gap + (Int64{Width} - 2 * Int64{Gap} - W) / 2);
    default:
        return ClampCoordinate(Int64{Left} + Gap);
    }
}

Integer RotatedY(Integer Align, Integer Top, Integer Height, Integer Gap, Integer W) {
    switch (Align & 3) {
    case 1:
        return ClampCoordinate(Int64{Top} + Gap + W);
    case 2:
        return ClampCoordinate(Int64{Top} + Height - 1 - Gap - (Int64{Height} - 2 * Int64{Gap} - W) / 2);
    default:
        return ClampCoordinate(Int64{Top} + Height - Gap);
    }
}

} // namespace report
