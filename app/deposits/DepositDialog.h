#pragma once
// The base of the new-deposit and base-data dialogs: the rows both show — payer,
// beneficiary, date, the amount in forints (new deposits only), account, project and
// remark —, "Rögzít" and "Bezár", named as both dialogs name them. Showing empties
// the boxes, sets today's date and refills the account and project choices.
#include "app/deposits/DepositCombos.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TDateTimePicker;
class TEdit;
class TMemo;
class TSqlite3Query;

namespace app {

class DepositDialog : public TForm {
public:
    TSqlite3Query* Query1;
    TEdit* Edit1;                     // "Letétbe helyező:"
    TEdit* Edit2;                     // "Kedvezményezett:"
    TEdit* Edit3 = nullptr;           // "Összeg:" in whole forints, digits only; new deposits only
    TDateTimePicker* DateTimePicker1; // "Dátum:"
    TComboBox* ComboBox1;             // "Letéti számla:"
    TComboBox* ComboBox2;             // "Projekt:"
    TMemo* Memo1;                     // "Megjegyzés:"
    TBitBtn* BitBtn1;                 // "Rögzít"
    TBitBtn* BitBtn2;                 // "Bezár"
    DepositChoices Choices;           // the keys behind the two combos

    virtual void FormShow(TObject* Sender);
    virtual void BitBtn1Click(TObject* Sender) = 0;

protected:
    // A dialog named Name with the amount row when WithAmount.
    DepositDialog(TComponent* AOwner, const String& Name, const String& Caption, bool WithAmount);
};

} // namespace app
