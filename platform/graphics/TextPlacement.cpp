#include "platform/graphics/TextPlacement.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TCanvas.h"

#include <cstdlib>

namespace graphics {

std::vector<Integer> CharAdvances(TCanvas* Canvas, const String& Text) {
    std::vector<Integer> result;
    for (const char32_t c : core::Utf8ToU32(Text))
        result.push_back(Canvas->TextWidth(core::U32ToUtf8(std::u32string(1, c))));
    return result;
}

std::vector<Integer> SpreadAdvances(std::vector<Integer> Advances, Integer Extent) {
    if (Advances.empty()) return Advances;
    Integer total = 0;
    for (const Integer a : Advances)
        total += a;
    const Integer n = static_cast<Integer>(Advances.size());
    const Integer extra = Extent - total;
    const Integer each = extra / n, rest = extra % n;
    for (Integer k = 0; k < n; ++k)
        Advances[static_cast<std::size_t>(k)] += each + (k < std::abs(rest) ? (rest > 0 ? 1 : -1) : 0);
    return Advances;
}

void TextOutSpanning(TCanvas* Canvas, Integer X, Integer Y, const String& Text, Integer Extent,
                     const TRect* Clip) {
    const Cardinal options = Clip ? ETO_CLIPPED : 0;
    if (Text.empty() || Canvas->TextWidth(Text) == Extent) {
        ExtTextOut(Canvas, X, Y, options, Clip, Text, -1, nullptr);
        return;
    }
    const std::vector<Integer> dx = SpreadAdvances(CharAdvances(Canvas, Text), Extent);
    ExtTextOut(Canvas, X, Y, options, Clip, Text, -1, dx.data());
}

} // namespace graphics
