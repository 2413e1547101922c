#pragma once
// Borders along the outlines of the UTL region shapes: flat, raised, lowered,
// single with a raised or lowered line inside, or the speed-button look. They
// draw with the canvas pen (the caller sets its width and a clear brush).
#include "controls/shapes/UtlRegions.h"
#include "platform/graphics/TCanvas.h"

#include <functional>

enum TUtlRegionBorderStyle {
    rbNone,
    rbLowered,
    rbRaised,
    rbSingle,
    rbSingleRaised,
    rbSingleLowered,
    rbRaisedpsb,
    rbLoweredpsb
};

// Arguments after R: LightColor (A), ShadowColor (B), SingleColor (C), Style.
void UtlFrameRectRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                     TUtlRegionBorderStyle Style);
void UtlFrameRoundRectRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                          TUtlRegionBorderStyle Style, Integer RoundX, Integer RoundY);
void UtlFrameEllipticRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                         TUtlRegionBorderStyle Style);
// The lower half of the ellipse (L, 2T − B, R, B).
void UtlFrameHalfRoundRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                          TUtlRegionBorderStyle Style);
void UtlFrameDiamondRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                        TUtlRegionBorderStyle Style);
void UtlFrameStarRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                     TUtlRegionBorderStyle Style);
void UtlFrameOctagonRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                        TUtlRegionBorderStyle Style);
void UtlFrameCombRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                     TUtlRegionBorderStyle Style);
void UtlFrameRoundShieldRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                            TUtlRegionBorderStyle Style);
void UtlFrameSharpShieldRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                            TUtlRegionBorderStyle Style);
void UtlFrameThinkBubbleRgn(TCanvas* Canvas, const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos,
                            TColor A, TColor B, TColor C, TUtlRegionBorderStyle Style);
void UtlFrameEllipticThinkBubbleRgn(TCanvas* Canvas, const TRect& R, Integer Size, Integer Count,
                                    TUtlExtPos ExtPos, TColor A, TColor B, TColor C,
                                    TUtlRegionBorderStyle Style);
void UtlFrameRoundThinkBubbleRgn(TCanvas* Canvas, const TRect& R, Integer Size, Integer Count,
                                 TUtlExtPos ExtPos, Integer RoundX, Integer RoundY, TColor A, TColor B,
                                 TColor C, TUtlRegionBorderStyle Style);
// Each segment of the closed polygon in the colour of its direction: up or
// right A, down or left B (the horizontal test wins); exchanged for the lowered
// styles, C for rbSingle. Nothing for no points.
void UtlFramePointList(TCanvas* Canvas, const std::vector<TPoint>& Points, TColor A, TColor B, TColor C,
                       TUtlRegionBorderStyle Style);

namespace utl {

// One stroke of an outline: a polyline or a counter-clockwise arc.
struct Stroke {
    std::vector<TPoint> Points;
    bool IsArc = false;
    TRect Box;
    TPoint From, To;
};

// An outline split into its lit (upper-left) and its shaded (lower-right) part.
struct OutlineParts {
    std::vector<Stroke> UpperLeft;
    std::vector<Stroke> LowerRight;
    // The part the speed-button looks draw again inside; LowerRight when empty.
    std::vector<Stroke> Second;
};

// The outline of a shape for a rectangle; Inset tells how far it was inset.
using OutlineOf = std::function<OutlineParts(const TRect& R, Integer Inset)>;

// Applies the border style scheme; Inset is the inset of the single looks,
// PsbInset that of the speed-button looks.
void PaintBorderScheme(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                       TUtlRegionBorderStyle Style, const OutlineOf& Outline, Integer Inset = 1,
                       Integer PsbInset = 1);

// Outlines of a closed polygon split at two vertex indexes: the lit part runs
// from First to Split, the shaded part from Split back round to First.
OutlineParts PolygonOutline(const std::vector<TPoint>& Points, std::size_t First, std::size_t Split);
// The outline of a region traced row by row: top and left lit, right and bottom shaded.
OutlineParts RegionOutline(const TRegion& Region);

} // namespace utl
