#pragma once
// A push button. A click hands ModalResult to its form (closing a modal form
// when not mrNone); Enter presses the focused button, or the Default one when
// no button has the focus, and Escape the Cancel one.
#include "platform/ui/TWinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);
    String ClassName() const override { return "TButton"; }

    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v) { FModalResult = v; }

    void Click() override;
    bool DialogKey(Word Key) override;

protected:
    void TextChanged() override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};
