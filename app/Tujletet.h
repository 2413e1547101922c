#pragma once
// The new-deposit dialog: who deposits for whom, when, on which account and project,
// the amount and a remark. "Rögzít" stores the deposit with its opening movement.
#include "app/DepositCombos.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TDateTimePicker;
class TEdit;
class TMemo;
class TSqlite3Query;

class Tujletet : public TForm {
public:
    explicit Tujletet(TComponent* AOwner);
    ~Tujletet() override;
    String ClassName() const override { return "Tujletet"; }

    TSqlite3Query* Query1;
    TEdit* Edit1;                     // "Letétbe helyező:"
    TEdit* Edit2;                     // "Kedvezményezett:"
    TEdit* Edit3;                     // "Összeg:" in whole forints
    TDateTimePicker* DateTimePicker1; // "Dátum:"
    TComboBox* ComboBox1;             // "Letéti számla:"
    TComboBox* ComboBox2;             // "Projekt:"
    TMemo* Memo1;                     // "Megjegyzés:"
    TBitBtn* BitBtn1;                 // "Rögzít"
    TBitBtn* BitBtn2;                 // "Bezár"
    app::DepositChoices Choices;      // the keys behind the two combos

    void FormShow(TObject* Sender);
    // Stores the deposit when payer, amount and account are given, refreshes the list and
    // closes; otherwise does nothing and keeps the input. An amount that is no whole
    // number of forints in range raises its message and stores nothing.
    void BitBtn1Click(TObject* Sender);
};

extern Tujletet* ujletet;
