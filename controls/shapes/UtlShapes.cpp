#include "controls/shapes/UtlShapes.h"

#include "controls/services/TUtlApplication.h"
#include "controls/drawing/UtlBitmaps.h"
#include "controls/common/UtlCanvasGuard.h"
#include "platform/core/NumberFormat.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <cmath>

namespace {

Integer Rnd(double v) {
    return Integer(Round(v));
}

// The quantities both routines share.
struct Geometry {
    Integer W = 0, H = 0; // of ARect
    Integer D = 0;        // shadow depth
    Integer Lw = 1, B1 = 0, B2 = 0;
    Integer L = 0, T = 0, R = 0, Bm = 0, Cx = 0, Cy = 0;
    Integer Corner = 0;
};

Geometry Measure(const TRect& a, TUtlTeeth* teeth, bool square, TUtlPercent roundPercent,
                 TUtlSimpleBevel* bevel, TUtlShadow* shadow) {
    Geometry g;
    g.W = a.Width();
    g.H = a.Height();
    g.D = shadow ? shadow->Active() : 0;
    g.Lw = !teeth && bevel ? bevel->Width() : 1;
    g.B1 = g.Lw / 2;
    g.B2 = (g.Lw - 1) / 2;
    Integer ox = 0, oy = 0;
    if (square) {
        if (g.W <= g.H)
            oy = (g.H - g.W) / 2;
        else
            ox = (g.W - g.H) / 2;
    }
    g.L = ox + g.D;
    g.T = oy + g.D;
    g.R = g.W - ox;
    g.Bm = g.H - oy;
    g.Cx = g.L + (g.R - g.L) / 2;
    g.Cy = g.T + (g.Bm - g.T) / 2;
    g.Corner = Integer(Int64(std::min(g.W - g.D, g.H - g.D)) * roundPercent / 100);
    return g;
}

std::vector<TPoint> Outline(const Geometry& g, TUtlShapeType shape) {
    const Integer L = g.L, T = g.T, R = g.R, Bm = g.Bm, cx = g.Cx, cy = g.Cy, b1 = g.B1, b2 = g.B2;
    const Integer W = R - L, H = Bm - T;
    switch (shape) {
    case stEllipse:
    case stRectangle:
        return {{L, T}, {R, Bm}, {L + b1, T + b1}, {R - b2, Bm - b2}};
    case stRoundRect: {
        const Integer r = g.Corner;
        return {{L, T}, {R, Bm}, {r, r}, {L + b1, T + b1}, {R, Bm}, {r + g.D, r + g.D}};
    }
    case stDirectUp:
        return {{cx, T}, {R, Bm}, {L, Bm}, {cx, T + b1}, {R - b2, Bm - b2}, {L + 2 * b1, Bm}};
    case stDirectRight:
        return {{L, T}, {R, cy}, {L, Bm}, {L + b1, T + b1}, {R - b2, cy}, {L + b1, Bm - b2}};
    case stDirectDown:
        return {{L, T}, {R, T}, {cx, Bm}, {L + b1, T + b1}, {R - b2, T + b1}, {cx, Bm}};
    case stDirectLeft:
        return {{R, T}, {L, cy}, {R, Bm}, {R - b2, T + b1}, {L + b1, cy}, {R - b2, Bm - b2}};
    case stDiamond:
        return {{cx, T}, {R, cy}, {cx, Bm}, {L, cy}, {cx, T + b1}, {R - b2, cy}, {cx, Bm - b2}, {L + b1, cy}};
    case stComb: {
        const Integer c = Rnd(H / 5.0);
        return {{cx, T},
                {R, T + c},
                {R, T + 4 * c},
                {cx, Bm},
                {L, T + 4 * c},
                {L, T + c},
                {cx, T + b1},
                {R - b2, T + c + b1},
                {R - b2, T + 4 * c + b1},
                {cx, Bm - b2},
                {L + b1, T + 4 * c + b1},
                {L + b1, T + c + b1}};
    }
    case stOctagon: {
        const double k = std::sqrt(2.0) + 2;
        const Integer a = Rnd(W / k), b = Rnd(H / k), sa = Rnd(std::sqrt(2.0) * a),
                      sb = Rnd(std::sqrt(2.0) * b);
        return {{L + a, T},
                {L + a + sa, T},
                {R, T + b},
                {R, T + b + sb},
                {L + a + sa, Bm},
                {L + a, Bm},
                {L, T + b + sb},
                {L, T + b},
                {L + a + b1, T + b1},
                {L + a + sa + b1, T + b1},
                {R - b2, T + b + b1},
                {R - b2, T + b + sb + b1},
                {L + a + sa + b1, Bm - b2},
                {L + a + b1, Bm - b2},
                {L + b1, T + b + sb + b1},
                {L + b1, T + b + b1}};
    }
    case stStar: {
        auto X = [&](double f) { return L + Rnd(W * f); };
        auto Y = [&](double f) { return T + Rnd(H * f); };
        std::vector<TPoint> p = {{cx, T},       {X(0.65), Y(0.38)}, {R, Y(0.38)},  {X(0.7), Y(0.6)},
                                 {X(0.85), Bm}, {cx, Y(0.75)},      {X(0.15), Bm}, {X(0.3), Y(0.6)},
                                 {L, Y(0.38)},  {X(0.35), Y(0.38)}};
        // The inner chain moves only the five tips.
        p.push_back({cx, T + b1});
        p.push_back(p[1]);
        p.push_back({R - b2, Y(0.38)});
        p.push_back(p[3]);
        p.push_back({X(0.85), Bm - b2});
        p.push_back(p[5]);
        p.push_back({X(0.15), Bm - b2});
        p.push_back(p[7]);
        p.push_back({L + b2, Y(0.38)});
        p.push_back(p[9]);
        return p;
    }
    }
    return {};
}

std::vector<TPoint> Toothed(const Geometry& g, TUtlTeeth* teeth) {
    const Integer L = g.L, T = g.T, R = g.R, Bm = g.Bm;
    const TUtlDirection dir = teeth->Direction();
    const bool vertical = dir == tdRight || dir == tdLeft;
    const Integer side = vertical ? Bm - T : R - L;
    teeth->BeginUpdate();
    Integer n = 0;
    if (teeth->SetPerCount()) {
        n = 2 * teeth->Count();
        // No teeth for a count of 0 rather than a division by zero.
        if (n > 0) teeth->SetInteger(vertical ? 1 : 0, Rnd(double(side) / n));
    } else {
        const Integer step = vertical ? teeth->Height() : teeth->Width();
        n = step != 0 ? 2 * Rnd(double(side) / step) : 0;
    }
    const Integer k = teeth->Offset() ? 0 : 1, tw = teeth->Width(), th = teeth->Height();
    std::vector<TPoint> p;
    switch (dir) {
    case tdRight:
        p = {{R - k * tw - 1, Bm - 1}, {L, Bm - 1}, {L, T}, {R - k * tw - 1, T}};
        break;
    case tdDown:
        p = {{R - 1, Bm - k * th}, {R - 1, T}, {L, T}, {L, Bm - k * th}};
        break;
    case tdLeft:
        p = {{L + k * tw, Bm - 1}, {R - 1, Bm - 1}, {R - 1, T}, {L + k * tw, T}};
        break;
    case tdUp:
        p = {{R - 1, T + k * th}, {R - 1, Bm - 1}, {L, Bm - 1}, {L, T + k * th}};
        break;
    }
    auto phase = [&](Integer i) { return teeth->Offset() ? i % 2 : (i + 1) % 2; };
    for (Integer i = 0; i <= n; ++i) {
        const Integer q = phase(i);
        switch (dir) {
        case tdRight:
            p.push_back({R - q * tw - 1, std::min(T + i * th, Bm)});
            break;
        case tdDown:
            p.push_back({std::min(L + i * tw, R), Bm - q * th});
            break;
        case tdLeft:
            p.push_back({L + q * tw, std::min(T + i * th, Bm)});
            break;
        case tdUp:
            p.push_back({std::min(L + i * tw, R), T + q * th});
            break;
        }
    }
    const Integer q = phase(n);
    switch (dir) {
    case tdRight:
        p.push_back({R - q * tw - 1, Bm});
        break;
    case tdDown:
        p.push_back({R, Bm - q * th});
        break;
    case tdLeft:
        p.push_back({L + q * tw, Bm});
        break;
    case tdUp:
        p.push_back({R, T + q * th});
        break;
    }
    teeth->EndUpdate(false);
    return p;
}

// Outer chain: the first half of the points (teeth: all of them).
std::vector<TPoint> Chain(const std::vector<TPoint>& p, std::size_t from, std::size_t count) {
    return std::vector<TPoint>(p.begin() + std::ptrdiff_t(from), p.begin() + std::ptrdiff_t(from + count));
}

// Draws the outer (inner false) or inner chain of the shape filled with the canvas tools.
void DrawChain(TCanvas* c, TUtlShapeType shape, bool teeth, const std::vector<TPoint>& p, bool inner,
               Integer corner) {
    if (teeth) {
        c->Polygon(p);
        return;
    }
    const std::size_t half = p.size() / 2;
    const std::size_t at = inner ? half : 0;
    switch (shape) {
    case stEllipse:
        c->Ellipse(TRect(p[at], p[at + 1]));
        break;
    case stRectangle:
        c->Rectangle(TRect(p[at], p[at + 1]));
        break;
    case stRoundRect:
        c->RoundRect(p[at].X, p[at].Y, p[at + 1].X, p[at + 1].Y, corner, corner);
        break;
    default:
        c->Polygon(Chain(p, at, half));
        break;
    }
}

void Offset(std::vector<TPoint>& p, Integer dx, Integer dy) {
    for (TPoint& q : p)
        q = TPoint(q.X + dx, q.Y + dy);
}

void Line(TCanvas* c, std::initializer_list<TPoint> points, TColor color) {
    c->Pen()->SetColor(color);
    c->Polyline(std::vector<TPoint>(points));
}

void Arc(TCanvas* c, const TRect& box, TPoint from, TPoint to, TColor color) {
    c->Pen()->SetColor(color);
    c->Arc(box.Left, box.Top, box.Right, box.Bottom, from.X, from.Y, to.X, to.Y);
}

// The 3D edge along the outer chain: colour 1 on the lit side, colour 2 on the other.
void Edge3D(TCanvas* c, TUtlShapeType shape, const std::vector<TPoint>& P, const Geometry& g, TColor c1,
            TColor c2) {
    const Integer b1 = g.B1, b2 = g.B2;
    switch (shape) {
    case stEllipse: {
        const TRect box(P[0].X + b1, P[0].Y + b1, P[1].X - b2, P[1].Y - b2);
        Arc(c, box, {box.Right, box.Top}, {box.Left, box.Bottom}, c1);
        Arc(c, box, {box.Left, box.Bottom}, {box.Right, box.Top}, c2);
        break;
    }
    case stRectangle:
        Line(c, {{P[0].X + b1, P[1].Y - b2}, {P[0].X + b1, P[0].Y + b1}, {P[1].X - b2, P[0].Y + b1}}, c1);
        Line(c,
             {{P[1].X - b2 - 1, P[0].Y + b1},
              {P[1].X - b2 - 1, P[1].Y - b2 - 1},
              {P[0].X + b1, P[1].Y - b2 - 1}},
             c2);
        break;
    case stRoundRect: {
        const Integer x0 = P[0].X + b1, y0 = P[0].Y + b1, x1 = P[1].X - b2, y1 = P[1].Y - b2, r = g.Corner,
                      h = r / 2;
        Arc(c, TRect(x0, y0, x0 + r, y0 + r), {x0 + h, y0}, {x0, y0 + h}, c1);
        Arc(c, TRect(x1 - r, y0, x1, y0 + r), {x1, y0}, {x1 - h, y0}, c1);
        Arc(c, TRect(x0, y1 - r, x0 + r, y1), {x0, y1 - h}, {x0 + h, y1}, c1);
        Line(c, {{x0, y0 + h}, {x0, y1 - h}}, c1);
        Line(c, {{x0 + h, y0}, {x1 - h, y0}}, c1);
        Arc(c, TRect(x1 - r, y0, x1, y0 + r), {x1, y0 + h}, {x1, y0}, c2);
        Arc(c, TRect(x1 - r, y1 - r, x1, y1), {x1 - h, y1}, {x1, y1 - h}, c2);
        Arc(c, TRect(x0, y1 - r, x0 + r, y1), {x0, y1}, {x0 + h, y1}, c2);
        Line(c, {{x1 - 1, y0 + h}, {x1 - 1, y1 - h}}, c2);
        Line(c, {{x0 + h, y1 - 1}, {x1 - h, y1 - 1}}, c2);
        break;
    }
    case stDirectUp:
        Line(c, {P[2], P[0], P[1]}, c1);
        Line(c, {P[1], P[2]}, c2);
        break;
    case stDirectRight:
        Line(c, {{P[0].X + b1, P[0].Y + b1}, {P[2].X + b1, P[2].Y - b2}}, c1);
        Line(c, {{P[0].X + b1, P[0].Y + b1}, {P[1].X - b2, P[1].Y}, {P[2].X + b1, P[2].Y - b2}}, c2);
        break;
    case stDirectDown:
        Line(c, {{P[0].X - b2, P[0].Y + b1}, {P[2].X, P[2].Y - b2}, {P[1].X - b2, P[1].Y + b1}}, c2);
        Line(c, {{P[0].X + b1, P[0].Y + b1}, {P[1].X - b2, P[1].Y - b2}}, c1);
        break;
    case stDirectLeft:
        Line(c, {{P[0].X - b1 - 1, P[0].Y + b1}, {P[2].X - b1 - 1, P[2].Y - b2}}, c2);
        Line(c, {{P[0].X - b1 - 1, P[0].Y + b1}, {P[1].X + b1, P[1].Y + b1}, {P[2].X - b1 - 1, P[2].Y - b1}},
             c1);
        break;
    case stDiamond:
        Line(c, {{P[3].X + b1, P[3].Y}, {P[0].X, P[0].Y + b1}, {P[1].X - b2, P[1].Y}}, c1);
        Line(c, {{P[1].X - b2, P[1].Y}, {P[2].X, P[2].Y - b2}, {P[3].X + b1, P[3].Y}}, c2);
        break;
    case stComb:
        Line(c,
             {{P[4].X + b1, P[4].Y}, {P[5].X + b1, P[5].Y}, {P[0].X, P[0].Y + b1}, {P[1].X - b2 - 1, P[1].Y}},
             c1);
        Line(c,
             {{P[1].X - b2 - 1, P[1].Y},
              {P[2].X - b2 - 1, P[2].Y},
              {P[3].X, P[3].Y - b2},
              {P[4].X + b1, P[4].Y}},
             c2);
        break;
    case stOctagon:
        Line(c,
             {{P[6].X + b1, P[6].Y},
              {P[7].X + b1, P[7].Y},
              {P[0].X, P[0].Y + b1},
              {P[1].X, P[1].Y + b1},
              {P[2].X - b2 - 1, P[2].Y}},
             c1);
        Line(c,
             {{P[2].X - b2 - 1, P[2].Y},
              {P[3].X - b2 - 1, P[3].Y},
              {P[4].X, P[4].Y - b2},
              {P[5].X, P[5].Y - b2},
              {P[6].X + b1, P[6].Y}},
             c2);
        break;
    case stStar:
        Line(c, {P[1], P[2]}, c1);
        Line(c, {P[3], P[4]}, c1);
        Line(c, {P[8], P[9], P[0]}, c1);
        Line(c, {P[6], P[7]}, c1);
        Line(c, {P[0], P[1]}, c2);
        Line(c, {P[2], P[3]}, c2);
        Line(c, {P[4], P[5], P[6]}, c2);
        Line(c, {P[7], P[8]}, c2);
        break;
    }
}

// The body's pen: the edge colour (the brush's when a 3D edge draws the border), or none.
void BodyPen(TCanvas* c, const Geometry& g, TUtlSimpleBevel* bevel, TBrush* brush) {
    c->Pen()->SetMode(pmCopy);
    if (g.Lw > 0) {
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetWidth(g.Lw);
        c->Pen()->SetColor(bevel->Style() != sbNormal && brush ? brush->Color() : bevel->Color());
    } else {
        c->Pen()->SetStyle(psClear);
    }
}

} // namespace

