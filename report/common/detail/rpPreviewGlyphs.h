#pragma once
// The preview's own button pictures, whose open and save the rich-text editor
// shows too: 16 by 16 (the page arrows 8 by 8), with the lower-left pixel's
// colour as the transparent one.
#include "platform/core/Types.h"

#include <memory>

class TBitmap;

namespace report {

enum class PreviewGlyph { Zoom, Open, Save, Print, Find, Help, Exit, PageUp, PageDown };

std::unique_ptr<TBitmap> MakePreviewGlyph(PreviewGlyph Glyph);

// A Size by Size picture of Rows, one character a pixel: '.' transparent
// (olive), 'k' black, 'g' gray, 's' silver, 'w' white, 'b' navy, 'c' blue,
// 'y' yellow, 'o' ochre, 'r' red, 'e' green.
std::unique_ptr<TBitmap> GlyphFromRows(const char* const* Rows, Integer Size);

} // namespace report
