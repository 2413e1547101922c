#include "platform/graphics/TRegion.h"

#include "platform/graphics/detail/TRegionImpl.h"

#include <QPainterPath>
#include <QPolygon>

#include <cstring>

namespace {

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
TRect FromQRect(const QRect& r) {
    return TRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

TRegion Wrap(QRegion q) {
    return TRegion(std::make_unique<TRegion::Impl>(TRegion::Impl{std::move(q)}));
}

void PutInt(std::vector<Byte>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + std::size_t(i)] = Byte(v >> (8 * i));
}

std::uint32_t GetInt(const Byte* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

int Kind(const TRegion& r) {
    if (r.IsEmpty()) return NULLREGION;
    return r.impl().R.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

QRegion ToQRegion(const TRegion& r) {
    return r.impl().R;
}

TRegion FromQRegion(QRegion q) {
    return Wrap(std::move(q));
}

TRegion::TRegion() : FImpl(std::make_unique<Impl>()) {}
TRegion::TRegion(const TRect& r) : FImpl(std::make_unique<Impl>()) {
    if (!IsRectEmpty(r)) FImpl->R = QRegion(ToQRect(r));
}
TRegion::TRegion(const TRegion& other) : FImpl(std::make_unique<Impl>(*other.FImpl)) {}
TRegion::TRegion(TRegion&& other) noexcept : FImpl(std::make_unique<Impl>()) {
    std::swap(FImpl, other.FImpl);
}
TRegion& TRegion::operator=(const TRegion& other) {
    FImpl->R = other.FImpl->R;
    return *this;
}
TRegion& TRegion::operator=(TRegion&& other) noexcept {
    std::swap(FImpl, other.FImpl);
    return *this;
}
TRegion::~TRegion() = default;

TRegion::TRegion(std::unique_ptr<Impl> impl) : FImpl(std::move(impl)) {}

TRegion TRegion::Ellipse(const TRect& r) {
    if (IsRectEmpty(r)) return TRegion();
    return Wrap(QRegion(ToQRect(r), QRegion::Ellipse));
}

TRegion TRegion::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 3) return TRegion();
    QPolygon poly;
    for (const auto& p : points)
        poly << QPoint(p.X, p.Y);
    return Wrap(QRegion(poly, Qt::OddEvenFill));
}

TRegion TRegion::RoundRect(const TRect& r, Integer cornerW, Integer cornerH) {
    if (IsRectEmpty(r)) return TRegion();
    if (cornerW <= 1 || cornerH <= 1) return TRegion(r);
    QPainterPath path;
    path.addRoundedRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), cornerW / 2.0, cornerH / 2.0);
    return Wrap(QRegion(path.toFillPolygon().toPolygon(), Qt::OddEvenFill).intersected(ToQRect(r)));
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
    QRegion q;
    for (const auto& r : rects)
        if (!IsRectEmpty(r)) q += ToQRect(r);
    return Wrap(q);
}

bool TRegion::IsEmpty() const {
    return FImpl->R.isEmpty();
}

TRect TRegion::Bounds() const {
    if (IsEmpty()) return TRect();
    return FromQRect(FImpl->R.boundingRect());
}

std::vector<TRect> TRegion::Rects() const {
    std::vector<TRect> out;
    for (const QRect& r : FImpl->R)
        out.push_back(FromQRect(r));
    return out;
}

bool TRegion::Contains(TPoint p) const {
    return FImpl->R.contains(QPoint(p.X, p.Y));
}
bool TRegion::Intersects(const TRect& r) const {
    return !IsRectEmpty(r) && FImpl->R.intersects(ToQRect(r));
}
void TRegion::Offset(Integer dx, Integer dy) {
    FImpl->R.translate(dx, dy);
}

TRegion TRegion::United(const TRegion& o) const {
    return Wrap(FImpl->R.united(o.FImpl->R));
}
TRegion TRegion::Intersected(const TRegion& o) const {
    return Wrap(FImpl->R.intersected(o.FImpl->R));
}
TRegion TRegion::Subtracted(const TRegion& o) const {
    return Wrap(FImpl->R.subtracted(o.FImpl->R));
}
TRegion TRegion::Xored(const TRegion& o) const {
    return Wrap(FImpl->R.xored(o.FImpl->R));
}
bool TRegion::operator==(const TRegion& o) const {
    return FImpl->R == o.FImpl->R;
}

std::vector<Byte> TRegion::Data() const {
    const auto rects = Rects();
    std::vector<Byte> out(32 + 16 * rects.size(), 0);
    const TRect b = Bounds();
    PutInt(out, 0, 32);
    PutInt(out, 4, 1); // RDH_RECTANGLES
    PutInt(out, 8, std::uint32_t(rects.size()));
    PutInt(out, 12, std::uint32_t(16 * rects.size()));
    PutInt(out, 16, std::uint32_t(b.Left));
    PutInt(out, 20, std::uint32_t(b.Top));
    PutInt(out, 24, std::uint32_t(b.Right));
    PutInt(out, 28, std::uint32_t(b.Bottom));
    std::size_t at = 32;
    for (const auto& r : rects) {
        PutInt(out, at, std::uint32_t(r.Left));
        PutInt(out, at + 4, std::uint32_t(r.Top));
        PutInt(out, at + 8, std::uint32_t(r.Right));
        PutInt(out, at + 12, std::uint32_t(r.Bottom));
        at += 16;
    }
    return out;
}

