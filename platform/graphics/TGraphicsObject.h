#pragma once
// Base of TFont, TPen and TBrush: a persistent object that tells its owner
// (usually a canvas or a control) when it changes.
#include "platform/core/TPersistent.h"

class TGraphicsObject : public TPersistent {
public:
    String ClassName() const override { return "TGraphicsObject"; }

    TNotifyEvent OnChange;

protected:
    // Fires OnChange with this object as the sender.
    void Changed() {
        if (OnChange) OnChange(this);
    }
};
