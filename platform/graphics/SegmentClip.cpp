#include "platform/graphics/SegmentClip.h"

#include <algorithm>
#include <cmath>

namespace graphics {

bool ClipSegment(TPoint& A, TPoint& B, const TRect& R) {
    // Liang-Barsky, in floating point: the differences of two far coordinates
    // pass any Integer.
    const double dx = double(B.X) - A.X, dy = double(B.Y) - A.Y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {double(A.X) - R.Left, double(R.Right) - A.X, double(A.Y) - R.Top,
                         double(R.Bottom) - A.Y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    // Both ends lie within R, so they round to Integers.
    const TPoint a = A;
    A = {static_cast<Integer>(std::lround(a.X + t0 * dx)), static_cast<Integer>(std::lround(a.Y + t0 * dy))};
    B = {static_cast<Integer>(std::lround(a.X + t1 * dx)), static_cast<Integer>(std::lround(a.Y + t1 * dy))};
    return true;
}

} // namespace graphics
