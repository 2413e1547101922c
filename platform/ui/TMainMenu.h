#pragma once
// The menu bar of a form (TCustomForm::SetMenu).
#include "platform/ui/TMenu.h"

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
    String ClassName() const override { return "TMainMenu"; }
};
