#pragma once
// How a dialog ends once its save has committed: the save stands whatever the refresh
// after it meets, so the dialog never stays open to invite the same save a second time.
#include "platform/core/Types.h"

#include <functional>

class TCustomForm;

namespace app {

// What the user reads when the lists could not be read again after a stored save; the
// failure's own message follows it.
inline constexpr const char* ListNotReadAgainMessage =
    "A mentés megtörtént, de a listát nem sikerült újra beolvasni: ";

// Closes Dialog, then runs ShowStored, which reads again what shows the stored rows (the
// lists, a combo, a sheet to open). When ShowStored raises, Dialog stays closed and the
// failure is raised again as EDatabaseError ListNotReadAgainMessage + its message.
void CloseAsStored(TCustomForm& Dialog, const std::function<void()>& ShowStored);

} // namespace app
