#include "platform/ui/TActionLink.h"

#include "platform/ui/TControl.h"
#include "platform/ui/TCustomAction.h"

namespace {

bool IsCustom(const TBasicAction* Action) {
    return dynamic_cast<const TCustomAction*>(Action) != nullptr;
}

} // namespace

bool TActionLink::IsCaptionLinked() const {
    return IsCustom(Action());
}

bool TActionLink::IsCheckedLinked() const {
    return IsCustom(Action());
}

bool TActionLink::IsEnabledLinked() const {
    return IsCustom(Action());
}

bool TActionLink::IsHintLinked() const {
    return IsCustom(Action());
}

bool TActionLink::IsImageIndexLinked() const {
    return IsCustom(Action());
}

bool TActionLink::IsVisibleLinked() const {
    return IsCustom(Action());
}

TCustomAction* TControlActionLink::CustomAction() const {
    return dynamic_cast<TCustomAction*>(Action());
}

bool TControlActionLink::IsCaptionLinked() const {
    return TActionLink::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const {
    return TActionLink::IsEnabledLinked() && FClient->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHintLinked() const {
    return TActionLink::IsHintLinked() && FClient->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const {
    return TActionLink::IsVisibleLinked() && FClient->Visible() == CustomAction()->Visible();
}

void TControlActionLink::SetCaption(const String& Value) {
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TControlActionLink::SetHint(const String& Value) {
    if (IsHintLinked()) FClient->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) FClient->SetVisible(Value);
}
