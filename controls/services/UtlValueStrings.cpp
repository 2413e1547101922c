#include "controls/services/UtlValueStrings.h"

#include "controls/common/UtlRoutines.h"
#include "controls/common/UtlStrings.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TIniFile.h"
#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"

#include <set>
#include <vector>

namespace {

std::vector<String> Pieces(const String& S, char32_t Delimiter) {
    TStringList list;
    UtlParseToStrList(S, Delimiter, &list);
    std::vector<String> out;
    for (Integer i = 0; i < list.Count(); ++i)
        out.push_back(list[i]);
    return out;
}

Integer NumberOrZero(const String& S) {
    return StrToIntDef(Trim(S), 0);
}

} // namespace

void UtlParseToStrList(const String& Text, char32_t Delimiter, TStrings* List) {
    if (!List || Text.empty()) return;
    List->Clear();
    const std::u32string text = core::Utf8ToU32(Text);
    std::u32string piece;
    for (char32_t c : text) {
        if (c == Delimiter) {
            List->Add(core::U32ToUtf8(piece));
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (text.back() != Delimiter) List->Add(core::U32ToUtf8(piece));
}

String UtlRectToString(const TRect& R) {
    return UtlCodeInt({R.Left, R.Top, R.Right, R.Bottom}, 3, IDS_DEFAULTDELIMITER);
}

TRect UtlStringToRect(const String& S) {
    const std::vector<String> p = Pieces(S, IDS_DEFAULTDELIMITER);
    if (p.size() != 4) return TRect();
    return TRect(NumberOrZero(p[0]), NumberOrZero(p[1]), NumberOrZero(p[2]), NumberOrZero(p[3]));
}

String UtlPointToString(const TPoint& P) {
    return Format("[%d,%d]", {P.X, P.Y});
}

TPoint UtlStringToPoint(const String& S) {
    // The written form carries brackets; without stripping them a saved point
    // would never read back.
    String text = Trim(S);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') text = text.substr(1, text.size() - 2);
    const Integer p = Pos(",", text);
    if (p <= 1 || p >= Length(text)) return TPoint(0, 0);
    return TPoint(NumberOrZero(Copy(text, 1, p - 1)), NumberOrZero(Copy(text, p + 1, Length(text))));
}

String UtlFontToString(TFont* Font) {
    const TFontStyles style = Font->Style();
    auto flag = [&](TFontStyle s) { return String(style.Contains(s) ? "1" : "0"); };
    return UtlCodeString({Font->Name(), IntToStr(Font->Size()), ColorToString(Font->Color()), flag(fsBold),
                          flag(fsItalic), flag(fsUnderline), flag(fsStrikeOut)},
                         6, IDS_DEFAULTDELIMITER);
}

void UtlStringToFont(const String& S, TFont* Font) {
    const std::vector<String> p = Pieces(S, IDS_DEFAULTDELIMITER);
    if (p.size() != 7) return;
    TFontStyles style;
    const TFontStyle order[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
    for (int i = 0; i < 4; ++i)
        if (StrToInt(p[std::size_t(3 + i)]) != 0) style.Include(order[i]);
    // Converted whole before the font changes: a piece that raises leaves it as it was.
    const TColor color = StringToColor(p[2]);
    Font->SetName(p[0]);
    Font->SetSize(StrToIntDef(p[1], 10));
    Font->SetColor(color);
    Font->SetStyle(style);
}

void UtlGetDivider(TStrings* List, Integer N) {
    if (!List) return;
    List->Clear();
    std::set<Integer> divisors;
    for (Integer i = 1; i <= N / 2; ++i) {
        if (N % i != 0) continue;
        divisors.insert(i);
        divisors.insert(N / i);
        if (i >= N / i) break;
    }
    for (Integer d : divisors)
        List->Add(IntToStr(d));
}

void UtlLoadCustomColorList(TCustomIniFile* Ini, const String& Section, TStrings* List) {
    if (!Ini || !List) return;
    List->Clear();
    Ini->ReadSectionValues(Section, List);
}

void UtlSaveCustomColorList(TCustomIniFile* Ini, const String& Section, TStrings* List) {
    if (!Ini || !List) return;
    for (Integer i = 0; i < List->Count(); ++i) {
        const String line = (*List)[i];
        if (Pos("=", line) == 0) continue;
        const String name = List->Names(i);
        Ini->WriteString(Section, name, List->Values(name));
    }
}

void UtlLoadCustomColorFromIniFile(const String& FileName, const String& Section, TStrings* List) {
    TIniFile ini(FileName);
    UtlLoadCustomColorList(&ini, Section, List);
}

void UtlSaveCustomColorToIniFile(const String& FileName, const String& Section, TStrings* List) {
    TIniFile ini(FileName);
    UtlSaveCustomColorList(&ini, Section, List);
    ini.UpdateFile();
}

String UtlCustomColorFileName() {
    return UtlCreatePathPrefix(ppWindows, true) + "Colors.ini";
}

void UtlLoadCustomColors(TStrings* List) {
    UtlLoadCustomColorFromIniFile(UtlCustomColorFileName(), "Custom Colors", List);
}

void UtlSaveCustomColors(TStrings* List) {
    UtlSaveCustomColorToIniFile(UtlCustomColorFileName(), "Custom Colors", List);
}
