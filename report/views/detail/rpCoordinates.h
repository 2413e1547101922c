#pragma once
// Page coordinates saturate at +-2^29: far beyond any page, yet a few of them
// summed (a position, a size, a frame, a line step) still fit an Integer. A
// damaged prepared page, an absurd font size or a large drawing scale thus
// cuts a figure instead of overflowing it.
#include "platform/core/NumberFormat.h"
#include "platform/core/Types.h"

#include <algorithm>

namespace report {

constexpr Integer MaxCoordinate = 1 << 29;

constexpr Integer ClampCoordinate(Int64 v) {
    return static_cast<Integer>(std::clamp<Int64>(v, -MaxCoordinate, MaxCoordinate));
}

// Rounded ties to even, then clamped; not-a-number gives 0.
inline Integer RoundCoordinate(double v) {
    if (v != v) return 0;
    if (v <= -MaxCoordinate) return -MaxCoordinate;
    if (v >= MaxCoordinate) return MaxCoordinate;
    // A whole number (most coordinates at scale 1) is its own rounding.
    const auto whole = static_cast<Integer>(v);
    if (static_cast<double>(whole) == v) return whole;
    return static_cast<Integer>(Round(v));
}

// Frame widths run from 0 (no line) to 1,000 pixels: a damaged page or a
// script may give any number, and a negative width would make negative gaps.
constexpr float MaxFrameWidth = 1000;

inline float ClampFrameWidth(double v) {
    if (!(v > 0)) return 0;
    return v < MaxFrameWidth ? static_cast<float>(v) : MaxFrameWidth;
}

} // namespace report
