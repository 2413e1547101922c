#include "controls/common/GxTransliterate.h"

#include "platform/core/Utf8.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Pair = std::pair<std::u32string, std::u32string>;

const std::vector<Pair>& Sounds() {
    static const std::vector<Pair> sounds = {{U"х", U"kh"},   {U"ц", U"ts"}, {U"ч", U"ch"}, {U"ш", U"sh"},
                                             {U"щ", U"shch"}, {U"ю", U"iu"}, {U"я", U"ia"}, {U"Х", U"Kh"},
                                             {U"Ц", U"Ts"},   {U"Ч", U"Ch"}, {U"Ш", U"Sh"}, {U"Щ", U"Shch"},
                                             {U"Ю", U"Iu"},   {U"Я", U"Ia"}};
    return sounds;
}

void ReplaceAll(std::u32string& s, const std::u32string& from, const std::u32string& to) {
    for (std::size_t at = s.find(from); at != std::u32string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// А..Я in order (code page 1251 192..223); the lower-case letters map to the
// lower-case forms.
const char32_t* const ToLatinUpper = U"ABVGDEGZIIKLMNOPRSTUFHC___\"Y'EUY";

// A..Z to Cyrillic; a blank stands for a letter without a partner.
const char32_t* const ToCyrillicUpper = U"АБЦДЕФЖХИЙКЛМНОП РСТУВ  ЫЗ";

char32_t Lower(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c + 32 : c;
}

} // namespace

String Transliterate(const String& S, bool ToLatin) {
    std::u32string text = core::Utf8ToU32(S);
    if (ToLatin) {
        for (const Pair& p : Sounds())
            ReplaceAll(text, p.first, p.second);
        for (char32_t& c : text) {
            if (c >= U'А' && c <= U'Я')
                c = ToLatinUpper[c - U'А'];
            else if (c >= U'а' && c <= U'я')
                c = Lower(ToLatinUpper[c - U'а']);
        }
        return core::U32ToUtf8(text);
    }
    // Longest first, so "shch" is not taken apart by the "sh" and "ch" rules.
    std::vector<Pair> sounds = Sounds();
    std::stable_sort(sounds.begin(), sounds.end(),
                     [](const Pair& a, const Pair& b) { return a.second.size() > b.second.size(); });
    for (const Pair& p : sounds)
        ReplaceAll(text, p.second, p.first);
    for (char32_t& c : text) {
        if (c >= U'A' && c <= U'Z') {
            const char32_t to = ToCyrillicUpper[c - U'A'];
            c = to == U' ' ? U' ' : to;
        } else if (c >= U'a' && c <= U'z') {
            const char32_t to = ToCyrillicUpper[c - U'a'];
            c = to == U' ' ? U' ' : to + 32;
        }
    }
    return core::U32ToUtf8(text);
}
