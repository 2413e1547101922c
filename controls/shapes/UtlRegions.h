#pragma once
// Region builders of the UTL window shapes: a rectangle becomes a region of a
// diamond, star, octagon, comb, shield, or a (rounded) rectangle with a nose
// or think bubbles. Each answers a new region owned by the caller (free it
// with DeleteObject). Noses and bubbles sit at one of eight corner positions.
#include "platform/graphics/TRegion.h"

#include <vector>

enum TUtlExtPos {
    epLeftTop,
    epTopLeft,
    epTopRight,
    epRightTop,
    epRightBottom,
    epBottomRight,
    epBottomLeft,
    epLeftBottom
};

HRGN UtlCreateDiamondRgn(const TRect& R);
HRGN UtlCreateStarRgn(const TRect& R);
// Thirds of the width and height, not the ratio of the octagon shape.
HRGN UtlCreateOctagonRgn(const TRect& R);
HRGN UtlCreateCombRgn(const TRect& R);
// Both shields lie inside R.
HRGN UtlCreateRoundShieldRgn(const TRect& R);
HRGN UtlCreateSharpShieldRgn(const TRect& R);
HRGN UtlCreateNoseRectRgn(const TRect& R, Integer NoseSize, TUtlExtPos ExtPos);
HRGN UtlCreateRoundNoseRectRgn(const TRect& R, Integer NoseSize, Integer RoundX, Integer RoundY,
                               TUtlExtPos ExtPos);
HRGN UtlCreateThinkBubbleRgn(const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos);
HRGN UtlCreateRoundThinkBubbleRgn(const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos,
                                  Integer RoundX, Integer RoundY);
HRGN UtlCreateEllipticThinkBubbleRgn(const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos);

namespace utl {

// The rectangle left beside a nose or bubbles of size N at Pos.
TRect ShrinkForExtension(const TRect& R, Integer N, TUtlExtPos Pos);
// The nose triangle, tip first, on the shrunk rectangle S; Width is how far
// from the corner its base starts.
std::vector<TPoint> NoseTriangle(const TRect& S, Integer N, Integer Width, TUtlExtPos Pos);
// The bubbles of size N (Count + 2 of them, the first of diameter 0) on the shrunk rectangle S.
std::vector<TRect> ThinkBubbles(const TRect& S, Integer N, Integer Count, TUtlExtPos Pos);
// The outline points of the polygon builders.
std::vector<TPoint> DiamondPoints(const TRect& R);
std::vector<TPoint> StarPoints(const TRect& R);
std::vector<TPoint> OctagonPoints(const TRect& R);
std::vector<TPoint> CombPoints(const TRect& R);

} // namespace utl
