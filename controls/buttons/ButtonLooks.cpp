#include "controls/buttons/ButtonLooks.h"

#include "controls/buttons/TgxExtSpeedButton.h"

namespace looks {

namespace {

// The buttons' caption face in Color.
void SetCaptionFont(TFont* Font, TColor Color) {
    Font->SetName("MS Sans Serif");
    Font->SetHeight(-11);
    Font->SetColor(Color);
}

void SetStyle(TgxSpeedButtonStyle* Style, TColor Color, TColor FontColor, TBevelCut Inner) {
    Style->SetColor(Color);
    TFont font;
    SetCaptionFont(&font, FontColor);
    Style->SetFont(&font);
    Style->Bevel()->SetInner(Inner);
    Style->Bevel()->SetOuter(bvNone);
}

void SetHoverGradient(TgxSpeedButtonStyle* Style, TColor From, TColor To) {
    Style->Gradient()->SetFromColor(From);
    Style->Gradient()->SetToColor(To);
    Style->Gradient()->SetOrientation(fgdHorzConvergent);
    Style->Gradient()->SetActive(true);
}

void ApplyLook(TgxExtSpeedButton* Button, TColor Color, TColor FontColor, TColor FrameColor) {
    Button->SetDefaultStyle(false);
    Button->SetModalResult(mrNone);
    Button->SetFrameColor(FrameColor);
    TFont font;
    SetCaptionFont(&font, FontColor);
    Button->SetFont(&font);
    SetStyle(Button->Style(), Color, FontColor, bvRaised);
    SetStyle(Button->StyleActive(), Color, FontColor, bvRaised);
    SetStyle(Button->StylePushed(), PushedButtonColor, FontColor, bvLowered);
    // The pushed look is always pale, so its caption keeps the house blue.
    Button->StylePushed()->Font()->SetColor(HouseBlue);
}

} // namespace

void ApplyLightLook(TgxExtSpeedButton* Button) {
    ApplyLook(Button, LightButtonColor, HouseBlue, HouseBlue);
    SetHoverGradient(Button->StyleActive(), LightButtonColor, clWhite);
}

void ApplyDarkLook(TgxExtSpeedButton* Button) {
    ApplyLook(Button, HouseBlue, clWhite, clNavy);
    Button->StyleActive()->SetColor(DarkButtonActiveColor);
    SetHoverGradient(Button->StyleActive(), HouseBlue, DarkButtonHover);
}

} // namespace looks
