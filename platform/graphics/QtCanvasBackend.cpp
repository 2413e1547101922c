#include "platform/graphics/QtCanvasBackend.h"

#include "platform/graphics/QtFont.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/SegmentClip.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QStringList>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <optional>

namespace graphics {

namespace {

QColor ToQColor(TColor c) {
    c = ColorToRGB(c);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QRgb ToQRgb(TColor c) {
    c = ColorToRGB(c);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQRgb(QRgb q) {
    return RGB(Byte(qRed(q)), Byte(qGreen(q)), Byte(qBlue(q)));
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// The shape's bounding box for Qt's outline drawing, which covers one pixel
// past the given width: the platform's shapes end at right − 1 and bottom − 1.
QRect ShapeRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
}

// Pen modes as the raster engine's composition modes; false for pmNop.
bool ApplyMode(QPainter& p, TPenMode m) {
    using M = QPainter::CompositionMode;
    M mode = QPainter::CompositionMode_SourceOver;
    switch (m) {
    case pmNop:
        return false;
    case pmBlack:
        mode = M::RasterOp_ClearDestination;
        break;
    case pmWhite:
        mode = M::RasterOp_SetDestination;
        break;
    case pmNot:
        mode = M::RasterOp_NotDestination;
        break;
    case pmCopy:
        break;
    case pmNotCopy:
        mode = M::RasterOp_NotSource;
        break;
    case pmMergePenNot:
        mode = M::RasterOp_SourceOrNotDestination;
        break;
    case pmMaskPenNot:
        mode = M::RasterOp_SourceAndNotDestination;
        break;
    case pmMergeNotPen:
        mode = M::RasterOp_NotSourceOrDestination;
        break;
    case pmMaskNotPen:
        mode = M::RasterOp_NotSourceAndDestination;
        break;
    case pmMerge:
        mode = M::RasterOp_SourceOrDestination;
        break;
    case pmNotMerge:
        mode = M::RasterOp_NotSourceAndNotDestination;
        break;
    case pmMask:
        mode = M::RasterOp_SourceAndDestination;
        break;
    case pmNotMask:
        mode = M::RasterOp_NotSourceOrNotDestination;
        break;
    case pmXor:
        mode = M::RasterOp_SourceXorDestination;
        break;
    case pmNotXor:
        mode = M::RasterOp_NotSourceXorDestination;
        break;
    }
    p.setCompositionMode(mode);
    return true;
}

QVector<qreal> DashPattern(TPenStyle s) {
    switch (s) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

QPen ToQPen(const PenState& pen) {
    if (pen.Style == psClear) return QPen(Qt::NoPen);
    QPen q(ToQColor(pen.Color));
    q.setCosmetic(true);
    q.setWidth(std::max(1, pen.Width));
    if (pen.Width > 1) {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    } else {
        q.setCapStyle(Qt::SquareCap);
        q.setJoinStyle(Qt::MiterJoin);
        const auto dashes = DashPattern(pen.Style);
        if (!dashes.isEmpty()) q.setDashPattern(dashes);
    }
    return q;
}

QBrush ToQBrush(const BrushState& b) {
    if (b.Bitmap && !b.Bitmap->Empty()) return QBrush(b.Bitmap->Image());
    switch (b.Style) {
    case bsClear:
        return QBrush(Qt::NoBrush);
    case bsSolid:
        return QBrush(ToQColor(b.Color));
    case bsHorizontal:
        return QBrush(ToQColor(b.Color), Qt::HorPattern);
    case bsVertical:
        return QBrush(ToQColor(b.Color), Qt::VerPattern);
    case bsFDiagonal:
        return QBrush(ToQColor(b.Color), Qt::FDiagPattern);
    case bsBDiagonal:
        return QBrush(ToQColor(b.Color), Qt::BDiagPattern);
    case bsCross:
        return QBrush(ToQColor(b.Color), Qt::CrossPattern);
    case bsDiagCross:
        return QBrush(ToQColor(b.Color), Qt::DiagCrossPattern);
    }
    return QBrush(Qt::NoBrush);
}

void SetBrush(QPainter& p, const BrushState& b) {
    p.setBrush(ToQBrush(b));
    // Hatch gaps take the background colour when the background mode is opaque.
    p.setBackgroundMode(b.Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(ToQColor(b.BkColor));
}

// Pen and brush of a filled shape; false when the pen mode leaves nothing to draw.
bool UseShapeTools(QPainter& p, const PenState& pen, const BrushState& brush) {
    if (!ApplyMode(p, pen.Mode)) return false;
    p.setPen(ToQPen(pen));
    SetBrush(p, brush);
    return true;
}

// Pixels of the segment a → b without b itself (Bresenham).
template <typename F> void LinePixels(TPoint a, TPoint b, F&& plot) {
    const Int64 dx = std::abs(Int64{b.X} - a.X), dy = -std::abs(Int64{b.Y} - a.Y);
    const Integer sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
    Int64 err = dx + dy;
    Integer x = a.X, y = a.Y;
    while (x != b.X || y != b.Y) {
        plot(x, y);
        const Int64 e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// How many pixels the stepping visits from a to b.
Int64 Steps(TPoint a, TPoint b) {
    return std::max(std::abs(Int64{b.X} - a.X), std::abs(Int64{b.Y} - a.Y));
}

} // namespace

QtCanvasBackend::QtCanvasBackend(TBitmap* bitmap) : FBitmap(bitmap) {}

QtCanvasBackend::QtCanvasBackend(QPainter* painter, TSize size, Integer dpi)
    : FExternal(painter), FSize(size), FDpi(dpi) {}

QtCanvasBackend::~QtCanvasBackend() = default;

template <typename F> void QtCanvasBackend::Paint(F&& draw) {
    if (FBitmap) {
        QImage& img = FBitmap->Image();
        if (img.isNull()) return;
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        if (FClip) p.setClipRegion(ToQRegion(*FClip));
        draw(p);
        p.end();
        Touched();
    } else if (FExternal) {
        FExternal->save();
        FExternal->setRenderHint(QPainter::Antialiasing, false);
        FExternal->setRenderHint(QPainter::TextAntialiasing, false);
        if (FClip) FExternal->setClipRegion(ToQRegion(*FClip), Qt::IntersectClip);
        draw(*FExternal);
        FExternal->restore();
    }
}

std::optional<TRect> QtCanvasBackend::Reach() const {
    constexpr Integer Margin = 2;
    QRect area;
    if (FBitmap) {
        area = QRect(0, 0, FBitmap->Width(), FBitmap->Height());
    } else if (FExternal && FExternal->device()) {
        bool invertible = false;
        const QTransform back = FExternal->combinedTransform().inverted(&invertible);
        if (!invertible) return std::nullopt;
        area = back.mapRect(QRect(0, 0, FExternal->device()->width(), FExternal->device()->height()));
    } else {
        return std::nullopt;
    }
    return TRect(area.left() - Margin, area.top() - Margin, area.right() + 1 + Margin,
                 area.bottom() + 1 + Margin);
}

void QtCanvasBackend::Touched() {
    if (FBitmap) FBitmap->PixelsChanged();
}

QImage* QtCanvasBackend::ReadableImage() const {
    QImage* img = nullptr;
    if (FBitmap)
        img = &FBitmap->Image();
    else if (FExternal && FExternal->device() && FExternal->device()->devType() == QInternal::Image)
        img = static_cast<QImage*>(FExternal->device());
    if (!img || img->isNull()) return nullptr;
    switch (img->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return img;
    default:
        return nullptr;
    }
}

void QtCanvasBackend::SetClip(const TRegion* clip) {
    if (clip)
        FClip = std::make_unique<TRegion>(*clip);
    else
        FClip.reset();
}

void QtCanvasBackend::FillRect(const TRect& r, const BrushState& brush) {
    if (IsRectEmpty(r) || brush.Style == bsClear) return;
    Paint([&](QPainter& p) {
        if (!ApplyMode(p, brush.Mode)) return;
        SetBrush(p, brush);
        p.fillRect(ToQRect(r), p.brush());
    });
}

void QtCanvasBackend::Polyline(const std::vector<TPoint>& points, const PenState& pen) {
    if (pen.Style == psClear || points.size() < 2) return;
    if (pen.Width > 1) {
        Paint([&](QPainter& p) {
            if (!ApplyMode(p, pen.Mode)) return;
            p.setPen(ToQPen(pen));
            QPolygon poly;
            for (const auto& pt : points)
                poly << QPoint(pt.X, pt.Y);
            p.drawPolyline(poly);
        });
        return;
    }
    // One-pixel lines are stepped here so that the end pixel is left out and the
    // dash pattern runs on across the segments, as the platform's lines do. Only
    // the part of a segment that can reach the surface is stepped, so a line far
    // longer than the surface (a damaged page's frame) costs the pixels it shows;
    // the pattern runs on over the pixels left out as well.
    const auto dashes = DashPattern(pen.Style);
    Int64 period = 0;
    for (const qreal d : dashes)
        period += Int64(d);
    QVector<QPoint> on, off;
    int dashIndex = 0, dashLeft = dashes.isEmpty() ? 0 : int(dashes[0]);
    const auto step = [&] {
        if (!dashes.isEmpty() && --dashLeft == 0) {
            dashIndex = (dashIndex + 1) % int(dashes.size());
            dashLeft = int(dashes[dashIndex]);
        }
    };
    const auto pass = [&](Int64 count) {
        if (period == 0) return;
        for (count %= period; count > 0; --count)
            step();
    };
    const std::optional<TRect> reach = Reach();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const TPoint from = points[i], to = points[i + 1];
        TPoint a = from, b = to;
        if (reach && !(PtInRect(*reach, a) && PtInRect(*reach, b))) {
            if (!ClipSegment(a, b, *reach)) {
                pass(Steps(from, to));
                continue;
            }
            pass(Steps(from, a));
        }
        LinePixels(a, b, [&](Integer x, Integer y) {
            if (dashes.isEmpty() || dashIndex % 2 == 0)
                on << QPoint(x, y);
            else
                off << QPoint(x, y);
            step();
        });
        pass(Steps(b, to));
    }
    Paint([&](QPainter& p) {
        if (!ApplyMode(p, pen.Mode)) return;
        QPen q(ToQColor(pen.Color));
        q.setCosmetic(true);
        q.setWidth(1);
        p.setPen(q);
        p.drawPoints(on.constData(), int(on.size()));
        if (pen.Opaque && !off.isEmpty()) {
            q.setColor(ToQColor(pen.BkColor));
            p.setPen(q);
            p.drawPoints(off.constData(), int(off.size()));
        }
    });
}

void QtCanvasBackend::Polygon(const std::vector<TPoint>& points, const PenState& pen,
                              const BrushState& brush) {
    Paint([&](QPainter& p) {
        if (!UseShapeTools(p, pen, brush)) return;
        QPolygon poly;
        for (const auto& pt : points)
            poly << QPoint(pt.X, pt.Y);
        p.drawPolygon(poly, Qt::OddEvenFill);
    });
}

void QtCanvasBackend::Rectangle(const TRect& r, const PenState& pen, const BrushState& brush) {
    if (r.Width() < 2 || r.Height() < 2) return;
    Paint([&](QPainter& p) {
        if (!UseShapeTools(p, pen, brush)) return;
        p.drawRect(ShapeRect(r));
    });
}

void QtCanvasBackend::Ellipse(const TRect& r, const PenState& pen, const BrushState& brush) {
    if (r.Width() < 2 || r.Height() < 2) return;
    Paint([&](QPainter& p) {
        if (!UseShapeTools(p, pen, brush)) return;
        p.drawEllipse(ShapeRect(r));
    });
}

void QtCanvasBackend::RoundRect(const TRect& r, Integer cornerW, Integer cornerH, const PenState& pen,
                                const BrushState& brush) {
    if (r.Width() < 2 || r.Height() < 2) return;
    Paint([&](QPainter& p) {
        if (!UseShapeTools(p, pen, brush)) return;
        p.drawRoundedRect(ShapeRect(r), cornerW / 2.0, cornerH / 2.0);
    });
}

void QtCanvasBackend::Arc(const TRect& r, TPoint start, TPoint end, const PenState& pen) {
    if (r.Width() < 2 || r.Height() < 2 || pen.Style == psClear) return;
    const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
    const double a1 = std::atan2(-(start.Y - cy), start.X - cx) * 180.0 / std::numbers::pi;
    const double a2 = std::atan2(-(end.Y - cy), end.X - cx) * 180.0 / std::numbers::pi;
    double span = a2 - a1;
    while (span <= 0)
        span += 360.0; // counter-clockwise; equal rays make a full ellipse
    Paint([&](QPainter& p) {
        if (!ApplyMode(p, pen.Mode)) return;
        p.setPen(ToQPen(pen));
        p.setBrush(Qt::NoBrush);
        p.drawArc(ShapeRect(r), int(std::lround(a1 * 16)), int(std::lround(span * 16)));
    });
}

void QtCanvasBackend::TextOut(Integer x, Integer y, Cardinal options, const TRect* rect, const String& text,
                              const TextState& state) {
    Paint([&](QPainter& p) {
        const QFont& f = ToQFont(state.Font, state.CharExtra);
        p.setFont(f);
        const QFontMetrics m = state.CharExtra ? QFontMetrics(f) : FontMetricsOf(state.Font);
        const QString qs = QString::fromStdString(text);
        if (rect && (options & ETO_OPAQUE)) p.fillRect(ToQRect(*rect), ToQColor(state.BkColor));
        if (rect && (options & ETO_CLIPPED)) {
            if (p.hasClipping())
                p.setClipRect(ToQRect(*rect), Qt::IntersectClip);
            else
                p.setClipRect(ToQRect(*rect));
        }
        p.setPen(ToQColor(state.TextColor));
        if (state.Font.Orientation != 0) {
            p.translate(x, y);
            p.rotate(-state.Font.Orientation / 10.0);
            if (state.Opaque)
                p.fillRect(QRect(0, 0, m.horizontalAdvance(qs), m.height()), ToQColor(state.BkColor));
            p.drawText(0, m.ascent(), qs);
            return;
        }
        const bool justify = state.BreakExtra != 0 && state.BreakCount > 0 && qs.contains(QLatin1Char(' '));
        const Integer extra =
            justify ? JustifyShift(state.BreakExtra, state.BreakCount, Integer(qs.count(QLatin1Char(' '))))
                    : 0;
        if (state.Opaque)
            p.fillRect(QRect(x, y, m.horizontalAdvance(qs) + extra, m.height()), ToQColor(state.BkColor));
        if (!justify) {
            p.drawText(x, y + m.ascent(), qs);
            return;
        }
        // Each word moves right by the extra pixels of the spaces before it.
        const QStringList words = qs.split(QLatin1Char(' '));
        Integer advance = 0;
        for (qsizetype i = 0; i < words.size(); ++i) {
            p.drawText(x + advance + JustifyShift(state.BreakExtra, state.BreakCount, Integer(i)),
                       y + m.ascent(), words[i]);
            advance += m.horizontalAdvance(words[i] + QLatin1Char(' '));
        }
    });
}

TColor QtCanvasBackend::GetPixel(Integer x, Integer y) {
    QImage* img = ReadableImage();
    if (!img || x < 0 || y < 0 || x >= img->width() || y >= img->height()) return clNone;
    return FromQRgb(reinterpret_cast<const QRgb*>(img->constScanLine(y))[x]);
}

void QtCanvasBackend::SetPixel(Integer x, Integer y, TColor color) {
    if (FClip && !FClip->Contains(TPoint(x, y))) return;
    if (QImage* img = ReadableImage()) {
        if (x < 0 || y < 0 || x >= img->width() || y >= img->height()) return;
        reinterpret_cast<QRgb*>(img->scanLine(y))[x] = ToQRgb(color);
        Touched();
        return;
    }
    Paint([&](QPainter& p) { p.fillRect(QRect(x, y, 1, 1), ToQColor(color)); });
}

void QtCanvasBackend::Blt(const TRect& dst, const PixelBuffer* src, Cardinal rop, const BrushState& pattern,
                          TColor textColor, TColor bkColor) {
    if (IsRectEmpty(dst)) return;
    if (QImage* img = ReadableImage()) {
        const PixelBuffer pat = RopUsesPattern(rop) ? MakePattern(pattern, dst, textColor, bkColor)
                                                    : PixelBuffer(dst.Width(), dst.Height());
        std::vector<TRect> areas;
        const TRect surface(0, 0, img->width(), img->height());
        TRect visible;
        if (!IntersectRect(visible, dst, surface)) return;
        if (FClip)
            areas = FClip->Intersected(TRegion(visible)).Rects();
        else
            areas.push_back(visible);
        const bool mono = Monochrome();
        for (const TRect& a : areas) {
            for (Integer y = a.Top; y < a.Bottom; ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(img->scanLine(y));
                for (Integer x = a.Left; x < a.Right; ++x) {
                    const Integer sx = x - dst.Left, sy = y - dst.Top;
                    const TColor s = src && sx < src->Width && sy < src->Height ? src->At(sx, sy) : 0;
                    TColor out = ApplyRop3(rop, pat.At(sx, sy), s, FromQRgb(line[x]));
                    // A one-bit surface keeps only black and white.
                    if (mono) out = (out & 0xFFFFFF) == clWhite ? clWhite : clBlack;
                    line[x] = ToQRgb(out);
                }
            }
        }
        Touched();
        return;
    }
    // A window or a printer cannot be read back: the copying operations are
    // exact, the others use the nearest composition mode.
    Paint([&](QPainter& p) {
        const QRect target = ToQRect(dst);
        QImage image;
        if (src) {
            image = QImage(src->Width, src->Height, QImage::Format_RGB32);
            for (Integer y = 0; y < src->Height; ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (Integer x = 0; x < src->Width; ++x)
                    line[x] = ToQRgb(src->At(x, y));
            }
        }
        switch (rop) {
        case BLACKNESS:
            p.fillRect(target, Qt::black);
            return;
        case WHITENESS:
            p.fillRect(target, Qt::white);
            return;
        case PATCOPY:
            SetBrush(p, pattern);
            p.fillRect(target, p.brush());
            return;
        case DSTINVERT:
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
            p.fillRect(target, Qt::white);
            return;
        case SRCINVERT:
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case SRCAND:
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case SRCPAINT:
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
        default:
            break;
        }
        if (!image.isNull()) p.drawImage(target.topLeft(), image);
    });
}

bool QtCanvasBackend::CopyBitmap(const TRect& dst, const TBitmap& bitmap, const TRect& srcRect) {
    if (IsRectEmpty(dst) || IsRectEmpty(srcRect) || &bitmap == FBitmap) return false;
    Paint([&](QPainter& p) { p.drawImage(ToQRect(dst), bitmap.Image(), ToQRect(srcRect)); });
    return true;
}

bool QtCanvasBackend::Grab(const TRect& r, PixelBuffer& out) {
    QImage* img = ReadableImage();
    if (!img) return false;
    out = PixelBuffer(std::max(0, r.Width()), std::max(0, r.Height()), clBlack);
    out.Monochrome = Monochrome();
    for (Integer y = 0; y < out.Height; ++y) {
        const Integer iy = r.Top + y;
        if (iy < 0 || iy >= img->height()) continue;
        const QRgb* line = reinterpret_cast<const QRgb*>(img->constScanLine(iy));
        for (Integer x = 0; x < out.Width; ++x) {
            const Integer ix = r.Left + x;
            if (ix >= 0 && ix < img->width()) out.At(x, y) = FromQRgb(line[ix]);
        }
    }
    return true;
}

TSize QtCanvasBackend::Size() const {
    if (FBitmap) return TSize(FBitmap->Width(), FBitmap->Height());
    return FSize;
}

bool QtCanvasBackend::Monochrome() const {
    return FBitmap && FBitmap->Monochrome();
}

Integer QtCanvasBackend::DeviceCaps(Integer index) const {
    const TSize s = Size();
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return FDpi;
    case BITSPIXEL:
        if (Monochrome()) return 1;
        // A window shows what the screen can.
        return FExternal && FExternal->device() && FExternal->device()->devType() == QInternal::Widget
                   ? ScreenColorDepth()
                   : 32;
    case PLANES:
        return 1;
    case HORZRES:
    case PHYSICALWIDTH:
        return s.cx;
    case VERTRES:
    case PHYSICALHEIGHT:
        return s.cy;
    case HORZSIZE:
        return MulDiv(s.cx, 254, FDpi * 10);
    case VERTSIZE:
        return MulDiv(s.cy, 254, FDpi * 10);
    case NUMCOLORS:
        return Monochrome() ? 2 : -1;
    default:
        return 0;
    }
}

} // namespace graphics
