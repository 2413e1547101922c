#pragma once
// The office application's two button looks, as its forms set them.
#include "controls/TgxExtSpeedButton.h"

namespace looks {

constexpr TColor LightFace = 14868705;
constexpr TColor DarkBlue = 8271404;
constexpr TColor DarkHover = 9261143;
constexpr TColor DarkActiveColor = 14089726;
constexpr TColor PushedFace = 16118772;

inline void SetFonts(TgxExtSpeedButton* b, TColor color)
{
    for (TgxSpeedButtonStyle* s : {b->Style(), b->StyleActive(), b->StylePushed()}) {
        TFont font;
        font.SetName("MS Sans Serif");
        font.SetHeight(-11);
        font.SetColor(color);
        s->SetFont(&font);
    }
}

inline void Common(TgxExtSpeedButton* b)
{
    b->SetDefaultStyle(false);
    b->SetFrame(true);
    b->SetModalResult(0);
    for (TgxSpeedButtonStyle* s : {b->Style(), b->StyleActive()}) {
        s->Bevel()->SetInner(bvRaised);
        s->Bevel()->SetOuter(bvNone);
        s->SetTextStyle(fstNone);
    }
    b->StylePushed()->Bevel()->SetInner(bvLowered);
    b->StylePushed()->Bevel()->SetOuter(bvNone);
    b->StylePushed()->SetTextStyle(fstNone);
    b->StylePushed()->SetColor(PushedFace);
    TGradient* g = b->StyleActive()->Gradient();
    g->SetOrientation(fgdHorzConvergent);
    g->SetActive(true);
}

inline void Light(TgxExtSpeedButton* b)
{
    Common(b);
    b->Style()->SetColor(LightFace);
    b->StyleActive()->SetColor(LightFace);
    b->StyleActive()->Gradient()->SetFromColor(LightFace);
    b->StyleActive()->Gradient()->SetToColor(clWhite);
    SetFonts(b, DarkBlue);
    b->SetFrameColor(DarkBlue);
}

inline void Dark(TgxExtSpeedButton* b)
{
    Common(b);
    b->Style()->SetColor(DarkBlue);
    b->StyleActive()->SetColor(DarkActiveColor);
    b->StyleActive()->Gradient()->SetFromColor(DarkBlue);
    b->StyleActive()->Gradient()->SetToColor(DarkHover);
    SetFonts(b, clWhite);
    // White on the light pressed face would vanish; the pressed caption keeps the blue.
    b->StylePushed()->Font()->SetColor(DarkBlue);
    b->SetFrameColor(clNavy);
}

} // namespace looks
