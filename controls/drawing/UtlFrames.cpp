#include "controls/drawing/UtlFrames.h"

#include "controls/services/TUtlApplication.h"
#include "controls/common/UtlCanvasGuard.h"
#include "platform/graphics/DrawEdge.h"

namespace {

void Edge(TCanvas* c, TRect& r, Cardinal edge, Cardinal flags) {
    DrawEdge(c, r, edge, flags);
}

void Frame(TCanvas* c, const TRect& r, TColor color) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(color);
    c->FrameRect(r);
}

void Line(TCanvas* c, TPoint a, TPoint b, TColor color) {
    c->Pen()->SetColor(color);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->MoveTo(a.X, a.Y);
    c->LineTo(b.X, b.Y);
}

bool Pressed(TUtlButtonState s) {
    using S = TUtlButtonState;
    return s == S::bsOptionSet || s == S::bsDown || s == S::bsDropDownOpen || s == S::bsDisabledDown;
}

bool Explorer(TUtlUserButtonStyle s) {
    return s == ubsExplorer || s == ubsExplorerColored;
}

} // namespace

bool UtlDrawStdFrame(TCanvas* Canvas, TRect& Rect, TUtlBorderStyle Style, Word Sides) {
    const Cardinal s = Cardinal(Sides) | BF_ADJUST;
    TCanvas* c = Canvas;
    TRect& r = Rect;
    switch (Style) {
    case lsNone:
        break;
    case lsSingle:
        Edge(c, r, BDR_SUNKENOUTER, s | BF_SOFT | BF_LEFT | BF_TOP);
        Edge(c, r, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
        break;
    case lsLowered:
        Edge(c, r, EDGE_SUNKEN, s | BF_SOFT | BF_RECT);
        break;
    case lsRaised:
        Edge(c, r, EDGE_RAISED, s | BF_SOFT | BF_RECT);
        break;
    case lsRaisedspb:
    case lsRaisedExt:
        Edge(c, r, BDR_RAISEDOUTER, s | BF_SOFT | BF_RECT);
        Edge(c, r, BDR_RAISEDINNER, BF_ADJUST | BF_RIGHT | BF_BOTTOM);
        if (Style == lsRaisedExt) {
            ++r.Left;
            ++r.Top;
        }
        break;
    case lsLoweredspb:
        Edge(c, r, BDR_SUNKENOUTER, s | BF_RECT);
        Edge(c, r, BDR_SUNKENINNER, s | BF_LEFT | BF_TOP);
        break;
    case lsLoweredExt:
        Edge(c, r, BDR_SUNKENOUTER, s | BF_RECT);
        Edge(c, r, BDR_SUNKENINNER, BF_ADJUST | BF_LEFT | BF_TOP);
        --r.Right;
        --r.Bottom;
        break;
    case lsFrameInset:
        Edge(c, r, EDGE_ETCHED, s | BF_RECT);
        break;
    case lsFrameOffset:
        Edge(c, r, BDR_RAISEDINNER, s | BF_RECT);
        Edge(c, r, BDR_SUNKENOUTER, s | BF_RECT);
        break;
    case lsWindowBorder:
        Edge(c, r, BDR_RAISEDOUTER, s | BF_RIGHT | BF_BOTTOM);
        ++r.Left;
        ++r.Top;
        Edge(c, r, BDR_RAISEDINNER, s | BF_RECT);
        break;
    case lsSingleRaised:
        Edge(c, r, BDR_RAISEDINNER, s | BF_RECT);
        break;
    case lsSingleLowered:
        Edge(c, r, BDR_SUNKENOUTER, s | BF_RECT);
        break;
    case lsDoubleRaised:
        Edge(c, r, BDR_RAISEDINNER, s | BF_RECT);
        Edge(c, r, BDR_RAISEDINNER, s | BF_RECT);
        break;
    case lsDoubleLowered:
        Edge(c, r, BDR_SUNKENOUTER, s | BF_RECT);
        Edge(c, r, BDR_SUNKENOUTER, s | BF_RECT);
        break;
    }
    return true;
}

Integer UtlDrawStdFrameExt(TUtlBorderStyle Style) {
    switch (Style) {
    case lsNone:
        return 0;
    case lsSingle:
    case lsSingleRaised:
    case lsSingleLowered:
        return 1;
    default:
        return 2;
    }
}

Integer UtlGetCtrlBorderWidth(bool Ctl3D, TBorderStyle BorderStyle) {
    if (BorderStyle != bsSingle) return 0;
    return Ctl3D ? 2 : 1;
}

bool UtlDrawFrame3D(TCanvas* Canvas, TRect& Rect, TUtlBevelStyle Style, TColor ColorA, TColor ColorB,
                    Integer Width) {
    using B = TUtlBevelStyle;
    if (!Canvas || Style == B::bvNone || Style == B::bvShadow || Width <= 0) return false;
    const bool raised = Style == B::bvRaised || Style == B::bvFrameRaised;
    TColor topLeft = raised ? ColorB : ColorA, bottomRight = raised ? ColorA : ColorB;
    if (Style == B::bvNormal) topLeft = bottomRight = clBlack;
    utl::CanvasGuard guard(Canvas);
    TRect& r = Rect;
    if (Style == B::bvFrameLowered || Style == B::bvFrameRaised) {
        for (Integer i = 0; i < Width; ++i) {
            Frame(Canvas, TRect(r.Left + i + 1, r.Top + i + 1, r.Right, r.Bottom), bottomRight);
            Frame(Canvas, TRect(r.Left, r.Top, r.Right - i - 1, r.Bottom - i - 1), topLeft);
        }
        r = TRect(r.Left + Width + 1, r.Top + Width + 1, r.Right - Width - 1, r.Bottom - Width - 1);
        return true;
    }
    const Integer bottom = r.Bottom;
    --r.Bottom;
    if (Width == 1) {
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(topLeft);
        Canvas->Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
        Canvas->Pen()->SetColor(bottomRight);
        Canvas->Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}, {r.Left - 1, r.Bottom}});
    } else {
        // Bands Width pixels thick along the rectangle's own edges.
        const Integer l = r.Left, t = r.Top, rt = r.Right, w = Width;
        Canvas->Pen()->SetStyle(psClear);
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(bottomRight);
        Canvas->Polygon(
            {{rt, t}, {rt, bottom}, {l, bottom}, {l + w, bottom - w}, {rt - w, bottom - w}, {rt - w, t + w}});
        Canvas->Brush()->SetColor(topLeft);
        Canvas->Polygon({{l, bottom}, {l, t}, {rt, t}, {rt - w, t + w}, {l + w, t + w}, {l + w, bottom - w}});
    }
    r = TRect(r.Left + Width, r.Top + Width, r.Right - Width - 1, r.Bottom - Width);
    return true;
}

