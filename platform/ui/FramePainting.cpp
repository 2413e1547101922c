#include "platform/ui/detail/FramePainting.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/TCustomForm.h"

#include <QLinearGradient>
#include <QPainter>

namespace ui {

QRect CaptionBarRect(int Width, int Frame, int Caption) {
    return QRect(Frame, Frame, Width - 2 * Frame, Caption - 1);
}

QRect CloseBoxRect(const QRect& Bar) {
    const int side = Bar.height() - 4;
    return QRect(Bar.right() - side - 1, Bar.top() + 2, side + 2, side);
}

namespace {

void PaintCaption(QPainter& p, const QRect& bar, const String& title, bool small, bool closeBox) {
    QLinearGradient g(bar.topLeft(), bar.topRight());
    g.setColorAt(0, ToQColor(clActiveCaption));
    g.setColorAt(1, ToQColor(clGradientActiveCaption));
    p.fillRect(bar, g);
    TFont font;
    font.SetStyle({fsBold});
    p.setFont(ToQFont(&font));
    p.setPen(ToQColor(clCaptionText));
    p.drawText(bar.adjusted(4, 0, closeBox ? -24 : -4, 0), Qt::AlignVCenter | Qt::AlignLeft, ToQt(title));
    if (!closeBox) return;
    // A small raised button with an X.
    const QRect box = CloseBoxRect(bar);
    p.fillRect(box, ToQColor(clBtnFace));
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

} // namespace

void PaintWindowFrame(QPainter& p, const TCustomForm& Form, int Frame, int Caption) {
    {
        TCanvas canvas(std::make_unique<graphics::QtCanvasBackend>(&p, TSize(Form.Width(), Form.Height())));
        TRect r = Rect(0, 0, Form.Width(), Form.Height());
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(r);
        if (Frame > 0) DrawEdge(&canvas, r, EDGE_RAISED, BF_RECT);
    }
    if (Caption <= 0) return;
    const bool small = Form.BorderStyle() == bsToolWindow || Form.BorderStyle() == bsSizeToolWin;
    PaintCaption(p, CaptionBarRect(Form.Width(), Frame, Caption), Form.Caption(), small,
                 Form.ShowsCloseBox());
}

} // namespace ui
