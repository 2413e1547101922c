#pragma once
// Platform-internal: turns the widget's mouse, paint, focus, enter/leave,
// resize and context-menu events into the control's virtual calls.
#include "platform/ui/UiTypes.h"

#include <QObject>

class QMouseEvent;
class TControl;

namespace ui {

TMouseButton MouseButtonOf(const QMouseEvent* Event);
// The modifiers and held buttons of a mouse event; Double adds ssDouble.
TShiftState MouseShiftOf(const QMouseEvent* Event, bool Double = false);

class EventBridge : public QObject {
public:
    explicit EventBridge(TControl* Control);
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TControl* FControl;
    // Wheel movement below one notch (fine-grained wheels and touch pads).
    int FWheelRest = 0;
};

} // namespace ui
