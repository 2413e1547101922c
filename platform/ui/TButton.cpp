#include "platform/ui/TButton.h"

#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/VirtualKeys.h"

#include <QPushButton>

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, ui::NewWidget<QPushButton>()) {
    auto* b = static_cast<QPushButton*>(Widget());
    // Enter is the form's business (the default button), not the toolkit's.
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, [this] { ui::SafeCall(this, [this] { Click(); }); });
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool v) {
    FDefault = v;
    static_cast<QPushButton*>(Widget())->setDefault(v);
}

void TButton::TextChanged() {
    static_cast<QPushButton*>(Widget())->setText(ui::ToQt(Text()));
}

void TButton::Click() {
    // The form's result is set before OnClick runs, so the click handler can read it.
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TWinControl::Click();
}

bool TButton::DialogKey(Word Key) {
    // Enter presses the focused button; the Default one only while no button has the focus.
    const TCustomForm* form = GetParentForm(this);
    const auto* focused = form ? dynamic_cast<const TButton*>(form->ActiveControl()) : nullptr;
    const bool pressedByEnter = focused ? focused == this : FDefault;
    if (((Key == VK_RETURN && pressedByEnter) || (Key == VK_ESCAPE && FCancel)) && CanFocus()) {
        Click();
        return true;
    }
    return false;
}
