#pragma once
// Points, rectangles and affine transforms in floating point, as the
// metafile player carries coordinates from a file's logical units to the
// pixels of the canvas it draws on.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <cmath>

namespace graphics::metafile {

struct DPoint {
    double X = 0;
    double Y = 0;
};

struct DRect {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// x' = x·M11 + y·M21 + Dx, y' = x·M12 + y·M22 + Dy: the field order of the
// transforms stored in the files.
struct Matrix {
    double M11 = 1, M12 = 0, M21 = 0, M22 = 1, Dx = 0, Dy = 0;

    DPoint Map(DPoint p) const { return {p.X * M11 + p.Y * M21 + Dx, p.X * M12 + p.Y * M22 + Dy}; }
    // A distance or direction: the translation left out.
    DPoint MapVector(DPoint v) const { return {v.X * M11 + v.Y * M21, v.X * M12 + v.Y * M22}; }
    // This transform first, then Next.
    Matrix Then(const Matrix& Next) const {
        return {M11 * Next.M11 + M12 * Next.M21,         M11 * Next.M12 + M12 * Next.M22,
                M21 * Next.M11 + M22 * Next.M21,         M21 * Next.M12 + M22 * Next.M22,
                Dx * Next.M11 + Dy * Next.M21 + Next.Dx, Dx * Next.M12 + Dy * Next.M22 + Next.Dy};
    }
    double Det() const { return M11 * M22 - M12 * M21; }
    // No rotation or shear: rectangles stay rectangles.
    bool AxisAligned() const { return M12 == 0 && M21 == 0; }
    bool Finite() const {
        return std::isfinite(M11) && std::isfinite(M12) && std::isfinite(M21) && std::isfinite(M22) &&
               std::isfinite(Dx) && std::isfinite(Dy);
    }
    // How long a logical unit along x and along y becomes.
    double ScaleX() const { return std::hypot(M11, M12); }
    double ScaleY() const { return std::hypot(M21, M22); }
    static Matrix Scaling(double sx, double sy, double dx, double dy) { return {sx, 0, 0, sy, dx, dy}; }
};

// The nearest device pixel, held within ±2^24 so that no file value can
// overflow what the canvas computes with it; not-a-number goes to the low end.
inline Integer ToPixel(double v) {
    constexpr double Limit = 1 << 24;
    if (!(v > -Limit)) return -(1 << 24);
    if (!(v < Limit)) return 1 << 24;
    return static_cast<Integer>(std::lround(v));
}

inline TPoint ToPixel(DPoint p) {
    return {ToPixel(p.X), ToPixel(p.Y)};
}

} // namespace graphics::metafile
