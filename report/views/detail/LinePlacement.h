#pragma once
// Where a memo's lines stand on the target, along the axis they advance on
// (down, or rightwards when the text is rotated).
//
// The layout (wrapping, the memo's height, a band's stretch, a split across
// pages) steps the lines by Step page pixels: the 96-dpi font height plus the
// line spacing, 13 + 2 = 15 for 10-point text. Drawn at scale s, line k
// belongs k × Step × s below the first. A step rounded once and added line by
// line carries its rounding into every later line: at 150 % the font's
// round(13.33 × 1.5) = 20 and the spacing's round(2 × 1.5) = 3 make 23 against
// 22.5, so the 20th line of a 20-line memo starts 9.5 pixels low and half of
// it falls past the memo's foot, where the clip cuts it. Rounding each line's
// own exact position keeps every line within half a pixel of the layout, and
// the last one ends where the memo's text does.
#include "platform/core/Types.h"

namespace report {

struct LinePlacement {
    // Start of the first line, in target pixels.
    Int64 First = 0;
    // The line step before scaling: page pixels, or target pixels with Scale 1.
    Integer Step = 0;
    // Target pixels per page pixel along the lines' axis.
    double Scale = 1;

    // Start of line Line (from 0): First + round(Line × Step × Scale), ties to
    // even, the offset saturating at the coordinate limit. A line ends where
    // the next one starts.
    Int64 Start(Integer Line) const;
};

} // namespace report
