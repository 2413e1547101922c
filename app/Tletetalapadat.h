#pragma once
// The base-data dialog of a deposit: payer, beneficiary, deposit date, account, project
// and remark. Account and project change only when the user picks an item, so a deposit
// keeps an account or project that is no longer active.
#include "app/DepositCombos.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TDateTimePicker;
class TEdit;
class TMemo;
class TSqlite3Query;

class Tletetalapadat : public TForm {
public:
    explicit Tletetalapadat(TComponent* AOwner);
    ~Tletetalapadat() override;
    String ClassName() const override { return "Tletetalapadat"; }

    Integer DepositId = 0;
    // Who opened it: the deposit list or the deposit search, which are refreshed on save.
    Integer Origin = 0;
    static constexpr Integer FromList = 1;
    static constexpr Integer FromSearch = 2;

    TSqlite3Query* Query1;
    TEdit* Edit1;                     // "Letétbe helyező:"
    TEdit* Edit2;                     // "Kedvezményezett:"
    TDateTimePicker* DateTimePicker1; // "Dátum:"
    TComboBox* ComboBox1;             // "Letéti számla:"
    TComboBox* ComboBox2;             // "Projekt:"
    TMemo* Memo1;                     // "Megjegyzés:"
    TBitBtn* BitBtn1;                 // "Rögzít"
    TBitBtn* BitBtn2;                 // "Bezár"
    app::DepositChoices Choices;

    void FormShow(TObject* Sender);
    // Saves, refreshes the opener's list and closes.
    void BitBtn1Click(TObject* Sender);
};

extern Tletetalapadat* letetalapadat;