bool UtlDrawFrameShadow(TCanvas* Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor,
                        Byte Depth, Byte FrameWidth, bool Transparent, Word Sides) {
    if (!Canvas) return true;
    utl::CanvasGuard guard(Canvas);
    TRect& r = Rect;
    const Integer d = Depth;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetStyle(psClear);
    Canvas->Brush()->SetColor(ShadowColor);
    Canvas->FillRect(TRect(r.Right - d, r.Top + d, r.Right, r.Bottom));
    Canvas->FillRect(TRect(r.Left + d, r.Bottom - d, r.Right, r.Bottom));
    if (!Transparent) {
        Canvas->Brush()->SetColor(BackColor);
        Canvas->FillRect(TRect(r.Right - d, r.Top, r.Right, r.Top + d));
        Canvas->FillRect(TRect(r.Left, r.Bottom - d, r.Left + d, r.Bottom));
    }
    r = TRect(r.Left, r.Top, r.Right - d, r.Bottom - d);
    for (Integer i = 0; i < FrameWidth; ++i) {
        Frame(Canvas, r, FrameColor);
        InflateRect(r, -1, -1);
    }
    return true;
}

void UtlDrawBorder(TCanvas* Canvas, const TRect& Rect, TColor C1, TColor C2) {
    if (!Canvas) return;
    utl::CanvasGuard guard(Canvas);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(C1);
    Canvas->MoveTo(Rect.Left, Rect.Bottom - 1);
    Canvas->LineTo(Rect.Left, Rect.Top);
    Canvas->LineTo(Rect.Right - 1, Rect.Top);
    Canvas->Pen()->SetColor(C2);
    Canvas->LineTo(Rect.Right - 1, Rect.Bottom - 1);
    Canvas->LineTo(Rect.Left, Rect.Bottom - 1);
}