bool TRegion::FromData(const Byte* data, std::size_t size, TRegion& r) {
    if (!data || size < 32) return false;
    if (GetInt(data) != 32 || GetInt(data + 4) != 1) return false;
    const std::uint32_t count = GetInt(data + 8);
    // The count comes from stored data: check it against the bytes really there.
    if (count > (size - 32) / 16) return false;
    std::vector<TRect> rects;
    rects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const Byte* p = data + 32 + 16 * std::size_t(i);
        rects.emplace_back(Integer(GetInt(p)), Integer(GetInt(p + 4)), Integer(GetInt(p + 8)),
                           Integer(GetInt(p + 12)));
    }
    r = FromRects(rects);
    return true;
}

HRGN CreateRectRgn(Integer left, Integer top, Integer right, Integer bottom) {
    // The platform orders the corners of a rectangle region itself.
    return new TRegion(
        TRect(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)));
}
HRGN CreateRectRgnIndirect(const TRect& r) {
    return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
}
HRGN CreateEllipticRgn(Integer left, Integer top, Integer right, Integer bottom) {
    return new TRegion(TRegion::Ellipse(TRect(left, top, right, bottom)));
}
HRGN CreateEllipticRgnIndirect(const TRect& r) {
    return CreateEllipticRgn(r.Left, r.Top, r.Right, r.Bottom);
}
HRGN CreatePolygonRgn(const TPoint* points, Integer count, int fillMode) {
    std::vector<TPoint> pts;
    if (points && count > 0) pts.assign(points, points + count);
    if (fillMode == WINDING && pts.size() >= 3) {
        QPolygon poly;
        for (const auto& p : pts)
            poly << QPoint(p.X, p.Y);
        return new TRegion(Wrap(QRegion(poly, Qt::WindingFill)));
    }
    return new TRegion(TRegion::Polygon(pts));
}
HRGN CreateRoundRectRgn(Integer left, Integer top, Integer right, Integer bottom, Integer w, Integer h) {
    return new TRegion(TRegion::RoundRect(TRect(left, top, right, bottom), w, h));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    if (!dest || !src1) return ERROR;
    switch (mode) {
    case RGN_COPY:
        *dest = TRegion(*src1);
        break;
    case RGN_AND:
        if (!src2) return ERROR;
        *dest = src1->Intersected(*src2);
        break;
    case RGN_OR:
        if (!src2) return ERROR;
        *dest = src1->United(*src2);
        break;
    case RGN_XOR:
        if (!src2) return ERROR;
        *dest = src1->Xored(*src2);
        break;
    case RGN_DIFF:
        if (!src2) return ERROR;
        *dest = src1->Subtracted(*src2);
        break;
    default:
        return ERROR;
    }
    return Kind(*dest);
}

int OffsetRgn(HRGN rgn, Integer dx, Integer dy) {
    if (!rgn) return ERROR;
    rgn->Offset(dx, dy);
    return Kind(*rgn);
}

bool PtInRegion(HRGN rgn, Integer x, Integer y) {
    return rgn && rgn->Contains(TPoint(x, y));
}
bool RectInRegion(HRGN rgn, const TRect& r) {
    return rgn && rgn->Intersects(r);
}
bool EqualRgn(HRGN a, HRGN b) {
    return a && b && *a == *b;
}

int GetRgnBox(HRGN rgn, TRect* box) {
    if (!rgn || !box) return ERROR;
    *box = rgn->Bounds();
    return Kind(*rgn);
}

bool SetRectRgn(HRGN rgn, Integer left, Integer top, Integer right, Integer bottom) {
    if (!rgn) return false;
    *rgn = TRegion(TRect(left, top, right, bottom));
    return true;
}

Cardinal GetRegionData(HRGN rgn, Cardinal size, void* data) {
    if (!rgn) return 0;
    const auto bytes = rgn->Data();
    if (!data) return Cardinal(bytes.size());
    if (size < bytes.size()) return 0;
    std::memcpy(data, bytes.data(), bytes.size());
    return Cardinal(bytes.size());
}

HRGN ExtCreateRegion(const void* transform, Cardinal size, const void* data) {
    if (transform) return nullptr;
    TRegion r;
    if (!TRegion::FromData(static_cast<const Byte*>(data), size, r)) return nullptr;
    return new TRegion(std::move(r));
}

bool DeleteObject(HRGN rgn) {
    if (!rgn) return false;
    delete rgn;
    return true;
}
