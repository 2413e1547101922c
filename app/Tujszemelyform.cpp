#include "app/Tujszemelyform.h"

#include "app/DialogRows.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/TForm1.h"

#include "platform/ui/TBitBtn.h"
#include "sqlite/TSqlite3Query.h"

Tujszemelyform* ujszemelyform = nullptr;

namespace {

constexpr Integer LabelRight = 164;
constexpr Integer InputLeft = 172;
constexpr Integer InputWidth = 320;

} // namespace

Tujszemelyform::Tujszemelyform(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "ujszemelyform", "Ügyfél, új természetes személy rögzítése",
                     InputLeft + InputWidth + 16, 400);
    Query1 = app::MakeStatementQuery(this, "Query1", Form1 ? Form1->Sqlite3DB1 : nullptr);
    app::DialogRows rows(this, this, LabelRight, InputLeft, InputWidth, 16);
    Boxes = app::AddPersonRows(rows, this, this, app::PersonRowsStyle::NewPerson);
    const Integer top = rows.NextTop() + 8;
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", InputLeft + InputWidth - 186, top);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Mégse", InputLeft + InputWidth - 90, top);
    SetClientHeight(top + app::ButtonHeight + 12);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

Tujszemelyform::~Tujszemelyform() {
    if (ujszemelyform == this) ujszemelyform = nullptr;
}

void Tujszemelyform::FormShow(TObject*) {
    Boxes.Clear();
}

void Tujszemelyform::BitBtn1Click(TObject*) {
    app::ExecStatement(*Query1, app::RegisterPersonInsertSql(Boxes.Person()));
    Query1->Close();
    // Closed before the list refresh: a failing refresh must not invite a second save.
    Close();
    if (Form1) app::Reopen(*Form1->Query1);
}

void Tujszemelyform::BitBtn2Click(TObject*) {
    Close();
}
