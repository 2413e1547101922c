#include "platform/graphics/TextPlacement.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TCanvas.h"

#include <cstdlib>

namespace graphics {

std::vector<Integer> CharAdvances(TCanvas* Canvas, const String& Text) {
    // Taken from the laid-out text: characters measured one by one would each round
    // their advance, and their sum can exceed the text's width, so that spreading a
    // line over its extent would take pixels from glyphs and run them into each other.
    const Integer extra = Canvas->TextCharacterExtra();
    std::vector<Integer> result;
    Integer from = 0;
    for (const Integer end : Canvas->Measurer().CharEnds(Canvas->Font()->State(), Text)) {
        result.push_back(end - from + extra);
        from = end;
    }
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
