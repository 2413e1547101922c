#include "controls/TUtl3DCaption.h"

namespace {

template <typename T> bool Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

} // namespace

void TUtl3DCaption::SetDisabledStyle(TUtlDisabledStyle Value) {
    if (Store(FDisabledStyle, Value)) Change();
}

void TUtl3DCaption::SetDepth(Integer Index, Byte Value) {
    if (Store(Index == 0 ? FLightDepth : FShadowDepth, Value)) Change();
}

void TUtl3DCaption::SetColor(Integer Index, TColor Value) {
    if (Store(Index == 0 ? FLightColor : FShadowColor, Value)) Change();
}

void TUtl3DCaption::SetOrientation(TUtlThreeDOrientation Value) {
    if (Store(FOrientation, Value)) Change();
}

void TUtl3DCaption::SetStyle(TUtlThreeDStyle Value) {
    if (Store(FStyle, Value)) Change();
}

void TUtl3DCaption::SetTracing(Integer Value) {
    if (Store(FTracing, Value)) Change();
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

void TUtlFxCaption::SetAngle(TUtlAngle Value) {
    if (Value == 360) Value = 0;
    if (Store(FAngle, Value)) Change();
}

void TUtlFxCaption::SetPos(Integer Index, Word Value) {
    if (Store(Index == 0 ? FPosX : FPosY, Value)) Change();
}

void TUtlFxCaption::SetPosXY(Word X, Word Y) {
    const bool changed = Store(FPosX, X) | Store(FPosY, Y);
    if (changed) Change();
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
