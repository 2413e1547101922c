#include "platform/ui/TDragFrame.h"

#include "platform/ui/detail/QtSupport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace ui {

namespace {

// A window above everything, shaped to the ring and filled with the
// half-tone pattern of a focus frame.
class FrameWindow : public QWidget {
public:
    FrameWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
    }
};

QRegion Ring(int Width, int Height, int Thickness) {
    const QRegion outer(0, 0, Width, Height);
    if (Width <= 2 * Thickness || Height <= 2 * Thickness) return outer;
    return outer.subtracted(QRegion(Thickness, Thickness, Width - 2 * Thickness, Height - 2 * Thickness));
}

} // namespace

TDragFrame::TDragFrame(Integer Thickness) : FThickness(std::max<Integer>(Thickness, 1)) {
    EnsureWidgetApplication();
    FWidget = std::make_unique<FrameWindow>();
}

TDragFrame::~TDragFrame() = default;

void TDragFrame::Show(const TRect& Bounds) {
    const TRect r = Rect(std::min(Bounds.Left, Bounds.Right), std::min(Bounds.Top, Bounds.Bottom),
                         std::max(Bounds.Left, Bounds.Right), std::max(Bounds.Top, Bounds.Bottom));
    if (r.Width() == 0 || r.Height() == 0) return Hide();
    // The off-screen platform used by tests has no window shapes or stacking.
    const bool onScreen = QGuiApplication::platformName() != "offscreen";
    if (onScreen && (r.Width() != FBounds.Width() || r.Height() != FBounds.Height() || !FShowing))
        FWidget->setMask(Ring(r.Width(), r.Height(), FThickness));
    FWidget->setGeometry(ui::ToQRect(r));
    FBounds = r;
    FShowing = true;
    FWidget->show();
    if (onScreen) FWidget->raise();
}

void TDragFrame::Hide() {
    FShowing = false;
    FWidget->hide();
}

bool TDragFrame::Covers(TPoint P) const {
    if (!FShowing) return false;
    return Ring(FBounds.Width(), FBounds.Height(), FThickness)
        .contains(QPoint(P.X - FBounds.Left, P.Y - FBounds.Top));
}

} // namespace ui
