#include "controls/shapes/UtlRegions.h"

#include "platform/core/NumberFormat.h"

#include <cmath>
#include <numbers>

namespace {

Integer Rnd(double v) {
    return Integer(Round(v));
}

HRGN Own(TRegion r) {
    return new TRegion(std::move(r));
}

TRegion Bubbles(const TRect& s, Integer n, Integer count, TUtlExtPos pos) {
    // Starts empty: only the bubbles themselves belong to it.
    TRegion all;
    for (const TRect& b : utl::ThinkBubbles(s, n, count, pos))
        all = all.United(TRegion::Ellipse(b));
    return all;
}

} // namespace

namespace utl {

TRect ShrinkForExtension(const TRect& R, Integer N, TUtlExtPos Pos) {
    TRect s = R;
    if (Pos <= epRightTop)
        s.Top += N;
    else
        s.Bottom -= N;
    if (Pos == epLeftTop || Pos == epTopLeft || Pos == epBottomLeft || Pos == epLeftBottom)
        s.Left += N;
    else
        s.Right -= N;
    return s;
}

std::vector<TPoint> NoseTriangle(const TRect& S, Integer N, Integer Width, TUtlExtPos Pos) {
    const Integer s = Rnd(std::sqrt(2.0 * N * N)), w = Width;
    const Integer L = S.Left, T = S.Top, R = S.Right, B = S.Bottom;
    switch (Pos) {
    case epLeftTop:
        return {{L - N, T - N}, {L, T + w}, {L, T + w + s}};
    case epTopLeft:
        return {{L - N, T - N}, {L + w, T}, {L + w + s, T}};
    case epTopRight:
        return {{R + N, T - N}, {R - w, T}, {R - w - s, T}};
    case epRightTop:
        return {{R + N, T - N}, {R, T + w}, {R, T + w + s}};
    case epRightBottom:
        return {{R + N, B + N}, {R, B - w}, {R, B - w - s}};
    case epBottomRight:
        return {{R + N, B + N}, {R - w, B}, {R - w - s, B}};
    case epBottomLeft:
        return {{L - N, B + N}, {L + w, B}, {L + w + s, B}};
    case epLeftBottom:
        return {{L - N, B + N}, {L, B - w}, {L, B - w - s}};
    }
    return {};
}

std::vector<TRect> ThinkBubbles(const TRect& S, Integer N, Integer Count, TUtlExtPos Pos) {
    std::vector<TRect> out;
    if (Count <= 0) return out;
    const Integer L = S.Left, T = S.Top, R = S.Right, B = S.Bottom;
    for (Integer i = 0; i <= Count + 1; ++i) {
        const double a = (90.0 / (Count + 1)) * i * std::numbers::pi / 180.0;
        const Integer d = Rnd(i * N * 2 * std::numbers::pi / 4 / Count / Count);
        const Integer c = Rnd(std::cos(a) * N), sn = Rnd(std::sin(a) * N);
        // The angle 1.57 stands for the right angle.
        const Integer cc = Rnd(std::cos(1.57 - a) * N), sc = Rnd(std::sin(1.57 - a) * N);
        TPoint m;
        switch (Pos) {
        case epLeftTop:
            m = {L - c, T - N + sn};
            break;
        case epTopLeft:
            m = {L - N + cc, T - sc};
            break;
        case epTopRight:
            m = {R + N - cc, T - Rnd(std::sin(1.57 + a) * N)};
            break;
        case epRightTop:
            m = {R + c, T - N + sn};
            break;
        case epRightBottom:
            m = {R + c, B + N - sn};
            break;
        case epBottomRight:
            m = {R + N - cc, B + sc};
            break;
        case epBottomLeft:
            m = {L - N + cc, B + sc};
            break;
        case epLeftBottom:
            m = {L - c, B + N - sn};
            break;
        }
        out.push_back(TRect(m.X - d / 2, m.Y - d / 2, m.X + d / 2, m.Y + d / 2));
    }
    return out;
}

std::vector<TPoint> DiamondPoints(const TRect& R) {
    const Integer cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
    return {{cx, R.Top}, {R.Left, cy}, {cx, R.Bottom}, {R.Right, cy}};
}

std::vector<TPoint> StarPoints(const TRect& R) {
    const Integer W = R.Width(), H = R.Height();
    auto X = [&](double f) { return R.Left + Rnd(W * f); };
    auto Y = [&](double f) { return R.Top + Rnd(H * f); };
    return {{X(0.5), R.Top},     {X(0.65), Y(0.38)}, {R.Right, Y(0.38)},  {X(0.7), Y(0.6)},
            {X(0.85), R.Bottom}, {X(0.5), Y(0.75)},  {X(0.15), R.Bottom}, {X(0.3), Y(0.6)},
            {R.Left, Y(0.38)},   {X(0.35), Y(0.38)}};
}

std::vector<TPoint> OctagonPoints(const TRect& R) {
    const Integer L = R.Left, T = R.Top, W3 = R.Width() / 3, H3 = R.Height() / 3;
    return {{L + 2 * W3, T},       {L + W3, T},        {L, T + H3},
            {L, T + 2 * H3},       {L + W3, R.Bottom}, {L + 2 * W3, R.Bottom},
            {R.Right, T + 2 * H3}, {R.Right, T + H3}};
}

std::vector<TPoint> CombPoints(const TRect& R) {
    const Integer cx = R.Left + R.Width() / 2, T = R.Top, H4 = R.Height() / 4;
    return {{cx, T},        {R.Left, T + H4},      {R.Left, T + 3 * H4},
            {cx, R.Bottom}, {R.Right, T + 3 * H4}, {R.Right, T + H4}};
}

} // namespace utl

