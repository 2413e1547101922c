#include "controls/services/UtlWindowTimer.h"

#include "platform/ui/TTimer.h"

namespace utl {

WindowTimer::WindowTimer() = default;
WindowTimer::~WindowTimer() = default;

bool WindowTimer::Start(Cardinal IntervalMs) {
    Stop();
    FInterval = IntervalMs;
    if (!FTimer) {
        FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetEnabled(false);
        FTimer->OnTimer = [this](TObject*) {
            if (OnTick) OnTick();
        };
    }
    FTimer->SetInterval(IntervalMs);
    FTimer->SetEnabled(true);
    FTimer->Restart();
    FRunning = true;
    return true;
}

void WindowTimer::Stop() {
    if (FTimer) FTimer->SetEnabled(false);
    FRunning = false;
}

} // namespace utl
