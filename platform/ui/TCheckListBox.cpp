#include "platform/ui/TCheckListBox.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStrings.h"
#include "platform/ui/SafeCall.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// A chosen line is highlighted behind its text only: its check box stays on
// the list's background, where the mark can be seen.
class CheckLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override {
        QStyledItemDelegate::paint(Painter, Option, Index);
        QStyleOptionViewItem opt(Option);
        initStyleOption(&opt, Index);
        if (!(opt.state & QStyle::State_Selected) ||
            !(opt.features & QStyleOptionViewItem::HasCheckIndicator))
            return;
        const QWidget* w = opt.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, w);
        Painter->fillRect(
            QRect(opt.rect.left(), opt.rect.top(), box.right() + 2 - opt.rect.left(), opt.rect.height()),
            opt.palette.brush(QPalette::Base));
        opt.rect = box;
        opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        opt.state |= opt.checkState == Qt::Checked            ? QStyle::State_On
                     : opt.checkState == Qt::PartiallyChecked ? QStyle::State_NoChange
                                                              : QStyle::State_Off;
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &opt, Painter, w);
    }
};

QListWidget* List(const TControl* c) {
    return static_cast<QListWidget*>(c->Widget());
}

Qt::CheckState ToQt(TCheckBoxState s) {
    return s == cbChecked ? Qt::Checked : s == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked;
}

} // namespace

TCheckListBox::TCheckListBox(TComponent* AOwner) : TListBox(AOwner) {
    QListWidget* l = List(this);
    l->setItemDelegate(new CheckLineDelegate(l));
    // Every new line gets its box, whoever adds it.
    QObject::connect(l->model(), &QAbstractItemModel::rowsInserted,
                     [this](const QModelIndex&, int first, int last) {
                         const bool saved = FSetting;
                         FSetting = true;
                         for (int i = first; i <= last; ++i) {
                             QListWidgetItem* item = List(this)->item(i);
                             Qt::ItemFlags flags = item->flags() | Qt::ItemIsUserCheckable;
                             if (FAllowGrayed) flags |= Qt::ItemIsUserTristate;
                             item->setFlags(flags);
                             item->setCheckState(Qt::Unchecked);
                         }
                         FSetting = saved;
                     });
    QObject::connect(l, &QListWidget::itemChanged, [this](QListWidgetItem*) {
        if (!FSetting) ui::SafeCall(this, [this] { ClickCheck(); });
    });
}

void TCheckListBox::CheckRange(Integer Index) const {
    if (Index < 0 || Index >= Items()->Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

TCheckBoxState TCheckListBox::State(Integer Index) const {
    CheckRange(Index);
    switch (List(this)->item(Index)->checkState()) {
    case Qt::Checked:
        return cbChecked;
    case Qt::PartiallyChecked:
        return cbGrayed;
    default:
        return cbUnchecked;
    }
}

void TCheckListBox::SetState(Integer Index, TCheckBoxState v) {
    CheckRange(Index);
    FSetting = true;
    core::ScopeExit reset([this] { FSetting = false; });
    List(this)->item(Index)->setCheckState(ToQt(v));
}

void TCheckListBox::SetAllowGrayed(bool v) {
    FAllowGrayed = v;
    FSetting = true;
    core::ScopeExit reset([this] { FSetting = false; });
    QListWidget* l = List(this);
    for (int i = 0; i < l->count(); ++i) {
        QListWidgetItem* item = l->item(i);
        item->setFlags(v ? item->flags() | Qt::ItemIsUserTristate : item->flags() & ~Qt::ItemIsUserTristate);
    }
}

void TCheckListBox::ClickCheck() {
    if (OnClickCheck) OnClickCheck(this);
}
