#include "platform/ui/Beep.h"

#include "platform/ui/detail/QtSupport.h"

#include <QApplication>

#include <utility>

namespace {

ui::BeepBackend& Backend() {
    static ui::BeepBackend backend;
    return backend;
}

} // namespace

void Beep() {
    if (Backend()) {
        Backend()();
        return;
    }
    ui::EnsureWidgetApplication();
    QApplication::beep();
}

namespace ui {

BeepBackend SetBeepBackend(BeepBackend Backend) {
    return std::exchange(::Backend(), std::move(Backend));
}

} // namespace ui
