#pragma once
// Points, sizes and rectangles in device pixels. A rectangle's right and bottom
// edges are exclusive: (0, 0, 10, 10) covers 10 × 10 pixels.
#include "platform/core/Types.h"

#include <algorithm>

struct TPoint {
    Integer X = 0;
    Integer Y = 0;
    constexpr TPoint() = default;
    constexpr TPoint(Integer x, Integer y) : X(x), Y(y) {}
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    Integer cx = 0;
    Integer cy = 0;
    constexpr TSize() = default;
    constexpr TSize(Integer w, Integer h) : cx(w), cy(h) {}
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;
    constexpr TRect() = default;
    constexpr TRect(Integer l, Integer t, Integer r, Integer b) : Left(l), Top(t), Right(r), Bottom(b) {}
    constexpr TRect(TPoint tl, TPoint br) : Left(tl.X), Top(tl.Y), Right(br.X), Bottom(br.Y) {}
    constexpr Integer Width() const { return Right - Left; }
    constexpr Integer Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(Integer x, Integer y) {
    return {x, y};
}
constexpr TRect Rect(Integer l, Integer t, Integer r, Integer b) {
    return {l, t, r, b};
}
constexpr TRect Bounds(Integer l, Integer t, Integer w, Integer h) {
    return {l, t, l + w, t + h};
}

// Empty when it covers no pixel (right <= left or bottom <= top).
constexpr bool IsRectEmpty(const TRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}
constexpr bool PtInRect(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}
constexpr void OffsetRect(TRect& r, Integer dx, Integer dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}
constexpr void InflateRect(TRect& r, Integer dx, Integer dy) {
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}
constexpr bool EqualRect(const TRect& a, const TRect& b) {
    return a == b;
}

// Intersection; false with an all-zero result when the two do not overlap.
constexpr bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(r)) {
        dst = TRect{};
        return false;
    }
    dst = r;
    return true;
}

// Bounding rectangle of both; an empty operand is ignored.
constexpr bool UnionRect(TRect& dst, const TRect& a, const TRect& b) {
    if (IsRectEmpty(a))
        dst = b;
    else if (IsRectEmpty(b))
        dst = a;
    else
        dst = TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                    std::max(a.Bottom, b.Bottom)};
    if (IsRectEmpty(dst)) {
        dst = TRect{};
        return false;
    }
    return true;
}
