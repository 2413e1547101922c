#pragma once
// The confirmation every delete asks for: a box captioned "Figyelmeztetés!" with OK and
// Cancel and the warning icon, without an owner window.
#include "platform/core/Types.h"

namespace app {

// True when the user chooses OK.
bool Confirm(const String& Question);

} // namespace app
