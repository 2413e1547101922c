#pragma once
// The base-data dialog of a deposit: payer, beneficiary, deposit date, account, project
// and remark. Account and project change only when the user picks an item, so a deposit
// keeps an account or project that is no longer active.
#include "app/common/StoredDate.h"
#include "app/common/StoredText.h"
#include "app/deposits/DepositDialog.h"

class TLabel;

class Tletetalapadat : public app::DepositDialog {
public:
    explicit Tletetalapadat(TComponent* AOwner);
    ~Tletetalapadat() override;
    String ClassName() const override { return "Tletetalapadat"; }

    Integer DepositId = 0;
    // Who opened it: the deposit list or the deposit search, which are refreshed on save.
    Integer Origin = 0;
    static constexpr Integer FromList = 1;
    static constexpr Integer FromSearch = 2;
    // The stored deposit date behind DateTimePicker1: a date shows without a check box, so it
    // is never cleared; none, or one the program cannot read, shows unchecked and is saved as
    // stored unless the user picks a date.
    app::StoredDatePicker Betet;
    // Payer, beneficiary and remark over Edit1, Edit2 and Memo1: a stored text longer than its
    // field shows read-only, with Note saying so, and is kept.
    app::StoredTextBox Payer;
    app::StoredTextBox Beneficiary;
    app::StoredTextBox Remark;
    TLabel* Note;

    // Empties the boxes, then shows the deposit's stored values.
    void FormShow(TObject* Sender) override;
    // Saves, refreshes the opener's list and closes.
    void BitBtn1Click(TObject* Sender) override;
};

extern Tletetalapadat* letetalapadat;
