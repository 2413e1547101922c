#pragma once
// Fires OnTimer every Interval milliseconds while Enabled, Interval > 0 and
// OnTimer is assigned (set OnTimer before enabling, or call Restart).
#include "platform/core/TComponent.h"

class QTimer;

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    String ClassName() const override { return "TTimer"; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    Cardinal Interval() const { return FInterval; }
    void SetInterval(Cardinal v);
    // Picks up a changed OnTimer.
    void Restart() { UpdateTimer(); }

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    QTimer* FTimer;
    bool FEnabled = true;
    Cardinal FInterval = 1000;
};
