#include "platform/ui/TMenu.h"

#include "platform/graphics/TImageList.h"
#include "platform/ui/TMenuItem.h"

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
    FItems->SetRootOf(this);
}

TMenu::~TMenu() {
    if (FImages) FImages->RemoveFreeNotification(this);
    FItems->SetRootOf(nullptr);
    delete FItems;
}

bool TMenu::IsShortCut(TShortCut sc) {
    if (sc == scNone) return false;
    TMenuItem* item = nullptr;
    for (Integer i = 0; i < FItems->Count() && !item; ++i)
        item = FItems->Items(i)->FindShortCut(sc);
    if (!item) return false;
    item->Click();
    return true;
}

void TMenu::ItemsChanged() {
    if (OnItemsChanged) OnItemsChanged();
}

void TMenu::SetImages(TImageList* Value) {
    if (Value != FImages) {
        if (FImages) FImages->RemoveFreeNotification(this);
        FImages = Value;
        if (FImages) FImages->FreeNotification(this);
    }
    FItems->ImagesChanged();
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        FItems->ImagesChanged();
    }
}
