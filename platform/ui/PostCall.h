#pragma once
// A call queued to the event loop, as a message posted to a control's window:
// it runs once the event being handled (and whatever it set off) is over.
#include <functional>

class TControl;

namespace ui {

// Runs Call from the event loop after the current event, in the order posted;
// an exception goes to the application's handler. Nothing runs when Control
// is destroyed before.
void PostCall(TControl* Control, std::function<void()> Call);

} // namespace ui
