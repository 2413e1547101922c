#pragma once
// The base of the main menu and the popup menu: a root item whose sub-items
// are the menu's entries.
#include "platform/core/TComponent.h"
#include "platform/ui/UiTypes.h"

#include <memory>

class TMenuItem;

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    String ClassName() const override { return "TMenu"; }

    TMenuItem* Items() const { return FItems; }
    // Clicks the enabled item with that shortcut; true when there was one.
    bool IsShortCut(TShortCut sc);

    // Platform-internal: called when the top entries change.
    void ItemsChanged();
    std::function<void()> OnItemsChanged;

private:
    TMenuItem* FItems;
};
