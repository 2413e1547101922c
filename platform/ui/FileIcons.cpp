#include "platform/ui/FileIcons.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/detail/QtSupport.h"

#include <QFileIconProvider>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

void FillFileIconList(TImageList* List) {
    if (!List) return;
    ui::EnsureWidgetApplication();
    List->Clear();
    const int w = List->Width(), h = List->Height();
    const QFileIconProvider provider;
    for (auto kind : {QAbstractFileIconProvider::Computer, QAbstractFileIconProvider::Desktop,
                      QAbstractFileIconProvider::Trashcan, QAbstractFileIconProvider::Network,
                      QAbstractFileIconProvider::Drive, QAbstractFileIconProvider::Folder,
                      QAbstractFileIconProvider::File}) {
        QImage icon(w, h, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        {
            QPainter painter(&icon);
            provider.icon(kind).paint(&painter, QRect(0, 0, w, h));
        }
        TBitmap image(w, h, pf24bit), mask(w, h, pf24bit);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb p = icon.pixel(x, y);
                // Mostly see-through pixels show what is behind; the rest keep their colour.
                const bool through = qAlpha(p) < 128;
                image.Image().setPixel(x, y, through ? 0xFFFFFFFFu : (qUnpremultiply(p) | 0xFF000000u));
                mask.Image().setPixel(x, y, through ? 0xFFFFFFFFu : 0xFF000000u);
            }
        List->Add(&image, &mask);
    }
}
