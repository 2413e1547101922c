#pragma once
// How a write ends once its transaction has committed: it stands whatever the reading after
// it meets, so nothing that showed it (a dialog, a sheet, a panel, a settings page) invites
// the same write a second time, and the user reads that it was done.
#include "platform/core/Types.h"

#include <functional>
#include <initializer_list>

class TCustomForm;

namespace app {

// What the user reads when the lists could not be read again after a stored save or a
// done delete; the failure's own message follows it.
inline constexpr const char* ListNotReadAgainMessage =
    "A mentés megtörtént, de a listát nem sikerült újra beolvasni: ";
inline constexpr const char* DeletedListNotReadAgainMessage =
    "A törlés megtörtént, de a listát nem sikerült újra beolvasni: ";

// Runs ReadAgain, which reads again what shows a committed write (the lists, a combo, a
// sheet). Any failure of it, the database's or of another kind, is raised again as
// EDatabaseError Message + its message. The caller has left its inputs as after a successful
// write before, so that nothing stores the write again.
void ReadAgainAsStored(const std::function<void()>& ReadAgain, const char* Message = ListNotReadAgainMessage);

// Closes Dialog, then runs the steps of ShowStored in turn, each whatever the ones before it
// met; the first failure among them all, closing included, is raised after the last step as
// ReadAgainAsStored raises it. So the dialog closes whatever ShowStored meets, and every step
// that shows the write runs.
void CloseAsStored(TCustomForm& Dialog, std::initializer_list<std::function<void()>> ShowStored);
void CloseAsStored(TCustomForm& Dialog, const std::function<void()>& ShowStored);

} // namespace app
