#pragma once
// Platform-internal: the widget application and the conversions between the
// platform's values and Qt's.
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/UiTypes.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QRect>
#include <QString>

#include <utility>

class QApplication;
class TFont;

namespace ui {

// Creates the widget application on first use, with the classic style,
// palette and default font. Raises EInvalidOperation when a non-widget
// application object already exists.
QApplication* EnsureWidgetApplication();
// Destroys the widget application made by EnsureWidgetApplication, if any;
// the forms must be gone first.
void ShutdownWidgetApplication();

QString ToQt(const String& s);
String FromQt(const QString& s);
QColor ToQColor(TColor c);
QFont ToQFont(const TFont* f);
QCursor ToQCursor(TCursor c);
// A TRect's Right and Bottom lie outside it; a QRect's right() and bottom() inside.
inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
inline TRect FromQRect(const QRect& r) {
    return TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

// Creates a widget for a control's constructor; the application comes first.
template <class W, class... A> W* NewWidget(A&&... args) {
    EnsureWidgetApplication();
    return new W(std::forward<A>(args)...);
}

} // namespace ui
