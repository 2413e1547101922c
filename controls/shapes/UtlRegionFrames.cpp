#include "controls/shapes/UtlRegionFrames.h"

#include <algorithm>
#include <map>

namespace {

utl::Stroke Poly(std::vector<TPoint> p) {
    return utl::Stroke{std::move(p), false, {}, {}, {}};
}
utl::Stroke Arc(const TRect& box, TPoint from, TPoint to) {
    return utl::Stroke{{}, true, box, from, to};
}

} // namespace

namespace utl {

namespace {

void Draw(TCanvas* c, const std::vector<Stroke>& strokes, TColor color) {
    c->Pen()->SetColor(color);
    for (const Stroke& s : strokes) {
        if (s.IsArc)
            c->Arc(s.Box.Left, s.Box.Top, s.Box.Right, s.Box.Bottom, s.From.X, s.From.Y, s.To.X, s.To.Y);
        else if (s.Points.size() >= 2)
            c->Polyline(s.Points);
    }
}

} // namespace

void PaintBorderScheme(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                       TUtlRegionBorderStyle Style, const OutlineOf& Outline, Integer Inset,
                       Integer PsbInset) {
    if (!Canvas || Style == rbNone) return;
    const OutlineParts outer = Outline(R, 0);
    auto inner = [&](Integer by) {
        TRect r = R;
        InflateRect(r, -by, -by);
        return Outline(r, by);
    };
    auto both = [&](const OutlineParts& o, TColor ul, TColor lr) {
        Draw(Canvas, o.UpperLeft, ul);
        Draw(Canvas, o.LowerRight, lr);
    };
    switch (Style) {
    case rbNone:
        break;
    case rbRaised:
        both(outer, A, B);
        break;
    case rbLowered:
        both(outer, B, A);
        break;
    case rbSingle:
        both(outer, C, C);
        break;
    case rbSingleRaised:
    case rbSingleLowered: {
        both(outer, C, C);
        const OutlineParts o = inner(Inset);
        if (Style == rbSingleRaised)
            both(o, A, B);
        else
            both(o, B, A);
        break;
    }
    case rbRaisedpsb:
    case rbLoweredpsb: {
        both(outer, Style == rbRaisedpsb ? A : B, C);
        const OutlineParts o = inner(PsbInset);
        Draw(Canvas, o.Second.empty() ? o.LowerRight : o.Second, Style == rbRaisedpsb ? B : A);
        break;
    }
    }
}

OutlineParts PolygonOutline(const std::vector<TPoint>& Points, std::size_t First, std::size_t Split) {
    OutlineParts o;
    const std::size_t n = Points.size();
    if (n < 2) return o;
    std::vector<TPoint> lit, shaded;
    for (std::size_t i = First;; i = (i + 1) % n) {
        lit.push_back(Points[i]);
        if (i == Split) break;
    }
    for (std::size_t i = Split;; i = (i + 1) % n) {
        shaded.push_back(Points[i]);
        if (i == First) break;
    }
    o.UpperLeft.push_back(Poly(lit));
    o.LowerRight.push_back(Poly(shaded));
    return o;
}

OutlineParts RegionOutline(const TRegion& Region) {
    // Per row the leftmost and rightmost pixel.
    std::map<Integer, std::pair<Integer, Integer>> rows;
    for (const TRect& r : Region.Rects())
        for (Integer y = r.Top; y < r.Bottom; ++y) {
            auto [it, fresh] = rows.try_emplace(y, r.Left, r.Right - 1);
            if (!fresh) {
                it->second.first = std::min(it->second.first, r.Left);
                it->second.second = std::max(it->second.second, r.Right - 1);
            }
        }
    OutlineParts o;
    if (rows.empty()) return o;
    std::vector<TPoint> left, right;
    for (const auto& [y, span] : rows) {
        left.push_back({span.first, y});
        right.push_back({span.second, y});
    }
    const auto& top = rows.begin()->second;
    const auto& bottom = rows.rbegin()->second;
    const Integer yt = rows.begin()->first, yb = rows.rbegin()->first;
    // Lit: the top row from right to left, then down the left side.
    std::vector<TPoint> lit{{top.second + 1, yt}};
    lit.insert(lit.end(), left.begin(), left.end());
    lit.push_back({left.back().X, yb + 1});
    // Shaded: down the right side, then the bottom row from right to left.
    std::vector<TPoint> shaded(right.begin(), right.end());
    shaded.push_back({bottom.first - 1, yb});
    std::vector<TPoint> bottomRow{{bottom.second, yb}, {bottom.first - 1, yb}};
    o.UpperLeft.push_back(Poly(lit));
    o.LowerRight.push_back(Poly(shaded));
    o.LowerRight.push_back(Poly(bottomRow));
    return o;
}

} // namespace utl

