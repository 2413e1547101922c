#include "platform/ui/ProgressPace.h"

#include "platform/os/TickCount.h"
#include "platform/ui/TApplication.h"

namespace ui {

ProgressPace::ProgressPace(std::function<Int64()> Clock)
    : FClock(Clock ? std::move(Clock) : std::function<Int64()>([] { return GetTickCount64(); })) {}

bool ProgressPace::Ready() const {
    return !FStarted || FClock() - FLast >= IntervalMs;
}

void ProgressPace::Mark() {
    FStarted = true;
    FLast = FClock();
}

bool ProgressPace::Due() {
    if (!Ready()) return false;
    Mark();
    return true;
}

bool ProgressPace::Pump() {
    if (!Due()) return false;
    if (Application != nullptr) Application->ProcessMessages();
    return true;
}

} // namespace ui
