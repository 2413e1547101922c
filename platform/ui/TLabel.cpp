#include "platform/ui/TLabel.h"

#include "platform/ui/ShortCuts.h"

#include "platform/graphics/DrawText.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr Cardinal Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetFocusControl(TWinControl* v) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = v;
    if (v) v->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

bool TLabel::DialogChar(Word Key) {
    if (!FShowAccelChar || !FFocusControl || !FFocusControl->CanFocus() || !IsAccel(Key, Caption()))
        return false;
    FFocusControl->SetFocus();
    return true;
}

void TLabel::SetAlignment(TAlignment v) {
    FAlignment = v;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout v) {
    FLayout = v;
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    FAutoSize = v;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool v) {
    FWordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    FTransparent = v;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
    FShowAccelChar = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::TextChanged() {
    AdjustBounds();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::DrawLabelText(TRect& Rect, Cardinal Flags) {
    String text = Caption();
    // An empty caption still measures one line high.
    if ((Flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    TCanvas* c = Canvas();
    c->Font()->Assign(Font());
    if (Flags & DT_CALCRECT) {
        DrawText(c, text, -1, Rect, Flags);
        Rect.Bottom += AccentRise();
        return;
    }
    // Clipped to the label, not to the line: the marks above it stay.
    const TRect clip = ClientRect();
    if (!ShowsEnabled()) {
        c->Font()->SetColor(clBtnHighlight);
        DrawTextClipped(c, text, TRect(Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1), clip,
                        Flags);
        c->Font()->SetColor(clBtnShadow);
    }
    DrawTextClipped(c, text, Rect, clip, Flags);
}

Integer TLabel::AccentRise() {
    TCanvas* c = Canvas();
    c->Font()->Assign(Font());
    return c->Measurer().Metrics(c->Font()->State()).AccentRise;
}

void TLabel::AdjustBounds() {
    if (!FAutoSize) return;
    TRect r = ClientRect();
    DrawLabelText(r, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
    Integer x = Left();
    if (FAlignment == taRightJustify) x += Width() - r.Right;
    SetBounds(x, Top(), r.Right, r.Bottom);
}

void TLabel::Paint() {
    TCanvas* c = Canvas();
    if (!FTransparent) {
        c->Brush()->SetColor(Color());
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(ClientRect());
    }
    c->Brush()->SetStyle(bsClear);
    TRect r = ClientRect();
    const Cardinal flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | Alignments[FAlignment];
    TRect calc = r;
    DrawLabelText(calc, flags | DT_CALCRECT); // the text's extent, with room for the marks above
    if (FLayout != tlTop)
        OffsetRect(r, 0, FLayout == tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2);
    // The line starts below that room, as far as the label's height allows.
    const Integer rise = AccentRise();
    OffsetRect(r, 0, std::clamp<Integer>(Height() - calc.Bottom + rise, 0, rise));
    DrawLabelText(r, flags);
}
