#include "controls/text/TUtl3DCaption.h"

void TUtl3DCaption::SetDisabledStyle(TUtlDisabledStyle Value) {
    SetAndChange(FDisabledStyle, Value);
}

void TUtl3DCaption::SetDepth(Integer Index, Byte Value) {
    SetAndChange(Index == 0 ? FLightDepth : FShadowDepth, Value);
}

void TUtl3DCaption::SetColor(Integer Index, TColor Value) {
    SetAndChange(Index == 0 ? FLightColor : FShadowColor, Value);
}

void TUtl3DCaption::SetOrientation(TUtlThreeDOrientation Value) {
    SetAndChange(FOrientation, Value);
}

void TUtl3DCaption::SetStyle(TUtlThreeDStyle Value) {
    SetAndChange(FStyle, Value);
}

void TUtl3DCaption::SetTracing(Integer Value) {
    SetAndChange(FTracing, Value);
}

void TUtl3DCaption::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtl3DCaption*>(Source);
    if (!from || from->ClassName() != ClassName()) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    CopyFrom(*from);
    EndUpdate(true);
}

void TUtl3DCaption::CopyFrom(const TUtl3DCaption& From) {
    SetDisabledStyle(From.FDisabledStyle);
    SetDepth(0, From.FLightDepth);
    SetDepth(1, From.FShadowDepth);
    SetColor(0, From.FLightColor);
    SetColor(1, From.FShadowColor);
    SetOrientation(From.FOrientation);
    SetStyle(From.FStyle);
    SetTracing(From.FTracing);
}

String TUtl3DCaption::GetSetStr() const {
    static const char* const names[] = {"Disabled",      "sunken",        "raised",     "sunken shadow",
                                        "raised shadow", "PColor sunken", "",           "shadow",
                                        "outline",       "extrude",       "extrude enh"};
    return String("{") + names[FStyle] + "}";
}

Integer TUtl3DCaption::Growth() const {
    switch (FStyle) {
    case tdSunken:
    case tdRaised:
        return FLightDepth;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised:
        return FLightDepth + FShadowDepth;
    case tdShadow:
    case tdOutline:
    case tdExtrude:
    case tdExtrudeEnh:
        return FShadowDepth;
    case tdNone:
        break;
    }
    return 0;
}

Integer TUtl3DCaption::FontGrowth() const {
    return FStyle == tdOutline || FStyle == tdExtrude || FStyle == tdExtrudeEnh ? 0 : Growth();
}

void TUtlFxCaption::SetAngle(TUtlAngle Value) {
    if (Value == 360) Value = 0;
    SetAndChange(FAngle, Value);
}

void TUtlFxCaption::SetPos(Integer Index, Word Value) {
    SetAndChange(Index == 0 ? FPosX : FPosY, Value);
}

void TUtlFxCaption::SetPosXY(Word X, Word Y) {
    if (X == FPosX && Y == FPosY) return;
    FPosX = X;
    FPosY = Y;
    Change();
}

void TUtlFxCaption::CopyFrom(const TUtl3DCaption& From) {
    TUtl3DCaption::CopyFrom(From);
    const auto& from = static_cast<const TUtlFxCaption&>(From);
    SetAngle(from.FAngle);
    SetPosXY(from.FPosX, from.FPosY);
}

String TUtlFxCaption::GetSetStr() const {
    String s = TUtl3DCaption::GetSetStr();
    if (FAngle == 0) return s;
    s.pop_back(); // the closing brace
    s = s == "{Disabled" ? String("{") : s + ",";
    return s + " rot: " + std::to_string(FAngle) + "}";
}
