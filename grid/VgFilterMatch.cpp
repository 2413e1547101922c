#include "grid/VgFilterMatch.h"

#include "platform/core/Utf8.h"

String UpperAccentCase(const String& S) {
    String out;
    out.reserve(S.size());
    std::size_t pos = 0;
    while (pos < S.size()) {
        char32_t c = core::Utf8Next(S, pos);
        switch (c) {
        case U'á':
        case U'Á':
            c = U'A';
            break;
        case U'é':
        case U'É':
            c = U'E';
            break;
        case U'í':
        case U'Í':
            c = U'I';
            break;
        case U'ó':
        case U'Ó':
            c = U'O';
            break;
        case U'ú':
        case U'Ú':
            c = U'U';
            break;
        case U'ö':
            c = U'Ö';
            break;
        case U'ü':
            c = U'Ü';
            break;
        case U'ő':
            c = U'Ő';
            break;
        case U'ű':
            c = U'Ű';
            break;
        case U'ñ':
            c = U'Ñ';
            break;
        case U'ń':
            c = U'Ń';
            break;
        default:
            if (c >= U'a' && c <= U'z') c -= 0x20;
        }
        core::Utf8Append(out, c);
    }
    return out;
}

namespace vg {

bool FilterMatches(const String& FilterValue, const String& FieldText, bool Numeric) {
    String pattern = FilterValue;
    std::size_t star = pattern.find('*');
    bool wildcard = star != String::npos;
    if (wildcard) pattern.erase(star, 1);
    if (pattern.empty()) return true;
    if (Numeric && !wildcard) return FieldText == pattern;
    return UpperAccentCase(FieldText).find(UpperAccentCase(pattern)) != String::npos;
}

} // namespace vg
