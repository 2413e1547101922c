#pragma once
// Actions: a command that controls share. An action runs its OnExecute and
// OnUpdate; the links of its client controls hear about its changes.
#include "platform/core/TComponent.h"

#include <vector>

class TBasicActionLink;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
    // Every client link lets go of the action first.
    ~TBasicAction() override;
    String ClassName() const override { return "TBasicAction"; }

    // OnExecute with the action as sender; False when none is assigned.
    virtual bool Execute();
    // OnUpdate with the action as sender; False when none is assigned.
    virtual bool Update();

    // The component whose click runs the action now; null outside Execute.
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* Value) { FActionComponent = Value; }

    void RegisterChanges(TBasicActionLink* Link);
    void UnRegisterChanges(TBasicActionLink* Link);
    const std::vector<TBasicActionLink*>& Clients() const { return FClients; }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;
    // Raised after a property changed; the clients heard it through their links.
    TNotifyEvent OnChange;

protected:
    void Change();

private:
    std::vector<TBasicActionLink*> FClients;
    TComponent* FActionComponent = nullptr;
};

class TBasicActionLink : public TObject {
public:
    TBasicActionLink() = default;
    ~TBasicActionLink() override;
    String ClassName() const override { return "TBasicActionLink"; }

    TBasicAction* Action() const { return FAction; }
    // Moves the link from the old action's clients to Value's.
    virtual void SetAction(TBasicAction* Value);
    // Runs the action with AComponent as its action component; False without one.
    virtual bool Execute(TComponent* AComponent = nullptr);
    virtual bool Update();

    // Raised when the client should take over the whole action again.
    TNotifyEvent OnChange;

    virtual void Change() {
        if (OnChange) OnChange(FAction);
    }

private:
    TBasicAction* FAction = nullptr;
};
