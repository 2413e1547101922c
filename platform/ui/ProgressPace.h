#pragma once
// How often a progress window refreshes. A repaint and a turn of the event loop cost
// far more than a record or a page of the job behind the window (on a real desktop
// they repaint whatever the job invalidated), so every progress window lets the
// events run at most 25 times a second; its cancel button is still seen at once.
#include "platform/core/Types.h"

#include <functional>

namespace ui {

class ProgressPace {
public:
    static constexpr Int64 IntervalMs = 40;
    // Clock: monotonic milliseconds (the system's tick count unless given).
    explicit ProgressPace(std::function<Int64()> Clock = {});

    // Whether a refresh is due: nothing shown yet since construction or Restart, or
    // IntervalMs passed since the last one.
    bool Ready() const;
    // Notes a refresh made now.
    void Mark();
    // Ready, and then Mark.
    bool Due();
    // When Due, lets the pending events run (repaints included); says whether it did.
    bool Pump();
    // The next Due is true (a window shown anew refreshes at once).
    void Restart() { FStarted = false; }

private:
    std::function<Int64()> FClock;
    Int64 FLast = 0;
    bool FStarted = false;
};

} // namespace ui
