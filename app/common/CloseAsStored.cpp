#include "app/common/CloseAsStored.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/TCustomForm.h"

#include <exception>

namespace app {

void ReadAgainAsStored(const std::function<void()>& ReadAgain, const char* Message) {
    try {
        ReadAgain();
    } catch (const std::exception& e) {
        // Exception is one of these; a failure of the toolkit or of memory is too, and it
        // must not read as a failed write either.
        throw EDatabaseError(Message + String(e.what()));
    }
}

void CloseAsStored(TCustomForm& Dialog, const std::function<void()>& ShowStored) {
    Dialog.Close();
    ReadAgainAsStored(ShowStored);
}

} // namespace app
