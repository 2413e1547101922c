#include "platform/ui/TClipboard.h"

#include "platform/graphics/TBitmap.h"
#include "platform/ui/detail/QtSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>

namespace {

QClipboard* SystemClipboard() {
    ui::EnsureWidgetApplication();
    return QApplication::clipboard();
}

} // namespace

bool TClipboard::HasBitmap() const {
    const QMimeData* data = SystemClipboard()->mimeData();
    return data && data->hasImage();
}

void TClipboard::SetBitmap(const TBitmap* Bitmap) {
    if (!Bitmap || Bitmap->Empty()) {
        Clear();
        return;
    }
    SystemClipboard()->setImage(Bitmap->Image().copy());
}

bool TClipboard::GetBitmap(TBitmap* Bitmap) const {
    if (!HasBitmap()) return false;
    const QImage image = SystemClipboard()->image();
    if (image.isNull()) return false;
    Bitmap->SetSize(image.width(), image.height());
    Bitmap->Image() = image.convertToFormat(QImage::Format_RGB32);
    return true;
}

void TClipboard::Clear() {
    SystemClipboard()->clear();
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
