#include "platform/ui/ControlSnapshot.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/detail/FramePainting.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TMenuItem.h"

#include <QAbstractItemView>
#include <QBackingStore>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace ui {

namespace {

QImage Render(TControl* Control) {
    QWidget* w = Control->Widget();
    auto* form = dynamic_cast<TCustomForm*>(Control);
    // A form that draws its own frame is whole in its widget.
    if (!form || form->OwnFrame()) return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The window's inside: menu bar and client area.
    const QImage inside = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage whole(form->Width(), form->Height(), QImage::Format_RGB32);
    const int frame = (form->Width() - inside.width()) / 2;
    const int caption = form->Height() - inside.height() - 2 * frame;
    QPainter p(&whole);
    PaintWindowFrame(p, *form, frame, caption);
    p.drawImage(frame, frame + caption, inside);
    return whole;
}

} // namespace

void Snapshot(TControl* Control, TBitmap* Bitmap) {
    const QImage img = Render(Control);
    Bitmap->SetSize(img.width(), img.height());
    Bitmap->Image() = img.convertToFormat(QImage::Format_RGB32);
}

bool ShownSnapshot(TControl* Control, TBitmap* Bitmap) {
    QWidget* w = Control->Widget();
    QWidget* window = w->window();
    QBackingStore* store = window->backingStore();
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image) return false;
    const auto* buffer = static_cast<const QImage*>(device);
    const qreal ratio = buffer->devicePixelRatio();
    const QRect area(w->mapTo(window, QPoint(0, 0)) * ratio, w->size() * ratio);
    Bitmap->SetSize(w->width(), w->height());
    Bitmap->Image() = buffer->copy(area).scaled(w->size()).convertToFormat(QImage::Format_RGB32);
    return true;
}

void SnapshotMenu(TMenuItem* Item, TBitmap* Bitmap) {
    QMenu* menu = Item ? Item->SubMenu() : nullptr;
    if (!menu) {
        Bitmap->SetSize(0, 0);
        return;
    }
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    QImage img(menu->size(), QImage::Format_RGB32);
    img.fill(ToQColor(clMenu));
    menu->render(&img);
    Bitmap->SetSize(img.width(), img.height());
    Bitmap->Image() = img;
}

void SaveSnapshot(TControl* Control, const String& FileName) {
    const QImage img = Render(Control);
    if (!img.save(ToQt(FileName))) throw EFCreateError("Cannot create file \"" + FileName + "\"");
}

void SnapshotDropDown(TComboBox* Combo, TBitmap* Bitmap) {
    auto* combo = static_cast<QComboBox*>(Combo->Widget());
    combo->showPopup();
    QWidget* items = combo->view()->viewport();
    const QImage img = items->grab().toImage().convertToFormat(QImage::Format_RGB32);
    combo->hidePopup();
    Bitmap->SetSize(img.width(), img.height());
    Bitmap->Image() = img;
}

} // namespace ui
