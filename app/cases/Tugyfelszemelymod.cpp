#include "app/cases/Tugyfelszemelymod.h"

#include "app/common/CloseAsStored.h"
#include "app/common/AreaLayout.h"
#include "app/common/CaseClientRows.h"
#include "app/common/ChangedValues.h"
#include "app/common/DialogRows.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/cases/Tugyadatlap.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TLabel.h"
#include "sqlite/TSqlite3Query.h"

Tugyfelszemelymod* ugyfelszemelymod = nullptr;

Tugyfelszemelymod::Tugyfelszemelymod(TComponent* AOwner)
    : RecordDialog(AOwner, "ugyfelszemelymod", "Ügyfél, természetes személy") {
    Boxes = app::AddPersonRows(Rows(), this, this, app::PersonRowsStyle::CasePerson);
    Query1->SetTypeLess(true); // the birth date as stored: '' is no date, not 1900-01-01
    PlaceButtons();
    Note = app::MakeTextNote(this, BitBtn1);
    Texts = Boxes.Texts(Note);
}

Tugyfelszemelymod::~Tugyfelszemelymod() {
    if (ugyfelszemelymod == this) ugyfelszemelymod = nullptr;
}

bool Tugyfelszemelymod::Kind(app::PersonRowKind& Kind) const {
    if (Mode != 1 && Mode != 2) return false;
    Kind = static_cast<app::PersonRowKind>(Mode);
    return true;
}

void Tugyfelszemelymod::FormShow(TObject*) {
    app::PersonRowKind kind;
    if (!Kind(kind)) {
        Close();
        return;
    }
    app::OpenStatement(*Query1, app::PersonRowSql(kind, RowId));
    // A row deleted meanwhile shows empty boxes.
    Boxes.Show(Query1->IsEmpty() ? app::CasePerson{} : app::ReadRegisterPerson(*Query1));
    Texts.Show(*Query1, *Query1, app::PersonTable(kind), RowId);
    Shown = Boxes.Person();
}

void Tugyfelszemelymod::BitBtn1Click(TObject*) {
    app::PersonRowKind kind;
    if (!Kind(kind)) return;
    app::ExecUpdate(*Query1, app::PersonRowUpdateSql(kind, RowId, Shown, Boxes.Person(), Texts));
    Query1->Close();
    app::CloseAsStored(*this, [kind] {
        if (kind == app::PersonRowKind::CaseCopy && ugyadatlap) ugyadatlap->ReadClients();
    });
}
