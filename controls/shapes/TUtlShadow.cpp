#include "controls/shapes/TUtlShadow.h"

#include <algorithm>

void TUtlShadow::SetColor(TColor Value) {
    SetAndChange(FColor, Value);
}

void TUtlShadow::SetDepth(TUtlShadowDepth Value) {
    SetAndChange(FDepth, std::min<TUtlShadowDepth>(Value, 40));
}

void TUtlShadow::SetStyle(TUtlShadowStyle Value) {
    SetAndChange(FStyle, Value);
}

void TUtlShadow::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlShadow*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FStyle = from->FStyle;
    FColor = from->FColor;
    FDepth = from->FDepth;
    EndUpdate(true);
}

String TUtlShadow::GetSetStr() const {
    if (FStyle == hssNone) return "{Disabled}";
    return String("{") + (FStyle == hssSolid ? "solid" : "tracing") + ", " + std::to_string(FDepth) + "}";
}
