// The grid's scroll bars, its mouse wheel and its cell hints: the parts that
// talk to the widget layer directly.
#include "platform/core/ScopeExit.h"
#include "platform/ui/TCustomGrid.h"

#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/detail/KeyRouter.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace {

// The grid's hint window: a tooltip-coloured box with its top-left corner exactly where
// the grid puts it (the window system's tooltip would move it a pointer's height lower),
// which lets the mouse through to the cell it covers. A cell's hint goes when the pointer
// leaves the cell or the grid; every hint goes on a press, a release, the wheel or a key,
// and after ten seconds, as a tooltip does.
class HintLabel : public QLabel {
public:
    explicit HintLabel(QWidget* Owner)
        : QLabel(Owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput),
          FOwner(Owner) {
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setTextFormat(Qt::PlainText);
        setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
        FTimer.setSingleShot(true);
        FTimer.setInterval(10000);
        QObject::connect(&FTimer, &QTimer::timeout, this, &QWidget::hide);
    }

    // Shows Text at At (screen), moved only as far as needed to stay on the screen; Area
    // (the owner's coordinates; empty for none) is where the pointer may go meanwhile.
    void ShowAt(QPoint At, const QString& Text, const QRect& Area) {
        setText(Text);
        adjustSize();
        const QScreen* screen = QGuiApplication::screenAt(At);
        const QRect room = screen ? screen->geometry() : FOwner->screen()->geometry();
        At.setX(std::max(room.left(), std::min(At.x(), room.right() + 1 - width())));
        At.setY(std::max(room.top(), std::min(At.y(), room.bottom() + 1 - height())));
        FArea = Area;
        move(At);
        if (!isVisible()) {
            qApp->installEventFilter(this);
            show();
            // The X11 platform lets the pointer through only a window that shows already.
            if (QWindow* window = windowHandle()) {
                const Qt::WindowFlags flags = window->flags();
                window->setFlags(flags & ~Qt::WindowTransparentForInput);
                window->setFlags(flags);
            }
        }
        raise();
        FTimer.start();
    }

protected:
    void paintEvent(QPaintEvent* Event) override {
        QStylePainter p(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        p.drawPrimitive(QStyle::PE_PanelTipLabel, frame);
        p.end();
        QLabel::paintEvent(Event);
    }
    void hideEvent(QHideEvent* Event) override {
        qApp->removeEventFilter(this);
        FTimer.stop();
        QLabel::hideEvent(Event);
    }
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        switch (Event->type()) {
        case QEvent::MouseMove:
            HideOutside(static_cast<QMouseEvent*>(Event)->globalPosition().toPoint());
            break;
        case QEvent::Leave:
            // The window system also reports a leave when the hint appears over the cell.
            if (Watched == FOwner) HideOutside(QCursor::pos());
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::WindowDeactivate:
            hide();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void HideOutside(const QPoint& Pointer) {
        if (!FArea.isNull() && !FArea.contains(FOwner->mapFromGlobal(Pointer))) hide();
    }

    QWidget* FOwner;
    QRect FArea;
    QTimer FTimer;
};

// The wheel is the grid's own: one notch moves one row (or record); cell
// hints replace the control's tooltip where the grid gives one.
class WheelFilter : public QObject {
public:
    explicit WheelFilter(TCustomGrid* Grid) : FGrid(Grid) {}
    HintLabel* Hint() {
        if (!FHint) FHint = new HintLabel(FGrid->Widget());
        return FHint;
    }
    void HideHint() {
        if (FHint) FHint->hide();
    }
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::ToolTip) return ShowHint(static_cast<QHelpEvent*>(Event));
        if (Event->type() != QEvent::Wheel) return QObject::eventFilter(Watched, Event);
        auto* e = static_cast<QWheelEvent*>(Event);
        TShiftState shift = ui::KeyRouter::ShiftState(e->modifiers(), e->buttons());
        TPoint pos(Integer(e->position().x()), Integer(e->position().y()));
        // Each full notch of 120 is one step; fine-grained wheels and touchpads
        // send parts of one, which add up until they make a notch.
        FRest += e->angleDelta().y();
        ui::SafeCall(FGrid, [&] {
            while (std::abs(FRest) >= 120) {
                const Integer notch = FRest < 0 ? -120 : 120;
                FRest -= notch;
                FGrid->DoMouseWheel(shift, notch, pos);
            }
        });
        return true;
    }

private:
    bool ShowHint(QHelpEvent* e) {
        String text;
        TGridHintInfo info;
        bool own = false;
        ui::SafeCall(FGrid, [&] { own = FGrid->CellHint(TPoint(e->pos().x(), e->pos().y()), text, info); });
        if (!own) return false;
        if (text.empty())
            HideHint();
        else
            Hint()->ShowAt(FGrid->Widget()->mapToGlobal(QPoint(info.HintPos.X, info.HintPos.Y)),
                           ui::ToQt(text), ui::ToQRect(info.CursorRect));
        return true;
    }

