#include "platform/ui/TCustomAction.h"

#include "platform/ui/TActionLink.h"

template <class V, class F> void TCustomAction::Set(V& Field, const V& Value, F&& ToLink) {
    if (Field == Value) return;
    // A link may let go of the action while it hears the change.
    const std::vector<TBasicActionLink*> clients = Clients();
    for (TBasicActionLink* client : clients)
        if (auto* link = dynamic_cast<TActionLink*>(client)) ToLink(link);
    Field = Value;
    Change();
}

void TCustomAction::SetCaption(const String& Value) {
    Set(FCaption, Value, [&](TActionLink* l) { l->SetCaption(Value); });
}

void TCustomAction::SetChecked(bool Value) {
    Set(FChecked, Value, [&](TActionLink* l) { l->SetChecked(Value); });
}

void TCustomAction::SetEnabled(bool Value) {
    Set(FEnabled, Value, [&](TActionLink* l) { l->SetEnabled(Value); });
}

void TCustomAction::SetHint(const String& Value) {
    Set(FHint, Value, [&](TActionLink* l) { l->SetHint(Value); });
}

void TCustomAction::SetImageIndex(Integer Value) {
    Set(FImageIndex, Value, [&](TActionLink* l) { l->SetImageIndex(Value); });
}

void TCustomAction::SetVisible(bool Value) {
    Set(FVisible, Value, [&](TActionLink* l) { l->SetVisible(Value); });
}
