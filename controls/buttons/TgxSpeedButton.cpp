#include "controls/buttons/TgxSpeedButton.h"

#include "controls/buttons/GxBitmapDraw.h"
#include "controls/buttons/GxColors.h"
#include "controls/buttons/GxDrawBox.h"
#include "controls/buttons/GxProperties.h"
#include "controls/common/GxUtils.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TCustomForm.h"

TgxSpeedButton::TgxSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    gx::RegisterProperties();
    FColor = IncColor(GetSysColor(COLOR_BTNFACE), 30);
    FActiveColor = IncColor(FColor, 10);
}

TgxSpeedButton::~TgxSpeedButton() {
    SetControl(nullptr);
    SetCaptionLabel(nullptr);
}

void TgxSpeedButton::SetColor(TColor Value) {
    FColor = Value;
    Invalidate();
}

void TgxSpeedButton::SetControl(TControl* Value) {
    if (Value == FControl) return;
    if (FControl && FControl != FCaptionLabel) RemoveFreeNotification(FControl);
    FControl = Value;
    if (FControl) FreeNotification(FControl);
}

void TgxSpeedButton::SetCaptionLabel(TControl* Value) {
    if (Value == FCaptionLabel) return;
    if (FCaptionLabel && FCaptionLabel != FControl) RemoveFreeNotification(FCaptionLabel);
    FCaptionLabel = Value;
    if (FCaptionLabel) FreeNotification(FCaptionLabel);
    Invalidate();
}

void TgxSpeedButton::Notification(TComponent* AComponent, TOperation Operation) {
    TSpeedButton::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    // A linked control that goes away is forgotten, never touched again.
    if (AComponent == FControl) FControl = nullptr;
    if (AComponent == FCaptionLabel) FCaptionLabel = nullptr;
}

void TgxSpeedButton::SetFrame(bool Value) {
    FFrame = Value;
    Invalidate();
}

void TgxSpeedButton::SetFrameColor(TColor Value) {
    FFrameColor = Value;
    Invalidate();
}

void TgxSpeedButton::SetDefaultStyle(bool Value) {
    FDefaultStyle = Value;
    Invalidate();
}

void TgxSpeedButton::SetEnabled(bool v) {
    TSpeedButton::SetEnabled(v);
    if (FControl) FControl->SetEnabled(v);
}

void TgxSpeedButton::MouseEnter() {
    TSpeedButton::MouseEnter();
    if (!ShowsEnabled()) return;
    FMouseIn = true;
    if (FPushed || FColor != FActiveColor) Invalidate();
}

void TgxSpeedButton::MouseLeave() {
    TSpeedButton::MouseLeave();
    if (!ShowsEnabled()) return;
    FMouseIn = false;
    if (FPushed || FColor != FActiveColor) Invalidate();
}

void TgxSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (!ShowsEnabled()) return;
    FPushed = true;
    Invalidate();
}

void TgxSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (!ShowsEnabled()) return;
    FPushed = false;
    Invalidate();
}

void TgxSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TSpeedButton::MouseMove(Shift, X, Y);
    if (!ShowsEnabled() || !FPushed) return;
    const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    if (inside == FMouseIn) return;
    FMouseIn = inside;
    ShowPressedHover();
}

void TgxSpeedButton::Click() {
    TSpeedButton::Click();
    if (!Enabled() || FModalResult == mrNone) return;
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
}

void TgxSpeedButton::Paint() {
    if (FDefaultStyle) {
        TSpeedButton::Paint();
        return;
    }
    TCanvas* canvas = Canvas();
    // A palette screen cannot show every colour: the button keeps the one it can.
    if (SystemColorDepth() < 16) FColor = GetNearestColor(canvas, FColor);
    TRect r = ClientRect();
    TBevelCut cut = FPushed && FMouseIn ? bvLowered : bvRaised;
    if (Flat() && !FPushed) cut = bvNone;
    if (FFrame) InflateRect(r, -1, -1);
    r.Right -= 1;
    r.Bottom -= 1;
    DrawBoxEx(canvas, r, gxAllSides, bvNone, cut, false, FMouseIn ? FActiveColor : FColor, false);

    canvas->Font()->Assign(Font());
    if (!ShowsEnabled()) canvas->Font()->SetColor(clGrayText);
    canvas->SetTextColor(canvas->Font()->Color());
    if (Transparent()) canvas->SetBkMode(TRANSPARENT);
    if (!Glyph()->Empty()) r.Left += Glyph()->Width();
    if (FPushed) OffsetRect(r, 1, 1);
    DrawText(canvas, Caption(), -1, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if (FFrame) {
        TBrush frame;
        frame.SetColor(FFrameColor);
        FrameRect(canvas, ClientRect(), &frame);
    }
    PaintGlyph(canvas->TextWidth(Caption()));
}

void TgxSpeedButton::PaintGlyph(Integer CaptionWidth) {
    TBitmap* glyph = Glyph();
    if (glyph->Empty()) return;
    const Integer off = FPushed ? 1 : 0;
    const Integer gx = (Width() - glyph->Width() - CaptionWidth) / 2 + off - 1 - Spacing();
    const Integer gy = (Height() - glyph->Height()) / 2 + 1 + off;
    CreateBitmapExt(Canvas(), glyph, ClientRect(), gx, gy, fwoNone, fdsDefault, true,
                    GetTransparentColor(glyph, ftcLeftBottomPixel), 0);
}
