#include "platform/graphics/RtfReader.h"

#include "platform/core/CodePages.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <map>

namespace rtf {

namespace {

// Code page 1252 differs from Latin-1 only in 0x80 to 0x9F.
constexpr char16_t k1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                    0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

char32_t DecodeByte(Byte b, int codePage) {
    if (codePage == CP_WINDOWS_1250 || codePage == CP_WINDOWS_1251 || codePage == CP_DOS_852)
        return CodePageByteToChar(b, codePage);
    if (b >= 0x80 && b < 0xA0) return k1252High[b - 0x80];
    return b;
}

int CharsetCodePage(Integer charset, int ansiCodePage) {
    switch (charset) {
    case 238:
        return CP_WINDOWS_1250;
    case 204:
        return CP_WINDOWS_1251;
    case 0:
        return 1252;
    default:
        return ansiCodePage;
    }
}

struct Font {
    String Name;
    Integer Charset = 1;
};

enum class Destination { Text, FontTable, ColorTable, Skip };

struct State {
    CharFormat Char;
    ParaFormat Para;
    Destination Dest = Destination::Text;
    Integer FontIndex = 0;
    Integer SkipCount = 1; // \ucN
};

class Reader {
public:
    Reader(std::string_view bytes, Sink& out) : FBytes(bytes), FOut(out) {}

