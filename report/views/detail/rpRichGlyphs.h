#pragma once
// The rich-text editor's button pictures, 16 by 16, with the lower-left
// pixel's colour as the transparent one.
#include <memory>

class TBitmap;

namespace report {

enum class RichGlyph {
    Undo,
    Font,
    Bold,
    Italic,
    Underline,
    AlignLeft,
    AlignCenter,
    AlignRight,
    Bullets,
    Variable,
    SizeUp,
    SizeDown
};

std::unique_ptr<TBitmap> MakeRichGlyph(RichGlyph Glyph);

} // namespace report
