// The grid's scroll bars, its mouse wheel and its cell hints: the parts that
// talk to the widget layer directly.
#include "platform/core/ScopeExit.h"
#include "platform/ui/TCustomGrid.h"

#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/detail/KeyRouter.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QCursor>
#include <QEvent>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace {

// The wheel is the grid's own: one notch moves one row (or record); cell
// hints replace the control's tooltip where the grid gives one.
class WheelFilter : public QObject {
public:
    explicit WheelFilter(TCustomGrid* Grid) : FGrid(Grid) {}
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
            QToolTip::hideText();
        else {
            const TRect& r = info.CursorRect;
            QWidget* w = FGrid->Widget();
            QToolTip::showText(w->mapToGlobal(QPoint(info.HintPos.X, info.HintPos.Y)), ui::ToQt(text), w,
                               ui::ToQRect(r));
        }
        return true;
    }

    TCustomGrid* FGrid;
    Integer FRest = 0;
};

} // namespace

void TCustomGrid::ShowScrollHint(const String& Text) {
    if (Text.empty() || !Widget()->isVisible()) {
        QToolTip::hideText();
        return;
    }
    QPoint p = QCursor::pos() + QPoint(GetSystemMetrics(SM_CXCURSOR) / 2, GetSystemMetrics(SM_CYCURSOR) / 2);
    QToolTip::showText(p, ui::ToQt(Text), Widget());
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
