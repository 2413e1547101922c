#include "platform/ui/TMenu.h"

#include "platform/ui/TMenuItem.h"

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
    FItems->SetRootOf(this);
}

TMenu::~TMenu() {
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
