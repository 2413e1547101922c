#include "platform/ui/TSplitter.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

void TSplitter::SetBeveled(bool v) {
    FBeveled = v;
    Invalidate();
}

TControl* TSplitter::ResizedControl() const {
    if (!Parent()) return nullptr;
    // The point just outside the bar on the side it is aligned to.
    TPoint p(Left(), Top());
    switch (Align()) {
    case alLeft:
        p.X = Left() - 1;
        break;
    case alRight:
        p.X = Left() + Width();
        break;
    case alTop:
        p.Y = Top() - 1;
        break;
    case alBottom:
        p.Y = Top() + Height();
        break;
    default:
        return nullptr;
    }
    for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || !c->Enabled()) continue;
        TRect r = c->BoundsRect();
        if (r.Width() == 0) {
            if (Align() == alTop || Align() == alLeft)
                --r.Left;
            else
                ++r.Right;
        }
        if (r.Height() == 0) {
            if (Align() == alTop || Align() == alLeft)
                --r.Top;
            else
                ++r.Bottom;
        }
        if (PtInRect(r, p)) return c;
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FControl = ResizedControl();
    if (!FControl) return;
    FDownPos = ClientToScreen(Point(X, Y));
    const bool horizontal = Align() == alLeft || Align() == alRight;
    FStartSize = horizontal ? FControl->Width() : FControl->Height();
    // The room the other aligned controls leave, less MinSize for the rest.
    FMaxSize = (horizontal ? Parent()->ClientWidth() : Parent()->ClientHeight()) - FMinSize;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (!c->Visible()) continue;
        if (horizontal && (c->Align() == alLeft || c->Align() == alRight)) FMaxSize -= c->Width();
        if (!horizontal && (c->Align() == alTop || c->Align() == alBottom)) FMaxSize -= c->Height();
    }
    FMaxSize += FStartSize;
}

void TSplitter::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FControl) return;
    const TPoint p = ClientToScreen(Point(X, Y));
    Integer delta = (Align() == alLeft || Align() == alRight) ? p.X - FDownPos.X : p.Y - FDownPos.Y;
    if (Align() == alRight || Align() == alBottom) delta = -delta;
    const Integer size = std::clamp(FStartSize + delta, FMinSize, std::max(FMinSize, FMaxSize));
    if (Align() == alLeft || Align() == alRight)
        FControl->SetWidth(size);
    else
        FControl->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    const bool moved = FControl != nullptr;
    FControl = nullptr;
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (moved && OnMoved) OnMoved(this);
}

void TSplitter::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    if (!FBeveled) return;
    if (Align() == alLeft || Align() == alRight)
        InflateRect(r, -1, 2);
    else
        InflateRect(r, 2, -1);
    DrawEdge(c, r, BDR_RAISEDOUTER, BF_RECT);
}
