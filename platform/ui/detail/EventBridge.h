#pragma once
// Platform-internal: turns the widget's mouse, paint, focus, enter/leave,
// resize and context-menu events into the control's virtual calls.
#include <QObject>

class TControl;

namespace ui {

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
