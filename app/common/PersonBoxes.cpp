#include "app/common/PersonBoxes.h"

#include "app/common/DialogRows.h"
#include "app/common/FormControls.h"
#include "app/common/SqlRoutines.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"

namespace app {

CasePerson PersonBoxes::Person() const {
    CasePerson p;
    p.Name = Name->Text();
    p.BirthName = BirthName->Text();
    p.BirthPlace = BirthPlace->Text();
    p.BirthDate = Birth.Value();
    p.MotherName = MotherName->Text();
    p.Citizenship = Citizenship->Text();
    p.DocumentType = DocumentType->Text();
    p.DocumentNumber = DocumentNumber->Text();
    p.Address = Address->Text();
    p.StayAddress = StayAddress->Text();
    return p;
}

void PersonBoxes::Show(const CasePerson& p) {
    Name->SetText(p.Name);
    BirthName->SetText(p.BirthName);
    BirthPlace->SetText(p.BirthPlace);
    MotherName->SetText(p.MotherName);
    Citizenship->SetText(p.Citizenship);
    DocumentType->SetText(p.DocumentType);
    DocumentNumber->SetText(p.DocumentNumber);
    Address->SetText(p.Address);
    StayAddress->SetText(p.StayAddress);
    Birth.Show(p.BirthDate, SqlTextToDate("1970-01-01"));
}

void PersonBoxes::Clear() {
    Show(CasePerson{});
}

StoredTextBoxes PersonBoxes::Texts(TLabel* Note) const {
    return PersonTextBoxes(Note, Name, BirthName, BirthPlace, MotherName, Citizenship, DocumentType,
                           DocumentNumber, Address, StayAddress);
}

StoredTextBoxes PersonTextBoxes(TLabel* Note, TWinControl* Name, TWinControl* BirthName,
                                TWinControl* BirthPlace, TWinControl* MotherName, TWinControl* Citizenship,
                                TWinControl* DocumentType, TWinControl* DocumentNumber, TWinControl* Address,
                                TWinControl* StayAddress) {
    return StoredTextBoxes(Note, {{"nev", Name},
                                  {"szuletesi_nev", BirthName},
                                  {"szuletesi_hely", BirthPlace},
                                  {"anyja_neve", MotherName},
                                  {"allampolgarsag", Citizenship},
                                  {"azonosito_okmany_tipus", DocumentType},
                                  {"azonosito_okmany_szama", DocumentNumber},
                                  {"lakcim", Address},
                                  {"tartozkodasi_hely", StayAddress}});
}

PersonBoxes AddPersonRows(DialogRows& Rows, TComponent* Owner, TWinControl* Parent, PersonRowsStyle Style) {
    const bool newPerson = Style == PersonRowsStyle::NewPerson;
    PersonBoxes b;
    Integer next = 1;
    const auto name = [&next] { return "Edit" + std::to_string(next++); };
    b.Name = Rows.AddEditRow(name(), "Név:", 128);
    b.BirthName = Rows.AddEditRow(name(), "Születési név:", 128);
    b.BirthPlace = Rows.AddEditRow(name(), "Születési hely:", 128);
    const Integer dateTop = Rows.AddRow("DateTimePicker1", "Születési idő:", EditHeight);
    b.BirthDate = MakeDatePicker(Owner, Parent, "DateTimePicker1", Rows.InputLeft(), dateTop, 130);
    b.Birth = StoredDatePicker(Owner, b.BirthDate);
    if (newPerson) b.Address = Rows.AddMemoRow(name(), "Lakcím:", 128);
    b.MotherName = Rows.AddEditRow(name(), "Anyja neve:", 128);
    b.Citizenship = Rows.AddEditRow(name(), "Állampolgárság:", 32);
    b.DocumentType =
        Rows.AddEditRow(name(), newPerson ? "Azonosító okirat típusa:" : "Azonosító okmány típusa:", 32);
    b.DocumentNumber =
        Rows.AddEditRow(name(), newPerson ? "Azonosító okirat száma:" : "Azonosító okmány száma:", 32);
    if (!newPerson) b.Address = Rows.AddMemoRow(name(), "Lakcím:", 128);
    b.StayAddress = Rows.AddMemoRow(name(), "Tartózkodási hely:", 128);
    return b;
}

} // namespace app
