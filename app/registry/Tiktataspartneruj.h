#pragma once
// Adds a registry partner (ikt_partner) with its address. Opened from an entry dialog
// (mode 2 or 3) it also chooses the new partner there, with its address.
#include "app/registry/LookupNameDialog.h"

class TMemo;

class Tiktataspartneruj : public app::LookupNameDialog {
public:
    explicit Tiktataspartneruj(TComponent* AOwner);
    ~Tiktataspartneruj() override;
    String ClassName() const override { return "Tiktataspartneruj"; }

    TMemo* Memo1; // "Cím:"

    void FormShow(TObject* Sender) override;
    void BitBtn1Click(TObject* Sender) override;
};

extern Tiktataspartneruj* iktataspartneruj;
