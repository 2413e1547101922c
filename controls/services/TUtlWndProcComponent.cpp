#include "controls/services/TUtlWndProcComponent.h"

#include "platform/ui/TWinControl.h"

TUtlWndProcComponent::TUtlWndProcComponent(TComponent* AOwner) : TUtlCustomComponent(AOwner) {}

TUtlWndProcComponent::~TUtlWndProcComponent() {
    RestoreWndProc();
}

void TUtlWndProcComponent::SetEnabled(bool Value) {
    FEnabled = Value;
    if (ComponentState().Contains(csDesigning)) return;
    if (Value)
        Init();
    else {
        RestoreWndProc();
        RestoreState();
    }
}

void TUtlWndProcComponent::SetDesignEnabled(bool Value) {
    FDesignEnabled = Value;
    if (ComponentState().Contains(csDesigning)) {
        if (Value)
            Init();
        else
            RestoreState();
    }
    DesignEnabledChanged();
}

void TUtlWndProcComponent::SetHandleApp(bool Value) {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) FHandleApp = Value;
}

void TUtlWndProcComponent::SilentRemove() {
    RestoreWndProc();
    FEnabled = false;
}

TWinControl* TUtlWndProcComponent::GetOwnerHandle() const {
    return dynamic_cast<TWinControl*>(Owner());
}

bool TUtlWndProcComponent::ValidOwner() const {
    const TWinControl* owner = GetOwnerHandle();
    return owner && !owner->ComponentState().Contains(csLoading) &&
           !owner->ComponentState().Contains(csDestroying);
}

void TUtlWndProcComponent::Loaded() {
    TUtlCustomComponent::Loaded();
    if (!ComponentState().Contains(csDesigning) || FDesignEnabled) Init();
}

void TUtlWndProcComponent::Init() {
    if (FEnabled && !Hooked()) NewWndProc();
}

void TUtlWndProcComponent::DesignEnabledChanged() {
    if (ComponentState().Contains(csDesigning) && !FDesignEnabled) RestoreWndProc();
}

bool TUtlWndProcComponent::NewWndProc() {
    TWinControl* owner = GetOwnerHandle();
    if (!owner || Hooked() || (ComponentState().Contains(csDesigning) && !FDesignEnabled)) return false;
    FDestroying = false;
    FHook = std::make_unique<TWindowHook>(owner, [this](TMessage& M) { return Dispatch(M); });
    return true;
}

void TUtlWndProcComponent::RestoreWndProc() {
    FHook.reset();
    FDestroying = false;
}

bool TUtlWndProcComponent::Dispatch(TMessage& Message) {
    if (FDestroying) return false;
    FHandled = false;
    WndProc(Message);
    return FHandled;
}

void TUtlWndProcComponent::WndProc(TMessage& Message) {
    // From WM_DESTROY on the component stays out of the way, so the owner's own
    // processing sees the rest of its destruction.
    if (Message.Msg == WM_DESTROY) FDestroying = true;
}
