#pragma once
// The outgoing mail entry dialog: records a new item of the outgoing registry book.
#include "app/registry/RegistryEntryDialog.h"

class Tiktki : public app::RegistryEntryDialog {
public:
    explicit Tiktki(TComponent* AOwner);
    ~Tiktki() override;
    String ClassName() const override { return "Tiktki"; }

    // Opens the registry partner dialog for this dialog (mode 3).
    void BitBtn1Click(TObject* Sender) override;

protected:
    void ShowStoredList() override;
};

extern Tiktki* iktki;
