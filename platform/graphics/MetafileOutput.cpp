#include "platform/graphics/MetafileOutput.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/SegmentClip.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRegion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace graphics::metafile {

namespace {

constexpr double Pi = std::numbers::pi;

// Sizes that no page needs and that only damaged files ask for.
constexpr double MaxPenWidth = 4096;
constexpr double MaxFontPixels = 4096;
constexpr double MaxArcSegments = 720;

// Segments for a curve of Length device pixels: one every few pixels.
int Segments(double Length, double Minimum) {
    const double n = std::ceil(Length / 4);
    if (!std::isfinite(n)) return int(MaxArcSegments);
    return int(std::clamp(n, Minimum, MaxArcSegments));
}

TPenStyle PenStyleOf(std::uint32_t style) {
    switch (style & PS_STYLE_MASK) {
    case PS_DASH:
        return psDash;
    case PS_DOT:
        return psDot;
    case PS_DASHDOT:
        return psDashDot;
    case PS_DASHDOTDOT:
        return psDashDotDot;
    case PS_NULL:
        return psClear;
    case PS_INSIDEFRAME:
        return psInsideFrame;
    default:
        return psSolid;
    }
}

TBrushStyle HatchOf(std::uint32_t hatch) {
    static const TBrushStyle styles[] = {bsHorizontal, bsVertical, bsFDiagonal,
                                         bsBDiagonal,  bsCross,    bsDiagCross};
    return hatch < 6 ? styles[hatch] : bsSolid;
}

void Mirror(PixelBuffer& b, bool x, bool y) {
    for (Integer row = 0; row < b.Height; ++row)
        for (Integer col = 0; col < b.Width; ++col) {
            const Integer tx = x ? b.Width - 1 - col : col, ty = y ? b.Height - 1 - row : row;
            // Each pair once: the first of the two in reading order swaps.
            if (ty * b.Width + tx > row * b.Width + col) std::swap(b.At(col, row), b.At(tx, ty));
        }
}

} // namespace

Output::Output(TCanvas* Canvas, DeviceState& State) : FCanvas(Canvas), FState(State) {
    if (FCanvas) FCanvasClip = FCanvas->ClipRegion();
}

Output::~Output() {
    if (FCanvas && FClipApplied) FCanvas->SetClipRegion(FCanvasClip.get());
}

void Output::ApplyClip() {
    const auto& clip = FState.DC.Clip;
    // Nothing to do while the file's clip is the one last given to the canvas
    // (at first: none).
    if (!FCanvas || (FClipApplied ? FApplied == clip : !clip)) return;
    if (!clip)
        FCanvas->SetClipRegion(FCanvasClip.get());
    else if (FCanvasClip)
        FCanvas->SetClipRegion(std::make_unique<TRegion>(clip->Intersected(*FCanvasClip)).get());
    else
        FCanvas->SetClipRegion(clip.get());
    FApplied = clip;
    FClipApplied = true;
}

PenState Output::Pen(const Matrix& M) const {
    const LogPen& p = FState.DC.Pen;
    PenState s;
    s.Style = PenStyleOf(p.Style);
    const double w = p.Cosmetic ? 1 : p.Width * (M.ScaleX() + M.ScaleY()) / 2;
    s.Width = std::isfinite(w) ? Integer(std::clamp(std::round(w), 1.0, MaxPenWidth)) : 1;
    s.Color = p.Color;
    s.Mode = PenModeOf(FState.DC.Rop2);
    s.BkColor = FState.DC.BkColor;
    s.Opaque = FState.DC.BkMode == OPAQUE;
    return s;
}

BrushState Output::Brush(const LogBrush& B) const {
    BrushState s;
    s.Color = B.Color;
    switch (B.Style) {
    case BS_SOLID:
        s.Style = bsSolid;
        break;
    case BS_HATCHED:
        s.Style = HatchOf(B.Hatch);
        break;
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
        s.Style = B.Pattern ? bsSolid : bsClear;
        s.Bitmap = B.Pattern.get();
        break;
    default:
        s.Style = bsClear;
        break;
    }
    s.Mode = PenModeOf(FState.DC.Rop2);
    s.BkColor = FState.DC.BkColor;
    s.Opaque = FState.DC.BkMode == OPAQUE;
    return s;
}

