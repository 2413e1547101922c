#include "platform/ui/TUpDown.h"

#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/graphics/DrawFrameControl.h"
#include "platform/ui/TTimer.h"

#include <algorithm>

namespace {
constexpr Cardinal FirstDelay = 400, RepeatDelay = 100;
}

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner), FRepeat(new TTimer(this)) {
    FRepeat->SetEnabled(false);
    FRepeat->OnTimer = [this](TObject*) { Repeat(); };
    SetBounds(0, 0, 15, 25);
}

void TUpDown::SetMin(Integer v) {
    FMin = v;
    SetPosition(FPosition);
}

void TUpDown::SetMax(Integer v) {
    FMax = v;
    SetPosition(FPosition);
}

void TUpDown::SetPosition(Integer v) {
    // Min may lie above Max (a reversed range); the position stays between them.
    FPosition = std::clamp(v, std::min(FMin, FMax), std::max(FMin, FMax));
    ShowInAssociate();
}

void TUpDown::SetThousands(bool v) {
    FThousands = v;
    ShowInAssociate();
}

void TUpDown::SetOrientation(TUDOrientation v) {
    FOrientation = v;
    Invalidate();
}

void TUpDown::SetAssociate(TWinControl* v) {
    if (v == this) v = nullptr;
    if (FAssociate) FAssociate->RemoveFreeNotification(this);
    FAssociate = v;
    if (!v) return;
    v->FreeNotification(this);
    // The buttons take the right end of the box.
    if (v->Parent()) {
        SetParent(v->Parent());
        SetBounds(v->Left() + v->Width() - Width(), v->Top(), Width(), v->Height());
        v->SetWidth(std::max(v->Width() - Width(), 0));
    }
    ShowInAssociate();
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate) FAssociate = nullptr;
}

void TUpDown::ShowInAssociate() {
    if (!FAssociate) return;
    FAssociate->SetText(FThousands ? FormatFloat("#,##0", FPosition) : IntToStr(FPosition));
}

void TUpDown::ReadAssociate() {
    if (!FAssociate) return;
    String text = FAssociate->Text();
    if (!FormatSettings.ThousandSeparator.empty())
        for (std::size_t p; (p = text.find(FormatSettings.ThousandSeparator)) != String::npos;)
            text.erase(p, FormatSettings.ThousandSeparator.size());
    Integer v = 0;
    // Text that is no number leaves the last position in force.
    if (TryStrToInt(text, v)) FPosition = std::clamp(v, std::min(FMin, FMax), std::max(FMin, FMax));
}

void TUpDown::Step(TUDBtnType Button) {
    ReadAssociate();
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    const Integer lo = std::min(FMin, FMax), hi = std::max(FMin, FMax);
    // Next moves toward Max, whichever side of Min it lies.
    const Integer delta = (Button == btNext) == (FMax >= FMin) ? FIncrement : -FIncrement;
    const Int64 target = Int64(FPosition) + delta;
    Integer next;
    if (target > hi)
        next = FWrap ? lo : hi;
    else if (target < lo)
        next = FWrap ? hi : lo;
    else
        next = Integer(target);
    SetPosition(next);
    if (OnClick) OnClick(this, Button);
}

TRect TUpDown::ButtonRect(TUDBtnType Button) const {
    const TRect r = ClientRect();
    if (FOrientation == udVertical) {
        const Integer mid = r.Height() / 2;
        return Button == btNext ? Rect(0, 0, r.Right, mid) : Rect(0, mid, r.Right, r.Bottom);
    }
    const Integer mid = r.Width() / 2;
    return Button == btNext ? Rect(mid, 0, r.Right, r.Bottom) : Rect(0, 0, mid, r.Bottom);
}

TUDBtnType TUpDown::ButtonAt(Integer X, Integer Y) const {
    return PtInRect(ButtonRect(btNext), TPoint(X, Y)) ? btNext : btPrev;
}

void TUpDown::Paint() {
    for (TUDBtnType b : {btNext, btPrev}) {
        TRect r = ButtonRect(b);
        Cardinal kind = FOrientation == udVertical ? (b == btNext ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                                                   : (b == btNext ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
        if (!ShowsEnabled())
            kind |= DFCS_INACTIVE;
        else if (FPressed && FPressedButton == b)
            kind |= DFCS_PUSHED;
        DrawFrameControl(Canvas(), r, DFC_SCROLL, kind);
    }
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FPressed = true;
    FPressedButton = ButtonAt(X, Y);
    Invalidate();
    // Holding the button repeats the step after a pause.
    FRepeat->SetInterval(FirstDelay);
    FRepeat->SetEnabled(true);
    Step(FPressedButton);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    if (Button == mbLeft && FPressed) {
        FPressed = false;
        FRepeat->SetEnabled(false);
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TUpDown::EnabledChanged() {
    if (!Enabled()) {
        FPressed = false;
        FRepeat->SetEnabled(false);
    }
    TCustomControl::EnabledChanged();
}

void TUpDown::Repeat() {
    if (!FPressed) {
        FRepeat->SetEnabled(false);
        return;
    }
    FRepeat->SetInterval(RepeatDelay);
    Step(FPressedButton);
}
