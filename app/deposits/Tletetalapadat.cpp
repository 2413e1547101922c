#include "app/deposits/Tletetalapadat.h"

#include "app/deposits/DepositStatements.h"
#include "app/common/QueryRun.h"
#include "app/main/TForm1.h"

#include "platform/core/DateTime.h"
#include "platform/data/TField.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tletetalapadat* letetalapadat = nullptr;

Tletetalapadat::Tletetalapadat(TComponent* AOwner)
    : DepositDialog(AOwner, "letetalapadat", "Letét, alapadat módosítás", false) {
    // Editable boxes: the current account's name shows even when it is no longer active.
    ComboBox1->SetStyle(csDropDown);
    ComboBox2->SetStyle(csDropDown);
    Betet = app::StoredDatePicker(this, DateTimePicker1);
    Query1->SetTypeLess(true); // betet as stored: '' and texts that are no date stay text
}

Tletetalapadat::~Tletetalapadat() {
    if (letetalapadat == this) letetalapadat = nullptr;
}

void Tletetalapadat::FormShow(TObject* Sender) {
    DepositDialog::FormShow(Sender);
    app::OpenStatement(*Query1, app::DepositBaseDataSql(DepositId));
    Betet.Show(Query1->IsEmpty() ? app::StoredDate(Date())
                                 : app::StoredDate::Of(Query1->FieldByName("betet")),
               Date());
    if (!Query1->IsEmpty()) {
        Edit1->SetText(Query1->FieldByName("letevo")->AsString());
        Edit2->SetText(Query1->FieldByName("kedvezmenyezett")->AsString());
        ComboBox1->SetText(Query1->FieldByName("sznev")->AsString());
        ComboBox2->SetText(Query1->FieldByName("pnev")->AsString());
        Memo1->SetText(Query1->FieldByName("megjegyzes")->AsString());
    }
    Query1->Close();
}

void Tletetalapadat::BitBtn1Click(TObject*) {
    app::NewDeposit data;
    data.AccountId = Choices.AccountId();
    data.ProjectId = Choices.ProjectId();
    data.Payer = Edit1->Text();
    data.Beneficiary = Edit2->Text();
    data.Remark = Memo1->Text();
    app::ExecStatement(*Query1, app::DepositBaseDataUpdateSql(DepositId, data, Betet.Value()));
    if (Origin == FromSearch)
        Form1->ReopenDepositSearch();
    else if (Origin == FromList)
        Form1->ReloadDepositList();
    Close();
}