FontState Output::Font(const Matrix& M) const {
    const LogFont& lf = FState.DC.Font;
    FontState f;
    f.Name = lf.Face.empty() ? String("Arial") : lf.Face;
    // Height 0 asks for the default size: twelve pixels of the file's device.
    const double h = lf.Height != 0 ? std::fabs(lf.Height * M.ScaleY()) : 12 * FState.Playback().ScaleY();
    const Integer px = std::isfinite(h) ? Integer(std::clamp(std::round(h), 1.0, MaxFontPixels)) : 1;
    f.Height = lf.Height > 0 ? px : -px;
    if (lf.Weight >= 600) f.Style.Include(fsBold);
    if (lf.Italic) f.Style.Include(fsItalic);
    if (lf.Underline) f.Style.Include(fsUnderline);
    if (lf.StrikeOut) f.Style.Include(fsStrikeOut);
    f.Charset = lf.Charset;
    f.Color = FState.DC.TextColor;
    // A rotating world transform turns the text line with it.
    double angle = lf.Escapement / 10.0;
    if (!M.AxisAligned()) angle += std::atan2(-M.M12, M.M11) * 180 / Pi;
    const double tenths = std::fmod(std::round(angle * 10), 3600.0);
    f.Orientation = std::isfinite(tenths) ? Integer(tenths < 0 ? tenths + 3600 : tenths) : 0;
    return f;
}

TPoint Output::Device(const Matrix& M, DPoint Logical) const {
    return FCanvas->ToDevice(ToPixel(M.Map(Logical)));
}

std::vector<TPoint> Output::Device(const Matrix& M, const std::vector<DPoint>& Logical) const {
    std::vector<TPoint> out;
    out.reserve(Logical.size());
    for (const DPoint& p : Logical)
        out.push_back(Device(M, p));
    return out;
}

TRect Output::Visible() const {
    const TRect clip = FCanvas->ToDevice(FCanvas->ClipRect());
    const TSize size = FCanvas->Backend()->Size();
    if (size.cx <= 0 && size.cy <= 0) return clip;
    TRect r;
    IntersectRect(r, clip, TRect(0, 0, size.cx, size.cy));
    return r;
}

void Output::Shape(const std::vector<TPoint>& Outline, bool Filled) {
    if (Outline.size() < 2) return;
    const Matrix m = FState.Transform();
    if (Filled)
        FCanvas->Backend()->Polygon(Outline, Pen(m), Brush(FState.DC.Brush));
    else
        Lines(Outline, Pen(m));
}

void Output::Lines(const std::vector<TPoint>& Points, const PenState& Pen) {
    auto* backend = FCanvas->Backend();
    // Lines are drawn pixel by pixel: only their parts near the visible area
    // are handed on, so that a line far longer than the surface costs nothing.
    TRect visible = Visible();
    InflateRect(visible, Pen.Width + 2, Pen.Width + 2);
    if (std::all_of(Points.begin(), Points.end(), [&](TPoint p) { return PtInRect(visible, p); }))
        return backend->Polyline(Points, Pen);
    std::vector<TPoint> run;
    for (std::size_t i = 0; i + 1 < Points.size(); ++i) {
        TPoint a = Points[i], b = Points[i + 1];
        if (!ClipSegment(a, b, visible)) continue;
        if (run.empty() || !(run.back() == a)) {
            if (run.size() >= 2) backend->Polyline(run, Pen);
            run = {a};
        }
        run.push_back(b);
    }
    if (run.size() >= 2) backend->Polyline(run, Pen);
}

void Output::Polyline(const std::vector<DPoint>& Points, bool FromCurrent) {
    std::vector<DPoint> all;
    if (FromCurrent) all.push_back(FState.DC.Position);
    all.insert(all.end(), Points.begin(), Points.end());
    if (FromCurrent && !Points.empty()) FState.DC.Position = Points.back();
    if (!Drawing()) return;
    ApplyClip();
    Shape(Device(FState.Transform(), all), false);
}

void Output::LineTo(DPoint To) {
    Polyline({To}, true);
}

void Output::PolyBezier(const std::vector<DPoint>& Points, bool FromCurrent) {
    std::vector<DPoint> control;
    if (FromCurrent) control.push_back(FState.DC.Position);
    control.insert(control.end(), Points.begin(), Points.end());
    if (control.empty()) return;
    std::vector<DPoint> flat{control.front()};
    for (std::size_t i = 0; i + 3 < control.size(); i += 3) {
        const DPoint p0 = control[i], p1 = control[i + 1], p2 = control[i + 2], p3 = control[i + 3];
        for (int k = 1; k <= 16; ++k) {
            const double t = k / 16.0, u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            flat.push_back(
                {a * p0.X + b * p1.X + c * p2.X + d * p3.X, a * p0.Y + b * p1.Y + c * p2.Y + d * p3.Y});
        }
    }
    if (FromCurrent) FState.DC.Position = flat.back();
    if (!Drawing()) return;
    ApplyClip();
    Shape(Device(FState.Transform(), flat), false);
}

