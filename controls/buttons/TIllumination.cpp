#include "controls/buttons/TIllumination.h"

#include "controls/buttons/GxProperties.h"

void T2DAlign::SetHorizontal(TgxHorAlign Value) {
    if (Value == FHorizontal) return;
    FHorizontal = Value;
    Changed();
}

void T2DAlign::SetVertical(TgxVertAlign Value) {
    if (Value == FVertical) return;
    FVertical = Value;
    Changed();
}

void TIllumination::SetShadowDepth(Integer Value) {
    if (Value < 0) Value = 0;
    if (Value == FShadowDepth) return;
    FShadowDepth = Value;
    Changed();
}

void TPointClass::SetX(Integer Value) {
    if (Value == FX) return;
    FX = Value;
    if (OnChange) OnChange(this);
}

void TPointClass::SetY(Integer Value) {
    if (Value == FY) return;
    FY = Value;
    if (OnChange) OnChange(this);
}

T2DAlign::T2DAlign() {
    gx::RegisterProperties();
}

TPointClass::TPointClass() {
    gx::RegisterProperties();
}
