#pragma once
// The new identification query of a person of a case, opened modally from the case
// sheet's clients menu. It composes the query number from the office's chamber id,
// the case number and year and the case's next serial, and stores the query once: after
// "Rögzít" the record exists and the button stays off until the dialog shows again.
#include "app/identification/JubDialog.h"

class TDateTimePicker;
class TEdit;

class Tujjub : public app::JubDialog {
public:
    explicit Tujjub(TComponent* AOwner);
    ~Tujjub() override;
    String ClassName() const override { return "Tujjub"; }

    // Set by the case sheet before showing.
    Integer CaseId = 0;          // sorszam of the case
    Integer CaseClientRowId = 0; // sorszam of the person's copy in ugy_ugyfel_tsz

    // Fixed when the dialog shows; Serial moves on when its number was taken meanwhile.
    Integer ClientId = 0; // the register person; 0 when the copy is linked to none
    String Serial;        // the serial within the case, in decimal

    TEdit* Edit1;                     // "Lekérdezés száma:", read-only
    TEdit* Edit2;                     // "Név:", read-only
    TEdit* Edit3;                     // "Személyi igazolvány száma:"
    TEdit* Edit4;                     // "Személyi azonosító:"
    TDateTimePicker* DateTimePicker1; // "Dátum:"
    TEdit* Edit5;                     // "Fájl:"

    void FormShow(TObject* Sender) override;
    // Refuses a query without a register person or without either identity field (with
    // a message); otherwise stores it, turns itself off, and refreshes the case sheet's
    // clients when it succeeded (a refresh that fails raises EDatabaseError saying the query
    // was stored). When another workstation stored the case's query
    // under the shown number meanwhile, stores nothing, shows the next free number and
    // says so.
    void BitBtn1Click(TObject* Sender) override;

protected:
    Integer PersonId() const override { return ClientId; }
    TrpReport* DeclarationReport() const override;

private:
    bool FStored = false;
};

extern Tujjub* ujjub;