namespace {

void Triangle(TCanvas* c, Integer x, Integer y, Integer size, TColor color, bool down) {
    if (down) {
        for (Integer i = 0; i <= size - 2; ++i)
            Line(c, {x + i, y + i}, {x + i + 2 * (size - i) - 1, y + i}, color);
        Line(c, {x + size - 1, y + size - 1}, {x + size, y + size - 1}, color);
        return;
    }
    const Integer apex = x + size / 2;
    for (Integer i = 0; i < size; ++i)
        Line(c, {apex - i, y + i}, {apex + i + 1, y + i}, color);
}

} // namespace

void UtlDrawTriangle(TCanvas* Canvas, Integer X, Integer Y, Integer Size, TColor Color, bool Down,
                     bool Enabled) {
    if (!Canvas || Size < 2 || Size > 15) return;
    utl::CanvasGuard guard(Canvas);
    if (Enabled) {
        Triangle(Canvas, X, Y, Size, Color, Down);
        return;
    }
    Triangle(Canvas, X + 1, Y + 1, Size, clHighlightText, Down);
    Triangle(Canvas, X, Y, Size, clGrayText, Down);
}

bool UtlDrawBtnIsFlat(TUtlUserButtonStyle Style) {
    return Style >= ubsQuellonFlat && Style <= ubsExplorerColored;
}

