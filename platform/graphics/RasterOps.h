#pragma once
// Block transfers between canvases through ternary raster operations: each
// result bit is looked up from the pattern (brush), source and destination bits.
// A monochrome source drawn on colour turns its white pixels into the
// destination's background colour and its black pixels into the text colour; a
// colour source drawn on monochrome becomes white where it equals the source's
// background colour and black elsewhere.
#include "platform/core/Types.h"
#include "platform/graphics/CanvasBackend.h"
#include "platform/graphics/PixelBuffer.h"

#include <functional>

class TCanvas;

constexpr Cardinal SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
                   SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
                   MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021,
                   PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049, DSTINVERT = 0x00550009,
                   BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062;
// The pattern where the source is set, the destination where it is clear.
constexpr Cardinal DSPDxax = 0x00E20746;
// Pattern AND destination.
constexpr Cardinal DPa = 0x00A000C9;

constexpr int BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4;

// Copies W × H pixels from (XSrc, YSrc) of Src to (X, Y) of Dest. Src may be
// null for operations that do not read the source. False for a null
// destination, a missing source that is needed, or a source that cannot be read.
bool BitBlt(TCanvas* Dest, Integer X, Integer Y, Integer W, Integer H, TCanvas* Src, Integer XSrc,
            Integer YSrc, Cardinal Rop);
// As BitBlt with scaling (nearest pixel; negative sizes mirror).
bool StretchBlt(TCanvas* Dest, Integer X, Integer Y, Integer W, Integer H, TCanvas* Src, Integer XSrc,
                Integer YSrc, Integer WSrc, Integer HSrc, Cardinal Rop);
// The operation with the canvas brush as pattern and no source.
bool PatBlt(TCanvas* Dest, Integer X, Integer Y, Integer W, Integer H, Cardinal Rop);
// Stretch mode is accepted for fidelity; stretching is always nearest pixel.
int SetStretchBltMode(TCanvas* DC, int Mode);

namespace graphics {

// True when rop reads the source or the pattern.
bool RopUsesSource(Cardinal rop);
bool RopUsesPattern(Cardinal rop);

// The result of the ternary operation (its index byte, bits 16..23 of rop) on
// three 24-bit values: the OR of the minterms the index byte selects, all bits
// at once.
inline TColor ApplyRop3(Cardinal rop, TColor pattern, TColor source, TColor dest) {
    const unsigned code = (rop >> 16) & 0xFF;
    switch (code) { // the frequent ones directly
    case 0xCC:
        return source & 0xFFFFFF;
    case 0x88:
        return source & dest & 0xFFFFFF;
    case 0xEE:
        return (source | dest) & 0xFFFFFF;
    case 0x66:
        return (source ^ dest) & 0xFFFFFF;
    case 0xF0:
        return pattern & 0xFFFFFF;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    default:
        break;
    }
    TColor result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if (!((code >> index) & 1u)) continue;
        const TColor p = (index & 4u) ? pattern : ~pattern;
        const TColor s = (index & 2u) ? source : ~source;
        const TColor d = (index & 1u) ? dest : ~dest;
        result |= p & s & d;
    }
    return result & 0xFFFFFF;
}

// Source pixels as they reach a destination of the given kind (see above).
PixelBuffer ConvertForDestination(const PixelBuffer& src, bool destMonochrome, TColor textColor,
                                  TColor bkColor, TColor srcBkColor);

// dest := rop(pattern, src, dest) pixel by pixel; pattern is the brush colour at
// each destination pixel (a solid brush gives one colour).
void CombineRop3(PixelBuffer& dest, const PixelBuffer* src, const PixelBuffer& pattern, Cardinal rop);

// The brush as a pattern over the device rectangle r: its colour, hatch
// (lines in the colour on the background colour), or bitmap tiled from device
// pixel (0, 0); a monochrome bitmap brush paints its black pixels in
// textColor and its white ones in bkColor.
PixelBuffer MakePattern(const BrushState& brush, const TRect& r, TColor textColor, TColor bkColor);

// Nearest-pixel scaling of src to w × h; a negative size mirrors that axis.
PixelBuffer Stretch(const PixelBuffer& src, Integer w, Integer h);
// The pixels of Part (target coordinates within 0..w × 0..h) of that scaling
// for positive w and h: drawing a picture stretched far beyond the surface
// computes only what lands on it.
PixelBuffer StretchPart(const PixelBuffer& src, Integer w, Integer h, const TRect& Part);
// The part of device rectangle d that lies on the canvas's surface, in d's
// own coordinates (0, 0 at d's top-left); empty when none does.
TRect VisiblePart(TCanvas* canvas, const TRect& d);
// The embossed (disabled) look of a picture on Face: every pixel for which
// Drawn holds is drawn in Highlight one pixel lower right, then in Shadow in
// place; highlights falling outside the picture are dropped.
PixelBuffer Emboss(const PixelBuffer& Picture, const std::function<bool(TColor)>& Drawn, TColor Face,
                   TColor Highlight, TColor Shadow);

} // namespace graphics
