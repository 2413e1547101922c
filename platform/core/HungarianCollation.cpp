#include "platform/core/HungarianCollation.h"

#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace core {

namespace {

struct LatinFold {
    char32_t Letter;
    char Base;
};

// Lower-case accented Latin letters and their base letters.
constexpr LatinFold kLatinFold[] = {
    {0x00E0, 'a'}, {0x00E1, 'a'}, {0x00E2, 'a'}, {0x00E3, 'a'}, {0x00E4, 'a'}, {0x00E5, 'a'}, {0x00E7, 'c'},
    {0x00E8, 'e'}, {0x00E9, 'e'}, {0x00EA, 'e'}, {0x00EB, 'e'}, {0x00EC, 'i'}, {0x00ED, 'i'}, {0x00EE, 'i'},
    {0x00EF, 'i'}, {0x00F1, 'n'}, {0x00F2, 'o'}, {0x00F3, 'o'}, {0x00F4, 'o'}, {0x00F5, 'o'}, {0x00F6, 'o'},
    {0x00F9, 'u'}, {0x00FA, 'u'}, {0x00FB, 'u'}, {0x00FC, 'u'}, {0x00FD, 'y'}, {0x00FF, 'y'}, {0x0101, 'a'},
    {0x0103, 'a'}, {0x0105, 'a'}, {0x0107, 'c'}, {0x0109, 'c'}, {0x010B, 'c'}, {0x010D, 'c'}, {0x010F, 'd'},
    {0x0113, 'e'}, {0x0115, 'e'}, {0x0117, 'e'}, {0x0119, 'e'}, {0x011B, 'e'}, {0x011D, 'g'}, {0x011F, 'g'},
    {0x0121, 'g'}, {0x0123, 'g'}, {0x0125, 'h'}, {0x0129, 'i'}, {0x012B, 'i'}, {0x012D, 'i'}, {0x012F, 'i'},
    {0x0135, 'j'}, {0x0137, 'k'}, {0x013A, 'l'}, {0x013C, 'l'}, {0x013E, 'l'}, {0x0144, 'n'}, {0x0146, 'n'},
    {0x0148, 'n'}, {0x014D, 'o'}, {0x014F, 'o'}, {0x0151, 'o'}, {0x0155, 'r'}, {0x0157, 'r'}, {0x0159, 'r'},
    {0x015B, 's'}, {0x015D, 's'}, {0x015F, 's'}, {0x0161, 's'}, {0x0163, 't'}, {0x0165, 't'}, {0x0169, 'u'},
    {0x016B, 'u'}, {0x016D, 'u'}, {0x016F, 'u'}, {0x0171, 'u'}, {0x0173, 'u'}, {0x0175, 'w'}, {0x0177, 'y'},
    {0x017A, 'z'}, {0x017C, 'z'}, {0x017E, 'z'}, {0x01A1, 'o'}, {0x01B0, 'u'}, {0x01CE, 'a'}, {0x01D0, 'i'},
    {0x01D2, 'o'}, {0x01D4, 'u'}, {0x01D6, 'u'}, {0x01D8, 'u'}, {0x01DA, 'u'}, {0x01DC, 'u'}, {0x01DF, 'a'},
    {0x01E1, 'a'}, {0x01E7, 'g'}, {0x01E9, 'k'}, {0x01EB, 'o'}, {0x01ED, 'o'}, {0x01F0, 'j'}, {0x01F5, 'g'},
    {0x01F9, 'n'}, {0x01FB, 'a'}, {0x0201, 'a'}, {0x0203, 'a'}, {0x0205, 'e'}, {0x0207, 'e'}, {0x0209, 'i'},
    {0x020B, 'i'}, {0x020D, 'o'}, {0x020F, 'o'}, {0x0211, 'r'}, {0x0213, 'r'}, {0x0215, 'u'}, {0x0217, 'u'},
    {0x0219, 's'}, {0x021B, 't'}, {0x021F, 'h'}, {0x0227, 'a'}, {0x0229, 'e'}, {0x022B, 'o'}, {0x022D, 'o'},
    {0x022F, 'o'}, {0x0231, 'o'}, {0x0233, 'y'}, {0x1E01, 'a'}, {0x1E03, 'b'}, {0x1E05, 'b'}, {0x1E07, 'b'},
    {0x1E09, 'c'}, {0x1E0B, 'd'}, {0x1E0D, 'd'}, {0x1E0F, 'd'}, {0x1E11, 'd'}, {0x1E13, 'd'}, {0x1E15, 'e'},
    {0x1E17, 'e'}, {0x1E19, 'e'}, {0x1E1B, 'e'}, {0x1E1D, 'e'}, {0x1E1F, 'f'}, {0x1E21, 'g'}, {0x1E23, 'h'},
    {0x1E25, 'h'}, {0x1E27, 'h'}, {0x1E29, 'h'}, {0x1E2B, 'h'}, {0x1E2D, 'i'}, {0x1E2F, 'i'}, {0x1E31, 'k'},
    {0x1E33, 'k'}, {0x1E35, 'k'}, {0x1E37, 'l'}, {0x1E39, 'l'}, {0x1E3B, 'l'}, {0x1E3D, 'l'}, {0x1E3F, 'm'},
    {0x1E41, 'm'}, {0x1E43, 'm'}, {0x1E45, 'n'}, {0x1E47, 'n'}, {0x1E49, 'n'}, {0x1E4B, 'n'}, {0x1E4D, 'o'},
    {0x1E4F, 'o'}, {0x1E51, 'o'}, {0x1E53, 'o'}, {0x1E55, 'p'}, {0x1E57, 'p'}, {0x1E59, 'r'}, {0x1E5B, 'r'},
    {0x1E5D, 'r'}, {0x1E5F, 'r'}, {0x1E61, 's'}, {0x1E63, 's'}, {0x1E65, 's'}, {0x1E67, 's'}, {0x1E69, 's'},
    {0x1E6B, 't'}, {0x1E6D, 't'}, {0x1E6F, 't'}, {0x1E71, 't'}, {0x1E73, 'u'}, {0x1E75, 'u'}, {0x1E77, 'u'},
    {0x1E79, 'u'}, {0x1E7B, 'u'}, {0x1E7D, 'v'}, {0x1E7F, 'v'}, {0x1E81, 'w'}, {0x1E83, 'w'}, {0x1E85, 'w'},
    {0x1E87, 'w'}, {0x1E89, 'w'}, {0x1E8B, 'x'}, {0x1E8D, 'x'}, {0x1E8F, 'y'}, {0x1E91, 'z'}, {0x1E93, 'z'},
    {0x1E95, 'z'}, {0x1E96, 'h'}, {0x1E97, 't'}, {0x1E98, 'w'}, {0x1E99, 'y'}, {0x1EA1, 'a'}, {0x1EA3, 'a'},
    {0x1EA5, 'a'}, {0x1EA7, 'a'}, {0x1EA9, 'a'}, {0x1EAB, 'a'}, {0x1EAD, 'a'}, {0x1EAF, 'a'}, {0x1EB1, 'a'},
    {0x1EB3, 'a'}, {0x1EB5, 'a'}, {0x1EB7, 'a'}, {0x1EB9, 'e'}, {0x1EBB, 'e'}, {0x1EBD, 'e'}, {0x1EBF, 'e'},
    {0x1EC1, 'e'}, {0x1EC3, 'e'}, {0x1EC5, 'e'}, {0x1EC7, 'e'}, {0x1EC9, 'i'}, {0x1ECB, 'i'}, {0x1ECD, 'o'},
    {0x1ECF, 'o'}, {0x1ED1, 'o'}, {0x1ED3, 'o'}, {0x1ED5, 'o'}, {0x1ED7, 'o'}, {0x1ED9, 'o'}, {0x1EDB, 'o'},
    {0x1EDD, 'o'}, {0x1EDF, 'o'}, {0x1EE1, 'o'}, {0x1EE3, 'o'}, {0x1EE5, 'u'}, {0x1EE7, 'u'}, {0x1EE9, 'u'},
    {0x1EEB, 'u'}, {0x1EED, 'u'}, {0x1EEF, 'u'}, {0x1EF1, 'u'}, {0x1EF3, 'y'}, {0x1EF5, 'y'}, {0x1EF7, 'y'},
    {0x1EF9, 'y'},
};

// Letters without a canonical decomposition that still read as a base letter.
constexpr LatinFold kExtraFold[] = {
    {0x00DF, 's'}, {0x00F0, 'd'}, {0x00F8, 'o'}, {0x0111, 'd'}, {0x0127, 'h'},
    {0x0131, 'i'}, {0x0142, 'l'}, {0x0167, 't'}, {0x0180, 'b'}, {0x01B6, 'z'},
};

// The Hungarian alphabet; ö and ü stand as letters of their own.
constexpr char32_t kOUml = 0x00F6;
constexpr char32_t kUUml = 0x00FC;

enum Letter : std::uint32_t {
    LA = 1,
    LB,
    LC,
    LCS,
    LD,
    LDZ,
    LDZS,
    LE,
    LF,
    LG,
    LGY,
    LH,
    LI,
    LJ,
    LK,
    LL,
    LLY,
    LM,
    LN,
    LNY,
    LO,
    LOE,
    LP,
    LQ,
    LR,
    LS,
    LSZ,
    LT,
    LTY,
    LU,
    LUE,
    LV,
    LW,
    LX,
    LY,
    LZ,
    LZS
};

constexpr Letter kSingle[26] = {LA, LB, LC, LD, LE, LF, LG, LH, LI, LJ, LK, LL, LM,
                                LN, LO, LP, LQ, LR, LS, LT, LU, LV, LW, LX, LY, LZ};

enum Group : std::uint32_t { GSpace = 1, GPunct, GDigit, GLatin, GLetter, GOther };

constexpr std::uint32_t Primary(Group group, std::uint32_t value) {
    return (group << 24) | value;
}

struct Element {
    std::uint32_t Primary;
    std::uint32_t Secondary;
    std::uint32_t Tertiary;
};

// One character reduced to what the levels need.
struct Folded {
    char32_t Base;         // 'a'..'z', kOUml, kUUml for Latin letters; else the lower-case character
    std::uint32_t Accent;  // 0 for the plain letter, else the accented letter's code
    std::uint32_t Primary; // its primary weight; for a Latin letter, that of the letter alone
    bool Latin;
    bool Upper;
    // Whether an element ends with this character whatever follows: all but the plain
    // letters that start a digraph.
    bool EndsElement;
};

// The letters a digraph starts with: c, d, g, l, n, s, t, z.
constexpr bool StartsDigraph(char32_t base) {
    return base == 'c' || base == 'd' || base == 'g' || base == 'l' || base == 'n' || base == 's' ||
           base == 't' || base == 'z';
}

bool IsSpace(char32_t ch) {
    return ch <= 0x20 || (ch >= 0x7F && ch <= 0x9F) || ch == 0xA0 || (ch >= 0x2000 && ch <= 0x200B) ||
           ch == 0x2028 || ch == 0x2029 || ch == 0x202F || ch == 0x3000;
}

bool IsSymbol(char32_t ch) {
    return (ch < 0x80) || (ch >= 0xA1 && ch <= 0xBF) || ch == 0xD7 || ch == 0xF7 ||
           (ch >= 0x02B0 && ch <= 0x036F) || (ch >= 0x2010 && ch <= 0x2BFF);
}

std::uint32_t OtherPrimary(char32_t ch, bool upper) {
    if (IsSpace(ch)) return Primary(GSpace, ch);
    if (ch >= '0' && ch <= '9') return Primary(GDigit, ch);
    if (CharUpper(ch) != ch || upper) return Primary(GLetter, ch);
    if (IsSymbol(ch)) return Primary(GPunct, ch);
    return Primary(GOther, ch);
}

// The letter of the alphabet a Latin base stands for alone.
Letter SingleLetter(char32_t base) {
    if (base == kOUml) return LOE;
    if (base == kUUml) return LUE;
    return kSingle[base - 'a'];
}

Folded FoldCharacter(char32_t ch) {
    const char32_t lower = CharLower(ch);
    Folded f{lower, 0, 0, false, lower != ch, true};
    if ((lower >= 'a' && lower <= 'z') || lower == kOUml || lower == kUUml) {
        f.Latin = true;
        return f;
    }
    // The double acute is the long form of the same Hungarian letter.
    if (lower == 0x0151 || lower == 0x0171) {
        f.Base = lower == 0x0151 ? kOUml : kUUml;
        f.Latin = true;
        f.Accent = lower;
        return f;
    }
    const auto byLetter = [](const LatinFold& a, char32_t b) { return a.Letter < b; };
    const auto* it = std::lower_bound(std::begin(kLatinFold), std::end(kLatinFold), lower, byLetter);
    if (it != std::end(kLatinFold) && it->Letter == lower) {
        f.Base = static_cast<unsigned char>(it->Base);
        f.Latin = true;
        f.Accent = lower;
        return f;
    }
    for (const LatinFold& extra : kExtraFold)
        if (extra.Letter == lower) {
            f.Base = static_cast<unsigned char>(extra.Base);
            f.Latin = true;
            f.Accent = lower;
            return f;
        }
    f.Primary = OtherPrimary(lower, f.Upper);
    return f;
}

Folded Fold(char32_t ch) {
    Folded f = FoldCharacter(ch);
    if (f.Latin) f.Primary = Primary(GLatin, SingleLetter(f.Base));
    f.EndsElement = !(f.Latin && f.Accent == 0 && StartsDigraph(f.Base));
    return f;
}

// Every character up to the end of Latin Extended-B folded once, so that a comparison of
// the office's names (a sort of thousands of them) looks each character up.
constexpr char32_t kFoldedRange = 0x0250;

Folded FoldedOf(char32_t ch) {
    if (ch >= kFoldedRange) return Fold(ch);
    static const std::vector<Folded> table = [] {
        std::vector<Folded> t;
        t.reserve(kFoldedRange);
        for (char32_t c = 0; c < kFoldedRange; ++c)
            t.push_back(Fold(c));
        return t;
    }();
    return table[ch];
}

// Digraph matching looks at most four characters ahead ("ddzs"): a window shows the next
// few folded characters of a text, so comparisons stream without building whole arrays.

// The window over a UTF-8 text, decoding and folding as it moves.
class Utf8Window {
public:
    explicit Utf8Window(std::string_view text) : FText(text) { Fill(); }
    std::size_t size() const { return FCount; }
    const Folded& operator[](std::size_t i) const { return FBuf[i]; }
    void Consume(std::size_t n) {
        for (std::size_t k = n; k < FCount; ++k)
            FBuf[k - n] = FBuf[k];
        FCount -= n;
        Fill();
    }
    // Back from common to the end of an element (see HungarianSharedStart).
    static std::size_t StartAfter(std::string_view a, std::size_t common);
    // Byte order breaks the last tie: it keeps distinct invalid sequences apart.
    static int Tie(std::string_view a, std::string_view b) { return a.compare(b); }

private:
    void Fill() {
        while (FCount < 4 && FPos < FText.size())
            FBuf[FCount++] = FoldedOf(Utf8Next(FText, FPos));
    }
    std::string_view FText;
    std::size_t FPos = 0;
    Folded FBuf[4] = {};
    std::size_t FCount = 0;
};

// An 8-bit code page with each of its bytes folded.
struct FoldedPage {
    const Folded* Table;
    int CodePage;
};

// Raises EConvertError for a code page without a table.
FoldedPage PageOf(int codePage) {
    using Bytes = std::array<Folded, 256>;
    const auto make = [](int page) {
        Bytes t{};
        for (std::size_t b = 0; b < t.size(); ++b)
            t[b] = FoldedOf(CodePageByteToChar(static_cast<unsigned char>(b), page));
        return t;
    };
    switch (codePage) {
    case CP_WINDOWS_1250: {
        static const Bytes table = make(CP_WINDOWS_1250);
        return {table.data(), codePage};
    }
    case CP_WINDOWS_1251: {
        static const Bytes table = make(CP_WINDOWS_1251);
        return {table.data(), codePage};
    }
    case CP_DOS_852: {
        static const Bytes table = make(CP_DOS_852);
        return {table.data(), codePage};
    }
    default:
        break;
    }
    throw EConvertError("Unsupported code page " + std::to_string(codePage));
}

// The window over a text in an 8-bit code page: each character is one byte, folded by
// one look-up where it is read.
class CodePageWindow {
public:
    CodePageWindow(std::string_view text, FoldedPage page) : FText(text), FTable(page.Table) {}
    std::size_t size() const { return std::min<std::size_t>(FText.size() - FPos, 4); }
    const Folded& operator[](std::size_t i) const {
        return FTable[static_cast<unsigned char>(FText[FPos + i])];
    }
    void Consume(std::size_t n) { FPos += n; }
    // Back from common (the bytes a and b share) to the end of an element: every character
    // is one byte, so an accented letter or any other character that starts no digraph
    // ends one as well as an ASCII mark does.
    static std::size_t StartAfter(std::string_view a, std::size_t common, FoldedPage page) {
        while (common > 0 && !page.Table[static_cast<unsigned char>(a[common - 1])].EndsElement)
            --common;
        return common;
    }
    // Code point order breaks the last tie, as it does for the texts' UTF-8 forms.
    static int Tie(std::string_view a, std::string_view b, FoldedPage page) {
        const std::size_t shared = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < shared; ++i)
            if (a[i] != b[i])
                return CodePageByteToChar(static_cast<unsigned char>(a[i]), page.CodePage) <
                               CodePageByteToChar(static_cast<unsigned char>(b[i]), page.CodePage)
                           ? -1
                           : 1;
        return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
    }

private:
    std::string_view FText;
    const Folded* FTable;
    std::size_t FPos = 0;
};

