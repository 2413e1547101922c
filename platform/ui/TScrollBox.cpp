#include "platform/ui/TScrollBox.h"

#include "platform/ui/detail/QtSupport.h"

#include <QCoreApplication>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>

namespace {
QScrollArea* Area(const TControl* c) {
    return static_cast<QScrollArea*>(c->Widget());
}
} // namespace

TScrollBox::TScrollBox(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QScrollArea>()) {
    QScrollArea* a = Area(this);
    FSurface = new QWidget;
    FSurface->setAutoFillBackground(true);
    a->setWidget(FSurface);
    a->setWidgetResizable(false);
    a->setFrameShape(QFrame::StyledPanel);
    a->setFrameShadow(QFrame::Sunken);
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle v) {
    FBorderStyle = v;
    Area(this)->setFrameShape(v == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    UpdateRange();
}

TRect TScrollBox::ClientRect() const {
    const QWidget* viewport = Area(this)->viewport();
    // Before the toolkit has laid the box out, the border alone counts.
    if (!Area(this)->isVisible()) {
        const Integer b = FBorderStyle == bsNone ? 0 : 2;
        return Rect(0, 0, std::max(Width() - 2 * b, 0), std::max(Height() - 2 * b, 0));
    }
    return Rect(0, 0, viewport->width(), viewport->height());
}

TPoint TScrollBox::ScrollPos() const {
    return {Area(this)->horizontalScrollBar()->value(), Area(this)->verticalScrollBar()->value()};
}

void TScrollBox::ScrollInView(TControl* Control) {
    if (!Control || Control->Parent() != this) return;
    // The scroll ranges follow the surface's size once its resize is delivered.
    QCoreApplication::sendPostedEvents(FSurface);
    QCoreApplication::sendPostedEvents(Area(this));
    Area(this)->ensureWidgetVisible(Control->Widget(), 0, 0);
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
