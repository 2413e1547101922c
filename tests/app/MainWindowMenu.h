#pragma once
// The main window's menu items and start-page pictures by name, for tests that drive
// the window as its user does without its class.
#include "app/common/Form1.h"
#include "app/common/MainWindowShared.h"
#include "platform/ui/TMenuItem.h"

#include <stdexcept>

namespace apptest {

// The component Name of the main window (Form1) as a T; throws when there is none.
template <class T = TMenuItem> T& WindowPart(const String& Name) {
    auto* part = dynamic_cast<T*>(app::MainWindow().FindComponent(Name));
    if (!part) throw std::logic_error("the main window has no " + Name);
    return *part;
}

// The main window's menu item Name ("Ugylista1").
inline TMenuItem& MenuItem(const String& Name) {
    return WindowPart<TMenuItem>(Name);
}

} // namespace apptest
