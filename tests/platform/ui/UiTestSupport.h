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

// Handles events until Done() holds or Ms milliseconds pass; returns Done(). The default
// only ends a hang: what is waited for decides, not how soon a loaded machine gets there.
inline bool WaitFor(const std::function<bool()>& Done, Cardinal Ms = 60000) {
    const Cardinal start = GetTickCount();
    while (!Done()) {
        if (GetTickCount() - start > Ms) return false;
        Application->ProcessMessages();
        Sleep(1);
    }
    return true;
}

} // namespace uitest
