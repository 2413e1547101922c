#include "app/Tugyfelszemelymod.h"

#include "app/CaseClientRows.h"
#include "app/DialogRows.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/TForm1.h"
#include "app/Tugyadatlap.h"

#include "platform/ui/TBitBtn.h"
#include "sqlite/TSqlite3Query.h"

Tugyfelszemelymod* ugyfelszemelymod = nullptr;

namespace {

constexpr Integer LabelRight = 164;
constexpr Integer InputLeft = 172;
constexpr Integer InputWidth = 320;

} // namespace

Tugyfelszemelymod::Tugyfelszemelymod(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "ugyfelszemelymod", "Ügyfél, természetes személy", InputLeft + InputWidth + 16,
                     400);
    Query1 = app::MakeStatementQuery(this, "Query1", Form1 ? Form1->Sqlite3DB1 : nullptr);
    app::DialogRows rows(this, this, LabelRight, InputLeft, InputWidth, 16);
    Boxes = app::AddPersonRows(rows, this, this, app::PersonRowsStyle::CasePerson);
    const Integer top = rows.NextTop() + 8;
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", InputLeft + InputWidth - 186, top);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Mégse", InputLeft + InputWidth - 90, top);
    SetClientHeight(top + app::ButtonHeight + 12);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
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
    Query1->Close();
}

void Tugyfelszemelymod::BitBtn1Click(TObject*) {
    app::PersonRowKind kind;
    if (!Kind(kind)) return;
    app::OpenStatement(*Query1, app::PersonRowUpdateSql(kind, RowId, Boxes.Person()));
    Query1->Close();
    Close();
    if (kind == app::PersonRowKind::CaseCopy && ugyadatlap) app::ReopenIfSet(*ugyadatlap->Query3);
}

void Tugyfelszemelymod::BitBtn2Click(TObject*) {
    Close();
}