namespace {

using utl::OutlineParts;
using utl::Stroke;

OutlineParts RectOutline(const TRect& r, Integer) {
    OutlineParts o;
    o.UpperLeft.push_back(Poly({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right - 1, r.Top}}));
    o.LowerRight.push_back(
        Poly({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}}));
    return o;
}

OutlineParts EllipseOutline(const TRect& box) {
    OutlineParts o;
    o.UpperLeft.push_back(Arc(box, {box.Right, box.Top}, {box.Left, box.Bottom}));
    o.LowerRight.push_back(Arc(box, {box.Left, box.Bottom}, {box.Right, box.Top}));
    return o;
}

OutlineParts RoundRectOutline(const TRect& r, Integer rx, Integer ry) {
    rx = std::max<Integer>(rx, 0);
    ry = std::max<Integer>(ry, 0);
    const Integer L = r.Left, T = r.Top, R = r.Right, B = r.Bottom, hx = rx / 2, hy = ry / 2;
    OutlineParts o;
    // Split at the diagonals of the top-right and bottom-left corners.
    o.UpperLeft.push_back(Arc(TRect(R - rx, T, R, T + ry), {R, T}, {R - hx, T}));
    o.UpperLeft.push_back(Poly({{R - hx, T}, {L + hx, T}}));
    o.UpperLeft.push_back(Arc(TRect(L, T, L + rx, T + ry), {L + hx, T}, {L, T + hy}));
    o.UpperLeft.push_back(Poly({{L, T + hy}, {L, B - hy}}));
    o.UpperLeft.push_back(Arc(TRect(L, B - ry, L + rx, B), {L, B - hy}, {L, B}));
    o.LowerRight.push_back(Arc(TRect(L, B - ry, L + rx, B), {L, B}, {L + hx, B}));
    o.LowerRight.push_back(Poly({{L + hx, B - 1}, {R - hx, B - 1}}));
    o.LowerRight.push_back(Arc(TRect(R - rx, B - ry, R, B), {R - hx, B}, {R, B - hy}));
    o.LowerRight.push_back(Poly({{R - 1, B - hy}, {R - 1, T + hy}}));
    o.LowerRight.push_back(Arc(TRect(R - rx, T, R, T + ry), {R, T + hy}, {R, T}));
    return o;
}

OutlineParts StarOutline(const TRect& r, Integer) {
    const std::vector<TPoint> P = utl::StarPoints(r);
    OutlineParts o;
    o.UpperLeft = {Poly({P[1], P[2]}), Poly({P[3], P[4]}), Poly({P[6], P[7]}), Poly({P[8], P[9], P[0]})};
    o.LowerRight = {Poly({P[0], P[1]}), Poly({P[2], P[3]}), Poly({P[4], P[5], P[6]}), Poly({P[7], P[8]})};
    return o;
}

OutlineParts DiamondOutline(const TRect& r, Integer) {
    const std::vector<TPoint> P = utl::DiamondPoints(r); // top, left, bottom, right
    OutlineParts o;
    o.UpperLeft.push_back(Poly({P[1], P[0], P[3]}));
    o.LowerRight.push_back(Poly({P[3], P[2], P[1]}));
    o.Second.push_back(Poly({P[0], P[3], P[2]})); // the right half
    return o;
}

// Runs the painter over each bubble, keeps the bubbles out of the clip, then
// paints the main outline; the clip is as before afterwards.
template <typename Main>
void WithBubbles(TCanvas* c, const TRect& R, Integer size, Integer count, TUtlExtPos pos, TColor A, TColor B,
                 TColor C, TUtlRegionBorderStyle style, Main&& main) {
    const TRect s = utl::ShrinkForExtension(R, size, pos);
    const std::unique_ptr<TRegion> saved = c->ClipRegion();
    for (const TRect& bubble : utl::ThinkBubbles(s, size, count, pos)) {
        if (IsRectEmpty(bubble)) continue;
        UtlFrameEllipticRgn(c, bubble, A, B, C, style);
        c->ExcludeClipRect(bubble);
    }
    main(s);
    c->SetClipRegion(saved.get());
}

} // namespace

void UtlFrameRectRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                     TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, RectOutline);
}

void UtlFrameRoundRectRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                          TUtlRegionBorderStyle Style, Integer RoundX, Integer RoundY) {
    // The inner outline's corners shrink with it.
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, [&](const TRect& r, Integer inset) {
        return RoundRectOutline(r, RoundX - 2 * inset, RoundY - 2 * inset);
    });
}

void UtlFrameEllipticRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                         TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style,
                           [](const TRect& r, Integer) { return EllipseOutline(r); });
}

void UtlFrameHalfRoundRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                          TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, [](const TRect& r, Integer) {
        return EllipseOutline(TRect(r.Left, 2 * r.Top - r.Bottom, r.Right, r.Bottom));
    });
}

void UtlFrameDiamondRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                        TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, DiamondOutline);
}

void UtlFrameStarRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                     TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, StarOutline, 2, 3);
}

void UtlFrameOctagonRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                        TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, [](const TRect& r, Integer) {
        return utl::PolygonOutline(utl::OctagonPoints(r), 7, 3);
    });
}

void UtlFrameCombRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                     TUtlRegionBorderStyle Style) {
    // Comb points: top, upper left, lower left, bottom, lower right, upper right.
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, [](const TRect& r, Integer) {
        return utl::PolygonOutline(utl::CombPoints(r), 5, 2);
    });
}

void UtlFrameRoundShieldRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                            TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, [](const TRect& r, Integer) {
        HRGN shield = UtlCreateRoundShieldRgn(r);
        OutlineParts o = utl::RegionOutline(*shield);
        DeleteObject(shield);
        return o;
    });
}

void UtlFrameSharpShieldRgn(TCanvas* Canvas, const TRect& R, TColor A, TColor B, TColor C,
                            TUtlRegionBorderStyle Style) {
    utl::PaintBorderScheme(Canvas, R, A, B, C, Style, [](const TRect& r, Integer) {
        HRGN shield = UtlCreateSharpShieldRgn(r);
        OutlineParts o = utl::RegionOutline(*shield);
        DeleteObject(shield);
        return o;
    });
}

void UtlFrameThinkBubbleRgn(TCanvas* Canvas, const TRect& R, Integer Size, Integer Count, TUtlExtPos ExtPos,
                            TColor A, TColor B, TColor C, TUtlRegionBorderStyle Style) {
    if (!Canvas) return;
    WithBubbles(Canvas, R, Size, Count, ExtPos, A, B, C, Style,
                [&](const TRect& s) { UtlFrameRectRgn(Canvas, s, A, B, C, Style); });
}

void UtlFrameEllipticThinkBubbleRgn(TCanvas* Canvas, const TRect& R, Integer Size, Integer Count,
                                    TUtlExtPos ExtPos, TColor A, TColor B, TColor C,
                                    TUtlRegionBorderStyle Style) {
    if (!Canvas) return;
    WithBubbles(Canvas, R, Size, Count, ExtPos, A, B, C, Style,
                [&](const TRect& s) { UtlFrameEllipticRgn(Canvas, s, A, B, C, Style); });
}

void UtlFrameRoundThinkBubbleRgn(TCanvas* Canvas, const TRect& R, Integer Size, Integer Count,
                                 TUtlExtPos ExtPos, Integer RoundX, Integer RoundY, TColor A, TColor B,
                                 TColor C, TUtlRegionBorderStyle Style) {
    if (!Canvas) return;
    WithBubbles(Canvas, R, Size, Count, ExtPos, A, B, C, Style,
                [&](const TRect& s) { UtlFrameRoundRectRgn(Canvas, s, A, B, C, Style, RoundX, RoundY); });
}

void UtlFramePointList(TCanvas* Canvas, const std::vector<TPoint>& Points, TColor A, TColor B, TColor C,
                       TUtlRegionBorderStyle Style) {
    if (!Canvas || Points.empty() || Style == rbNone) return;
    TColor up = A, down = B;
    if (Style == rbLowered || Style == rbSingleLowered || Style == rbLoweredpsb) std::swap(up, down);
    if (Style == rbSingle) up = down = C;
    TColor color = up;
    const std::size_t n = Points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TPoint a = Points[i], b = Points[(i + 1) % n];
        if (b.Y > a.Y)
            color = down;
        else if (b.Y < a.Y)
            color = up;
        if (b.X < a.X)
            color = down;
        else if (b.X > a.X)
            color = up;
        Canvas->Pen()->SetColor(color);
        Canvas->MoveTo(a.X, a.Y);
        Canvas->LineTo(b.X, b.Y);
    }
}