bool UtlDrawBtnFace(TCanvas* Canvas, bool Flag, TRect& Rect, TUtlUserButtonStyle Style, TUtlButtonState State,
                    Word Flags, TColor Color) {
    using S = TUtlButtonState;
    if (!Canvas) return true;
    utl::CanvasGuard guard(Canvas);
    TRect& r = Rect;
    // Every platform here has the new-style controls.
    if (Style == ubsAutoDetect) Style = ubsWin40;
    enum Kind { Win31, Win40, Kind3, Flat, Quellon, Integrated } kind = Win40;
    if (Style == ubsWin31)
        kind = Win31;
    else if (Style == ubsQuellon)
        kind = Quellon;
    else if (Style == ubsWin40)
        kind = (Flags & ubfNewLook) ? Win40 : Kind3;
    else if (UtlDrawBtnIsFlat(Style))
        kind = Flat;
    else
        kind = Integrated;
    const Cardinal middle = (Flags & ubfMiddle) ? BF_MIDDLE : 0;
    const bool pressed = Pressed(State);

    Canvas->Brush()->SetStyle(bsSolid);
    if (!Explorer(Style)) {
        const bool dither = State == S::bsOptionSet && (!UtlDrawBtnIsFlat(Style) || !Flag) && UtlApplication;
        if (dither)
            Canvas->Brush()->SetBitmap(UtlApplication->GetBrushBitmap(ColorToRGB(Color)));
        else
            Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(r);
        Canvas->Brush()->SetBitmap(nullptr);
        Canvas->Brush()->SetColor(Color);
    }
    if (!pressed && (Flags & (ubfDefault | ubfFocused))) {
        Edge(Canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        Edge(Canvas, r, BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
    }
    const auto corners = [&](const TRect& q, TColor c) {
        Canvas->SetPixels(q.Left, q.Top, c);
        Canvas->SetPixels(q.Right - 1, q.Top, c);
        Canvas->SetPixels(q.Left, q.Bottom - 1, c);
        Canvas->SetPixels(q.Right - 1, q.Bottom - 1, c);
    };
    const TRect saved = r;
    switch (kind) {
    case Win31:
        Edge(Canvas, r, BDR_SUNKENOUTER, BF_SOFT | BF_LEFT | BF_TOP);
        Edge(Canvas, r, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
        if (Flags & ubfRounded) corners(r, clBtnFace);
        InflateRect(r, -1, -1);
        if (!pressed) {
            Edge(Canvas, r, BDR_RAISEDINNER, BF_ADJUST | BF_RECT | middle);
            Edge(Canvas, r, BDR_RAISEDINNER, BF_ADJUST | BF_RECT | middle);
        } else {
            Edge(Canvas, r, BDR_SUNKENINNER, BF_ADJUST | BF_LEFT | BF_TOP | middle);
        }
        break;
    case Win40:
        if (!pressed)
            UtlDrawStdFrame(Canvas, r, lsRaisedspb, Word(BF_RECT | middle));
        else if (Flags & ubfSunken)
            Edge(Canvas, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST | middle);
        else
            UtlDrawStdFrame(Canvas, r, lsLowered, Word(BF_RECT | middle));
        break;
    case Kind3:
        if (pressed) {
            Frame(Canvas, r, clBlack);
            Frame(Canvas, TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), RGB(128, 128, 128));
        } else if (Flags & ubfDefault) {
            Edge(Canvas, r, BDR_RAISEDOUTER, BF_SOFT | BF_ADJUST | BF_RECT | middle);
            Edge(Canvas, r, BDR_RAISEDINNER, BF_ADJUST | BF_RIGHT | BF_BOTTOM | middle);
        } else {
            UtlDrawStdFrame(Canvas, r, lsRaisedspb, Word(BF_RECT | middle));
        }
        break;
    case Flat:
        if ((Style == ubsQuellonFlat || Style == ubsNavigator) && (pressed || State == S::bsMouseOver)) {
            Frame(Canvas, r, clBlack);
            InflateRect(r, -1, -1);
        }
        if (pressed) {
            Edge(Canvas, r, BDR_SUNKENOUTER, BF_ADJUST | BF_RECT | middle);
        } else if (State == S::bsMouseOver) {
            Edge(Canvas, r, BDR_RAISEDINNER, BF_ADJUST | BF_RECT | middle);
        } else if (!Explorer(Style)) {
            Canvas->Brush()->SetColor(Color);
            Canvas->FillRect(r);
        }
        break;
    case Quellon: {
        Frame(Canvas, r, clBlack);
        TRect inner(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        if (pressed) {
            Line(Canvas, {inner.Left, inner.Top}, {inner.Right, inner.Top}, clGray);
            Line(Canvas, {inner.Left, inner.Top}, {inner.Left, inner.Bottom}, clGray);
        } else {
            Edge(Canvas, inner, BDR_RAISEDINNER, BF_ADJUST | BF_RECT | middle);
        }
        break;
    }
    case Integrated:
        if (pressed) {
            Frame(Canvas, r, clGray);
        } else {
            Frame(Canvas, r, clBlack);
            Line(Canvas, {r.Left, r.Top}, {r.Right - 1, r.Top}, clBtnFace);
            Line(Canvas, {r.Left, r.Top}, {r.Left, r.Bottom - 1}, clBtnFace);
            Frame(Canvas, TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), clWhite);
            Line(Canvas, {r.Right - 2, r.Top + 1}, {r.Right - 2, r.Bottom - 1}, clGray);
            Line(Canvas, {r.Left + 1, r.Bottom - 2}, {r.Right - 1, r.Bottom - 2}, clGray);
        }
        break;
    }
    if (Flags & ubfDefault) {
        TRect focus = saved;
        InflateRect(focus, pressed ? -4 : -3, pressed ? -4 : -3);
        Canvas->DrawFocusRect(focus);
    }
    r = saved;
    InflateRect(r, -3, -3);
    if (pressed) OffsetRect(r, 1, 1);
    return true;
}
