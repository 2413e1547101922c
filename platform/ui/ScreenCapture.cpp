#include "platform/ui/ScreenCapture.h"

#include "platform/graphics/TBitmap.h"
#include "platform/ui/detail/QtSupport.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace ui {

namespace {

// Only an X11 server hands out the screen's pixels to any client.
QScreen* ReadableScreen() {
    EnsureWidgetApplication();
    if (QGuiApplication::platformName() != "xcb") return nullptr;
    return QGuiApplication::primaryScreen();
}

// A borderless window above everything that shows the screen picture under it
// with one outline drawn on top.
class OutlineOverlay : public QWidget {
public:
    OutlineOverlay(const QRect& area, QPixmap background)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint),
          FArea(area), FBackground(std::move(background)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setGeometry(area);
    }
    void SetFrame(const QRect& frame) {
        FFrame = frame.translated(-FArea.topLeft());
        repaint();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, FBackground);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(FFrame.adjusted(0, 0, -1, -1));
    }

private:
    QRect FArea;
    QPixmap FBackground;
    QRect FFrame;
};

} // namespace

bool GrabScreen(const TRect& Area, TBitmap* Bitmap) {
    QScreen* screen = ReadableScreen();
    if (!screen || !Bitmap || IsRectEmpty(Area)) return false;
    const QPixmap shot = screen->grabWindow(0, Area.Left, Area.Top, Area.Width(), Area.Height());
    if (shot.isNull()) return false;
    const QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(image.width(), image.height());
    Bitmap->Image() = image;
    Bitmap->PixelsChanged();
    return true;
}

bool AnimateScreenOutlines(const std::vector<TRect>& Frames, Cardinal PauseMs) {
    QScreen* screen = ReadableScreen();
    if (!screen || Frames.empty()) return false;
    QRect area;
    for (const TRect& f : Frames)
        area = area.united(ToQRect(f).normalized());
    area = area.intersected(screen->geometry());
    if (area.isEmpty()) return false;
    const QPixmap background = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (background.isNull()) return false;
    OutlineOverlay overlay(area, background);
    overlay.show();
    for (const TRect& f : Frames) {
        overlay.SetFrame(ToQRect(f));
        QApplication::processEvents();
        QThread::msleep(PauseMs);
    }
    overlay.hide();
    QApplication::processEvents();
    return true;
}

TPoint GetCursorPos() {
    EnsureWidgetApplication();
    const QPoint p = QCursor::pos();
    return TPoint(p.x(), p.y());
}

} // namespace ui

namespace ui {

bool CursorPosReadable() {
    EnsureWidgetApplication();
    return QGuiApplication::platformName() == "xcb";
}

} // namespace ui