void Output::Polygon(const std::vector<DPoint>& Points) {
    if (!Drawing()) return;
    ApplyClip();
    Shape(Device(FState.Transform(), Points), true);
}

void Output::PolyPolygon(const std::vector<std::vector<DPoint>>& Polygons) {
    if (!Drawing() || Polygons.empty()) return;
    if (Polygons.size() == 1) return Polygon(Polygons.front());
    ApplyClip();
    const Matrix m = FState.Transform();
    // One outline through every polygon, each joined to the first point and
    // back along the same line: with the alternate fill the joins cancel out.
    std::vector<TPoint> joined;
    TPoint anchor;
    bool first = true;
    for (const auto& poly : Polygons) {
        if (poly.empty()) continue;
        const std::vector<TPoint> d = Device(m, poly);
        joined.insert(joined.end(), d.begin(), d.end());
        joined.push_back(d.front());
        if (first)
            anchor = d.front();
        else
            joined.push_back(anchor);
        first = false;
    }
    PenState none;
    none.Style = psClear;
    auto* backend = FCanvas->Backend();
    if (joined.size() >= 3) backend->Polygon(joined, none, Brush(FState.DC.Brush));
    const PenState pen = Pen(m);
    for (const auto& poly : Polygons) {
        if (poly.size() < 2) continue;
        std::vector<TPoint> d = Device(m, poly);
        d.push_back(d.front());
        Lines(d, pen);
    }
}

void Output::Rectangle(const DRect& Box) {
    if (!Drawing()) return;
    ApplyClip();
    const Matrix m = FState.Transform();
    if (!m.AxisAligned()) {
        Shape(
            Device(
                m,
                {{Box.Left, Box.Top}, {Box.Right, Box.Top}, {Box.Right, Box.Bottom}, {Box.Left, Box.Bottom}}),
            true);
        return;
    }
    const TPoint a = Device(m, {Box.Left, Box.Top}), b = Device(m, {Box.Right, Box.Bottom});
    FCanvas->Backend()->Rectangle(
        TRect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)), Pen(m),
        Brush(FState.DC.Brush));
}

void Output::RoundRect(const DRect& Box, DPoint Corner) {
    if (!Drawing()) return;
    const Matrix m = FState.Transform();
    if (!m.AxisAligned()) return Rectangle(Box);
    ApplyClip();
    const TPoint a = Device(m, {Box.Left, Box.Top}), b = Device(m, {Box.Right, Box.Bottom});
    FCanvas->Backend()->RoundRect(
        TRect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)),
        ToPixel(std::fabs(Corner.X * m.M11)), ToPixel(std::fabs(Corner.Y * m.M22)), Pen(m),
        Brush(FState.DC.Brush));
}

void Output::Ellipse(const DRect& Box) {
    if (!Drawing()) return;
    ApplyClip();
    const Matrix m = FState.Transform();
    if (!m.AxisAligned()) {
        const DPoint right{Box.Right, (Box.Top + Box.Bottom) / 2};
        Shape(Device(m, ArcPoints(m, Box, right, right)), true);
        return;
    }
    const TPoint a = Device(m, {Box.Left, Box.Top}), b = Device(m, {Box.Right, Box.Bottom});
    FCanvas->Backend()->Ellipse(
        TRect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)), Pen(m),
        Brush(FState.DC.Brush));
}

