#include "controls/common/UtlStrings.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Utf8.h"

namespace {

String CharText(char32_t C) {
    return StringOfChar(C, 1);
}

// Fields of S split at Sep; an empty S has none.
std::vector<String> Fields(const String& S, char32_t Sep) {
    std::vector<String> fields;
    if (S.empty()) return fields;
    const String sep = CharText(Sep);
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = S.find(sep, start);
        if (at == String::npos) {
            fields.push_back(S.substr(start));
            return fields;
        }
        fields.push_back(S.substr(start, at - start));
        start = at + sep.size();
    }
}

} // namespace

String UtlFillString(Integer N, char32_t C) {
    return N <= 0 ? String() : StringOfChar(C, N);
}

String UtlSpace(Integer N) {
    return UtlFillString(N, U' ');
}

String UtlAddCharL(const String& S, Integer N, char32_t C) {
    return UtlFillString(N - Length(S), C) + S;
}

String UtlAddCharR(const String& S, Integer N, char32_t C) {
    return S + UtlFillString(N - Length(S), C);
}

String UtlAddSpaceL(const String& S, Integer N) {
    return UtlAddCharL(S, N, U' ');
}
String UtlAddSpaceR(const String& S, Integer N) {
    return UtlAddCharR(S, N, U' ');
}
String UtlAddZeroL(const String& S, Integer N) {
    return UtlAddCharL(S, N, U'0');
}
String UtlAddZeroR(const String& S, Integer N) {
    return UtlAddCharR(S, N, U'0');
}

bool UtlEmpty(const String& S) {
    return S.find_first_not_of(' ') == String::npos;
}

String UtlTrimL(const String& S) {
    return TrimLeft(S);
}
String UtlTrimR(const String& S) {
    return TrimRight(S);
}
String UtlTrim(const String& S) {
    return Trim(S);
}

Integer UtlCount(const String& S, char32_t C) {
    Integer n = 0;
    for (char32_t c : core::Utf8ToU32(S))
        if (c == C) ++n;
    return n;
}

Integer UtlBackPos(char32_t C, const String& S) {
    const std::u32string text = core::Utf8ToU32(S);
    for (std::size_t i = text.size(); i > 0; --i)
        if (text[i - 1] == C) return Integer(i);
    return 0;
}

String UtlReplaceChar(const String& S, char32_t Old, char32_t New) {
    return StringReplace(S, CharText(Old), CharText(New), rfReplaceAll);
}

String UtlGetFirstString(const String& S, char32_t C) {
    const Integer p = Pos(CharText(C), S);
    return p == 0 ? S : Copy(S, 1, p - 1);
}

String UtlGetSecondString(const String& S, char32_t C) {
    const Integer p = Pos(CharText(C), S);
    return p == 0 ? S : Copy(S, p + 1);
}

String UtlSlashAdd(const String& S) {
    if (!UtlEmpty(S) && (S.back() == '\\' || S.back() == '/')) return S;
    return S + "\\";
}

String UtlSlashRemove(const String& S) {
    if (!UtlEmpty(S) && (S.back() == '\\' || S.back() == '/')) return S.substr(0, S.size() - 1);
    return S;
}

Integer UtlScanToNumber(const String& S) {
    const std::u32string text = core::Utf8ToU32(S);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] >= U'0' && text[i] <= U'9') return Integer(i + 1);
    return 0;
}

String UtlCodeString(const std::vector<String>& Strings, Integer High, char32_t Sep) {
    String result;
    for (Integer i = 0; i <= High && i < Integer(Strings.size()); ++i) {
        if (i > 0) result += CharText(Sep);
        result += Strings[std::size_t(i)];
    }
    return result;
}

String UtlCodeInt(const std::vector<Integer>& Ints, Integer High, char32_t Sep) {
    std::vector<String> texts;
    for (Integer v : Ints)
        texts.push_back(IntToStr(v));
    return UtlCodeString(texts, High, Sep);
}

Integer UtlGetCodedCount(const String& S, char32_t Sep) {
    return Integer(Fields(S, Sep).size());
}

String UtlGetCodedString(const String& S, char32_t Sep, Integer Index) {
    const std::vector<String> fields = Fields(S, Sep);
    if (Index < 0 || Index >= Integer(fields.size())) return String();
    return fields[std::size_t(Index)];
}

Integer UtlGetCodedInt(const String& S, char32_t Sep, Integer Index) {
    const String field = UtlGetCodedString(S, Sep, Index);
    return field.empty() ? -1 : StrToInt(field);
}

void UtlSetCodedString(String& S, const String& Value, char32_t Sep, Integer Index) {
    if (Index < 0) return;
    std::vector<String> fields = Fields(S, Sep);
    if (fields.empty()) fields.emplace_back();
    while (Integer(fields.size()) <= Index)
        fields.emplace_back();
    fields[std::size_t(Index)] = Value;
    S = UtlCodeString(fields, Integer(fields.size()) - 1, Sep);
}
