#include "platform/ui/WindowRegion.h"

#include "platform/graphics/TRegion.h"
#include "platform/ui/TControl.h"

#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace ui {

bool SetWindowRgn(TControl* Control, const TRegion* Rgn, bool Redraw) {
    if (!Control || !Control->Widget()) return false;
    QWidget* w = Control->Widget();
    if (Rgn) {
        w->setMask(ToQRegion(*Rgn));
        if (w->isWindow() && !(w->windowFlags() & Qt::FramelessWindowHint)) {
            const bool visible = w->isVisible();
            w->setWindowFlag(Qt::FramelessWindowHint, true);
            if (visible) w->show();
        }
    } else {
        w->clearMask();
    }
    if (Redraw) w->repaint();
    return true;
}

std::unique_ptr<TRegion> GetWindowRgn(const TControl* Control) {
    if (!Control || !Control->Widget() || Control->Widget()->mask().isEmpty()) return nullptr;
    return std::make_unique<TRegion>(FromQRegion(Control->Widget()->mask()));
}

void StartSystemMove(TControl* Control) {
    if (!Control || !Control->Widget()) return;
    if (QWindow* window = Control->Widget()->window()->windowHandle()) window->startSystemMove();
}

} // namespace ui