HRGN UtlCreateDiamondRgn(const TRect& R) {
    return Own(TRegion::Polygon(utl::DiamondPoints(R)));
}

HRGN UtlCreateStarRgn(const TRect& R) {
    return Own(TRegion::Polygon(utl::StarPoints(R)));
}

HRGN UtlCreateOctagonRgn(const TRect& R) {
    return Own(TRegion::Polygon(utl::OctagonPoints(R)));
}

HRGN UtlCreateCombRgn(const TRect& R) {
    return Own(TRegion::Polygon(utl::CombPoints(R)));
}

namespace {

// The two rounded notches at the top corners and the band above the shield.
TRegion ShieldCuts(Integer W, Integer H) {
    const Integer ax = W / 2, ay = H / 5;
    return TRegion::Ellipse(TRect(-ax, -ay, ax, ay))
        .United(TRegion::Ellipse(TRect(W - ax, -ay, W + ax, ay)))
        .United(TRegion(TRect(0, -40, W, 0)));
}

// A shield built at (0, 0), cut to its rectangle (the ellipses reach far above
// it) and moved to R.
HRGN PlaceShield(TRegion shield, const TRect& R) {
    TRegion placed = shield.Intersected(TRegion(TRect(0, 0, R.Width(), R.Height())));
    placed.Offset(R.Left, R.Top);
    return Own(std::move(placed));
}

} // namespace

HRGN UtlCreateRoundShieldRgn(const TRect& R) {
    const Integer W = R.Width(), H = R.Height();
    const TRegion body = TRegion::Ellipse(TRect(0, H / 5 - H, W, H));
    return PlaceShield(body.Subtracted(ShieldCuts(W, H)), R);
}

HRGN UtlCreateSharpShieldRgn(const TRect& R) {
    const Integer W = R.Width(), H = R.Height(), h = 8 * H / 7;
    const TRegion body =
        TRegion::Ellipse(TRect(-W, -h, W, h)).Intersected(TRegion::Ellipse(TRect(0, -h, 2 * W, h)));
    return PlaceShield(body.Subtracted(ShieldCuts(W, H)), R);
}

HRGN UtlCreateNoseRectRgn(const TRect& R, Integer NoseSize, TUtlExtPos ExtPos) {
    const TRect s = utl::ShrinkForExtension(R, NoseSize, ExtPos);
    return Own(TRegion(s).United(TRegion::Polygon(utl::NoseTriangle(s, NoseSize, 5, ExtPos))));
}

HRGN UtlCreateRoundNoseRectRgn(const TRect& R, Integer NoseSize, Integer RoundX, Integer RoundY,
                               TUtlExtPos ExtPos) {
    const TRect s = utl::ShrinkForExtension(R, NoseSize, ExtPos);
    const bool side =
        ExtPos == epLeftTop || ExtPos == epRightTop || ExtPos == epRightBottom || ExtPos == epLeftBottom;
    return Own(TRegion::RoundRect(s, RoundX, RoundY)
                   .United(TRegion::Polygon(utl::NoseTriangle(s, NoseSize, side ? RoundY : RoundX, ExtPos))));
}

HRGN UtlCreateThinkBubbleRgn(const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos) {
    const TRect s = utl::ShrinkForExtension(R, Size, ExtPos);
    return Own(TRegion(s).United(Bubbles(s, Size, Count, ExtPos)));
}

HRGN UtlCreateRoundThinkBubbleRgn(const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos,
                                  Integer RoundX, Integer RoundY) {
    const TRect s = utl::ShrinkForExtension(R, Size, ExtPos);
    return Own(TRegion::RoundRect(s, RoundX, RoundY).United(Bubbles(s, Size, Count, ExtPos)));
}

HRGN UtlCreateEllipticThinkBubbleRgn(const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos) {
    const TRect s = utl::ShrinkForExtension(R, Size, ExtPos);
    return Own(TRegion::Ellipse(s).United(Bubbles(s, Size, Count, ExtPos)));
}