// Letter of the Hungarian alphabet starting at f[i], with its length in
// characters: the trigraph dzs, the digraphs, or a single letter.
template <class Window> std::uint32_t MatchLetter(const Window& f, std::size_t i, std::size_t& length) {
    const auto plain = [&](std::size_t k, char32_t c) {
        return k < f.size() && f[k].Latin && f[k].Accent == 0 && f[k].Base == c;
    };
    const Folded& first = f[i];
    length = 1;
    if (first.Accent == 0 && i + 1 < f.size()) {
        // Only these letters start a digraph; the switch keeps plain text cheap.
        Letter letter = LA;
        switch (first.Base) {
        case 'c':
            letter = plain(i + 1, 's') ? LCS : LA;
            break;
        case 'd':
            if (plain(i + 1, 'z')) letter = plain(i + 2, 's') ? LDZS : LDZ;
            break;
        case 'g':
            letter = plain(i + 1, 'y') ? LGY : LA;
            break;
        case 'l':
            letter = plain(i + 1, 'y') ? LLY : LA;
            break;
        case 'n':
            letter = plain(i + 1, 'y') ? LNY : LA;
            break;
        case 's':
            letter = plain(i + 1, 'z') ? LSZ : LA;
            break;
        case 't':
            letter = plain(i + 1, 'y') ? LTY : LA;
            break;
        case 'z':
            letter = plain(i + 1, 's') ? LZS : LA;
            break;
        default:
            break;
        }
        if (letter != LA) {
            length = letter == LDZS ? 3 : 2;
            return letter;
        }
    }
    return SingleLetter(first.Base);
}

