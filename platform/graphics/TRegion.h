#pragma once
// An area of pixels made of rectangles (a window shape or a clip), and the
// handle-style region calls over it. Polygons fill in the alternate mode.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <memory>
#include <vector>

class QRegion;

class TRegion {
public:
    TRegion();
    explicit TRegion(const TRect& r);
    TRegion(const TRegion& other);
    TRegion(TRegion&& other) noexcept;
    TRegion& operator=(const TRegion& other);
    TRegion& operator=(TRegion&& other) noexcept;
    ~TRegion();

    static TRegion Ellipse(const TRect& r);
    // Alternate (even-odd) fill of the closed polygon.
    static TRegion Polygon(const std::vector<TPoint>& points);
    // Rectangle with elliptic corners of cornerW × cornerH.
    static TRegion RoundRect(const TRect& r, Integer cornerW, Integer cornerH);
    // Built from rectangles, for example those of FromData.
    static TRegion FromRects(const std::vector<TRect>& rects);

    bool IsEmpty() const;
    // Smallest rectangle holding the region; empty region: (0, 0, 0, 0).
    TRect Bounds() const;
    // The disjoint rectangles, in bands from top to bottom, left to right.
    std::vector<TRect> Rects() const;
    bool Contains(TPoint p) const;
    bool Intersects(const TRect& r) const;
    void Offset(Integer dx, Integer dy);

    TRegion United(const TRegion& o) const;
    TRegion Intersected(const TRegion& o) const;
    TRegion Subtracted(const TRegion& o) const;
    TRegion Xored(const TRegion& o) const;
    bool operator==(const TRegion& o) const;

    // The region in the platform's region-data layout: a 32-byte header
    // (dwSize 32, iType 1, nCount, nRgnSize, rcBound) then nCount rectangles,
    // all little-endian 32-bit values.
    std::vector<Byte> Data() const;
    // Parses that layout; false (and r unchanged) for malformed data.
    static bool FromData(const Byte* data, std::size_t size, TRegion& r);

    // Platform-internal: the region behind the handle.
    struct Impl;
    explicit TRegion(std::unique_ptr<Impl> impl);
    const Impl& impl() const { return *FImpl; }

private:
    std::unique_ptr<Impl> FImpl;
};

// The toolkit's region of r and back: a painter's clip, a window's shape.
QRegion ToQRegion(const TRegion& r);
TRegion FromQRegion(QRegion q);

// Handle-style calls. A handle is an owned TRegion*, freed with DeleteObject.
using HRGN = TRegion*;

constexpr int RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5;
constexpr int ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3;
constexpr int ALTERNATE = 1, WINDING = 2;

HRGN CreateRectRgn(Integer left, Integer top, Integer right, Integer bottom);
HRGN CreateRectRgnIndirect(const TRect& r);
HRGN CreateEllipticRgn(Integer left, Integer top, Integer right, Integer bottom);
HRGN CreateEllipticRgnIndirect(const TRect& r);
HRGN CreatePolygonRgn(const TPoint* points, Integer count, int fillMode);
HRGN CreateRoundRectRgn(Integer left, Integer top, Integer right, Integer bottom, Integer w, Integer h);
// dest := src1 <mode> src2 (src2 unused for RGN_COPY); answers the kind of the
// result, ERROR for a null handle or unknown mode.
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN rgn, Integer dx, Integer dy);
bool PtInRegion(HRGN rgn, Integer x, Integer y);
bool RectInRegion(HRGN rgn, const TRect& r);
bool EqualRgn(HRGN a, HRGN b);
int GetRgnBox(HRGN rgn, TRect* box);
bool SetRectRgn(HRGN rgn, Integer left, Integer top, Integer right, Integer bottom);
// With data null: the size needed. Otherwise writes the data when size is
// enough and answers its size; 0 when it is not.
Cardinal GetRegionData(HRGN rgn, Cardinal size, void* data);
// A new region from region data; nullptr for malformed data. The transform
// must be null (no caller uses one).
HRGN ExtCreateRegion(const void* transform, Cardinal size, const void* data);
// Frees a region handle; false for null.
bool DeleteObject(HRGN rgn);
