#include "platform/ui/ControlSnapshot.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TMenuItem.h"

#include <QImage>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace ui {

namespace {

// The caption bar: the active-caption gradient, the title in bold white, the close box.
void PaintCaption(QPainter& p, const QRect& bar, const String& title, bool small) {
    QLinearGradient g(bar.topLeft(), bar.topRight());
    g.setColorAt(0, ToQColor(clActiveCaption));
    g.setColorAt(1, ToQColor(clGradientActiveCaption));
    p.fillRect(bar, g);
    TFont font;
    font.SetStyle({fsBold});
    QFont qf = ToQFont(&font);
    p.setFont(qf);
    p.setPen(ToQColor(clCaptionText));
    p.drawText(bar.adjusted(4, 0, -24, 0), Qt::AlignVCenter | Qt::AlignLeft, ToQt(title));
    // The close box of the classic frame, a small raised button with an X.
    const int side = bar.height() - 4;
    const QRect box(bar.right() - side - 1, bar.top() + 2, side + 2, side);
    QImage face(box.size(), QImage::Format_RGB32);
    face.fill(ToQColor(clBtnFace));
    p.drawImage(box.topLeft(), face);
    p.setPen(ToQColor(clBtnHighlight));
    p.drawLine(box.topLeft(), box.topRight() - QPoint(1, 0));
    p.drawLine(box.topLeft(), box.bottomLeft() - QPoint(0, 1));
    p.setPen(ToQColor(cl3DDkShadow));
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    p.setPen(QPen(ToQColor(clBtnText), small ? 1 : 2));
    const QRect x = box.adjusted(4, 3, -5, -4);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

QImage Render(TControl* Control) {
    QWidget* w = Control->Widget();
    auto* form = dynamic_cast<TCustomForm*>(Control);
    if (!form) return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The window's inside: menu bar and client area.
    const QImage inside = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage whole(form->Width(), form->Height(), QImage::Format_RGB32);
    whole.fill(ToQColor(clBtnFace));
    const int frame = (form->Width() - inside.width()) / 2;
    const int caption = form->Height() - inside.height() - 2 * frame;
    TBitmap edge;
    edge.SetSize(form->Width(), form->Height());
    TRect r = Rect(0, 0, form->Width(), form->Height());
    edge.Canvas()->Brush()->SetColor(clBtnFace);
    edge.Canvas()->FillRect(r);
    if (frame > 0) DrawEdge(edge.Canvas(), r, EDGE_RAISED, BF_RECT);
    whole = edge.Image().copy();
    QPainter p(&whole);
    if (caption > 0) {
        const bool small = form->BorderStyle() == bsToolWindow || form->BorderStyle() == bsSizeToolWin;
        PaintCaption(p, QRect(frame, frame, form->Width() - 2 * frame, caption - 1), form->Caption(), small);
    }
    p.drawImage(frame, frame + caption, inside);
    return whole;
}

} // namespace

void Snapshot(TControl* Control, TBitmap* Bitmap) {
    const QImage img = Render(Control);
    Bitmap->SetSize(img.width(), img.height());
    Bitmap->Image() = img.convertToFormat(QImage::Format_RGB32);
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

} // namespace ui
