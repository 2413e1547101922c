#include "platform/ui/detail/KeyRouter.h"

#include "platform/ui/SafeCall.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

namespace {

// Key events this router sent itself after a handler changed the character.
constexpr int ResentMarker = 0x56454C4D;

TWinControl* FocusedControl(QObject* watched) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return nullptr;
    // A window none of whose controls can take the focus (a preview whose
    // pages all fit, so its scroll bars are off) gets its keys itself: its form
    // handles them. Otherwise only the focused widget's own event counts, not
    // its propagation to the parents.
    const QWidget* focused = QApplication::focusWidget();
    if (focused ? w != focused : !w->isWindow()) return nullptr;
    if (w->window()->windowType() == Qt::Popup) return nullptr;
    for (TControl* c = TControl::FromWidget(w); c; c = c->Parent())
        if (auto* wc = dynamic_cast<TWinControl*>(c)) return wc;
    return nullptr;
}

bool IsDialogKey(Word key) {
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
}

bool IsPopupKey(Word Key, TShiftState Shift) {
    return (Key == VK_APPS && Shift.Empty()) || (Key == VK_F10 && Shift == TShiftState{ssShift});
}

// Asks for the popup as a right click does, so it takes the same road: the
// control's own menu, else the widget's (an edit's), else the parents'.
void AskForPopup(TWinControl* Control) {
    QWidget* target = QApplication::focusWidget();
    if (!target || !Control->Widget()->isAncestorOf(target)) target = Control->Widget();
    const TPoint at = Control->ClientToScreen(Control->KeyboardPopupPoint());
    const QPoint global(at.X, at.Y);
    QContextMenuEvent e(QContextMenuEvent::Keyboard, target->mapFromGlobal(global), global);
    QApplication::sendEvent(target, &e);
}

} // namespace

void KeyRouter::Install(QApplication* App) {
    // Owned by the application, so it goes when the program shuts the window layer down.
    auto* router = new KeyRouter;
    router->setParent(App);
    App->installEventFilter(router);
}

TShiftState KeyRouter::ShiftState(Qt::KeyboardModifiers m, Qt::MouseButtons b) {
    TShiftState s;
    if (m & Qt::ShiftModifier) s.Include(ssShift);
    if (m & Qt::ControlModifier) s.Include(ssCtrl);
    if (m & Qt::AltModifier) s.Include(ssAlt);
    if (b & Qt::LeftButton) s.Include(ssLeft);
    if (b & Qt::RightButton) s.Include(ssRight);
    if (b & Qt::MiddleButton) s.Include(ssMiddle);
    return s;
}

Word KeyRouter::VirtualKey(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return Word('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9) {
        if (e->modifiers() & Qt::KeypadModifier) return Word(VK_NUMPAD0 + (k - Qt::Key_0));
        return Word('0' + (k - Qt::Key_0));
    }
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return Word(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Help:
        return VK_HELP;
    case Qt::Key_Menu:
        return VK_APPS;
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    default:
        return 0;
    }
}

bool KeyRouter::KeyDown(TWinControl* Control, Word Key, TShiftState Shift) {
    TCustomForm* form = GetParentForm(Control);
    if (form && form->IsShortCut(Key, Shift, Control)) return true;
    if (form && Shift == TShiftState{ssAlt} && form->DialogChar(Key)) return true;
    if (form && IsDialogKey(Key) && !Control->WantsKey(Key) && form->OfferDialogKey(Key, Shift, Control))
        return true;
    // Ctrl+Tab leaves a control that keeps Tab for itself (a grid going round its cells).
    if (form && Key == VK_TAB && Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt) && Control->WantsKey(Key)) {
        form->SelectNext(Control, !Shift.Contains(ssShift), true);
        return true;
    }
    if (form && form != Control && form->KeyPreview()) {
        form->KeyDown(Key, Shift);
        if (Key == 0) return true;
    }
    Control->KeyDown(Key, Shift);
    if (Key == 0) return true;
    if (!IsPopupKey(Key, Shift)) return false;
    AskForPopup(Control);
    return true;
}

bool KeyRouter::KeyUp(TWinControl* Control, Word Key, TShiftState Shift) {
    TCustomForm* form = GetParentForm(Control);
    if (form && form != Control && form->KeyPreview()) {
        form->KeyUp(Key, Shift);
        if (Key == 0) return true;
    }
    Control->KeyUp(Key, Shift);
    return Key == 0;
}

bool KeyRouter::KeyPress(TWinControl* Control, String& Key) {
    TCustomForm* form = GetParentForm(Control);
    if (form && form != Control && form->KeyPreview()) {
        form->KeyPress(Key);
        if (Key.empty()) return true;
    }
    Control->KeyPress(Key);
    return Key.empty();
}

bool KeyRouter::eventFilter(QObject* Watched, QEvent* Event) {
    const auto type = Event->type();
    // The window system's own request for the menu key (at the mouse pointer):
    // the key itself has already asked for the popup at the control.
    if (type == QEvent::ContextMenu)
        return Event->spontaneous() &&
               static_cast<QContextMenuEvent*>(Event)->reason() == QContextMenuEvent::Keyboard &&
               FocusedControl(Watched);
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* e = static_cast<QKeyEvent*>(Event);
    if (e->nativeScanCode() == quint32(ResentMarker)) return false;
    TWinControl* control = FocusedControl(Watched);
    if (!control) return false;
    const Word key = VirtualKey(e);
    const TShiftState shift = ShiftState(e->modifiers());
    bool swallowed = false;
    if (type == QEvent::KeyRelease) {
        if (key) SafeCall(control, [&] { swallowed = KeyUp(control, key, shift); });
        return swallowed;
    }
    // An exception in a handler loses the key: the form acts on no half-handled key.
    swallowed = true;
    SafeCall(control, [&] { swallowed = key && KeyDown(control, key, shift); });
    if (swallowed) return true;
    const QString text = e->text();
    // The window system would move the focus on Tab; here the form decides,
    // so a Tab the control wanted ends with the control.
    if (key == VK_TAB) {
        String tab = "\t";
        SafeCall(control, [&] { KeyPress(control, tab); });
        return true;
    }
    if (text.isEmpty()) return false;
    const String typed = text.toUtf8().toStdString();
    String changed = typed;
    swallowed = true;
    SafeCall(control, [&] { swallowed = KeyPress(control, changed); });
    if (swallowed) return true;
    if (changed == typed) return false;
    QKeyEvent resent(QEvent::KeyPress, 0, e->modifiers(), quint32(ResentMarker), 0, 0,
                     QString::fromUtf8(changed.data(), qsizetype(changed.size())));
    QApplication::sendEvent(Watched, &resent);
    return true;
}

} // namespace ui
