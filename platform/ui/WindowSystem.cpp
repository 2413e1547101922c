#include "platform/ui/WindowSystem.h"

#include "platform/ui/TCustomForm.h"
#include "platform/ui/detail/X11Queries.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef VELMORA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace ui::x11 {

#ifdef VELMORA_HAVE_X11

_XDisplay* ProgramDisplay() {
    // Asking must not start the window layer: without it there is nothing to ask.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != "xcb") return nullptr;
    auto* native = app->nativeInterface<QNativeInterface::QX11Application>();
    return native ? native->display() : nullptr;
}

Integer ScreenSaverTimeout(_XDisplay* display) {
    if (!display) return 0;
    int timeout = 0, interval = 0, blanking = 0, exposures = 0;
    XGetScreenSaver(display, &timeout, &interval, &blanking, &exposures);
    return timeout > 0 ? Integer(timeout) : 0;
}

bool LockKeyToggled(_XDisplay* display, TLockKey Key) {
    if (!display) return false;
    // The keyboard's indicators by their names: which modifier or key drives
    // them is the keymap's business.
    const char* name = Key == TLockKey::CapsLock  ? "Caps Lock"
                       : Key == TLockKey::NumLock ? "Num Lock"
                                                  : "Scroll Lock";
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on;
}

bool FrameExtents(_XDisplay* display, unsigned long window, TFrameExtents& Extents) {
    if (!display || !window) return false;
    const Atom property = XInternAtom(display, "_NET_FRAME_EXTENTS", True);
    if (property == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 4, False, XA_CARDINAL, &type, &format,
                                          &count, &after, &data);
    const bool ok = status == Success && type == XA_CARDINAL && format == 32 && count == 4 && data;
    if (ok) {
        // Format 32 arrives as longs, whatever their width.
        const auto* v = reinterpret_cast<const long*>(data);
        Extents = {Integer(v[0]), Integer(v[1]), Integer(v[2]), Integer(v[3])};
    }
    if (data) XFree(data);
    return ok;
}

#else

_XDisplay* ProgramDisplay() {
    return nullptr;
}
Integer ScreenSaverTimeout(_XDisplay*) {
    return 0;
}
bool LockKeyToggled(_XDisplay*, TLockKey) {
    return false;
}
bool FrameExtents(_XDisplay*, unsigned long, TFrameExtents&) {
    return false;
}

#endif

} // namespace ui::x11

Integer ScreenSaverTimeout() {
    return ui::x11::ScreenSaverTimeout(ui::x11::ProgramDisplay());
}

bool LockKeyToggled(TLockKey Key) {
    return ui::x11::LockKeyToggled(ui::x11::ProgramDisplay(), Key);
}

bool GetFrameExtents(const TCustomForm* Form, TFrameExtents& Extents) {
    _XDisplay* display = ui::x11::ProgramDisplay();
    if (!display || !Form || !Form->Widget()->isVisible()) return false;
    const QWindow* window = Form->Widget()->windowHandle();
    return window && ui::x11::FrameExtents(display, window->winId(), Extents);
}
