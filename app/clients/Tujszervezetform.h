#pragma once
// Adds an organisation to the register. Shown modally from the clients area; the
// organisations list refreshes when the organisation is stored.
#include "app/common/CaseDialogStatements.h"
#include "app/common/RecordDialog.h"

class TEdit;
class TMemo;

class Tujszervezetform : public app::RecordDialog {
public:
    explicit Tujszervezetform(TComponent* AOwner);
    ~Tujszervezetform() override;
    String ClassName() const override { return "Tujszervezetform"; }

    TMemo* Edit1; // "Név:"
    TEdit* Edit2; // "Rövidített név:"
    TMemo* Edit3; // "Székhely címe:"
    TEdit* Edit4; // "Fő tevékenység:"
    TEdit* Edit5; // "Azonosító okirat száma:"
    TMemo* Edit6; // "Képviselő"
    TEdit* Edit7; // "Kézbesítési megbízott:"
    TEdit* Edit8; // "Anyja neve:" (of the agent)
    TEdit* Edit9; // "Címe:" (of the agent)

    // The organisation as the boxes hold it.
    app::CaseOrganisation Organisation() const;

    void FormShow(TObject* Sender) override;
    void BitBtn1Click(TObject* Sender) override;
};

extern Tujszervezetform* ujszervezetform;
