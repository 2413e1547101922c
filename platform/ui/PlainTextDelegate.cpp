#include "platform/ui/detail/PlainTextDelegate.h"

#include "platform/graphics/QtFont.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace ui {

QSize PlainTextDelegate::sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const {
    QSize size = QItemDelegate::sizeHint(Option, Index);
    size.rheight() += graphics::AccentRise(Option.fontMetrics);
    return size;
}

void PlainTextDelegate::drawDisplay(QPainter* Painter, const QStyleOptionViewItem& Option, const QRect& Rect,
                                    const QString& Text) const {
    const QPalette::ColorGroup group = !(Option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (Option.state & QStyle::State_Active) ? QPalette::Normal
                                                                               : QPalette::Inactive;
    if (Option.state & QStyle::State_Selected) {
        Painter->fillRect(Rect, Option.palette.brush(group, QPalette::Highlight));
        Painter->setPen(Option.palette.color(group, QPalette::HighlightedText));
    } else {
        Painter->setPen(Option.palette.color(group, QPalette::Text));
    }
    if (Text.isEmpty()) return;
    // The toolkit's own margin beside the text.
    const QStyle* style = Option.widget ? Option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Option.widget) + 1;
    const QRect text = Rect.adjusted(margin, 0, -margin, 0);
    Painter->save();
    Painter->setClipRect(Option.rect, Qt::IntersectClip);
    Painter->setFont(Option.font);
    Painter->drawText(text, int(Option.displayAlignment) | Qt::TextSingleLine,
                      Option.fontMetrics.elidedText(Text, Option.textElideMode, text.width()));
    Painter->restore();
}

} // namespace ui
