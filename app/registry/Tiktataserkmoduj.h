#pragma once
// Adds an active arrival mode (ikt_mod).
#include "app/registry/LookupNameDialog.h"

class Tiktataserkmoduj : public app::LookupNameDialog {
public:
    explicit Tiktataserkmoduj(TComponent* AOwner);
    ~Tiktataserkmoduj() override;
    String ClassName() const override { return "Tiktataserkmoduj"; }
    void BitBtn1Click(TObject* Sender) override;
};

extern Tiktataserkmoduj* iktataserkmoduj;
