#include "platform/ui/WindowPainting.h"

#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TWinControl.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace ui {

void PaintWindowOnly(TControl* Control, TCanvas* Canvas, TPoint At) {
    if (!Control || !Canvas || !Control->Widget()) return;
    const Integer w = Control->Width(), h = Control->Height();
    if (w <= 0 || h <= 0) return;
    QWidget* widget = Control->Widget();
    // What lies under the control first: a window that fills no background of
    // its own (a transparent label) shows it.
    TBitmap picture;
    picture.SetSize(w, h);
    if (!BitBlt(picture.Canvas(), 0, 0, w, h, Canvas, At.X, At.Y, SRCCOPY))
        picture.Image().fill(ToQColor(Control->Color()));
    const bool background = widget->isWindow() || widget->autoFillBackground();
    widget->render(&picture.Image(), QPoint(), QRegion(0, 0, w, h),
                   background ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    picture.PixelsChanged();
    BitBlt(Canvas, At.X, At.Y, w, h, picture.Canvas(), 0, 0, SRCCOPY);
}

void PaintOnWindow(TControl* Control, const std::function<void(TCanvas*)>& Paint) {
    QWidget* w = Control ? Control->Widget() : nullptr;
    if (!w || !Paint) return;
    QPainter painter(w);
    TCanvas canvas(std::make_unique<graphics::QtCanvasBackend>(&painter, TSize(w->width(), w->height())));
    Paint(&canvas);
}

void SetClientBackground(TControl* Control, bool Filled) {
    auto* w = dynamic_cast<TWinControl*>(Control);
    if (!w || !w->ContainerWidget() || w->ContainerWidget() == w->Widget()) return;
    w->ContainerWidget()->setAutoFillBackground(Filled);
}

} // namespace ui
