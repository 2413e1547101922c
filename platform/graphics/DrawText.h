#pragma once
// Formatted text in a rectangle (word break, alignment, ellipsis, "&"
// accelerators) and the plain text-output calls, on a canvas as device context.
#include "platform/core/Types.h"
#include "platform/graphics/CanvasBackend.h"
#include "platform/graphics/TRect.h"

class TCanvas;

constexpr Cardinal DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                   DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                   DT_TABSTOP = 0x80, DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
                   DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000,
                   DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000,
                   DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000, DT_NOFULLWIDTHCHARBREAK = 0x80000,
                   DT_HIDEPREFIX = 0x100000, DT_PREFIXONLY = 0x200000;

struct DRAWTEXTPARAMS {
    Cardinal cbSize = sizeof(DRAWTEXTPARAMS);
    Integer iTabLength = 8; // in average character widths
    Integer iLeftMargin = 0;
    Integer iRightMargin = 0;
    Cardinal uiLengthDrawn = 0; // out: characters processed
};

// Draws Text (Count characters, −1 for all) in Rect with the canvas font, text
// colour and background mode. With DT_CALCRECT nothing is drawn and Rect's
// right and bottom become the extent of the laid-out text (for a single line
// the width grows to fit; with DT_WORDBREAK the width is kept). Answers the
// height of the text; 0 for a null canvas.
Integer DrawText(TCanvas* DC, const String& Text, Integer Count, TRect& Rect, Cardinal Format);
Integer DrawTextEx(TCanvas* DC, const String& Text, Integer Count, TRect& Rect, Cardinal Format,
                   DRAWTEXTPARAMS* Params);

// DrawText laid out in Rect but clipped to Clip instead: a cell's text keeps
// its margins while the accents of capitals (Ő, Ű, Á), which reach above the
// font's ascent, may use the cell's margin above it.
Integer DrawTextClipped(TCanvas* DC, const String& Text, const TRect& Rect, const TRect& Clip,
                        Cardinal Format);

// Text at (X, Y) with the optional opaque / clip rectangle (ETO_OPAQUE,
// ETO_CLIPPED) and per-character advances Dx (nullptr: the font's).
bool ExtTextOut(TCanvas* DC, Integer X, Integer Y, Cardinal Options, const TRect* Rect, const String& Text,
                Integer Count, const Integer* Dx);
bool TextOut(TCanvas* DC, Integer X, Integer Y, const String& Text, Integer Count);

struct TEXTMETRIC {
    Integer tmHeight = 0;
    Integer tmAscent = 0;
    Integer tmDescent = 0;
    Integer tmInternalLeading = 0;
    Integer tmExternalLeading = 0;
    Integer tmAveCharWidth = 0;
    Integer tmMaxCharWidth = 0;
    Integer tmWeight = 400;
    Byte tmItalic = 0;
    Byte tmUnderlined = 0;
    Byte tmStruckOut = 0;
    Byte tmPitchAndFamily = 0; // bit 0 set for a variable pitch, as on the platform
    Byte tmCharSet = 0;
};

// Metrics of the canvas font; false for a null canvas or result.
bool GetTextMetrics(TCanvas* DC, TEXTMETRIC* Metrics);
// Width and height of the first Count characters (−1 for all) with the
// canvas font and character extra spacing.
bool GetTextExtentPoint32(TCanvas* DC, const String& Text, Integer Count, TSize* Size);

// Device-context state setters; each answers the previous value.
TColor SetTextColor(TCanvas* DC, TColor Color);
TColor SetBkColor(TCanvas* DC, TColor Color);
int SetBkMode(TCanvas* DC, int Mode);
Integer SetTextCharacterExtra(TCanvas* DC, Integer Extra);
// Spreads BreakExtra pixels over the next BreakCount spaces of each text output.
bool SetTextJustification(TCanvas* DC, Integer BreakExtra, Integer BreakCount);

namespace graphics {

// One laid-out line of DrawText: its text (prefixes resolved), position and
// the character index to underline (−1 for none).
struct TextLine {
    String Text;
    Integer X = 0;
    Integer Y = 0;
    Integer Width = 0;
    Integer Underline = -1;
};

// The layout DrawText paints, separate from the canvas for tests of its rules.
struct TextLayout {
    std::vector<TextLine> Lines;
    TRect Extent; // what DT_CALCRECT answers
    Integer Height = 0;
};

TextLayout LayoutText(TextMeasurer& measurer, const FontState& font, Integer charExtra, const String& text,
                      const TRect& rect, Cardinal format, Integer tabLength = 8);

} // namespace graphics
