#pragma once
// The one window timer behind a timer pool: calls OnTick every interval while
// it runs, from the application's message loop.
#include "platform/core/Types.h"

#include <functional>
#include <memory>

class TTimer;

namespace utl {

class WindowTimer {
public:
    WindowTimer();
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // (Re)starts with the interval; false when no timer can be had.
    bool Start(Cardinal IntervalMs);
    void Stop();
    bool Running() const { return FRunning; }
    Cardinal Interval() const { return FInterval; }

    std::function<void()> OnTick;

private:
    std::unique_ptr<TTimer> FTimer;
    bool FRunning = false;
    Cardinal FInterval = 0;
};

} // namespace utl
