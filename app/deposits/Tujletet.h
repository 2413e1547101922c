#pragma once
// The new-deposit dialog: who deposits for whom, when, on which account and project,
// the amount and a remark. "Rögzít" stores the deposit with its opening movement.
#include "app/deposits/DepositDialog.h"

class Tujletet : public app::DepositDialog {
public:
    explicit Tujletet(TComponent* AOwner);
    ~Tujletet() override;
    String ClassName() const override { return "Tujletet"; }

    // Stores the deposit when payer, amount and account are given, refreshes the list and
    // closes; otherwise does nothing and keeps the input. An amount that is no whole
    // number of forints in range raises its message and stores nothing.
    void BitBtn1Click(TObject* Sender) override;
};

extern Tujletet* ujletet;
