#include "platform/ui/WindowPainting.h"

#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/QtSupport.h"
#include "platform/ui/TControl.h"

#include <QImage>
#include <QWidget>

namespace ui {

void PaintWindowOnly(TControl* Control, TCanvas* Canvas, TPoint At) {
    if (!Control || !Canvas || !Control->Widget()) return;
    const Integer w = Control->Width(), h = Control->Height();
    if (w <= 0 || h <= 0) return;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQColor(Control->Color()));
    Control->Widget()->render(&image, QPoint(), QRegion(0, 0, w, h), QWidget::DrawWindowBackground);
    TBitmap picture;
    picture.SetSize(w, h);
    picture.Image() = image;
    BitBlt(Canvas, At.X, At.Y, w, h, picture.Canvas(), 0, 0, SRCCOPY);
}

} // namespace ui
