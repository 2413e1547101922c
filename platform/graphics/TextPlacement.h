#pragma once
// Placing a text's characters so that it spans a given width: used where text
// laid out at one resolution is drawn at another, so each line or word keeps
// its laid-out extent whatever the target font's own widths.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <vector>

class TCanvas;

namespace graphics {

// Each character's advance as the canvas font lays the text out, with the
// character extra; they add up to the text's width.
std::vector<Integer> CharAdvances(TCanvas* Canvas, const String& Text);
// Spreads Extent - sum(Advances) over the characters, the first ones taking
// the remainder, so the advances add up to Extent.
std::vector<Integer> SpreadAdvances(std::vector<Integer> Advances, Integer Extent);
// Draws Text at (X, Y) spanning Extent pixels: as it is when its width is
// Extent already, otherwise with its characters placed. Clip may be null.
void TextOutSpanning(TCanvas* Canvas, Integer X, Integer Y, const String& Text, Integer Extent,
                     const TRect* Clip);

} // namespace graphics
