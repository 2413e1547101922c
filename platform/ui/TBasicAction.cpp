#include "platform/ui/TBasicAction.h"

#include "platform/core/ScopeExit.h"

#include <algorithm>

TBasicAction::~TBasicAction() {
    while (!FClients.empty())
        FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Link) {
    if (std::find(FClients.begin(), FClients.end(), Link) == FClients.end()) FClients.push_back(Link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Link) {
    std::erase(FClients, Link);
}

void TBasicAction::Change() {
    if (OnChange) OnChange(this);
}

TBasicActionLink::~TBasicActionLink() {
    if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
    if (Value == FAction) return;
    if (FAction) FAction->UnRegisterChanges(this);
    FAction = Value;
    if (FAction) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
    if (!FAction) return false;
    TBasicAction* action = FAction;
    action->SetActionComponent(AComponent);
    const core::ScopeExit clear([action] { action->SetActionComponent(nullptr); });
    return action->Execute();
}

bool TBasicActionLink::Update() {
    return FAction && FAction->Update();
}
