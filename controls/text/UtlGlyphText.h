#pragma once
// A glyph laid out beside a caption, with an optional drop-down arrow, as the
// UTL button controls draw them. The arithmetic stands apart in
// utl::LayoutGlyphText so that it can be checked with fixed sizes; the drawing
// routines measure the caption on the canvas and paint what it places.
#include "controls/text/TUtlGlyphTextLayout.h"
#include "controls/text/UtlText.h"
#include "platform/graphics/TCanvas.h"

class TBitmap;

// The rectangles a layout produced: the union of caption and glyph, the caption,
// the glyph, and a fourth that stays empty.
struct TUtlTextGlyphRects {
    TRect Union;
    TRect Text;
    TRect Glyph;
    TRect Unused;
};

// Lays out and (unless Styles holds dtCalculate) draws Text and GlyphRect of
// GlyphCanvas in R. The glyph is copied plainly, through TransparentColor when
// Transparent, or through MaskCanvas when one is given. GlyphRect receives the
// focus rectangle; Result the layout's rectangles.
void UtlDrawTextAndGlyphExt(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                            TCanvas* GlyphCanvas, TRect& GlyphRect, TCanvas* MaskCanvas,
                            TColor TransparentColor, TUtlGlyphTextLayout* Layout, bool MultiLine, bool Accel,
                            bool Transparent, TUtlDrawTextStyles Styles, Cardinal Flags,
                            TUtlTextGlyphRects& Result);
// The same from a glyph bitmap (the whole bitmap, its own transparent colour).
// Answers the focus rectangle.
TRect UtlDrawTextAndGlyph(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                          TBitmap* Glyph, TBitmap* Mask, TUtlGlyphTextLayout* Layout, bool MultiLine,
                          bool Accel, bool Transparent, TUtlDrawTextStyles Styles, Integer NumGlyphs);

namespace utl {

struct GlyphTextInput {
    TRect Bounds;   // R
    TSize TextSize; // the measured caption; 0 × 0 for none
    bool HasText = false;
    TSize GlyphSize; // 0 × 0 for no glyph
    bool HasGlyph = false;
    bool MultiLine = false;
    TUtlDrawTextStyles Styles;
    Cardinal Flags = 0; // DrawText flags asked for
};

struct GlyphTextPlacement {
    TRect Text;
    TRect Glyph;
    TRect Union;
    TRect Focus;
    Cardinal TextFlags = 0; // DrawText flags for the caption
    bool TextArrow = false; // the arrow beside the caption at TextArrowAt
    TPoint TextArrowAt;
    bool GlyphArrow = false; // the arrow beside the glyph at GlyphArrowAt
    TPoint GlyphArrowAt;
};

GlyphTextPlacement LayoutGlyphText(const GlyphTextInput& In, const TUtlGlyphTextLayout& Layout);

} // namespace utl
