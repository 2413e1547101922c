#include "platform/ui/detail/EventBridge.h"

#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/detail/KeyRouter.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

namespace ui {

TMouseButton MouseButtonOf(const QMouseEvent* e) {
    switch (e->button()) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

TShiftState MouseShiftOf(const QMouseEvent* e, bool dbl) {
    TShiftState s = KeyRouter::ShiftState(e->modifiers(), e->buttons() | e->button());
    if (dbl) s.Include(ssDouble);
    return s;
}

EventBridge::EventBridge(TControl* Control) : FControl(Control) {}

bool EventBridge::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != FControl->Widget()) return false;
    bool handled = false;
    SafeCall(FControl, [&] { handled = FControl->WidgetEvent(Event); });
    if (handled) return true;

    TControl* c = FControl;
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // A disabled control (or one in a disabled container) hears no mouse.
        if (!c->Widget()->isEnabled()) return true;
        break;
    default:
        break;
    }
    switch (Event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(Event);
        const QPoint p = e->position().toPoint();
        if (e->button() == Qt::LeftButton) c->FMousePressed = true;
        SafeCall(c, [&] { c->MouseDown(MouseButtonOf(e), MouseShiftOf(e), p.x(), p.y()); });
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(Event);
        const QPoint p = e->position().toPoint();
        const bool click = c->FClickOnMouseUp && e->button() == Qt::LeftButton && c->FMousePressed &&
                           PtInRect(c->ClientRect(), TPoint(p.x(), p.y()));
        if (e->button() == Qt::LeftButton) c->FMousePressed = false;
        // The click comes before the release is reported: OnMouseUp handlers see the clicked state.
        if (click) SafeCall(c, [&] { c->Click(); });
        SafeCall(c, [&] { c->MouseUp(MouseButtonOf(e), MouseShiftOf(e), p.x(), p.y()); });
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(Event);
        const QPoint p = e->position().toPoint();
        if (e->button() == Qt::LeftButton) {
            c->FMousePressed = true;
            SafeCall(c, [&] { c->DblClick(); });
        }
        SafeCall(c, [&] { c->MouseDown(MouseButtonOf(e), MouseShiftOf(e, true), p.x(), p.y()); });
        return false;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(Event);
        const QPoint p = e->position().toPoint();
        SafeCall(c, [&] { c->MouseMove(MouseShiftOf(e), p.x(), p.y()); });
        return false;
    }
    case QEvent::Enter:
        SafeCall(c, [&] {
            Application->SetHintFrom(c);
            c->MouseEnter();
        });
        return false;
    case QEvent::Leave:
        SafeCall(c, [&] { c->MouseLeave(); });
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        auto* w = dynamic_cast<TWinControl*>(c);
        const auto reason = static_cast<QFocusEvent*>(Event)->reason();
        // Switching windows or opening a menu is no change of the active control.
        if (!w || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (Event->type() == QEvent::FocusIn) {
            if (TCustomForm* form = GetParentForm(w); form && form != w) form->SetFocusedControl(w);
            SafeCall(c, [&] { w->DoEnter(); });
        } else
            SafeCall(c, [&] { w->DoExit(); });
        return false;
    }
    case QEvent::Wheel: {
        if (!c->OnMouseWheelUp && !c->OnMouseWheelDown) return false;
        auto* e = static_cast<QWheelEvent*>(Event);
        FWheelRest += e->angleDelta().y();
        const QPoint p = e->position().toPoint();
        const TShiftState shift = KeyRouter::ShiftState(e->modifiers(), e->buttons());
        bool handled = false;
        // 120 is one notch; a notch up moves the view towards the top.
        while (FWheelRest >= 120 || FWheelRest <= -120) {
            const bool up = FWheelRest > 0;
            FWheelRest += up ? -120 : 120;
            bool one = false;
            SafeCall(c, [&] {
                if (const auto& handler = up ? c->OnMouseWheelUp : c->OnMouseWheelDown)
                    handler(c, shift, TPoint(p.x(), p.y()), one);
            });
            handled = handled || one;
        }
        return handled;
    }
    case QEvent::ContextMenu: {
        auto* e = static_cast<QContextMenuEvent*>(Event);
        const QPoint g = e->globalPos();
        // A failing popup handler still ends the request here: no parent's menu instead.
        bool shown = true;
        SafeCall(c, [&] {
            shown = c->ContextPopup(TPoint(g.x(), g.y()), e->reason() == QContextMenuEvent::Keyboard);
        });
        return shown;
    }
    case QEvent::Paint: {
        if (!c->SelfPainting()) return false;
        QWidget* w = c->Widget();
        QPainter painter(w);
        TCanvas canvas(std::make_unique<graphics::QtCanvasBackend>(&painter, TSize(w->width(), w->height())));
        SafeCall(c, [&] { c->PaintControl(&canvas); });
        return true;
    }
    default:
        return false;
    }
}

} // namespace ui
