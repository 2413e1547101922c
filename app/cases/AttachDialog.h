#pragma once
// What the two attach dialogs of the case sheet share: the register combo with its
// "Másol" button in a strip at the top, the three register choices, the "Rögzít" and
// "Bezár" buttons, the statement dataset, and the state behind the combo.
#include "app/cases/CaseSaves.h"
#include "app/common/DialogRows.h"
#include "app/common/StoredText.h"
#include "platform/ui/TCustomForm.h"

#include <functional>
#include <vector>

class TButton;
class TBitBtn;
class TComboBox;
class TEdit;
class TLabel;
class TMemo;
class TDataSet;
class TPanel;
class TRadioButton;
class TSqlite3Query;

namespace app {

class AttachDialog : public TForm {
public:
    Integer CaseId = 0; // the case to attach to, set by the case sheet

    TSqlite3Query* Query1;
    TPanel* Panel1;             // the strip holding the register combo
    TComboBox* ComboBox1;       // the register's active rows
    TButton* Button1;           // "Másol"
    TRadioButton* RadioButton1; // "Átír"
    TRadioButton* RadioButton2; // "Újként rögzít"
    TRadioButton* RadioButton3; // "Nem módosít"
    TBitBtn* rogzito;           // "Rögzít"
    TBitBtn* kilepo;            // "Bezár"
    TLabel* Note;               // beside the buttons: why a box keeps its register text

    // The register row chosen with "Másol"; -1 for none.
    Integer SelectedRegisterId() const { return FSelectedRegisterId; }
    // Ids of the combo's rows, in the combo's order.
    const std::vector<Integer>& RegisterIds() const { return FRegisterIds; }
    // The register choice the radio buttons show.
    RegisterChoice Choice() const;

    // The dialog's handlers, bound by the base.
    virtual void FormShow(TObject* Sender) = 0;
    virtual void Button1Click(TObject* Sender) = 0; // "Másol"
    virtual void rogzitoClick(TObject* Sender) = 0;
    virtual void kilepoClick(TObject* Sender) = 0;

protected:
    // The label column ends at LabelRight; the inputs start at InputLeft.
    static constexpr Integer LabelRight = 176;
    static constexpr Integer InputLeft = 184;
    static constexpr Integer InputWidth = 344;
    static constexpr Integer FirstRowTop = 58;

    AttachDialog(TComponent* AOwner, const String& Name, const String& Caption);
    // The next input row under the ones added before: a labelled text box or memo
    // named Name, its label "Label" + Name.
    TEdit* AddEditRow(const String& Name, const String& Caption, Integer MaxLength);
    TMemo* AddMemoRow(const String& Name, const String& Caption, Integer MaxLength);
    // A labelled row for a control of the caller's own, Height high; answers its top.
    Integer AddRow(const String& Name, const String& Caption, Integer Height);
    // Places the radio buttons under the rows and the two buttons below them, last in
    // tab order, and sizes the form.
    void PlaceChoiceAndButtons();
    // No register row chosen, "Újként rögzít" checked, the radio buttons disabled,
    // the combo refilled from Sql with ItemText for each row.
    void ResetRegister(const String& Sql, const std::function<String(TDataSet&)>& ItemText);
    // Takes the combo's chosen row as the register row; false when no item is chosen.
    bool TakeComboRow();
    // "Nem módosít" checked, all three radio buttons enabled.
    void OfferChoices();

    // The boxes over the register row's text columns, sharing Note: "Átír" keeps a stored
    // text longer than its box. The dialog adds its boxes after PlaceChoiceAndButtons.
    StoredTextBoxes Texts;

private:
    DialogRows FRows;
    std::vector<Integer> FRegisterIds;
    Integer FSelectedRegisterId = -1;
};

} // namespace app
