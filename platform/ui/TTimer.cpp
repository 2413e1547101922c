#include "platform/ui/TTimer.h"

#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QTimer>

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    ui::EnsureWidgetApplication();
    FTimer = new QTimer;
    QObject::connect(FTimer, &QTimer::timeout, [this] {
        // The handler may be set after enabling, so it is looked up at each tick.
        ui::SafeCall(this, [this] { Timer(); });
    });
    UpdateTimer();
}

TTimer::~TTimer() {
    delete FTimer;
}

void TTimer::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    UpdateTimer();
}

void TTimer::SetInterval(Cardinal v) {
    if (v == FInterval) return;
    FInterval = v;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    FTimer->stop();
    if (FEnabled && FInterval > 0) FTimer->start(int(FInterval));
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}
