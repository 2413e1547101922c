#pragma once
// While a report builds, the wrapped lines of every paragraph its memos laid out, by the
// paragraph's text and all else its lines depend on: the measurer, the font as the measurer
// tells faces apart, the extra character spacing, the room and the wrapping flags. A text
// laid out alike again, as the final pass does for every memo of the counting pass and as
// recurring names and descriptions do on every page, costs one look-up instead of a wrap
// that measures each candidate line. Nothing is remembered outside a build.
#include "platform/core/Types.h"
#include "platform/graphics/TextMeasurer.h"

#include <functional>
#include <vector>

class TStrings;

namespace report {

// Everything besides the text that decides a paragraph's lines.
struct WrapSetting {
    const graphics::TextMeasurer* Measurer = nullptr;
    graphics::FontState Font; // its colour is no part of it: colour measures nothing
    Integer CharExtra = 0;
    Integer Available = 0;
    Word Flags = 0;
};

// While one lives (builds nest), paragraphs are remembered; the last to go forgets them all.
class WrapHold {
public:
    WrapHold();
    ~WrapHold();
    WrapHold(const WrapHold&) = delete;
    WrapHold& operator=(const WrapHold&) = delete;

    // The paragraphs will come again in the order they came since the outermost hold began,
    // as a final pass lays out what its counting pass did: each is first compared with the
    // one remembered at its turn, which spares the search. Only the outermost hold's says so.
    void Replay();
};

// Appends to Out the line records of Paragraph laid out as Setting says: Wrap's records,
// made on the first sight of the paragraph in that setting while a hold lives (the memory
// starts afresh when it grows past some tens of megabytes), and every time outside one.
void AddWrapped(const WrapSetting& Setting, const String& Paragraph, TStrings& Out,
                const std::function<std::vector<String>()>& Wrap);

} // namespace report
