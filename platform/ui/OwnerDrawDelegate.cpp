#include "platform/ui/detail/OwnerDrawDelegate.h"

#include <QPainter>

namespace ui {

OwnerDrawDelegate::OwnerDrawDelegate(PaintItem Paint, std::function<int()> ItemHeight, QObject* Parent)
    : QStyledItemDelegate(Parent), FPaint(std::move(Paint)), FItemHeight(std::move(ItemHeight)) {}

void OwnerDrawDelegate::paint(QPainter* Painter, const QStyleOptionViewItem& Option,
                              const QModelIndex& Index) const {
    TOwnerDrawState state;
    if (Option.state & QStyle::State_Selected) state.Include(odSelected);
    if (Option.state & QStyle::State_HasFocus) state.Include(odFocused);
    if (!(Option.state & QStyle::State_Enabled)) state.Include(odDisabled);
    Painter->save();
    FPaint(Painter, Option.rect, Index.row(), state);
    Painter->restore();
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const {
    QSize size = QStyledItemDelegate::sizeHint(Option, Index);
    size.setHeight(FItemHeight());
    return size;
}

} // namespace ui
