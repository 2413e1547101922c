#pragma once
// The program's start: one copy at a time, the application object, the forms in
// their fixed order, the message loop.
#include <memory>

class TNamedMutex;

namespace app {

// Name of the mutex that keeps a second copy from starting.
inline constexpr const char* InstanceMutexName = "egyediazonosito";

// Opens the single-instance mutex and takes it without waiting. When another copy
// holds it, shows "A program egy példánya már fut" and answers null. The caller keeps
// the mutex until the process ends.
std::unique_ptr<TNamedMutex> ClaimSingleInstance();

// Exit status of a start-up that failed: the database missing or not the office's,
// or the main window unable to come up (the office settings or its first lists could
// not be read).
inline constexpr int StartFailed = 1;

// The whole run: single-instance check, application title, forms, message loop.
// Answers the process exit code: 0 after the user closed the main window or when
// another copy runs, StartFailed when the main window never came up. Exceptions
// that escape start-up are shown by the application's exception display, and the
// program ends after it.
int RunProgram();

} // namespace app
