#pragma once
// Attaches an organisation to a case as a copy of its data, optionally taken from the
// register ("Másol") and optionally written back to it. The copy keeps no link to the
// register row. Shown modally from the case sheet, which sets CaseId first.
#include "app/cases/AttachDialog.h"

class TEdit;
class TMemo;

class Tugyujszervezetform : public app::AttachDialog {
public:
    explicit Tugyujszervezetform(TComponent* AOwner);
    ~Tugyujszervezetform() override;
    String ClassName() const override { return "Tugyujszervezetform"; }

    TMemo* Edit1; // "Név:"
    TEdit* Edit2; // "Rövidített név:"
    TMemo* Edit3; // "Székhely címe:"
    TEdit* Edit4; // "Fő tevékenység:"
    TEdit* Edit5; // "Azonosító okirat száma::"
    TMemo* Edit6; // "Képviselő:"
    TEdit* Edit7; // "Kézbesítési megbízott neve:"
    TEdit* Edit8; // "Kézbesítési megb. anyja nev::"
    TEdit* Edit9; // "Kézbesítési megbízott címe:"

    void FormShow(TObject* Sender) override;
    void Button1Click(TObject* Sender) override;
    void rogzitoClick(TObject* Sender) override;
    void kilepoClick(TObject* Sender) override;

    // The organisation as the inputs hold it.
    app::CaseOrganisation Organisation() const;

private:
    // The nine inputs in the order of the organisation's columns.
    std::array<TWinControl*, 9> Inputs() const;

    app::CaseOrganisation FCopied; // the inputs as "Másol" filled them
};

extern Tugyujszervezetform* ugyujszervezetform;