template <class Window> std::uint32_t CaseBits(const Window& f, std::size_t from, std::size_t count) {
    std::uint32_t bits = 0;
    for (std::size_t k = from; k < from + count; ++k)
        bits = (bits << 1) | (f[k].Upper ? 1u : 0u);
    return bits;
}

// Collation elements of a text, one at a time.
template <class Window> class ElementReader {
public:
    explicit ElementReader(Window window) : FWindow(window) {}

    bool Next(Element& e) {
        if (FHasPending) {
            e = FPending;
            FHasPending = false;
            return true;
        }
        if (FWindow.size() == 0) return false;
        const Folded& c = FWindow[0];
        if (c.Latin) {
            std::size_t length = 0;
            const std::uint32_t letter = MatchLetter(FWindow, 0, length);
            // A doubled digraph ("ssz", "ggy", "ddzs") is the long form: the letter twice.
            if (length == 1 && c.Accent == 0 && FWindow.size() > 1 && FWindow[1].Latin &&
                FWindow[1].Accent == 0 && FWindow[1].Base == c.Base) {
                std::size_t nextLength = 0;
                const std::uint32_t next = MatchLetter(FWindow, 1, nextLength);
                if (nextLength > 1) {
                    e = {Primary(GLatin, next), 0, CaseBits(FWindow, 0, 1)};
                    FPending = {Primary(GLatin, next), 0, CaseBits(FWindow, 1, nextLength)};
                    FHasPending = true;
                    FWindow.Consume(1 + nextLength);
                    return true;
                }
            }
            e = {Primary(GLatin, letter), c.Accent, CaseBits(FWindow, 0, length)};
            FWindow.Consume(length);
            return true;
        }
        e = {c.Primary, 0, c.Upper ? 1u : 0u};
        FWindow.Consume(1);
        return true;
    }

private:
    Window FWindow;
    Element FPending{};
    bool FHasPending = false;
};

