#include "app/cases/Tugyujszemelyform.h"

#include "app/common/CloseAsStored.h"
#include "app/common/CaseClientRows.h"
#include "app/common/FormControls.h"
#include "app/common/PersonBoxes.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "app/cases/Tugyadatlap.h"

#include "platform/core/DateTime.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tugyujszemelyform* ugyujszemelyform = nullptr;

Tugyujszemelyform::Tugyujszemelyform(TComponent* AOwner)
    : AttachDialog(AOwner, "ugyujszemelyform", "Ügy, természetes személy hozzáadása") {
    Edit1 = AddEditRow("Edit1", "Név:", 128);
    Edit2 = AddEditRow("Edit2", "Születési név:", 128);
    Edit3 = AddEditRow("Edit3", "Születési hely:", 128);
    const Integer dateTop = AddRow("DateTimePicker1", "Születési idő:", app::EditHeight);
    DateTimePicker1 = app::MakeDatePicker(this, this, "DateTimePicker1", InputLeft, dateTop, 130);
    Birth = app::StoredDatePicker(this, DateTimePicker1);
    Edit4 = AddEditRow("Edit4", "Anyja neve:", 128);
    Edit5 = AddEditRow("Edit5", "Állampolgárság:", 32);
    Edit6 = AddEditRow("Edit6", "Azonosító okmány típusa:", 32);
    Edit7 = AddEditRow("Edit7", "Azonosító okmány száma:", 32);
    Edit8 = AddMemoRow("Edit8", "Lakcím:", 128);
    Edit9 = AddMemoRow("Edit9", "Tartózkodási hely:", 128);
    PlaceChoiceAndButtons();
    Texts = app::PersonTextBoxes(Note, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9);
    Query1->SetTypeLess(true); // the register's birth date as stored: '' is no date
}

Tugyujszemelyform::~Tugyujszemelyform() {
    if (ugyujszemelyform == this) ugyujszemelyform = nullptr;
}

void Tugyujszemelyform::Reset() {
    FIdentified = false;
    Texts.Clear();
    DateTimePicker1->SetDate(Date());
    ResetRegister(app::RegisterPersonsSql(), app::PersonComboItem);
}

void Tugyujszemelyform::ClearBirthDate() {
    Birth.Show(app::StoredDate(), SqlTextToDate("1970-01-01"));
}

void Tugyujszemelyform::FormShow(TObject*) {
    Reset();
    ClearBirthDate();
}

void Tugyujszemelyform::Button1Click(TObject*) {
    if (!TakeComboRow()) return;
    app::OpenStatement(*Query1, app::RegisterPersonSql(SelectedRegisterId()));
    const app::CasePerson p = app::ReadRegisterPerson(*Query1);
    Texts.Show(*Query1, *Query1, "ugyfel_termeszetes_szemely", SelectedRegisterId());
    // A person without a birth date must not inherit the date shown before; one the program
    // cannot read is copied, and written back by "Átír", as the register holds it.
    Birth.Show(p.BirthDate, SqlTextToDate("1970-01-01"));
    FIdentified = p.Identified;
    FCopied = Person();
    OfferChoices();
}

app::CasePerson Tugyujszemelyform::Person() const {
    app::CasePerson p;
    p.Name = Edit1->Text();
    p.BirthName = Edit2->Text();
    p.BirthPlace = Edit3->Text();
    p.BirthDate = Birth.Value();
    p.MotherName = Edit4->Text();
    p.Citizenship = Edit5->Text();
    p.DocumentType = Edit6->Text();
    p.DocumentNumber = Edit7->Text();
    p.Address = Edit8->Text();
    p.StayAddress = Edit9->Text();
    p.Identified = FIdentified;
    return p;
}

void Tugyujszemelyform::rogzitoClick(TObject*) {
    FLastSaved = app::WriteCasePerson(*Query1, CaseId, Person(), Choice(), SelectedRegisterId(), FCopied,
                                      {Texts, Texts.Copies()});
    Query1->Close();
    ClearBirthDate();
    app::CloseAsStored(*this, [] {
        if (ugyadatlap) ugyadatlap->ReadClients();
    });
}

void Tugyujszemelyform::kilepoClick(TObject*) {
    Reset();
    Close();
}
