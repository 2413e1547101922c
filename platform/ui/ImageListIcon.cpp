#include "platform/ui/detail/ImageListIcon.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TImageList.h"

#include <QImage>
#include <QPixmap>

namespace ui {

QIcon ImageListIcon(TImageList* List, Integer Index) {
    if (!List || Index < 0 || Index >= List->Count()) return {};
    const Integer w = List->Width(), h = List->Height();
    // Drawn once on black and once on white: a pixel that differs lets the
    // background through. The list's own transparency rules (mask, background
    // colour) stay the list's.
    TBitmap onBlack, onWhite;
    onBlack.SetSize(w, h);
    onWhite.SetSize(w, h);
    onBlack.Image().fill(Qt::black);
    onWhite.Image().fill(Qt::white);
    List->Draw(onBlack.Canvas(), 0, 0, Index, true);
    List->Draw(onWhite.Canvas(), 0, 0, Index, true);
    QImage icon(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb dark = onBlack.Image().pixel(x, y), light = onWhite.Image().pixel(x, y);
            icon.setPixel(x, y, dark == light ? (dark | 0xFF000000u) : 0u);
        }
    return QIcon(QPixmap::fromImage(icon));
}

} // namespace ui
