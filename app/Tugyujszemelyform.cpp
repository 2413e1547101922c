#include "app/Tugyujszemelyform.h"

#include "app/CaseClientRows.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/SqlRoutines.h"
#include "app/Tugyadatlap.h"

#include "platform/core/DateTime.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tugyujszemelyform* ugyujszemelyform = nullptr;

namespace {

constexpr Integer RowStep = 27;

} // namespace

Tugyujszemelyform::Tugyujszemelyform(TComponent* AOwner)
    : AttachDialog(AOwner, "ugyujszemelyform", "Ügy, természetes személy hozzáadása") {
    Integer top = FirstRowTop;
    const auto row = [&](const String& name, const String& caption, Integer maxLength) {
        app::MakeFieldLabel(this, this, "Label" + name, caption, LabelRight, top);
        TEdit* edit = app::MakeEdit(this, this, name, InputLeft, top, InputWidth);
        edit->SetMaxLength(maxLength);
        top += RowStep;
        return edit;
    };
    Edit1 = row("Edit1", "Név:", 128);
    Edit2 = row("Edit2", "Születési név:", 128);
    Edit3 = row("Edit3", "Születési hely:", 128);
    app::MakeFieldLabel(this, this, "LabelDateTimePicker1", "Születési idő:", LabelRight, top);
    DateTimePicker1 = app::MakeDatePicker(this, this, "DateTimePicker1", InputLeft, top, 130);
    DateTimePicker1->SetShowCheckbox(true);
    top += RowStep;
    Edit4 = row("Edit4", "Anyja neve:", 128);
    Edit5 = row("Edit5", "Állampolgárság:", 32);
    Edit6 = row("Edit6", "Azonosító okmány típusa:", 32);
    Edit7 = row("Edit7", "Azonosító okmány száma:", 32);
    const auto memo = [&](const String& name, const String& caption) {
        app::MakeFieldLabel(this, this, "Label" + name, caption, LabelRight, top);
        TMemo* box = app::MakeMemo(this, this, name, InputLeft, top, InputWidth, 40);
        box->SetMaxLength(128);
        top += 46;
        return box;
    };
    Edit8 = memo("Edit8", "Lakcím:");
    Edit9 = memo("Edit9", "Tartózkodási hely:");
    PlaceChoiceAndButtons(top + 6);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
    rogzito->OnClick = [this](TObject* Sender) { rogzitoClick(Sender); };
    kilepo->OnClick = [this](TObject* Sender) { kilepoClick(Sender); };
}

Tugyujszemelyform::~Tugyujszemelyform() {
    if (ugyujszemelyform == this) ugyujszemelyform = nullptr;
}

void Tugyujszemelyform::Reset() {
    FIdentified = false;
    for (TEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7})
        edit->Clear();
    Edit8->Clear();
    Edit9->Clear();
    DateTimePicker1->SetDate(Date());
    ResetRegister(app::RegisterPersonsSql(), app::PersonComboItem);
}

void Tugyujszemelyform::ClearBirthDate() {
    DateTimePicker1->SetDate(SqlTextToDate("1970-01-01"));
    DateTimePicker1->SetChecked(false);
}

void Tugyujszemelyform::FormShow(TObject*) {
    Reset();
    ClearBirthDate();
}

void Tugyujszemelyform::Button1Click(TObject*) {
    if (!TakeComboRow()) return;
    app::OpenStatement(*Query1, app::RegisterPersonSql(SelectedRegisterId()));
    const app::CasePerson p = app::ReadRegisterPerson(*Query1);
    Query1->Close();
    Edit1->SetText(p.Name);
    Edit2->SetText(p.BirthName);
    Edit3->SetText(p.BirthPlace);
    Edit4->SetText(p.MotherName);
    Edit5->SetText(p.Citizenship);
    Edit6->SetText(p.DocumentType);
    Edit7->SetText(p.DocumentNumber);
    Edit8->SetText(p.Address);
    Edit9->SetText(p.StayAddress);
    // A person without a birth date must not inherit the date shown before.
    if (p.BirthDate) {
        DateTimePicker1->SetDate(*p.BirthDate);
        DateTimePicker1->SetChecked(true);
    } else {
        ClearBirthDate();
    }
    FIdentified = p.Identified;
    OfferChoices();
}

app::CasePerson Tugyujszemelyform::Person() const {
    app::CasePerson p;
    p.Name = Edit1->Text();
    p.BirthName = Edit2->Text();
    p.BirthPlace = Edit3->Text();
    if (DateTimePicker1->Checked()) p.BirthDate = DateTimePicker1->Date();
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
    FLastSaved = app::WriteCasePerson(*Query1, CaseId, Person(), Choice(), SelectedRegisterId());
    Query1->Close();
    // Closed before the list refresh: a failing refresh must not invite a second save.
    ClearBirthDate();
    Close();
    if (ugyadatlap) app::ReopenIfSet(*ugyadatlap->Query3);
}

void Tugyujszemelyform::kilepoClick(TObject*) {
    Reset();
    Close();
}
