#pragma once
// Attaches a natural person to a case as a copy of its data, optionally taken from the
// register ("Másol") and optionally written back to it ("Átír", "Újként rögzít").
// Shown modally from the case sheet, which sets CaseId first.
#include "app/cases/AttachDialog.h"
#include "app/common/StoredDate.h"

class TDateTimePicker;
class TEdit;
class TMemo;

class Tugyujszemelyform : public app::AttachDialog {
public:
    explicit Tugyujszemelyform(TComponent* AOwner);
    ~Tugyujszemelyform() override;
    String ClassName() const override { return "Tugyujszemelyform"; }

    TEdit* Edit1;                     // "Név:"
    TEdit* Edit2;                     // "Születési név:"
    TEdit* Edit3;                     // "Születési hely:"
    TDateTimePicker* DateTimePicker1; // "Születési idő:", unchecked: no date
    app::StoredDatePicker Birth;      // the copied birth date behind DateTimePicker1
    TEdit* Edit4;                     // "Anyja neve:"
    TEdit* Edit5;                     // "Állampolgárság:"
    TEdit* Edit6;                     // "Azonosító okmány típusa:"
    TEdit* Edit7;                     // "Azonosító okmány száma:"
    TMemo* Edit8;                     // "Lakcím:"
    TMemo* Edit9;                     // "Tartózkodási hely:"

    // The identification flag taken over from the copied register person.
    bool Identified() const { return FIdentified; }
    // The copy stored last and the register row it is linked to.
    const app::PersonLink& LastSaved() const { return FLastSaved; }

    void FormShow(TObject* Sender) override;
    void Button1Click(TObject* Sender) override;
    void rogzitoClick(TObject* Sender) override;
    void kilepoClick(TObject* Sender) override;

    // The person as the inputs hold it.
    app::CasePerson Person() const;

private:
    void Reset();
    // The picker at 1 January 1970, unchecked: no birth date.
    void ClearBirthDate();

    bool FIdentified = false;
    app::CasePerson FCopied; // the inputs as "Másol" filled them
    app::PersonLink FLastSaved;
};

extern Tugyujszemelyform* ugyujszemelyform;
