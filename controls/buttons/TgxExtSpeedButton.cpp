#include "controls/buttons/TgxExtSpeedButton.h"

#include "controls/buttons/GxColors.h"
#include "controls/buttons/GxDrawBox.h"
#include "controls/buttons/GxTextEffects.h"
#include "platform/graphics/DrawEdge.h"

TgxExtSpeedButton::TgxExtSpeedButton(TComponent* AOwner)
    : TgxSpeedButton(AOwner), FStyle(std::make_unique<TgxSpeedButtonStyle>()),
      FStyleActive(std::make_unique<TgxSpeedButtonStyle>()),
      FStylePushed(std::make_unique<TgxSpeedButtonStyle>()) {
    const TNotifyEvent changed = [this](TObject* Sender) { StyleChanged(Sender); };
    for (TgxSpeedButtonStyle* s : {FStyle.get(), FStyleActive.get(), FStylePushed.get()})
        s->SetOnChanged(changed);
    FStyle->SetColor(IncColor(clBtnFace, 30));
    FStyle->Bevel()->SetInner(bvRaised);
    FStyleActive->SetColor(IncColor(FStyle->Color(), 10));
    FStyleActive->Bevel()->SetInner(bvRaised);
    FStylePushed->SetColor(DecColor(FStyle->Color(), 10));
    FStylePushed->Bevel()->SetInner(bvLowered);
}

TgxExtSpeedButton::~TgxExtSpeedButton() {
    for (TgxSpeedButtonStyle* s : {FStyle.get(), FStyleActive.get(), FStylePushed.get()})
        s->SetOnChanged(nullptr);
}

void TgxExtSpeedButton::StyleChanged(TObject* Sender) {
    if (!ComponentState().Contains(csLoading)) Invalidate();
}

TColor TgxExtSpeedButton::Color() const {
    return FStyle->Color();
}

void TgxExtSpeedButton::SetColor(TColor Value) {
    FStyle->SetColor(Value);
    Invalidate();
}

TColor TgxExtSpeedButton::ActiveColor() const {
    return FStyleActive->Color();
}

void TgxExtSpeedButton::SetActiveColor(TColor Value) {
    FStyleActive->SetColor(Value);
    Invalidate();
}

void TgxExtSpeedButton::SetFont(TFont* Value) {
    TgxSpeedButton::SetFont(Value);
    FStyle->SetFont(Value);
}

TgxSpeedButtonStyle* TgxExtSpeedButton::CurrentStyle() const {
    if (Pushed() && MouseIn()) return FStylePushed.get();
    return MouseIn() ? FStyleActive.get() : FStyle.get();
}

void TgxExtSpeedButton::MouseEnter() {
    TgxSpeedButton::MouseEnter();
    if (!ShowsEnabled()) return;
    SetMouseIn(true);
    // The hover look shows at once, not at the next queued paint.
    Repaint();
}

void TgxExtSpeedButton::MouseLeave() {
    TgxSpeedButton::MouseLeave();
    if (!ShowsEnabled()) return;
    SetMouseIn(false);
    Repaint();
}

void TgxExtSpeedButton::Paint() {
    if (DefaultStyle()) {
        TgxSpeedButton::Paint();
        return;
    }
    TCanvas* canvas = Canvas();
    TgxSpeedButtonStyle* s = CurrentStyle();
    TRect r = ClientRect();
    if (Frame()) InflateRect(r, -1, -1);
    r.Right -= 1;
    r.Bottom -= 1;
    TgxBevel* bevel = s->Bevel();
    r = DrawBoxEx(canvas, r, bevel->Sides(), bevel->Inner(), bevel->Outer(), bevel->Bold(), s->Color(),
                  s->Gradient()->Active());
    if (s->Gradient()->Active()) {
        r.Right += 1;
        r.Bottom += 1;
        s->Gradient()->Draw(canvas, r, psSolid, 1);
        r.Right -= 1;
        r.Bottom -= 1;
    }
    if (!Glyph()->Empty()) r.Left += Glyph()->Width();

    canvas->Font()->Assign(s->Font());
    const String caption = Caption();
    const TSize extent = canvas->TextExtent(caption);
    const Integer off = Pushed() ? 1 : 0;
    const Integer x = r.Left + off + (r.Right - r.Left - extent.cx) / 2;
    const Integer y = r.Top + off + (r.Bottom - r.Top - extent.cy) / 2;
    ExtTextOutExt(canvas, x, y, r, caption, ShowsEnabled() ? s->TextStyle() : fstPushed, false, false,
                  s->Font()->Color(), s->DelineateColor(), s->HighlightColor(), s->ShadowColor(), nullptr,
                  s->TextGradient(), s->Font());

    if (Frame()) {
        TBrush frame;
        frame.SetColor(FrameColor());
        FrameRect(canvas, ClientRect(), &frame);
    }
    PaintGlyph(extent.cx);
}
