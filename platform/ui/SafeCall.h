#pragma once
// Every entry from the event loop into platform or application code goes
// through here: an exception stops at this point and is handed to the
// application's exception handling instead of crossing the event loop.
#include <functional>

class TObject;

namespace ui {

// Runs f; an exception is passed to Application->HandleException (with Sender).
// A foreign exception becomes an Exception with its text.
void SafeCall(TObject* Sender, const std::function<void()>& f) noexcept;

} // namespace ui
