#pragma once
// Captions of the UTL drawing utilities: measuring and drawing a text with the
// 3D and effect styles of a TUtl3DCaption or TUtlFxCaption, aligning one
// rectangle in another, and font queries. Measuring goes through the canvas's
// text measurer, so fixed metrics give fixed results.
#include "controls/text/TUtl3DCaption.h"
#include "controls/text/TUtlGlyphTextLayout.h"
#include "platform/core/TSet.h"
#include "platform/graphics/TCanvas.h"

#include <array>
#include <vector>

enum TUtlDrawTextStyle {
    dtDisabled,
    dtEnabled,
    dt3DDisabled,
    dtClip,
    dtAccelChar,
    dtAutoSize,
    dtRectText,
    dtRectGlyph,
    dtRectGlyphText,
    dtCalculate
};
using TUtlDrawTextStyles = TSet<TUtlDrawTextStyle>;

// DrawText alignment flags for each TUtlAlignment.
extern const std::array<Word, 9> TUTLALIGNFLAGS;

// Inner's size placed in Outer by Alignment (centring halves toward zero).
TRect UtlAlignRect(TUtlAlignment Alignment, const TRect& Inner, const TRect& Outer);

// Measures Text into R from R's width (word-broken with MultiLine; "&" marks an
// accelerator with Accel; Caption's tracing as character spacing): R's right
// and bottom grow by the caption's 3D growth and by (Extra + 1) × 2. An empty
// text measures as a blank. A rotated TUtlFxCaption measures its rotated
// bounding box from (0, 0) and takes PosX and PosY from it. Font null: the
// canvas font.
void UtlDrawTextCalcExt(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, TRect& R, TFont* Font,
                        bool MultiLine, bool Accel, Integer Extra, Cardinal Flags);
// The same on a canvas of its own.
void UtlDrawTextCalc(const String& Text, TUtl3DCaption* Caption, TRect& R, TFont* Font, bool MultiLine,
                     bool Accel, Integer Extra, Cardinal Flags);
// The measured text rectangle aligned in R.
TRect UtlAlignTextRect(TUtlAlignment Alignment, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                       TFont* Font, bool MultiLine, bool Accel, Integer Extra);

// Draws Text in R with DrawText Flags and the caption's effect, on the canvas
// font. Without dtEnabled (and a disabled style other than dsNone) the text is
// grey, embossed for ds3d or dsAuto with dt3DDisabled. dtClip clips to ClipRect
// (R when null). Nothing for an empty text or rectangle. The canvas is as before
// afterwards.
void UtlDrawTextExt(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                    Cardinal Flags, TUtlDrawTextStyles Styles, const TRect* ClipRect);
void UtlDrawText(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R, Cardinal Flags);

// Every face of this platform is an outline font.
bool UtlIsTrueTypeFont(TFont* Font);
bool UtlIsTrueTypeFontCheck(TCanvas* Canvas);
// Height of "W" in the font.
Integer UtlGetFontHeight(TFont* Font);
// Width of the text, and height of "W", with the caption's tracing and 3D
// growth; 0 without a caption.
Integer UtlGet3DTextWidth(const String& Text, TUtl3DCaption* Caption, TFont* Font);
Integer UtlGet3DTextHeight(TUtl3DCaption* Caption, TFont* Font);

namespace utl {

// One pass of a caption effect: the text drawn at Offset from the drawing
// rectangle in Color; Outline draws the stroked outline instead.
struct TextLayer {
    TPoint Offset;
    TColor Color = 0;
    bool Outline = false;
};

// The passes of Style with the caption's depths and orientation, the face
// last, in the face, light and shadow colours.
std::vector<TextLayer> TextLayers(const TUtl3DCaption& Caption, TUtlThreeDStyle Style, TColor Face,
                                  TColor Light, TColor Shadow);

} // namespace utl
