#pragma once
// The part of a line segment inside a rectangle, for code that draws a line pixel
// by pixel: a line far longer than the surface under it costs the pixels it can
// show, not every pixel it passes by.
#include "platform/graphics/TRect.h"

namespace graphics {

// A and B become the ends, rounded to pixels, of the part of A-B inside R (its
// right and bottom edges included); false, with A and B untouched, when no part
// is inside. Precondition: R is not empty.
bool ClipSegment(TPoint& A, TPoint& B, const TRect& R);

} // namespace graphics
