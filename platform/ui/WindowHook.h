#pragma once
// A window procedure hook on a control's window: the control's events reach
// the hook as numbered messages first; a hook that answers true has handled
// the message and the control does not see it, otherwise the control's own
// processing (the previous window procedure) runs. Hooks chain: the last
// installed sees a message first. Removing a hook puts the previous
// procedure back; a hook is removed when its window is destroyed, after it
// has heard WM_DESTROY.
#include "platform/core/Types.h"

#include <functional>
#include <memory>

class TControl;
class QObject;

constexpr Cardinal WM_DESTROY = 0x0002, WM_MOVE = 0x0003, WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006,
                   WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A, WM_PAINT = 0x000F,
                   WM_CLOSE = 0x0010, WM_SHOWWINDOW = 0x0018, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101,
                   WM_TIMER = 0x0113, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
                   WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
                   WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208, WM_MOUSEWHEEL = 0x020A;

struct TMessage {
    Cardinal Msg = 0;
    Int64 WParam = 0;
    Int64 LParam = 0;
    Int64 Result = 0;
};

// Answers whether the message was handled.
using TWndMethod = std::function<bool(TMessage& Message)>;

class TWindowHook {
public:
    // Hooks Control's window (made on demand). Control must outlive the hook or
    // be destroyed with the hook still installed (the hook then goes quietly).
    TWindowHook(TControl* Control, TWndMethod Method);
    ~TWindowHook();
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;

    // False once the window is gone.
    bool Installed() const;

    class Filter;

private:
    std::unique_ptr<Filter> FFilter;
};

// Sends Message through Control's hooks (the last installed first) as if the
// window had received it; answers whether a hook handled it.
bool SendHookMessage(TControl* Control, TMessage& Message);