int Order(std::uint32_t x, std::uint32_t y) {
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace

namespace {

// How many bytes a and b share from their start.
std::size_t CommonLength(std::string_view a, std::string_view b) {
    const std::size_t shared = std::min(a.size(), b.size());
    // Eight bytes at a time to the first difference: sorted names share long starts.
    std::size_t cut = 0;
    for (; cut + 8 <= shared; cut += 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a.data() + cut, 8);
        std::memcpy(&y, b.data() + cut, 8);
        if (x != y) {
            const std::uint64_t differ = x ^ y;
            return cut + static_cast<std::size_t>((std::endian::native == std::endian::little
                                                       ? std::countr_zero(differ)
                                                       : std::countl_zero(differ)) /
                                                  8);
        }
    }
    while (cut < shared && a[cut] == b[cut])
        ++cut;
    return cut;
}

// The ASCII characters after which no collation element goes on: every mark, and every
// letter but the first letters of the digraphs and their capitals.
constexpr std::array<bool, 128> kEndsElement = [] {
    std::array<bool, 128> ends{};
    for (std::size_t c = 0; c < ends.size(); ++c) {
        const auto lower = static_cast<char32_t>(c | 0x20);
        ends[c] = lower < 'a' || lower > 'z' || !StartsDigraph(lower);
    }
    return ends;
}();

// Back from cut to the end of an element that nothing after it joins: an ASCII mark, or an
// ASCII letter that starts no digraph (the last letter of a digraph is one of them, or s or z).
std::size_t BackToElementEnd(std::string_view a, std::size_t cut) {
    for (; cut > 0; --cut) {
        const auto c = static_cast<unsigned char>(a[cut - 1]);
        if (c < 0x80 && kEndsElement[c]) break;
    }
    return cut;
}

} // namespace

