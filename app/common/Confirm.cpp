#include "app/common/Confirm.h"

#include "platform/ui/MessageDialogs.h"

namespace app {

bool Confirm(const String& Question) {
    return MessageBox(nullptr, Question, "Figyelmeztetés!", MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

} // namespace app
