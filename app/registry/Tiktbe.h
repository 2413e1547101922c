#pragma once
// The incoming mail entry dialog: records a new item of the incoming registry book.
#include "app/registry/RegistryEntryDialog.h"

class Tiktbe : public app::RegistryEntryDialog {
public:
    explicit Tiktbe(TComponent* AOwner);
    ~Tiktbe() override;
    String ClassName() const override { return "Tiktbe"; }

    // Opens the registry partner dialog for this dialog (mode 2).
    void BitBtn1Click(TObject* Sender) override;

protected:
    void ShowStoredList() override;
};

extern Tiktbe* iktbe;
