#include "platform/ui/InputSimulation.h"

#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/VirtualKeys.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTreeView>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

Qt::MouseButton QtButton(TMouseButton b) {
    return b == mbRight ? Qt::RightButton : b == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

Qt::KeyboardModifiers QtModifiers(TShiftState s) {
    Qt::KeyboardModifiers m;
    if (s.Contains(ssShift)) m |= Qt::ShiftModifier;
    if (s.Contains(ssCtrl)) m |= Qt::ControlModifier;
    if (s.Contains(ssAlt)) m |= Qt::AltModifier;
    return m;
}

// The active modal window (a message box, a file dialog), else the active window.
QWidget* ActiveWindow() {
    QWidget* window = QApplication::activeModalWidget();
    return window ? window : QApplication::activeWindow();
}

int QtKey(Word key, TShiftState shift) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return key;
    if (key >= VK_F1 && key <= VK_F12) return Qt::Key_F1 + (key - VK_F1);
    switch (key) {
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_TAB:
        return shift.Contains(ssShift) ? Qt::Key_Backtab : Qt::Key_Tab;
    case VK_RETURN:
        return Qt::Key_Return;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_SPACE:
        return Qt::Key_Space;
    case VK_PRIOR:
        return Qt::Key_PageUp;
    case VK_NEXT:
        return Qt::Key_PageDown;
    case VK_END:
        return Qt::Key_End;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_UP:
        return Qt::Key_Up;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_INSERT:
        return Qt::Key_Insert;
    case VK_DELETE:
        return Qt::Key_Delete;
    case VK_APPS:
        return Qt::Key_Menu;
    default:
        return 0;
    }
}

void SendMouse(QWidget* w, QEvent::Type type, Integer X, Integer Y, Qt::MouseButton b, Qt::MouseButtons held,
               Qt::KeyboardModifiers m) {
    const QPointF local(X, Y);
    QMouseEvent e(type, local, w->mapToGlobal(local), b, held, m);
    QApplication::sendEvent(w, &e);
}

} // namespace

void SimulateClick(TControl* Control, Integer X, Integer Y, TMouseButton Button, TShiftState Shift) {
    QWidget* w = Control->Widget();
    const Qt::MouseButton b = QtButton(Button);
    SendMouse(w, QEvent::MouseButtonPress, X, Y, b, b, QtModifiers(Shift));
    SendMouse(w, QEvent::MouseButtonRelease, X, Y, b, Qt::NoButton, QtModifiers(Shift));
}

void SimulateDblClick(TControl* Control, Integer X, Integer Y) {
    QWidget* w = Control->Widget();
    SendMouse(w, QEvent::MouseButtonPress, X, Y, Qt::LeftButton, Qt::LeftButton, {});
    SendMouse(w, QEvent::MouseButtonRelease, X, Y, Qt::LeftButton, Qt::NoButton, {});
    SendMouse(w, QEvent::MouseButtonDblClick, X, Y, Qt::LeftButton, Qt::LeftButton, {});
    SendMouse(w, QEvent::MouseButtonRelease, X, Y, Qt::LeftButton, Qt::NoButton, {});
}

void SimulateMouseMove(TControl* Control, Integer X, Integer Y) {
    SendMouse(Control->Widget(), QEvent::MouseMove, X, Y, Qt::NoButton, Qt::NoButton, {});
}

