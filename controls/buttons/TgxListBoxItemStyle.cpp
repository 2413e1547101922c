#include "controls/buttons/TgxListBoxItemStyle.h"

#include "controls/buttons/GxColors.h"
#include "controls/buttons/GxProperties.h"

TgxCustomListBoxItemStyle::TgxCustomListBoxItemStyle()
    : FFont(std::make_unique<TFont>()), FBevel(std::make_unique<TgxBevel>()) {
    gx::RegisterProperties();
}

TgxCustomListBoxItemStyle::~TgxCustomListBoxItemStyle() = default;

void TgxCustomListBoxItemStyle::Changed() {
    if (FOnChanged) FOnChanged(this);
}

void TgxCustomListBoxItemStyle::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TgxCustomListBoxItemStyle::SetDelineateColor(TColor Value) {
    if (Value == FDelineateColor) return;
    FDelineateColor = Value;
    Changed();
}

void TgxCustomListBoxItemStyle::SetFont(TFont* Value) {
    FFont->Assign(Value);
    Changed();
}

void TgxCustomListBoxItemStyle::SetTextStyle(TgxTextStyle Value) {
    FTextStyle = Value;
    Changed();
}

TColor TgxCustomListBoxItemStyle::HighlightColor() const {
    return IncColor(FColor, 60);
}

TColor TgxCustomListBoxItemStyle::ShadowColor() const {
    return DecColor(FColor, 60);
}

void TgxCustomListBoxItemStyle::SetOnChanged(TNotifyEvent Event) {
    FOnChanged = Event;
    FBevel->OnChange = std::move(Event);
}

TgxListBoxItemStyle::TgxListBoxItemStyle()
    : FGradient(std::make_unique<TGradient>()), FTextGradient(std::make_unique<TGradient>()) {}

TgxListBoxItemStyle::~TgxListBoxItemStyle() = default;

void TgxListBoxItemStyle::SetOnChanged(TNotifyEvent Event) {
    TgxCustomListBoxItemStyle::SetOnChanged(Event);
    FGradient->OnChange = std::move(Event);
}

TgxAskListBoxItemStyle::TgxAskListBoxItemStyle() : FBtnFont(std::make_unique<TFont>()) {}

TgxAskListBoxItemStyle::~TgxAskListBoxItemStyle() = default;

void TgxAskListBoxItemStyle::SetBtnColor(TColor Value) {
    if (Value == FBtnColor) return;
    FBtnColor = Value;
    Changed();
}

void TgxAskListBoxItemStyle::SetBtnFont(TFont* Value) {
    FBtnFont->Assign(Value);
    Changed();
}

void TgxAskListBoxItemStyle::SetBtnTextStyle(TgxTextStyle Value) {
    FBtnTextStyle = Value;
    Changed();
}
