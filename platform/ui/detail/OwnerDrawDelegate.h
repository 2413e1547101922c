#pragma once
// Platform-internal: the item delegate under an owner-drawn list. Each item
// is painted by a call back into the control, with a fixed item height.
#include "platform/ui/OwnerDraw.h"

#include <QStyledItemDelegate>

#include <functional>

class QPainter;

namespace ui {

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    using PaintItem =
        std::function<void(QPainter* Painter, const QRect& Rect, int Row, TOwnerDrawState State)>;
    OwnerDrawDelegate(PaintItem Paint, std::function<int()> ItemHeight, QObject* Parent);

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override;
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;

private:
    PaintItem FPaint;
    std::function<int()> FItemHeight;
};

} // namespace ui
