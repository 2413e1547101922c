#pragma once
// What a canvas draws on. TCanvas turns its calls into these primitive
// operations in device coordinates (origin applied); a backend paints them
// (QtCanvasBackend) or records them (RecordingCanvasBackend).
#include "platform/core/Types.h"
#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/graphics/TextMeasurer.h"

#include <vector>

class TBitmap;
class TRegion;

namespace graphics {

struct PenState {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    Integer Width = 1;
    TPenMode Mode = pmCopy;
    TColor BkColor = clWhite; // gaps of styled lines when opaque
    bool Opaque = true;
};

struct BrushState {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    const TBitmap* Bitmap = nullptr; // pattern; overrides Style when set
    TPenMode Mode = pmCopy;          // the canvas pen mode applies to fills too
    TColor BkColor = clWhite;        // between hatch lines when opaque
    bool Opaque = true;
};

struct TextState {
    FontState Font;
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    bool Opaque = false;
    Integer CharExtra = 0;
    // Text justification: BreakExtra pixels spread over BreakCount spaces.
    Integer BreakExtra = 0;
    Integer BreakCount = 0;
};

// The x offset of each space-separated piece of text under justification:
// extra pixels spread over the first breakCount spaces, the first ones taking
// the remainder.
Integer JustifyShift(Integer breakExtra, Integer breakCount, Integer spaceIndex);

// ExtTextOut options.
constexpr Cardinal ETO_OPAQUE = 0x0002;
constexpr Cardinal ETO_CLIPPED = 0x0004;

class CanvasBackend {
public:
    virtual ~CanvasBackend() = default;

    // Clipping in device coordinates; nullptr removes it.
    virtual void SetClip(const TRegion* clip) = 0;
    // Fill without outline; right and bottom exclusive.
    virtual void FillRect(const TRect& r, const BrushState& brush) = 0;
    // Connected segments; the last point itself is not painted.
    virtual void Polyline(const std::vector<TPoint>& points, const PenState& pen) = 0;
    // Closed, alternate fill, then outlined.
    virtual void Polygon(const std::vector<TPoint>& points, const PenState& pen, const BrushState& brush) = 0;
    // The shape fits inside r: the outline's right column is r.Right - 1.
    virtual void Rectangle(const TRect& r, const PenState& pen, const BrushState& brush) = 0;
    virtual void Ellipse(const TRect& r, const PenState& pen, const BrushState& brush) = 0;
    virtual void RoundRect(const TRect& r, Integer cornerW, Integer cornerH, const PenState& pen,
                           const BrushState& brush) = 0;
    // Counter-clockwise arc of the ellipse in r from the ray to start to the ray to end.
    virtual void Arc(const TRect& r, TPoint start, TPoint end, const PenState& pen) = 0;
    // Text with its top-left at (x, y); rect is the ETO_CLIPPED / ETO_OPAQUE rectangle.
    virtual void TextOut(Integer x, Integer y, Cardinal options, const TRect* rect, const String& text,
                         const TextState& state) = 0;
    virtual TColor GetPixel(Integer x, Integer y) = 0; // clNone outside the surface
    virtual void SetPixel(Integer x, Integer y, TColor color) = 0;

    // Raster transfer: dst receives src (already sized to dst) combined through
    // the ternary raster operation rop with the pattern brush.
    virtual void Blt(const TRect& dst, const PixelBuffer* src, Cardinal rop, const BrushState& pattern,
                     TColor textColor, TColor bkColor) = 0;
    // Copies pixels out for use as a raster source; false when the surface
    // cannot be read (a recording or a window).
    virtual bool Grab(const TRect& r, PixelBuffer& out) = 0;
    // Size of the surface in pixels (0 × 0 when unbounded).
    virtual TSize Size() const = 0;
    // GetDeviceCaps answers.
    virtual Integer DeviceCaps(Integer index) const = 0;
    // A plain copy of srcRect of bitmap into dst (scaled to it) when the surface
    // can do it directly; false leaves the caller to go through Blt.
    virtual bool CopyBitmap(const TRect& dst, const TBitmap& bitmap, const TRect& srcRect) { return false; }
    // True for a one-bit surface (raster sources are converted for it).
    virtual bool Monochrome() const { return false; }
    // The measurer a canvas on this surface starts with; nullptr: real fonts.
    virtual TextMeasurer* PreferredMeasurer() { return nullptr; }
};

} // namespace graphics