    TCustomGrid* FGrid;
    Integer FRest = 0;
    HintLabel* FHint = nullptr;
};

} // namespace

void TCustomGrid::ShowScrollHint(const String& Text) {
    auto* filter = static_cast<WheelFilter*>(FWheelFilter);
    if (Text.empty() || !Widget()->isVisible()) {
        filter->HideHint();
        return;
    }
    const QPoint at =
        QCursor::pos() + QPoint(GetSystemMetrics(SM_CXCURSOR) / 2, GetSystemMetrics(SM_CYCURSOR) / 2);
    filter->Hint()->ShowAt(at, ui::ToQt(Text), QRect());
}

void TCustomGrid::InstallEventFilter() {
    FWheelFilter = new WheelFilter(this);
    FWheelFilter->setParent(Widget());
    Widget()->installEventFilter(FWheelFilter);
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
    if (Value == FScrollBars) return;
    FScrollBars = Value;
    UpdateScrollBars();
    Invalidate();
}

TCustomGrid::TScrollState TCustomGrid::HorzScrollState() const {
    TScrollState s;
    if (FScrollBars != ssHorizontal && FScrollBars != ssBoth) return s;
    TRect full = TCustomControl::ClientRect();
    Integer lw = VertLineWidth();
    // Summed wide: column widths set from stored layouts can add up past Integer.
    Int64 x = 0;
    for (Integer c = 0; c < ColCount(); ++c)
        if (ColWidths(c) >= 0) x += Int64{ColWidths(c)} + lw;
    s.Shown = FLeftCol > FFixedCols || x > full.Right;
    s.Min = FFixedCols;
    s.Max = std::max(FFixedCols, ColCount() - 1);
    s.Pos = FLeftCol;
    s.Page = std::max(1, VisibleColCount());
    return s;
}

TCustomGrid::TScrollState TCustomGrid::VertScrollState() const {
    TScrollState s;
    if (FScrollBars != ssVertical && FScrollBars != ssBoth) return s;
    s.Shown = FTopRow > FFixedRows || VisibleRowCount() < RowCount() - FFixedRows;
    s.Min = FFixedRows;
    s.Max = std::max(FFixedRows, RowCount() - 1);
    s.Pos = FTopRow;
    s.Page = std::max(1, VisibleRowCount());
    return s;
}

void TCustomGrid::ScrollBarMoved(bool Vertical, Integer Pos) {
    if (Vertical)
        SetTopRow(Pos);
    else
        SetLeftCol(Pos);
}

void TCustomGrid::ApplyScrollBar(QScrollBar*& Bar, bool Vertical, const TScrollState& State) {
    if (!State.Shown) {
        if (Bar) Bar->hide();
        return;
    }
    if (!Bar) {
        Bar = new QScrollBar(Vertical ? Qt::Vertical : Qt::Horizontal, Widget());
        QScrollBar* bar = Bar;
        QObject::connect(bar, &QScrollBar::actionTriggered, [this, bar, Vertical](int) {
            if (FUpdatingBars) return;
            Integer pos = bar->sliderPosition();
            ui::SafeCall(this, [&] { ScrollBarMoved(Vertical, pos); });
        });
    }
    Bar->setRange(State.Min, State.Max);
    Bar->setPageStep(State.Page);
    Bar->setValue(State.Pos);
    TRect full = TCustomControl::ClientRect();
    Integer w = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
    if (Vertical)
        Bar->setGeometry(full.Right - w, 0, w, full.Bottom - (FHorzShown ? h : 0));
    else
        Bar->setGeometry(0, full.Bottom - h, full.Right - (FVertShown ? w : 0), h);
    Bar->show();
}

void TCustomGrid::UpdateScrollBars() {
    if (FUpdatingBars) return;
    FUpdatingBars = true;
    core::ScopeExit restore([&] { FUpdatingBars = false; });
    // Showing one bar narrows the room of the other: settle in two rounds.
    bool changed = false;
    for (int round = 0; round < 2; ++round) {
        TScrollState v = VertScrollState(), h = HorzScrollState();
        if (v.Shown != FVertShown || h.Shown != FHorzShown) {
            FVertShown = v.Shown;
            FHorzShown = h.Shown;
            changed = true;
            ClientSizeChanged();
        }
    }
    ApplyScrollBar(FVertBar, true, VertScrollState());
    ApplyScrollBar(FHorzBar, false, HorzScrollState());
    if (changed) UpdateEditorBounds();
}
