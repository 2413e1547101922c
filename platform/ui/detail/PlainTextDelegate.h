#pragma once
// Platform-internal: the item delegate under a plain (not owner-drawn) list.
// The toolkit's own clips an item's text to its line box, which cuts the marks
// of accented capitals (Ő, Ű, Á) at the small sizes of the screen font; this
// one clips to the item and makes the item tall enough for them.
#include <QItemDelegate>

namespace ui {

class PlainTextDelegate : public QItemDelegate {
public:
    using QItemDelegate::QItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;

protected:
    void drawDisplay(QPainter* Painter, const QStyleOptionViewItem& Option, const QRect& Rect,
                     const QString& Text) const override;
};

} // namespace ui
