#pragma once
// A context menu: shown by a right click on a control that names it, or by Popup.
#include "platform/ui/TMenu.h"

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}
    String ClassName() const override { return "TPopupMenu"; }

    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool v) { FAutoPopup = v; }
    // The control the menu was last shown for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* v) { FPopupComponent = v; }

    // Fires OnPopup, then shows the menu at the screen point until it closes.
    virtual void Popup(Integer X, Integer Y);
    TNotifyEvent OnPopup;

private:
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
};
