#include "platform/ui/TListBox.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/ItemStrings.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"

#include <QListWidget>
#include <QPalette>

namespace {
QListWidget* List(const TControl* c) {
    return static_cast<QListWidget*>(c->Widget());
}
} // namespace

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner, ui::NewWidget<QListWidget>()), FItems(std::make_unique<ui::ItemStrings>()) {
    QListWidget* l = List(this);
    FItems->MirrorTo(FSyncing,
                     {
                         [this](Integer i, const String& s) { List(this)->insertItem(i, ui::ToQt(s)); },
                         [this](Integer i) { delete List(this)->takeItem(i); },
                         [this](Integer i, const String& s) { List(this)->item(i)->setText(ui::ToQt(s)); },
                         [this] { List(this)->clear(); },
                     });
    QObject::connect(l, &QListWidget::currentRowChanged, [this](int) {
        if (!FSyncing) ui::SafeCall(this, [this] { Click(); });
    });
    SetParentColor(false);
    SetColor(clWindow);
    ColorChanged(); // clWindow is the starting value, so SetColor alone changes nothing
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
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
