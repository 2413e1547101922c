#include "controls/UtlWindowTimer.h"

#if __has_include("platform/ui/TTimer.h")
#include "platform/ui/TTimer.h"
#define UTL_HAS_TIMER 1
#else
// Until the platform's timer is there the pool keeps its state without ticking.
class TTimer {};
#define UTL_HAS_TIMER 0
#endif

namespace utl {

WindowTimer::WindowTimer() = default;
WindowTimer::~WindowTimer() = default;

bool WindowTimer::Start(Cardinal IntervalMs)
{
    Stop();
    FInterval = IntervalMs;
#if UTL_HAS_TIMER
    if (!FTimer) {
        FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetEnabled(false);
        FTimer->OnTimer = [this](TObject*) {
            if (OnTick)
                OnTick();
        };
    }
    FTimer->SetInterval(IntervalMs);
    FTimer->SetEnabled(true);
    FTimer->Restart();
#endif
    FRunning = true;
    return true;
}

void WindowTimer::Stop()
{
#if UTL_HAS_TIMER
    if (FTimer)
        FTimer->SetEnabled(false);
#endif
    FRunning = false;
}

} // namespace utl
