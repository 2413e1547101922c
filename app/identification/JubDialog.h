#pragma once
// What the two identification query dialogs share: a house-blue header, labelled rows
// one under the other (the dialog adds its own first), then "Lekérdezés sikeres:", the
// answer file with its browse button, the declaration's "Nyomtatás", and "Rögzít" and
// "Bezár"; the statement dataset Query1 and Query2, which reads the person for the
// declaration.
#include "app/common/DialogRows.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TCheckBox;
class TEdit;
class TLabel;
class TOpenDialog;
class TrpReport;
class TSpeedButton;
class TSqlite3Query;

namespace app {

class JubDialog : public TForm {
public:
    TSqlite3Query* Query1;
    TSqlite3Query* Query2;
    TLabel* Label1;             // the header's text
    TCheckBox* CheckBox1;       // "Lekérdezés sikeres:"
    TSpeedButton* SpeedButton1; // browse for the answer file
    TOpenDialog* OpenDialog1;
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Bezár"
    TBitBtn* BitBtn3; // "Nyilatkozat:" "Nyomtatás"

    virtual void FormShow(TObject* Sender) = 0;
    virtual void BitBtn1Click(TObject* Sender) = 0;
    // The chosen file's path into the file box; Cancel leaves it.
    void SpeedButton1Click(TObject* Sender);
    // Reads the query's person into Query2 and prints the identification sheet with the
    // declaration; without a person nothing is printed.
    void BitBtn3Click(TObject* Sender);

protected:
    // Reads the query's person into Query2, its birth date as stored: '' prints empty.
    void OpenPerson();
    static constexpr Integer LabelRight = 176;
    static constexpr Integer InputLeft = 184;
    static constexpr Integer InputWidth = 260;

    JubDialog(TComponent* AOwner, const String& Name, const String& Caption, const String& Header);
    DialogRows& Rows() { return FRows; }
    // The register person of the query, and the report that prints its sheet.
    virtual Integer PersonId() const = 0;
    virtual TrpReport* DeclarationReport() const = 0;
    // Adds the flag row, the file row (its box named FileBoxName) and the buttons under
    // the rows added so far, sizes the form and binds the handlers; answers the file box.
    TEdit* FinishRows(const String& FileBoxName);

private:
    DialogRows FRows;
    TEdit* FFileBox = nullptr;
};

} // namespace app