std::size_t HungarianSharedStart(std::string_view a, std::string_view b) {
    return BackToElementEnd(a, CommonLength(a, b));
}

namespace {

std::size_t Utf8Window::StartAfter(std::string_view a, std::size_t common) {
    return BackToElementEnd(a, common);
}

} // namespace

namespace {

// Compares texts read through Window (made from a text and Page), after their shared start.
template <class Window, class... Page>
int CompareTexts(std::string_view a, std::string_view b, TCollationCase mode, Page... page) {
    // One scan finds equal texts and the shared start, which orders equal on every level and
    // leaves the same bytes to break a tie.
    const std::size_t common = CommonLength(a, b);
    if (common == a.size() && common == b.size()) return 0;
    const std::size_t start = Window::StartAfter(a, common, page...);
    a.remove_prefix(start);
    b.remove_prefix(start);
    Window wa(a, page...);
    Window wb(b, page...);
    // Different first characters decide mostly by themselves: a digraph sorts after its
    // first letter alone and before the next letter, and other characters stand alone.
    if (wa.size() > 0 && wb.size() > 0 && wa[0].Primary != wb[0].Primary)
        return Order(wa[0].Primary, wb[0].Primary);
    // One pass: the first primary difference decides at once; the first accent and
    // case differences are kept for texts whose letters all agree. Characters that are
    // elements by themselves (all but the plain letters digraphs start with) compare
    // one by one; the element reader takes over at the first that may start a digraph.
    int secondary = 0;
    int tertiary = 0;
    while (wa.size() > 0 && wb.size() > 0 && wa[0].EndsElement && wb[0].EndsElement) {
        const Folded& x = wa[0];
        const Folded& y = wb[0];
        if (x.Primary != y.Primary) return Order(x.Primary, y.Primary);
        if (secondary == 0) secondary = Order(x.Accent, y.Accent);
        if (tertiary == 0) tertiary = Order(x.Upper ? 1u : 0u, y.Upper ? 1u : 0u);
        wa.Consume(1);
        wb.Consume(1);
    }
    ElementReader<Window> ra(wa);
    ElementReader<Window> rb(wb);
    while (true) {
        Element x{};
        Element y{};
        const bool hasX = ra.Next(x);
        const bool hasY = rb.Next(y);
        if (!hasX || !hasY) {
            if (hasX != hasY) return hasX ? 1 : -1;
            break;
        }
        if (x.Primary != y.Primary) return Order(x.Primary, y.Primary);
        if (secondary == 0) secondary = Order(x.Secondary, y.Secondary);
        if (tertiary == 0) tertiary = Order(x.Tertiary, y.Tertiary);
    }
    if (secondary != 0) return secondary;
    if (mode == TCollationCase::Ignore) return 0;
    if (tertiary != 0) return tertiary;
    // Texts equal on every level but different in bytes still need a fixed order.
    const int r = Window::Tie(a, b, page...);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace

int HungarianCompare(std::string_view a, std::string_view b, TCollationCase mode) {
    return CompareTexts<Utf8Window>(a, b, mode);
}

int HungarianCompareCodePage(std::string_view a, std::string_view b, TCollationCase mode, int codePage) {
    return CompareTexts<CodePageWindow>(a, b, mode, PageOf(codePage));
}

} // namespace core
