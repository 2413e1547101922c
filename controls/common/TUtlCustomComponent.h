#pragma once
// The root of the UTL components: a component with an About text and the same
// change protocol as TUtlObject.
#include "platform/core/TComponent.h"

class TUtlCustomComponent : public TComponent {
public:
    explicit TUtlCustomComponent(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TUtlCustomComponent"; }

    const String& About() const { return FAbout; }
    void SetAbout(const String& Value) { FAbout = Value; }

    void BeginUpdate() { FUpdateLock = 1; }
    void EndUpdate(bool Notify);
    virtual void Change();
    void GetChange(TObject* Sender) { Change(); }

    TNotifyEvent OnChange;

private:
    String FAbout;
    Byte FUpdateLock = 0;
};
