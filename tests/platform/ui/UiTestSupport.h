#pragma once
// Shared helpers of the window-layer tests: answering dialogs and waiting for events.
#include "platform/os/TickCount.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TApplication.h"

#include <functional>
#include <vector>

namespace uitest {

// Records every dialog and answers it with Result (and Value) while alive.
class DialogRecorder {
public:
    explicit DialogRecorder(Integer Result = 1, String Value = {}) {
        FPrevious = ui::SetDialogHook([this, Result, Value](const ui::DialogRequest& r) {
            Requests.push_back(r);
            return ui::DialogAnswer{Result, Value};
        });
    }
    ~DialogRecorder() { ui::SetDialogHook(FPrevious); }
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    std::vector<ui::DialogRequest> Requests;

private:
    ui::DialogHook FPrevious;
};

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