    void Run() {
        while (FPos < FBytes.size()) {
            const char c = FBytes[FPos++];
            switch (c) {
            case '{':
                Flush();
                FStack.push_back(FState);
                break;
            case '}':
                Flush();
                if (FState.Dest == Destination::FontTable && !FFontName.empty()) AddFont();
                if (!FStack.empty()) {
                    FState = FStack.back();
                    FStack.pop_back();
                }
                break;
            case '\\':
                ControlWord();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Character(static_cast<Byte>(c));
                break;
            }
        }
        Flush();
        if (FParagraphOpen) FOut.EndParagraph(FState.Para);
    }

private:
    // A character of the current destination; pending \uN fallbacks are skipped.
    void Character(Byte b) {
        if (FPendingSkip > 0) {
            --FPendingSkip;
            return;
        }
        switch (FState.Dest) {
        case Destination::Text:
            Put(DecodeByte(b, CurrentCodePage()));
            break;
        case Destination::FontTable:
            if (b == ';')
                AddFont();
            else
                FFontName.push_back(static_cast<char>(b));
            break;
        case Destination::ColorTable:
            if (b == ';') {
                FColors.push_back(FHasColor ? FColor : clBlack);
                FColorAuto.push_back(!FHasColor);
                FColor = 0;
                FHasColor = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void Put(char32_t c) {
        if (FState.Dest != Destination::Text) return;
        if (!(FState.Char == FRunFormat)) Flush();
        FRunFormat = FState.Char;
        FRun.push_back(c);
    }

    void Flush() {
        if (FRun.empty()) return;
        FOut.Text(core::U32ToUtf8(FRun), FRunFormat);
        FRun.clear();
        FParagraphOpen = true;
    }

    void AddFont() {
        const int codePage = CharsetCodePage(FFontEntry.Charset, FAnsiCodePage);
        std::u32string name;
        for (const char b : FFontName)
            if (b != ';') name.push_back(DecodeByte(static_cast<Byte>(b), codePage));
        while (!name.empty() && name.back() == U' ')
            name.pop_back();
        while (!name.empty() && name.front() == U' ')
            name.erase(0, 1);
        // Script variants of a face ("Arial CE") name the face itself.
        for (const std::u32string suffix : {U" CE", U" Cyr", U" Baltic", U" Greek", U" Tur"})
            if (name.size() > suffix.size() && name.ends_with(suffix))
                name.resize(name.size() - suffix.size());
        FFonts[FState.FontIndex] = Font{core::U32ToUtf8(name), FFontEntry.Charset};
        FFontName.clear();
        FFontEntry = {};
    }

    int CurrentCodePage() const {
        const auto it = FFonts.find(FState.FontIndex);
        return it == FFonts.end() ? FAnsiCodePage : CharsetCodePage(it->second.Charset, FAnsiCodePage);
    }

    void ControlWord() {
        if (FPos >= FBytes.size()) return;
        const char c = FBytes[FPos];
        if (!IsAlpha(c)) {
            ++FPos;
            Symbol(c);
            return;
        }
        const std::size_t start = FPos;
        while (FPos < FBytes.size() && IsAlpha(FBytes[FPos]) && FPos - start < 32)
            ++FPos;
        const std::string word(FBytes.substr(start, FPos - start));
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (FPos < FBytes.size() && FBytes[FPos] == '-') {
            negative = true;
            ++FPos;
        }
        const std::size_t digits = FPos;
        while (FPos < FBytes.size() && FBytes[FPos] >= '0' && FBytes[FPos] <= '9') {
            if (FPos - digits < 10) param = param * 10 + (FBytes[FPos] - '0');
            ++FPos;
        }
        hasParam = FPos > digits;
        if (negative) param = -param;
        if (FPos < FBytes.size() && FBytes[FPos] == ' ') ++FPos;
        const Integer n = static_cast<Integer>(std::clamp<long long>(param, -2147483647LL, 2147483647LL));
        Keyword(word, hasParam, n);
    }

    static bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    void Symbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Character(static_cast<Byte>(c));
            break;
        case '~':
            Put(0xA0);
            break;
        case '_':
            Put(0x2011);
            break;
        case '*':
            FState.Dest = Destination::Skip;
            break;
        case '\'': {
            Byte b = 0;
            int k = 0;
            for (; k < 2 && FPos < FBytes.size(); ++k) {
                const char h = FBytes[FPos];
                const int v = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
                if (v < 0) break;
                b = static_cast<Byte>(b * 16 + v);
                ++FPos;
            }
            if (k == 0) return; // a cut escape stands for nothing
            if (FPendingSkip > 0) {
                --FPendingSkip;
                return;
            }
            if (FState.Dest == Destination::FontTable)
                FFontName.push_back(static_cast<char>(b));
            else
                Put(DecodeByte(b, CurrentCodePage()));
            break;
        }
        case '\r':
        case '\n':
            EndParagraph();
            break;
        default:
            break;
        }
    }

    void EndParagraph() {
        if (FState.Dest != Destination::Text) return;
        Flush();
        FOut.EndParagraph(FState.Para);
        FParagraphOpen = false;
    }

    void Keyword(const std::string& w, bool hasParam, Integer n) {
        CharFormat& ch = FState.Char;
        ParaFormat& pa = FState.Para;
        const bool on = !hasParam || n != 0;
        if (w == "par") return EndParagraph();
        if (w == "line") return Put(0x2028);
        if (w == "tab") return Put(U'\t');
        if (w == "u") {
            Put(static_cast<char32_t>(n < 0 ? n + 65536 : n) & 0xFFFF);
            FPendingSkip = FState.SkipCount;
            return;
        }
        if (w == "uc") {
            FState.SkipCount = std::max(0, n);
            return;
        }
        if (w == "emdash") return Put(0x2014);
        if (w == "endash") return Put(0x2013);
        if (w == "bullet") return Put(0x2022);
        if (w == "lquote") return Put(0x2018);
        if (w == "rquote") return Put(0x2019);
        if (w == "ldblquote") return Put(0x201C);
        if (w == "rdblquote") return Put(0x201D);
        if (w == "ansicpg") {
            FAnsiCodePage = n;
            return;
        }
        if (w == "deff") {
            FDefaultFont = n;
            return;
        }
        if (w == "fonttbl") {
            FState.Dest = Destination::FontTable;
            return;
        }
        if (w == "colortbl") {
            FState.Dest = Destination::ColorTable;
            return;
        }
        if (FState.Dest == Destination::FontTable) {
            if (w == "f") FState.FontIndex = n;
            if (w == "fcharset") FFontEntry.Charset = n;
            return;
        }
        if (FState.Dest == Destination::ColorTable) {
            const Integer v = std::clamp(n, 0, 255);
            if (w == "red") FColor = (FColor & 0xFFFF00) | v;
            if (w == "green") FColor = (FColor & 0xFF00FF) | (v << 8);
            if (w == "blue") FColor = (FColor & 0x00FFFF) | (v << 16);
            FHasColor = true;
            return;
        }
        static const char* const kSkipped[] = {"stylesheet", "info",
                                               "pict",       "header",
                                               "footer",     "headerl",
                                               "headerr",    "footerl",
                                               "footerr",    "fldinst",
                                               "listtable",  "listoverridetable",
                                               "rsidtbl",    "generator",
                                               "pntext",     "pn",
                                               "object",     "xmlnstbl",
                                               "themedata",  "latentstyles",
                                               "datastore",  "colorschememapping",
                                               "footnote",   "annotation",
                                               "bkmkstart",  "bkmkend",
                                               "filetbl",    "revtbl",
                                               "template"};
        for (const char* s : kSkipped)
            if (w == s) {
                FState.Dest = Destination::Skip;
                return;
            }
        if (w == "plain") {
            ch = CharFormat();
            SelectFont(FDefaultFont);
        } else if (w == "b") {
            ch.Bold = on;
        } else if (w == "i") {
            ch.Italic = on;
        } else if (w == "ul") {
            ch.Underline = on;
        } else if (w == "ulnone") {
            ch.Underline = false;
        } else if (w == "strike") {
            ch.StrikeOut = on;
        } else if (w == "f") {
            SelectFont(n);
        } else if (w == "fs") {
            ch.HalfPoints = std::clamp(n, 1, 3276);
        } else if (w == "cf") {
            if (n > 0 && static_cast<std::size_t>(n) < FColors.size() &&
                !FColorAuto[static_cast<std::size_t>(n)]) {
                ch.Color = FColors[static_cast<std::size_t>(n)];
                ch.AutoColor = false;
            } else {
                ch.Color = clBlack;
                ch.AutoColor = true;
            }
        } else if (w == "pard") {
            pa = ParaFormat();
        } else if (w == "ql") {
            pa.Align = alLeft;
        } else if (w == "qr") {
            pa.Align = alRight;
        } else if (w == "qc") {
            pa.Align = alCenter;
        } else if (w == "qj") {
            pa.Align = alJustify;
        } else if (w == "li") {
            pa.LeftIndent = n;
        } else if (w == "ri") {
            pa.RightIndent = n;
        } else if (w == "fi") {
            pa.FirstIndent = n;
        } else if (w == "sb") {
            pa.SpaceBefore = n;
        } else if (w == "sa") {
            pa.SpaceAfter = n;
        } else if (w == "sl") {
            pa.LineSpacing = n;
        } else if (w == "slmult") {
            pa.LineMultiple = n != 0;
        } else if (w == "tx") {
            if (pa.Tabs.size() < 64) pa.Tabs.push_back(n);
        }
    }

    void SelectFont(Integer n) {
        FState.FontIndex = n;
        const auto it = FFonts.find(n);
        if (it != FFonts.end() && !it->second.Name.empty()) FState.Char.FontName = it->second.Name;
    }

    std::string_view FBytes;
    Sink& FOut;
    std::size_t FPos = 0;
    State FState;
    std::vector<State> FStack;
    std::map<Integer, Font> FFonts;
    Font FFontEntry;
    std::string FFontName;
    std::vector<TColor> FColors;
    std::vector<bool> FColorAuto;
    TColor FColor = 0;
    bool FHasColor = false;
    int FAnsiCodePage = 1252;
    Integer FDefaultFont = 0;
    Integer FPendingSkip = 0;
    std::u32string FRun;
    CharFormat FRunFormat;
    bool FParagraphOpen = false;
};

} // namespace

bool IsRtf(std::string_view Bytes) {
    return Bytes.substr(0, 5) == "{\\rtf";
}

void ReadRtf(std::string_view Bytes, Sink& Out) {
    if (IsRtf(Bytes)) {
        Reader(Bytes, Out).Run();
        return;
    }
    // Plain text: each line a paragraph in the default format.
    const std::u32string text = core::Utf8ToU32(CodePageToUtf8(Bytes, CP_WINDOWS_1250));
    std::u32string line;
    const CharFormat format;
    auto end = [&] {
        if (!line.empty()) Out.Text(core::U32ToUtf8(line), format);
        line.clear();
        Out.EndParagraph(ParaFormat());
    };
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == U'\r' || text[k] == U'\n') {
            if (text[k] == U'\r' && k + 1 < text.size() && text[k + 1] == U'\n') ++k;
            end();
        } else {
            line.push_back(text[k]);
        }
    }
    if (!line.empty()) end();
}

} // namespace rtf
