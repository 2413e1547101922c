#include "platform/ui/TScrollBox.h"

#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/WindowPainting.h"
#include "platform/ui/detail/QtSupport.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>

#include <functional>

namespace {

QScrollArea* Area(const TControl* c) {
    return static_cast<QScrollArea*>(c->Widget());
}

// The scrolled surface; the box may paint over its colour.
class Surface : public QWidget {
public:
    std::function<void(QPainter&, const QRect&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* Event) override {
        if (!OnPaint) return;
        QPainter painter(this);
        OnPaint(painter, Event->rect());
    }
};

// Watches the mouse on a scroll bar: whether a button holds it, and when it lets go.
class MouseWatch : public QObject {
public:
    MouseWatch(QObject* Parent, std::function<void()> OnRelease)
        : QObject(Parent), FOnRelease(std::move(OnRelease)) {}
    bool Held() const { return FHeld; }

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() == QEvent::MouseButtonPress) FHeld = true;
        if (Event->type() == QEvent::MouseButtonRelease && FHeld) {
            FHeld = false;
            FOnRelease();
        }
        return false;
    }

private:
    std::function<void()> FOnRelease;
    bool FHeld = false;
};

Integer CodeOf(int Action) {
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    default:
        return SB_THUMBTRACK;
    }
}

} // namespace

TScrollBox::TScrollBox(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QScrollArea>()) {
    QScrollArea* a = Area(this);
    auto* surface = new Surface;
    surface->OnPaint = [this](QPainter& painter, const QRect& r) {
        TCanvas canvas(std::make_unique<graphics::QtCanvasBackend>(
            &painter, TSize(FSurface->width(), FSurface->height())));
        ui::SafeCall(this, [&] { PaintSurface(&canvas, ui::FromQRect(r)); });
    };
    FSurface = surface;
    FSurface->setAutoFillBackground(true);
    a->setWidget(FSurface);
    a->setWidgetResizable(false);
    a->setFrameShape(QFrame::StyledPanel);
    a->setFrameShadow(QFrame::Sunken);
    ConnectScrollBar(false);
    ConnectScrollBar(true);
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::ConnectScrollBar(bool Vertical) {
    QScrollBar* bar = Vertical ? Area(this)->verticalScrollBar() : Area(this)->horizontalScrollBar();
    auto report = [this, Vertical](Integer Code) { ui::SafeCall(this, [&] { Scrolled(Vertical, Code); }); };
    auto* mouse = new MouseWatch(bar, [report] { report(SB_ENDSCROLL); });
    bar->installEventFilter(mouse);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, mouse, report](int action) {
        report(CodeOf(action));
        // A step of a key or of the wheel is over at once; the mouse's when it lets go.
        if (!mouse->Held())
            QMetaObject::invokeMethod(
                bar, [report] { report(SB_ENDSCROLL); }, Qt::QueuedConnection);
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [report] { report(SB_THUMBPOSITION); });
}

void TScrollBox::SetBorderStyle(TBorderStyle v) {
    FBorderStyle = v;
    ApplyFrame();
}

void TScrollBox::ApplyFrame() {
    QScrollArea* a = Area(this);
    if (FFrameInset > 0) {
        // The toolkit's frame of that thickness keeps the room; the box paints it.
        a->setFrameStyle(QFrame::Box | QFrame::Plain);
        a->setLineWidth(FFrameInset);
        a->setMidLineWidth(0);
    } else {
        a->setFrameStyle((FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel) | QFrame::Sunken);
        a->setLineWidth(1);
    }
    // The bars and the visible part take their new places before the range
    // follows them; a surface sized for the old place may have called for bars
    // that the new range does without, so the bars are placed once more.
    for (int pass = 0; pass < 2; ++pass) {
        QEvent relayout(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(a, &relayout);
        UpdateRange();
    }
}

void TScrollBox::SetFrameInset(Integer Value) {
    Value = std::max<Integer>(Value, 0);
    if (Value == FFrameInset) return;
    FFrameInset = Value;
    ApplyFrame();
    Invalidate();
}

TRect TScrollBox::ClientRect() const {
    const QWidget* viewport = Area(this)->viewport();
    // Before the toolkit has laid the box out, the border alone counts.
    if (!Area(this)->isVisible()) {
        const Integer b = FFrameInset > 0 ? FFrameInset : FBorderStyle == bsNone ? 0 : 2;
        return Rect(0, 0, std::max(Width() - 2 * b, 0), std::max(Height() - 2 * b, 0));
    }
    return Rect(0, 0, viewport->width(), viewport->height());
}

TPoint TScrollBox::ScrollPos() const {
    return {Area(this)->horizontalScrollBar()->value(), Area(this)->verticalScrollBar()->value()};
}

TRect TScrollBox::ScrollCorner() const {
    const QScrollBar* h = Area(this)->horizontalScrollBar();
    const QScrollBar* v = Area(this)->verticalScrollBar();
    if (!h->isVisible() || !v->isVisible()) return {};
    // The bars are laid out in the box's own coordinates (their parent's).
    const QRect hr(h->mapTo(Area(this), QPoint(0, 0)), h->size());
    const QRect vr(v->mapTo(Area(this), QPoint(0, 0)), v->size());
    return Rect(vr.left(), hr.top(), vr.right() + 1, hr.bottom() + 1);
}

void TScrollBox::InvalidateSurface() {
    Area(this)->viewport()->update();
    FSurface->update();
}

void TScrollBox::ScrollInView(TControl* Control) {
    if (!Control || Control->Parent() != this) return;
    // The scroll ranges follow the surface's size once its resize is delivered.
    QCoreApplication::sendPostedEvents(FSurface);
    QCoreApplication::sendPostedEvents(Area(this));
    Area(this)->ensureWidgetVisible(Control->Widget(), 0, 0);
}

bool TScrollBox::WidgetEvent(QEvent* Event) {
    if (Event->type() != QEvent::Paint || FFrameInset == 0) return TWinControl::WidgetEvent(Event);
    // The frame is the box's own: the toolkit's is not drawn beneath it.
    ui::PaintOnWindow(this, [this](TCanvas* Canvas) { PaintFrame(Canvas); });
    return true;
}

void TScrollBox::UpdateRange() {
    // The surface covers every child and at least the visible part.
    const TRect client = ClientRect();
    Integer right = client.Width(), bottom = client.Height();
    for (Integer i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible() || c->Align() != alNone) continue;
        right = std::max(right, c->Left() + c->Width());
        bottom = std::max(bottom, c->Top() + c->Height());
    }
    FSurface->resize(right, bottom);
}

void TScrollBox::ControlBoundsChanged(TControl*) {
    UpdateRange();
}

void TScrollBox::Resize() {
    UpdateRange();
    TWinControl::Resize();
}

void TScrollBox::ColorChanged() {
    QPalette pal = FSurface->palette();
    pal.setColor(QPalette::Window, ui::ToQColor(Color()));
    FSurface->setPalette(pal);
    TWinControl::ColorChanged();
}