std::vector<DPoint> Output::ArcPoints(const Matrix& M, const DRect& Box, DPoint Start, DPoint End) const {
    const double cx = (Box.Left + Box.Right) / 2, cy = (Box.Top + Box.Bottom) / 2;
    const double a = std::fabs(Box.Right - Box.Left) / 2, b = std::fabs(Box.Bottom - Box.Top) / 2;
    if (!(a > 0 && b > 0)) return {};
    const double t0 = std::atan2((Start.Y - cy) / b, (Start.X - cx) / a);
    const double t1 = std::atan2((End.Y - cy) / b, (End.X - cx) / a);
    if (!std::isfinite(t0) || !std::isfinite(t1)) return {};
    // Counter-clockwise as seen on the device: with y growing downwards that
    // is falling parameter values, unless the transform mirrors.
    const bool ccw = FState.DC.ArcDirection != AD_CLOCKWISE;
    const double dir = ((M.Det() > 0) == ccw) ? -1 : 1;
    double sweep = std::fmod((t1 - t0) * dir, 2 * Pi);
    if (sweep < 0) sweep += 2 * Pi;
    if (sweep < 1e-9) sweep = 2 * Pi; // the same ray twice: the whole ellipse
    const double radius = std::max(a * M.ScaleX(), b * M.ScaleY());
    const int n = Segments(radius * sweep, 4);
    std::vector<DPoint> points;
    points.reserve(std::size_t(n) + 2);
    for (int k = 0; k <= n; ++k) {
        const double t = t0 + dir * sweep * k / n;
        points.push_back({cx + a * std::cos(t), cy + b * std::sin(t)});
    }
    return points;
}

void Output::Arc(ArcKind Kind, const DRect& Box, DPoint Start, DPoint End) {
    const Matrix m = FState.Transform();
    std::vector<DPoint> points = ArcPoints(m, Box, Start, End);
    if (points.empty()) return;
    if (Kind == ArcKind::ArcTo) {
        const DPoint from = FState.DC.Position;
        FState.DC.Position = points.back();
        points.insert(points.begin(), from);
    }
    if (!Drawing()) return;
    ApplyClip();
    if (Kind == ArcKind::Pie) points.push_back({(Box.Left + Box.Right) / 2, (Box.Top + Box.Bottom) / 2});
    Shape(Device(m, points), Kind == ArcKind::Chord || Kind == ArcKind::Pie);
}

void Output::AngleArc(DPoint Center, double Radius, double StartAngle, double SweepAngle) {
    if (!std::isfinite(Radius) || !std::isfinite(StartAngle) || !std::isfinite(SweepAngle)) return;
    const Matrix m = FState.Transform();
    const double sweep = std::clamp(SweepAngle, -360.0, 360.0) * Pi / 180, start = StartAngle * Pi / 180;
    const int n = Segments(std::fabs(Radius * sweep) * std::max(m.ScaleX(), m.ScaleY()), 2);
    std::vector<DPoint> points;
    for (int k = 0; k <= n; ++k) {
        const double t = start + sweep * k / n;
        points.push_back({Center.X + Radius * std::cos(t), Center.Y - Radius * std::sin(t)});
    }
    Polyline(points, true);
}

void Output::SetPixel(DPoint At, TColor Color) {
    if (!Drawing()) return;
    ApplyClip();
    const TPoint p = Device(FState.Transform(), At);
    FCanvas->Backend()->SetPixel(p.X, p.Y, Color);
}

