#pragma once
// Shows a form modally (or runs Show, which does) and runs one step at each
// tick of a timer while the form is up; a form still up after the last step
// is cancelled.
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TTimer.h"

#include <functional>
#include <vector>

inline TModalResult RunModal(TCustomForm* Form, std::vector<std::function<void()>> Steps,
                             const std::function<TModalResult()>& Show = {}) {
    TTimer timer(nullptr);
    timer.SetInterval(5);
    std::size_t next = 0;
    timer.OnTimer = [&](TObject*) {
        if (!Form->Visible()) return;
        if (next < Steps.size())
            Steps[next++]();
        else
            Form->SetModalResult(mrCancel); // a dialog that would not close
    };
    timer.SetEnabled(true);
    return Show ? Show() : Form->ShowModal();
}
