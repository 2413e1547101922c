#include "platform/ui/PostCall.h"

#include "platform/ui/SafeCall.h"
#include "platform/ui/TControl.h"

#include <QTimer>
#include <QWidget>

namespace ui {

void PostCall(TControl* Control, std::function<void()> Call) {
    // The control's window is the call's context: destroying it drops the call.
    QTimer::singleShot(0, Control->Widget(), [Control, Call = std::move(Call)] { SafeCall(Control, Call); });
}

} // namespace ui
