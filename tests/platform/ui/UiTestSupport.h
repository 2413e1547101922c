#pragma once
// Shared helpers of the window-layer tests: answering dialogs and waiting for events.
#include "platform/os/TickCount.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TApplication.h"
#include "tests/support/DialogRecorder.h"

#include <functional>
#include <vector>

namespace uitest {

using DialogRecorder = ::DialogRecorder;

// Handles events until Done() holds or Ms milliseconds pass; returns Done().
inline bool WaitFor(const std::function<bool()>& Done, Cardinal Ms = 2000) {
    const Cardinal start = GetTickCount();
    while (!Done()) {
        if (GetTickCount() - start > Ms) return false;
        Application->ProcessMessages();
        Sleep(1);
    }
    return true;
}

} // namespace uitest