void SimulateDrag(TControl* Control, TPoint From, TPoint To) {
    QWidget* w = Control->Widget();
    QWidget* target = w->childAt(From.X, From.Y);
    if (!target) target = w;
    auto send = [&](QEvent::Type type, TPoint p, Qt::MouseButtons held) {
        const QPoint local = target->mapFrom(w, QPoint(p.X, p.Y));
        SendMouse(target, type, local.x(), local.y(),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
    };
    send(QEvent::MouseButtonPress, From, Qt::LeftButton);
    const Integer steps =
        std::max<Integer>(1, std::max(std::abs(To.X - From.X), std::abs(To.Y - From.Y)) / 3);
    for (Integer i = 1; i <= steps; ++i)
        send(QEvent::MouseMove,
             TPoint(From.X + (To.X - From.X) * i / steps, From.Y + (To.Y - From.Y) * i / steps),
             Qt::LeftButton);
    send(QEvent::MouseButtonRelease, To, Qt::NoButton);
}

void SimulateWindowMouse(TControl* Control, TPoint From, TPoint To, TMouseButton Button) {
    QWidget* w = Control->Widget();
    QWidget* top = w->window();
    top->winId();
    QWindow* window = top->windowHandle();
    const Qt::MouseButton b = QtButton(Button);
    auto send = [&](QEvent::Type type, TPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF at(w->mapTo(top, QPoint(p.X, p.Y)));
        QMouseEvent e(type, at, at, top->mapToGlobal(at), button, held, {});
        QApplication::sendEvent(window, &e);
    };
    send(QEvent::MouseButtonPress, From, b, b);
    const Integer distance = std::max(std::abs(To.X - From.X), std::abs(To.Y - From.Y));
    const Integer steps = distance == 0 ? 0 : std::max<Integer>(1, distance / 3);
    for (Integer i = 1; i <= steps; ++i)
        send(QEvent::MouseMove,
             TPoint(From.X + (To.X - From.X) * i / steps, From.Y + (To.Y - From.Y) * i / steps), Qt::NoButton,
             b);
    send(QEvent::MouseButtonRelease, To, b, Qt::NoButton);
}

void SimulateMouseEnter(TControl* Control) {
    QWidget* w = Control->Widget();
    QEnterEvent e(QPointF(1, 1), QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(w, &e);
}

void SimulateMouseLeave(TControl* Control) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(Control->Widget(), &e);
}

void SimulateWindowActivation(TControl* Control) {
    QWidget* window = Control->Widget()->window();
    if (QApplication::activeWindow() == window) return;
    window->activateWindow();
    QApplication::setActiveWindow(window);
}

void SimulateKey(TWinControl* Control, Word Key, TShiftState Shift, const String& Text) {
    QWidget* w = Control->Widget();
    SimulateWindowActivation(Control);
    if (!w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    const int key = QtKey(Key, Shift);
    QKeyEvent press(QEvent::KeyPress, key, QtModifiers(Shift), ToQt(Text));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, QtModifiers(Shift), ToQt(Text));
    QApplication::sendEvent(target, &release);
}

void SimulateWheel(TControl* Control, Integer X, Integer Y, Integer Delta) {
    QWidget* w = Control->Widget();
    QWidget* target = w->childAt(X, Y);
    if (!target) target = w;
    const QPointF local = target->mapFrom(w, QPointF(X, Y));
    QWheelEvent e(local, target->mapToGlobal(local), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

void SimulateHover(TControl* Control) {
    const QPoint middle = Control->Widget()->rect().center();
    SimulateHover(Control, middle.x(), middle.y());
}

void SimulateHover(TControl* Control, Integer X, Integer Y) {
    QWidget* w = Control->Widget();
    const QPoint at(X, Y);
    QHelpEvent e(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &e);
}

String ShownHint(TRect* Where) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const auto* label = qobject_cast<QLabel*>(w);
        if (!label || !label->isVisible() || label->windowType() != Qt::ToolTip) continue;
        if (Where) *Where = FromQRect(label->frameGeometry());
        return FromQt(label->text());
    }
    return {};
}

bool CloseActivePopup() {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) return false;
    popup->close();
    return true;
}

bool SimulateKeyInActiveWindow(Word Key, TShiftState Shift) {
    QWidget* window = ActiveWindow();
    if (!window) return false;
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const int key = QtKey(Key, Shift);
    QKeyEvent press(QEvent::KeyPress, key, QtModifiers(Shift));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, QtModifiers(Shift));
    QApplication::sendEvent(target, &release);
    return true;
}

String ActiveWindowCaption() {
    QWidget* window = ActiveWindow();
    return window ? FromQt(window->windowTitle()) : String();
}

WindowLayout ActiveWindowLayout() {
    WindowLayout layout;
    QWidget* window = ActiveWindow();
    if (!window) return layout;
    layout.Frame = FromQRect(window->frameGeometry());
    for (const QPushButton* b : window->findChildren<QPushButton*>())
        if (b->isVisible())
            layout.Buttons.push_back(FromQRect(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())));
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty())
            for (const QString& line : label->text().split(QChar('\n')))
                layout.Lines.push_back(FromQt(line));
    return layout;
}

std::vector<std::vector<ShownCell>> ActiveWindowRows() {
    std::vector<std::vector<ShownCell>> rows;
    QWidget* window = ActiveWindow();
    const QTreeView* list = nullptr;
    for (const QTreeView* view : window ? window->findChildren<QTreeView*>() : QList<QTreeView*>())
        if (view->isVisible() && view->model()) list = view;
    if (!list) return rows;
    const QAbstractItemModel* model = list->model();
    const QHeaderView* header = list->header();
    auto& titles = rows.emplace_back();
    for (int c = 0; c < header->count(); ++c)
        if (!header->isSectionHidden(c))
            titles.push_back({FromQt(model->headerData(c, Qt::Horizontal).toString()),
                              header->sectionSizeHint(c) <= header->sectionSize(c)});
    QStyleOptionViewItem option;
    option.initFrom(list);
    const int icon = list->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, list);
    option.decorationSize = list->iconSize().isValid() ? list->iconSize() : QSize(icon, icon);
    for (int r = 0; r < model->rowCount(list->rootIndex()); ++r) {
        auto& row = rows.emplace_back();
        for (int c = 0; c < header->count(); ++c) {
            if (header->isSectionHidden(c)) continue;
            const QModelIndex cell = model->index(r, c, list->rootIndex());
            const int needs = list->itemDelegateForIndex(cell)->sizeHint(option, cell).width();
            row.push_back({FromQt(cell.data().toString()), needs <= list->columnWidth(c)});
        }
    }
    return rows;
}

void SimulateCloseBox(TControl* Control) {
    Control->Widget()->window()->close();
}

void SimulateWindowMove(TControl* Control, Integer X, Integer Y) {
    Control->Widget()->window()->move(X, Y);
    QApplication::processEvents();
}

void SimulateWindowResize(TControl* Control, Integer Width, Integer Height) {
    Control->Widget()->window()->resize(Width, Height);
    QApplication::processEvents();
}

TPoint WindowPosition(const TControl* Control) {
    const QPoint p = Control->Widget()->window()->pos();
    return TPoint(p.x(), p.y());
}

} // namespace ui
