#pragma once
// The system's warning beep. It sounds through a replaceable backend, so that
// tests count beeps instead of hearing them.
#include <functional>

// Sounds the warning beep through the backend in force.
void Beep();

namespace ui {

using BeepBackend = std::function<void()>;

// Replaces the backend (an empty one restores the toolkit's beep); returns the previous one.
BeepBackend SetBeepBackend(BeepBackend Backend);

} // namespace ui
