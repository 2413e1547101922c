#include "platform/ui/TMenuItem.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/detail/ImageListIcon.h"
#include "platform/ui/TMenu.h"

#include <QAction>
#include <QMenu>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
    ui::EnsureWidgetApplication();
    FAction = new QAction;
    QObject::connect(FAction, &QAction::triggered, [this] {
        // A click never toggles the check mark itself: the handlers set Checked.
        FAction->setChecked(FChecked);
        ui::SafeCall(this, [this] { Click(); });
    });
}

TMenuItem::~TMenuItem() {
    while (!FItems.empty())
        delete FItems.back();
    if (FParent) FParent->Remove(this);
    delete FSubMenu;
    delete FAction;
}

void TMenuItem::UpdateAction() {
    FAction->setSeparator(IsLine());
    String text = FCaption;
    const String sc = ShortCutToText(FShortCut);
    if (!sc.empty()) text += "\t" + sc;
    FAction->setText(ui::ToQt(text));
    FAction->setCheckable(FChecked || FRadioItem);
    FAction->setChecked(FChecked);
    FAction->setEnabled(FEnabled);
    FAction->setVisible(FVisible);
    QFont f = FAction->font();
    f.setBold(FDefault);
    FAction->setFont(f);
}

void TMenuItem::SetCaption(const String& v) {
    FCaption = v;
    UpdateAction();
}

void TMenuItem::SetShortCut(TShortCut v) {
    FShortCut = v;
    UpdateAction();
}

void TMenuItem::SetChecked(bool v) {
    FChecked = v;
    if (v && FRadioItem && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex &&
                sibling->FChecked) {
                sibling->FChecked = false;
                sibling->UpdateAction();
            }
    UpdateAction();
}

void TMenuItem::SetRadioItem(bool v) {
    FRadioItem = v;
    UpdateAction();
}

void TMenuItem::SetEnabled(bool v) {
    FEnabled = v;
    UpdateAction();
}

void TMenuItem::SetVisible(bool v) {
    FVisible = v;
    UpdateAction();
}

void TMenuItem::SetDefault(bool v) {
    FDefault = v;
    UpdateAction();
}

TMenuItem* TMenuItem::Items(Integer Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[std::size_t(Index)];
}

Integer TMenuItem::IndexOf(const TMenuItem* Item) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i] == Item) return Integer(i);
    return -1;
}

void TMenuItem::Add(TMenuItem* Item) {
    Insert(Count(), Item);
}

void TMenuItem::Insert(Integer Index, TMenuItem* Item) {
    if (Item->FParent) throw EInvalidOperation("Menu inserted twice");
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    if (!FSubMenu) {
        FSubMenu = new QMenu;
        FAction->setMenu(FSubMenu);
    }
    QAction* before = Index < Count() ? FItems[std::size_t(Index)]->FAction : nullptr;
    FSubMenu->insertAction(before, Item->FAction);
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Item->ImagesChanged();
    StructureChanged();
}

void TMenuItem::Remove(TMenuItem* Item) {
    const Integer i = IndexOf(Item);
    if (i < 0) return;
    FItems.erase(FItems.begin() + i);
    if (FSubMenu) FSubMenu->removeAction(Item->FAction);
    Item->FParent = nullptr;
    StructureChanged();
}

void TMenuItem::Delete(Integer Index) {
    delete Items(Index);
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        delete FItems.back();
}

void TMenuItem::StructureChanged() {
    TMenuItem* root = this;
    while (root->FParent)
        root = root->FParent;
    if (root->FRootOf) root->FRootOf->ItemsChanged();
}

void TMenuItem::Click() {
    if (FEnabled && OnClick) OnClick(this);
}

TMenuItem* TMenuItem::FindShortCut(TShortCut sc) {
    if (!FEnabled || !FVisible) return nullptr;
    if (sc != scNone && FShortCut == sc) return this;
    for (TMenuItem* item : FItems)
        if (TMenuItem* found = item->FindShortCut(sc)) return found;
    return nullptr;
}

void TMenuItem::SetImageIndex(Integer v) {
    FImageIndex = v;
    ImagesChanged();
}

TImageList* TMenuItem::MenuImages() const {
    const TMenuItem* root = this;
    while (root->FParent)
        root = root->FParent;
    return root->FRootOf ? root->FRootOf->Images() : nullptr;
}

void TMenuItem::ImagesChanged() {
    FAction->setIcon(ui::ImageListIcon(MenuImages(), FImageIndex));
    for (TMenuItem* item : FItems)
        item->ImagesChanged();
}
