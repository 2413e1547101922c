#pragma once
// Edits one natural person row: a register row (Mode 1) or a case's copy (Mode 2, from
// the case sheet, whose clients list refreshes after the save). The opener sets RowId
// and Mode, then shows the dialog modally; any other mode closes it unloaded.
#include "app/common/ClientStatements.h"
#include "app/common/PersonBoxes.h"
#include "app/common/RecordDialog.h"

class TLabel;

class Tugyfelszemelymod : public app::RecordDialog {
public:
    explicit Tugyfelszemelymod(TComponent* AOwner);
    ~Tugyfelszemelymod() override;
    String ClassName() const override { return "Tugyfelszemelymod"; }

    Integer RowId = 0; // sorszam of the row to edit
    Integer Mode = 0;  // 1 register row, 2 a case's copy

    // Edit1 "Név:", Edit2 "Születési név:", Edit3 "Születési hely:", DateTimePicker1
    // "Születési idő:" (unchecked: no birth date), Edit4 "Anyja neve:", Edit5
    // "Állampolgárság:", Edit6 "Azonosító okmány típusa:", Edit7 "Azonosító okmány
    // száma:", Edit8 "Lakcím:", Edit9 "Tartózkodási hely:".
    app::PersonBoxes Boxes;
    TLabel* Note; // beside the buttons: why a box keeps its stored text

    void FormShow(TObject* Sender) override;
    void BitBtn1Click(TObject* Sender) override;

private:
    app::StoredTextBoxes Texts; // the boxes of Boxes over their columns
    app::CasePerson Shown;      // the boxes as this showing filled them
    // The table Mode names; false for any other mode.
    bool Kind(app::PersonRowKind& Kind) const;
};

extern Tugyfelszemelymod* ugyfelszemelymod;
