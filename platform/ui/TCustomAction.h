#pragma once
// An action with the properties its client controls take over: Caption,
// Checked, Enabled, Hint, ImageIndex and Visible. A change goes to every
// client link first (which passes it on to its control while the control
// still shows the old value), then the value is stored and OnChange raised.
#include "platform/ui/TBasicAction.h"

class TCustomAction : public TBasicAction {
public:
    explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}
    String ClassName() const override { return "TCustomAction"; }

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& Value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

private:
    template <class V, class F> void Set(V& Field, const V& Value, F&& ToLink);

    String FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    String FHint;
    Integer FImageIndex = -1;
    bool FVisible = true;
};

class TAction : public TCustomAction {
public:
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
    String ClassName() const override { return "TAction"; }
};
