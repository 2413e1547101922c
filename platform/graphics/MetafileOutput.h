#pragma once
// What the metafile player draws, in the file's logical units: each call
// takes its figures through the device context's transform to the canvas,
// with the selected pen, brush and font at that scale. Without a canvas
// nothing is drawn, so that the records can be checked on loading.
#include "platform/graphics/CanvasBackend.h"
#include "platform/graphics/MetafileDC.h"
#include "platform/graphics/PixelBuffer.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TRegion;

namespace graphics::metafile {

enum class ArcKind { Arc, ArcTo, Chord, Pie };

// ExtTextOut options of the files beyond the clip and opaque flags.
constexpr std::uint32_t ETO_GLYPH_INDEX = 0x0010, ETO_PDY = 0x2000;

class Output {
public:
    Output(TCanvas* Canvas, DeviceState& State);
    // Gives the canvas its own clip back.
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // No canvas: the records are only being checked, nothing is decoded for drawing.
    bool Checking() const { return FCanvas == nullptr; }
    // Inside a path bracket figures are not drawn; the context still follows them.
    void SetHidden(bool Hidden) { FHidden = Hidden; }

    void LineTo(DPoint To);
    // From the first point, or from the current position, which moves to the last.
    void Polyline(const std::vector<DPoint>& Points, bool FromCurrent = false);
    // Cubic segments: a start point, then three points a segment.
    void PolyBezier(const std::vector<DPoint>& Points, bool FromCurrent);
    void Polygon(const std::vector<DPoint>& Points);
    // The polygons filled as one figure, so that overlaps leave holes.
    void PolyPolygon(const std::vector<std::vector<DPoint>>& Polygons);
    void Rectangle(const DRect& Box);
    void RoundRect(const DRect& Box, DPoint Corner);
    void Ellipse(const DRect& Box);
    void Arc(ArcKind Kind, const DRect& Box, DPoint Start, DPoint End);
    // Degrees, counter-clockwise; a line from the current position to the start.
    void AngleArc(DPoint Center, double Radius, double StartAngle, double SweepAngle);
    void SetPixel(DPoint At, TColor Color);
    // Text at Ref (or the current position) aligned as the context says; Dx
    // holds each character's advance in logical units (or nothing).
    void Text(DPoint Ref, const std::u32string& Chars, const std::vector<double>& Dx, std::uint32_t Options,
              const DRect* Rect);
    // Source stretched into the logical rectangle (mirrored where its sides
    // run backwards) through the raster operation; no source: the brush alone.
    void Bitmap(const DRect& Dest, const PixelBuffer* Source, Cardinal Rop, TColor SourceBkColor);
    // A region in target coordinates filled with the brush.
    void FillRegion(const TRegion& Region, const LogBrush& Brush);

private:
    bool Drawing() const { return FCanvas && !FHidden; }
    void ApplyClip();
    PenState Pen(const Matrix& M) const;
    BrushState Brush(const LogBrush& B) const;
    FontState Font(const Matrix& M) const;
    TPoint Device(const Matrix& M, DPoint Logical) const;
    std::vector<TPoint> Device(const Matrix& M, const std::vector<DPoint>& Logical) const;
    // The arc of the ellipse in Box from the ray to Start to the ray to End,
    // in the context's direction, as logical points.
    std::vector<DPoint> ArcPoints(const Matrix& M, const DRect& Box, DPoint Start, DPoint End) const;
    void Shape(const std::vector<TPoint>& Outline, bool Filled);
    // The part of the surface drawing can reach, in device pixels.
    TRect Visible() const;
    // Connected lines, as much of them as can show.
    void Lines(const std::vector<TPoint>& Points, const PenState& Pen);

    TCanvas* FCanvas;
    DeviceState& FState;
    std::unique_ptr<TRegion> FCanvasClip; // the canvas's own clip, logical
    std::shared_ptr<const TRegion> FApplied;
    bool FClipApplied = false;
    bool FHidden = false;
};

} // namespace graphics::metafile
