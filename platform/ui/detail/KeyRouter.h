#pragma once
// Platform-internal: the keyboard path of a form. A key first goes to the
// form's menu shortcuts, then Tab, Enter and Escape act on the form (focus
// order, default and cancel buttons) unless the control wants them (Ctrl+Tab
// still leaves a control that keeps Tab), then the
// form sees it when KeyPreview is on, then the focused control's key events;
// the menu key or Shift+F10 that none of them took asks for the control's popup;
// only a key nobody swallowed reaches the widget.
#include "platform/ui/UiTypes.h"

#include <QObject>

class QApplication;
class QKeyEvent;
class TWinControl;

namespace ui {

class KeyRouter : public QObject {
public:
    static void Install(QApplication* App);
    bool eventFilter(QObject* Watched, QEvent* Event) override;

    // The platform's virtual key and shift state of a key event.
    static Word VirtualKey(const QKeyEvent* e);
    static TShiftState ShiftState(Qt::KeyboardModifiers m, Qt::MouseButtons b = Qt::NoButton);

    // The whole path for one key press on Control; true when it was swallowed.
    static bool KeyDown(TWinControl* Control, Word Key, TShiftState Shift);
    static bool KeyUp(TWinControl* Control, Word Key, TShiftState Shift);
    // Text typed; Key may be changed by the handlers.
    static bool KeyPress(TWinControl* Control, String& Key);
};

} // namespace ui
