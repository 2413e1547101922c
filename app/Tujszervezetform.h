#pragma once
// Adds an organisation to the register. Shown modally from the clients area; the
// organisations list refreshes when the organisation is stored.
#include "app/CaseDialogStatements.h"
#include "platform/ui/TCustomForm.h"

class TBitBtn;
class TEdit;
class TMemo;
class TSqlite3Query;

class Tujszervezetform : public TForm {
public:
    explicit Tujszervezetform(TComponent* AOwner);
    ~Tujszervezetform() override;
    String ClassName() const override { return "Tujszervezetform"; }

    TSqlite3Query* Query1;
    TMemo* Edit1;     // "Név:"
    TEdit* Edit2;     // "Rövidített név:"
    TMemo* Edit3;     // "Székhely címe:"
    TEdit* Edit4;     // "Fő tevékenység:"
    TEdit* Edit5;     // "Azonosító okirat száma:"
    TMemo* Edit6;     // "Képviselő"
    TEdit* Edit7;     // "Kézbesítési megbízott:"
    TEdit* Edit8;     // "Anyja neve:" (of the agent)
    TEdit* Edit9;     // "Címe:" (of the agent)
    TBitBtn* BitBtn1; // "Rögzít"
    TBitBtn* BitBtn2; // "Mégse"

    // The organisation as the boxes hold it.
    app::CaseOrganisation Organisation() const;

    void FormShow(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
};

extern Tujszervezetform* ujszervezetform;
