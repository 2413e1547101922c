#include "platform/ui/WindowHook.h"

#include "platform/ui/SafeCall.h"
#include "platform/ui/TControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QObject>
#include <QPointer>
#include <QResizeEvent>
#include <QWidget>

#include <algorithm>
#include <map>
#include <vector>

namespace {

Int64 Pack(Integer Low, Integer High) {
    return Int64((Cardinal(Low) & 0xFFFF) | ((Cardinal(High) & 0xFFFF) << 16));
}

// The message of a widget event; false for events that have none.
bool MessageOf(QEvent* Event, TMessage& M) {
    switch (Event->type()) {
    case QEvent::Move: {
        const QPoint p = static_cast<QMoveEvent*>(Event)->pos();
        M.Msg = WM_MOVE;
        M.LParam = Pack(p.x(), p.y());
        return true;
    }
    case QEvent::Resize: {
        const QSize s = static_cast<QResizeEvent*>(Event)->size();
        M.Msg = WM_SIZE;
        M.LParam = Pack(s.width(), s.height());
        return true;
    }
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        M.Msg = WM_ACTIVATE;
        M.WParam = Event->type() == QEvent::WindowActivate ? 1 : 0;
        return true;
    case QEvent::FocusIn:
        M.Msg = WM_SETFOCUS;
        return true;
    case QEvent::FocusOut:
        M.Msg = WM_KILLFOCUS;
        return true;
    case QEvent::EnabledChange:
        M.Msg = WM_ENABLE;
        return true;
    case QEvent::Paint:
        M.Msg = WM_PAINT;
        return true;
    case QEvent::Close:
        M.Msg = WM_CLOSE;
        return true;
    case QEvent::Show:
    case QEvent::Hide:
        M.Msg = WM_SHOWWINDOW;
        M.WParam = Event->type() == QEvent::Show ? 1 : 0;
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        M.Msg = Event->type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP;
        M.WParam = static_cast<QKeyEvent*>(Event)->key();
        return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(Event);
        const bool right = e->button() == Qt::RightButton, middle = e->button() == Qt::MiddleButton;
        switch (Event->type()) {
        case QEvent::MouseMove:
            M.Msg = WM_MOUSEMOVE;
            break;
        case QEvent::MouseButtonPress:
            M.Msg = right ? WM_RBUTTONDOWN : middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
            break;
        case QEvent::MouseButtonRelease:
            M.Msg = right ? WM_RBUTTONUP : middle ? WM_MBUTTONUP : WM_LBUTTONUP;
            break;
        default:
            M.Msg = WM_LBUTTONDBLCLK;
            break;
        }
        const QPoint p = e->position().toPoint();
        M.LParam = Pack(p.x(), p.y());
        return true;
    }
    case QEvent::Wheel:
        M.Msg = WM_MOUSEWHEEL;
        return true;
    case QEvent::Timer:
        M.Msg = WM_TIMER;
        return true;
    default:
        return false;
    }
}

std::map<TControl*, std::vector<TWindowHook::Filter*>>& Hooks() {
    static std::map<TControl*, std::vector<TWindowHook::Filter*>> hooks;
    return hooks;
}

} // namespace

class TWindowHook::Filter : public QObject {
public:
    Filter(TControl* Control, TWndMethod Method)
        : FControl(Control), FMethod(std::move(Method)), FWidget(Control->Widget()) {
        if (!FWidget) return;
        FWidget->installEventFilter(this);
        Hooks()[FControl].push_back(this);
        QObject::connect(FWidget, &QObject::destroyed, this, [this] {
            TMessage m;
            m.Msg = WM_DESTROY;
            Call(m);
            Detach();
        });
    }
    ~Filter() override { Detach(); }

    bool Installed() const { return !FWidget.isNull(); }

    bool Call(TMessage& M) {
        bool handled = false;
        ui::SafeCall(nullptr, [&] { handled = FMethod(M); });
        return handled;
    }

    bool eventFilter(QObject* Watched, QEvent* Event) override {
        TMessage m;
        if (Watched != FWidget || !MessageOf(Event, m)) return false;
        return Call(m);
    }

private:
    void Detach() {
        if (FWidget) FWidget->removeEventFilter(this);
        FWidget.clear();
        auto it = Hooks().find(FControl);
        if (it == Hooks().end()) return;
        auto& list = it->second;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        if (list.empty()) Hooks().erase(it);
    }

    TControl* FControl;
    TWndMethod FMethod;
    QPointer<QWidget> FWidget;
};

TWindowHook::TWindowHook(TControl* Control, TWndMethod Method)
    : FFilter(std::make_unique<Filter>(Control, std::move(Method))) {}

TWindowHook::~TWindowHook() = default;

bool TWindowHook::Installed() const {
    return FFilter->Installed();
}

bool SendHookMessage(TControl* Control, TMessage& Message) {
    auto it = Hooks().find(Control);
    if (it == Hooks().end()) return false;
    // The last installed first, as event filters run; a copy, since a hook may
    // remove itself.
    const std::vector<TWindowHook::Filter*> hooks = it->second;
    for (auto h = hooks.rbegin(); h != hooks.rend(); ++h) {
        auto live = Hooks().find(Control);
        if (live == Hooks().end()) return false;
        if (std::find(live->second.begin(), live->second.end(), *h) == live->second.end()) continue;
        if ((*h)->Call(Message)) return true;
    }
    return false;
}
