#include "app/Tujszervezetform.h"

#include "app/DialogRows.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/TForm1.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tujszervezetform* ujszervezetform = nullptr;

namespace {

constexpr Integer LabelRight = 164;
constexpr Integer InputLeft = 172;
constexpr Integer InputWidth = 320;

} // namespace

Tujszervezetform::Tujszervezetform(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "ujszervezetform", "Ügyfél, új szervezet rögzítése", InputLeft + InputWidth + 16,
                     400);
    Query1 = app::MakeStatementQuery(this, "Query1", Form1 ? Form1->Sqlite3DB1 : nullptr);
    app::DialogRows rows(this, this, LabelRight, InputLeft, InputWidth, 16);
    Edit1 = rows.AddMemoRow("Edit1", "Név:", 256);
    Edit2 = rows.AddEditRow("Edit2", "Rövidített név:", 128);
    Edit3 = rows.AddMemoRow("Edit3", "Székhely címe:", 128);
    Edit4 = rows.AddEditRow("Edit4", "Fő tevékenység:", 128);
    Edit5 = rows.AddEditRow("Edit5", "Azonosító okirat száma:", 64);
    Edit6 = rows.AddMemoRow("Edit6", "Képviselő", 0);
    Edit7 = rows.AddEditRow("Edit7", "Kézbesítési megbízott:", 128);
    Edit8 = rows.AddEditRow("Edit8", "Anyja neve:", 128);
    Edit9 = rows.AddEditRow("Edit9", "Címe:", 128);
    const Integer top = rows.NextTop() + 8;
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", InputLeft + InputWidth - 186, top);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Mégse", InputLeft + InputWidth - 90, top);
    SetClientHeight(top + app::ButtonHeight + 12);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

Tujszervezetform::~Tujszervezetform() {
    if (ujszervezetform == this) ujszervezetform = nullptr;
}

app::CaseOrganisation Tujszervezetform::Organisation() const {
    // In the order of the register's columns: the representative before the agent.
    return {Edit1->Text(), Edit2->Text(), Edit3->Text(), Edit4->Text(), Edit5->Text(),
            Edit6->Text(), Edit7->Text(), Edit8->Text(), Edit9->Text()};
}

void Tujszervezetform::FormShow(TObject*) {
    for (TMemo* memo : {Edit1, Edit3, Edit6})
        memo->Clear();
    for (TEdit* edit : {Edit2, Edit4, Edit5, Edit7, Edit8, Edit9})
        edit->Clear();
}

void Tujszervezetform::BitBtn1Click(TObject*) {
    app::ExecStatement(*Query1, app::RegisterOrganisationInsertSql(Organisation()));
    Query1->Close();
    Close();
    if (Form1) app::Reopen(*Form1->Query3);
}

void Tujszervezetform::BitBtn2Click(TObject*) {
    Close();
}
