#include "app/common/CloseAsStored.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/TCustomForm.h"

namespace app {

void CloseAsStored(TCustomForm& Dialog, const std::function<void()>& ShowStored) {
    Dialog.Close();
    try {
        ShowStored();
    } catch (const Exception& e) {
        throw EDatabaseError(ListNotReadAgainMessage + e.Message());
    }
}

} // namespace app
