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
#include "platform/ui/TWinControl.h"

TgxSpeedButton::TgxSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    gx::RegisterProperties();
    SetClickOnMouseUp(true);
    SetBounds(0, 0, 23, 22);
    FColor = IncColor(GetSysColor(COLOR_BTNFACE), 30);
    FActiveColor = IncColor(FColor, 10);
}

TgxSpeedButton::~TgxSpeedButton() {
    SetControl(nullptr);
    SetCaptionLabel(nullptr);
}

void TgxSpeedButton::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
    Invalidate();
}

void TgxSpeedButton::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

void TgxSpeedButton::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Invalidate();
}

void TgxSpeedButton::SetSpacing(Integer Value) {
    if (Value == FSpacing) return;
    FSpacing = Value;
    Invalidate();
}

void TgxSpeedButton::SetDown(bool Value) {
    if (Value == FDown) return;
    if (!Value && FGroupIndex != 0 && !FAllowAllUp) return;
    FDown = Value;
    if (Value) ReleaseGroup();
    Invalidate();
}

void TgxSpeedButton::ReleaseGroup() {
    if (FGroupIndex == 0 || !Parent()) return;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TgxSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
            other->FDown = false;
            other->Invalidate();
        }
    }
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
    TGraphicControl::Notification(AComponent, Operation);
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
    TGraphicControl::SetEnabled(v);
    if (FControl) FControl->SetEnabled(v);
}

void TgxSpeedButton::MouseEnter() {
    TGraphicControl::MouseEnter();
    if (!Enabled()) return;
    FMouseIn = true;
    if (FPushed || FColor != FActiveColor) Invalidate();
}

void TgxSpeedButton::MouseLeave() {
    TGraphicControl::MouseLeave();
    if (!Enabled()) return;
    FMouseIn = false;
    if (FPushed || FColor != FActiveColor) Invalidate();
}

void TgxSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!Enabled()) return;
    FPushed = true;
    Invalidate();
}

void TgxSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!Enabled()) return;
    FPushed = false;
    Invalidate();
}

void TgxSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!Enabled() || !FPushed) return;
    const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    if (inside == FMouseIn) return;
    FMouseIn = inside;
    ShowPressedHover();
}

void TgxSpeedButton::Click() {
    if (FGroupIndex != 0) SetDown(FAllowAllUp ? !FDown : true);
    TGraphicControl::Click();
    if (!Enabled() || FModalResult == mrNone) return;
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
}

void TgxSpeedButton::Paint() {
    if (FDefaultStyle) {
        PaintDefault();
        return;
    }
    TCanvas* canvas = Canvas();
    // A palette screen cannot show every colour: the button keeps the one it can.
    if (SystemColorDepth() < 16) FColor = GetNearestColor(canvas, FColor);
    TRect r = ClientRect();
    TBevelCut cut = FPushed && FMouseIn ? bvLowered : bvRaised;
    if (FFlat && !FPushed) cut = bvNone;
    if (FFrame) InflateRect(r, -1, -1);
    r.Right -= 1;
    r.Bottom -= 1;
    DrawBoxEx(canvas, r, gxAllSides, bvNone, cut, false, FMouseIn ? FActiveColor : FColor, false);

    canvas->Font()->Assign(Font());
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    canvas->SetTextColor(canvas->Font()->Color());
    if (FTransparent) canvas->SetBkMode(TRANSPARENT);
    if (!FGlyph->Empty()) r.Left += FGlyph->Width();
    if (FPushed) OffsetRect(r, 1, 1);
    DrawText(canvas, Caption(), -1, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if (FFrame) {
        TBrush frame;
        frame.SetColor(FFrameColor);
        FrameRect(canvas, ClientRect(), &frame);
    }
    PaintGlyph(canvas->TextWidth(Caption()));
}

void TgxSpeedButton::PaintDefault() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    TBrush face;
    face.SetColor(clBtnFace);
    FillRect(canvas, r, &face);
    const bool sunken = FDown || (FPushed && FMouseIn);
    if (!FFlat || sunken || FMouseIn)
        DrawEdge(canvas, r, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    canvas->Font()->Assign(Font());
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    canvas->SetTextColor(canvas->Font()->Color());
    canvas->SetBkMode(TRANSPARENT);
    if (!FGlyph->Empty()) r.Left += FGlyph->Width();
    if (sunken) OffsetRect(r, 1, 1);
    DrawText(canvas, Caption(), -1, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    PaintGlyph(canvas->TextWidth(Caption()));
}

void TgxSpeedButton::PaintGlyph(Integer CaptionWidth) {
    if (FGlyph->Empty()) return;
    const Integer off = FPushed ? 1 : 0;
    const Integer gx = (Width() - FGlyph->Width() - CaptionWidth) / 2 + off - 1 - FSpacing;
    const Integer gy = (Height() - FGlyph->Height()) / 2 + 1 + off;
    CreateBitmapExt(Canvas(), FGlyph.get(), ClientRect(), gx, gy, fwoNone, fdsDefault, true,
                    GetTransparentColor(FGlyph.get(), ftcLeftBottomPixel), 0);
}