void Output::Text(DPoint Ref, const std::u32string& Chars, const std::vector<double>& Dx,
                  std::uint32_t Options, const DRect* Rect) {
    DeviceContext& dc = FState.DC;
    const bool fromCurrent = dc.TextAlign & TA_UPDATECP;
    const DPoint origin = fromCurrent ? dc.Position : Ref;
    const Cardinal opts = Options & (ETO_CLIPPED | ETO_OPAQUE);
    const bool advances = !Chars.empty() && Dx.size() >= Chars.size();
    double logicalWidth = 0;
    for (std::size_t i = 0; advances && i < Chars.size(); ++i)
        logicalWidth += Dx[i];
    if (!Drawing() || (Chars.empty() && !(opts & ETO_OPAQUE))) {
        if (fromCurrent) dc.Position.X += logicalWidth;
        return;
    }
    ApplyClip();
    const Matrix m = FState.Transform();
    TextState state;
    state.Font = Font(m);
    state.TextColor = dc.TextColor;
    state.BkColor = dc.BkColor;
    state.Opaque = dc.BkMode == OPAQUE;
    TextMeasurer& measurer = FCanvas->Measurer();
    const String text = core::U32ToUtf8(Chars);
    const double sx = m.ScaleX();
    const double width = advances ? logicalWidth * sx : measurer.TextWidth(state.Font, text);
    if (fromCurrent) dc.Position.X += advances ? logicalWidth : (sx > 0 ? width / sx : 0);

    const TextMetrics metrics = measurer.Metrics(state.Font);
    double along = 0, down = 0;
    if ((dc.TextAlign & TA_CENTER) == TA_CENTER)
        along = -width / 2;
    else if (dc.TextAlign & TA_RIGHT)
        along = -width;
    if ((dc.TextAlign & TA_BASELINE) == TA_BASELINE)
        down = -metrics.Ascent;
    else if (dc.TextAlign & TA_BOTTOM)
        down = -metrics.Height;
    // The text line's direction and the direction down from it on the device.
    const double theta = state.Font.Orientation * Pi / 1800;
    const DPoint u{std::cos(theta), -std::sin(theta)}, v{std::sin(theta), std::cos(theta)};
    const DPoint o = m.Map(origin);
    const DPoint start{o.X + along * u.X + down * v.X, o.Y + along * u.Y + down * v.Y};

    TRect box;
    const TRect* boxPtr = nullptr;
    if (Rect && opts) {
        box = FCanvas->ToDevice(FState.ToTarget(*Rect));
        boxPtr = &box;
    }
    auto* backend = FCanvas->Backend();
    if (!advances || Chars.size() == 1) {
        const TPoint p = FCanvas->ToDevice(ToPixel(start));
        backend->TextOut(p.X, p.Y, opts, boxPtr, text, state);
        return;
    }
    // Each character where the file placed it; those that cannot reach the
    // visible area are left out, which keeps a long line on a zoomed page quick.
    TRect visible = Visible();
    const Integer reach = 2 * std::abs(state.Font.Height) + 2;
    InflateRect(visible, reach, reach);
    double at = 0;
    for (std::size_t i = 0; i < Chars.size(); ++i) {
        const TPoint p = FCanvas->ToDevice(ToPixel(DPoint{start.X + at * u.X, start.Y + at * u.Y}));
        if (i == 0 || PtInRect(visible, p))
            backend->TextOut(p.X, p.Y, i == 0 ? opts : opts & ~Cardinal(ETO_OPAQUE), boxPtr,
                             core::U32ToUtf8(Chars.substr(i, 1)), state);
        at += Dx[i] * sx;
    }
}

void Output::Bitmap(const DRect& Dest, const PixelBuffer* Source, Cardinal Rop, TColor SourceBkColor) {
    if (!Drawing()) return;
    ApplyClip();
    const Matrix m = FState.Transform();
    const TPoint a = ToPixel(m.Map({Dest.Left, Dest.Top})), b = ToPixel(m.Map({Dest.Right, Dest.Bottom}));
    const bool mirrorX = m.AxisAligned() && b.X < a.X, mirrorY = m.AxisAligned() && b.Y < a.Y;
    const TRect target = m.AxisAligned() ? TRect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X),
                                                 std::max(a.Y, b.Y))
                                         : FState.ToTarget(Dest);
    const TRect whole = FCanvas->ToDevice(target);
    if (IsRectEmpty(whole)) return;
    const TRect part = VisiblePart(FCanvas, whole);
    if (IsRectEmpty(part)) return;
    TRect dst = part;
    OffsetRect(dst, whole.Left, whole.Top);
    auto* backend = FCanvas->Backend();
    const BrushState pattern = Brush(FState.DC.Brush);
    if (!Source || Source->Width <= 0 || Source->Height <= 0) {
        backend->Blt(dst, nullptr, Rop, pattern, FState.DC.TextColor, FState.DC.BkColor);
        return;
    }
    PixelBuffer mirrored;
    const PixelBuffer* src = Source;
    if (mirrorX || mirrorY) {
        mirrored = *Source;
        Mirror(mirrored, mirrorX, mirrorY);
        src = &mirrored;
    }
    PixelBuffer pixels = StretchPart(*src, whole.Width(), whole.Height(), part);
    // A bitmap of the file carries its own colours, even at one bit a pixel.
    pixels.Monochrome = false;
    pixels = ConvertForDestination(pixels, backend->Monochrome(), FState.DC.TextColor, FState.DC.BkColor,
                                   SourceBkColor);
    backend->Blt(dst, &pixels, Rop, pattern, FState.DC.TextColor, FState.DC.BkColor);
}

void Output::FillRegion(const TRegion& Region, const LogBrush& B) {
    if (!Drawing()) return;
    ApplyClip();
    const BrushState brush = Brush(B);
    if (brush.Style == bsClear && !brush.Bitmap) return;
    for (const TRect& r : Region.Rects())
        FCanvas->Backend()->FillRect(FCanvas->ToDevice(r), brush);
}

} // namespace graphics::metafile