void UtlShapeCalc(const TRect& ARect, TUtlShapeType Shape, TUtlTeeth* Teeth, bool Square, TBrush*,
                  TUtlPercent RoundPercent, TUtlSimpleBevel* Bevel, TUtlShadow* Shadow,
                  TUtlPointList* PointList) {
    if (!PointList) return;
    PointList->BeginUpdate();
    PointList->Clear();
    const Geometry g = Measure(ARect, Teeth, Square, RoundPercent, Bevel, Shadow);
    for (TPoint p : Teeth ? Toothed(g, Teeth) : Outline(g, Shape))
        PointList->AddPoint(p);
    PointList->EndUpdate(true);
}

void UtlShapeDraw(const TRect& ARect, TCanvas* Canvas, TUtlShapeType Shape, TUtlTeeth* Teeth,
                  TUtlPointList* PointList, bool Square, TBrush* Brush, TUtlPercent RoundPercent,
                  TUtlSimpleBevel* Bevel, TUtlShadow* Shadow, TBitmap* Bitmap, TColor TransparentColor,
                  TColor BackColor) {
    if (!Canvas || !Bevel || IsRectEmpty(ARect)) return;
    const Geometry g = Measure(ARect, Teeth, Square, RoundPercent, Bevel, Shadow);
    TransparentColor = ColorToRGB(TransparentColor) & 0xFFFFFF;
    std::vector<TPoint> p;
    if (PointList) {
        for (Integer i = 0; i < PointList->Count(); ++i)
            p.push_back(PointList->GetPoint(i));
    } else {
        TUtlPointList computed;
        UtlShapeCalc(ARect, Shape, Teeth, Square, Brush, RoundPercent, Bevel, Shadow, &computed);
        for (Integer i = 0; i < computed.Count(); ++i)
            p.push_back(computed.GetPoint(i));
    }
    if (p.empty()) return;
    const bool teeth = Teeth != nullptr;
    utl::CanvasGuard guard(Canvas);
    Offset(p, ARect.Left, ARect.Top);

    if (g.D > 0) {
        Canvas->Pen()->SetStyle(psClear);
        if (Shadow->Style() == hssTracing && UtlApplication) {
            Canvas->Brush()->SetBitmap(UtlApplication->GetBrushBitmap(ColorToRGB(Shadow->Color())));
            Canvas->Pen()->SetMode(pmMask);
        } else {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(Shadow->Color());
        }
        DrawChain(Canvas, Shape, teeth, p, false, g.Corner);
        Canvas->Brush()->SetBitmap(nullptr);
    }
    Offset(p, -g.D, -g.D);

    if (!Bitmap || Bitmap->Empty()) {
        BodyPen(Canvas, g, Bevel, Brush);
        if (Brush) Canvas->Brush()->Assign(Brush);
        if (Canvas->Brush()->Style() != bsSolid) {
            Canvas->SetBkColor(ColorToRGB(BackColor));
            Canvas->SetBkMode(OPAQUE);
        }
        DrawChain(Canvas, Shape, teeth, p, true, g.Corner);
    } else {
        // The mask: white inside the shape, the transparent colour outside.
        TBitmap mask(g.W, g.H, pf24bit);
        TCanvas* m = mask.Canvas();
        m->Pen()->SetMode(pmCopy);
        m->Pen()->SetStyle(g.Lw > 0 ? psSolid : psClear);
        m->Pen()->SetColor(clWhite);
        m->Pen()->SetWidth(std::max<Integer>(g.Lw, 1));
        m->Brush()->SetColor(TransparentColor);
        m->FillRect(TRect(0, 0, g.W, g.H));
        m->Brush()->SetColor(clWhite);
        std::vector<TPoint> local = p;
        Offset(local, -ARect.Left, -ARect.Top);
        DrawChain(m, Shape, teeth, local, true, g.Corner);
        TBitmap copy;
        copy.Assign(Bitmap);
        copy.SetPixelFormat(pf24bit);
        copy.SetSize(g.W, g.H);
        UtlMaskBmpDraw(Canvas, Bounds(ARect.Left, ARect.Top, g.W, g.H), &mask, &copy, clWhite,
                       TransparentColor);
        BodyPen(Canvas, g, Bevel, Brush);
        Canvas->Brush()->SetStyle(bsClear);
        DrawChain(Canvas, Shape, teeth, p, true, g.Corner);
    }

    if (g.Lw > 0 && Bevel->Style() != sbNormal && !teeth) {
        Canvas->Pen()->SetMode(pmCopy);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(g.Lw);
        const bool inset = Bevel->Style() == sbInset;
        Edge3D(Canvas, Shape, p, g, inset ? Bevel->ShadowColor() : Bevel->LightColor(),
               inset ? Bevel->LightColor() : Bevel->ShadowColor());
    }
}

void UtlOffsetPointList(TUtlPointList* PointList, Integer X, Integer Y) {
    if (!PointList) return;
    for (Integer i = 0; i < PointList->Count(); ++i) {
        const TPoint p = PointList->GetPoint(i);
        PointList->PutPoint(i, TPoint(p.X + X, p.Y + Y));
    }
}

void UtlOffsetPointArray(std::vector<TPoint>& Points, Integer Count, Integer X, Integer Y) {
    for (Integer i = 0; i < std::min<Integer>(Count, Integer(Points.size())); ++i)
        Points[std::size_t(i)] = TPoint(Points[std::size_t(i)].X + X, Points[std::size_t(i)].Y + Y);
}
