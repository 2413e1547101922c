#include "platform/ui/TListBox.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/ItemStrings.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QListWidget>
#include <QMouseEvent>

#include <cstdlib>
#include <QPalette>

namespace {
QListWidget* List(const TControl* c) {
    return static_cast<QListWidget*>(c->Widget());
}
} // namespace

// The lines live in the list's viewport, which hears the mouse; the drag
// takes the viewport's mouse events while it tracks a press.
class ListDragFilter : public QObject {
public:
    ListDragFilter(TListBox* Box, QObject* Parent) : QObject(Parent), FBox(Box) {}

    bool eventFilter(QObject* Watched, QEvent* Event) override {
        const auto type = Event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease)
            return false;
        auto* e = static_cast<QMouseEvent*>(Event);
        const QPoint q = static_cast<QWidget*>(Watched)->mapTo(FBox->Widget(), e->position().toPoint());
        const TPoint p(q.x(), q.y());
        bool taken = false;
        ui::SafeCall(FBox, [&] {
            if (type == QEvent::MouseButtonPress && e->button() == Qt::LeftButton)
                taken = FBox->DragPress(p);
            else if (type == QEvent::MouseMove && (e->buttons() & Qt::LeftButton))
                taken = FBox->DragMove(p);
            else if (type == QEvent::MouseButtonRelease && e->button() == Qt::LeftButton)
                taken = FBox->DragRelease(p);
        });
        return taken;
    }

private:
    TListBox* FBox;
};

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner, ui::NewWidget<QListWidget>()), FItems(std::make_unique<ui::ItemStrings>()) {
    QListWidget* l = List(this);
    FItems->MirrorTo(FSyncing,
                     {
                         [this](Integer i, const String& s) { List(this)->insertItem(i, ui::ToQt(s)); },
                         [this](Integer i) { delete List(this)->takeItem(i); },
                         [this](Integer i, const String& s) { List(this)->item(i)->setText(ui::ToQt(s)); },
                         [this] { List(this)->clear(); },
                         nullptr, // a list box shows its own items only
                     });
    QObject::connect(l, &QListWidget::currentRowChanged, [this](int) {
        if (!FSyncing) ui::SafeCall(this, [this] { Click(); });
    });
    SetParentColor(false);
    SetColor(clWindow);
    ColorChanged(); // clWindow is the starting value, so SetColor alone changes nothing
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    l->viewport()->installEventFilter(new ListDragFilter(this, l));
}

TListBox::~TListBox() {
    FItems->StopMirroring();
}

TStrings* TListBox::Items() const {
    return FItems.get();
}

Integer TListBox::ItemIndex() const {
    return List(this)->currentRow();
}

void TListBox::SetItemIndex(Integer v) {
    if (v < 0 || v >= FItems->Count()) v = -1;
    FSyncing = true;
    core::ScopeExit reset([this] { FSyncing = false; });
    List(this)->setCurrentRow(v);
    if (v < 0) List(this)->clearSelection();
}

void TListBox::SetMultiSelect(bool v) {
    FMultiSelect = v;
    List(this)->setSelectionMode(v ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
}

void TListBox::CheckIndex(Integer Index) const {
    if (Index < 0 || Index >= FItems->Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

bool TListBox::Selected(Integer Index) const {
    CheckIndex(Index);
    return List(this)->item(Index)->isSelected();
}

void TListBox::SetSelected(Integer Index, bool v) {
    CheckIndex(Index);
    FSyncing = true;
    core::ScopeExit reset([this] { FSyncing = false; });
    List(this)->item(Index)->setSelected(v);
}

Integer TListBox::SelCount() const {
    return Integer(List(this)->selectedItems().size());
}

bool TListBox::Sorted() const {
    return FItems->Sorted();
}
void TListBox::SetSorted(bool v) {
    FItems->SetSorted(v);
}

void TListBox::Clear() {
    FItems->Clear();
}

void TListBox::ColorChanged() {
    QPalette pal = Widget()->palette();
    pal.setColor(QPalette::Base, ui::ToQColor(Color()));
    Widget()->setPalette(pal);
    TWinControl::ColorChanged();
}

Integer TListBox::ItemAtPos(TPoint Pos, bool Existing) const {
    QListWidget* l = List(this);
    const QPoint v = l->viewport()->mapFrom(l, QPoint(Pos.X, Pos.Y));
    const QModelIndex index = l->viewport()->rect().contains(v) ? l->indexAt(v) : QModelIndex();
    if (index.isValid()) return index.row();
    return Existing ? -1 : FItems->Count();
}

TRect TListBox::ItemRect(Integer Index) const {
    QListWidget* l = List(this);
    if (Index < 0 || Index >= FItems->Count()) return TRect();
    const QRect r = l->visualItemRect(l->item(Index)).translated(l->viewport()->mapTo(l, QPoint(0, 0)));
    return ui::FromQRect(r);
}

bool TListBox::DragPress(TPoint P) {
    FPressed = FDragMode == dmAutomatic;
    FDragging = false;
    FPressAt = P;
    // The press still chooses the line under it.
    return false;
}

bool TListBox::AskDragOver(TPoint P, TDragState State) {
    bool accept = bool(OnDragOver);
    if (OnDragOver) OnDragOver(this, this, P.X, P.Y, State, accept);
    return accept;
}

bool TListBox::DragMove(TPoint P) {
    if (!FPressed) return false;
    if (!FDragging) {
        if (std::abs(P.X - FPressAt.X) < DragThreshold && std::abs(P.Y - FPressAt.Y) < DragThreshold)
            return true;
        FDragging = true;
        FCursorBeforeDrag = Cursor();
        FAccepted = AskDragOver(P, dsDragEnter);
    } else {
        FAccepted = AskDragOver(P, dsDragMove);
    }
    SetCursor(FAccepted ? crDrag : crNoDrop);
    // The moves belong to the drag: the chosen line stays where the press put it.
    return true;
}

bool TListBox::DragRelease(TPoint P) {
    const bool dragging = FDragging;
    FPressed = false;
    FDragging = false;
    if (!dragging) return false;
    SetCursor(FCursorBeforeDrag);
    if (FAccepted && OnDragDrop) OnDragDrop(this, this, P.X, P.Y);
    return true;
}
