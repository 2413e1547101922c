#pragma once
// Adds an active registry location (ikt_mt).
#include "app/registry/LookupNameDialog.h"

class Tiktatasihelyuj : public app::LookupNameDialog {
public:
    explicit Tiktatasihelyuj(TComponent* AOwner);
    ~Tiktatasihelyuj() override;
    String ClassName() const override { return "Tiktatasihelyuj"; }
    void BitBtn1Click(TObject* Sender) override;
};

extern Tiktatasihelyuj* iktatasihelyuj;
