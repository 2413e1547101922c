#pragma once
// The link between an action and one client: the client takes over each
// property of a TCustomAction that is "linked" (in TControlActionLink, that
// still shows the action's value), so a value the user gave the client
// himself stays.
#include "platform/ui/TBasicAction.h"

class TControl;

class TActionLink : public TBasicActionLink {
public:
    String ClassName() const override { return "TActionLink"; }

    // The action is a TCustomAction.
    virtual bool IsCaptionLinked() const;
    virtual bool IsCheckedLinked() const;
    virtual bool IsEnabledLinked() const;
    virtual bool IsHintLinked() const;
    virtual bool IsImageIndexLinked() const;
    virtual bool IsVisibleLinked() const;

    // Passes a new action value on to the client; nothing here.
    virtual void SetCaption(const String& Value) {}
    virtual void SetChecked(bool Value) {}
    virtual void SetEnabled(bool Value) {}
    virtual void SetHint(const String& Value) {}
    virtual void SetImageIndex(Integer Value) {}
    virtual void SetVisible(bool Value) {}
};

class TCustomAction;

class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* Client) : FClient(Client) {}
    String ClassName() const override { return "TControlActionLink"; }

    TControl* Client() const { return FClient; }

    // Linked while the control shows the action's value.
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;

    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const String& Value) override;
    void SetVisible(bool Value) override;

protected:
    // The action as a TCustomAction; null for any other.
    TCustomAction* CustomAction() const;

private:
    TControl* FClient;
};

// The link class a control makes for its action (GetActionLinkClass).
using TControlActionLinkClass = TControlActionLink* (*)(TControl* Client);

template <class L> TControlActionLink* NewActionLink(TControl* Client) {
    return new L(Client);
}
