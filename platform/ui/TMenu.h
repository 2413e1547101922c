#pragma once
// The base of the main menu and the popup menu: a root item whose sub-items
// are the menu's entries.
#include "platform/core/TComponent.h"
#include "platform/ui/UiTypes.h"

#include <memory>

class TImageList;
class TMenuItem;

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    String ClassName() const override { return "TMenu"; }

    TMenuItem* Items() const { return FItems; }
    // The pictures the items name by ImageIndex; the menu forgets a list that is freed.
    TImageList* Images() const { return FImages; }
    // Shows every item's picture anew, also when Value is the list set before.
    void SetImages(TImageList* Value);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Clicks the enabled item with that shortcut; true when there was one.
    bool IsShortCut(TShortCut sc);

    // Platform-internal: called when the top entries change.
    void ItemsChanged();
    std::function<void()> OnItemsChanged;

private:
    TMenuItem* FItems;
    TImageList* FImages = nullptr;
};
