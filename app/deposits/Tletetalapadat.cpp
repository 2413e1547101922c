#include "app/deposits/Tletetalapadat.h"

#include "app/deposits/DepositSaves.h"
#include "app/common/CloseAsStored.h"
#include "app/common/AreaLayout.h"
#include "app/common/QueryRun.h"
#include "app/deposits/DepositArea.h"
#include "app/common/MainWindowData.h"

#include "platform/core/DateTime.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tletetalapadat* letetalapadat = nullptr;

Tletetalapadat::Tletetalapadat(TComponent* AOwner)
    : DepositDialog(AOwner, "letetalapadat", "Letét, alapadat módosítás", false) {
    // Editable boxes: the current account's name shows even when it is no longer active.
    ComboBox1->SetStyle(csDropDown);
    ComboBox2->SetStyle(csDropDown);
    Betet = app::StoredDatePicker(this, DateTimePicker1);
    Betet.SetClearable(false); // a deposit keeps the day it began
    Note = app::MakeLabel(this, this, "Note", "", 8, BitBtn1->Top());
    Note->SetAutoSize(false);
    Note->SetWordWrap(true);
    Note->SetBounds(8, BitBtn1->Top() - 8, 200, 42);
    Payer = app::StoredTextBox(Edit1, Note);
    Beneficiary = app::StoredTextBox(Edit2, Note);
    Remark = app::StoredTextBox(Memo1, Note);
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
    ComboBox1->SetText(Query1->FieldByName("sznev")->AsString());
    ComboBox2->SetText(Query1->FieldByName("pnev")->AsString());
    const app::FieldText payer = app::FieldText::Of(Query1->FieldByName("letevo"));
    const app::FieldText beneficiary = app::FieldText::Of(Query1->FieldByName("kedvezmenyezett"));
    const app::FieldText remark = app::FieldText::Of(Query1->FieldByName("megjegyzes"));
    Query1->Close();
    Note->SetCaption("");
    Payer.Show(payer, *Query1, "letet", "letevo", DepositId);
    Beneficiary.Show(beneficiary, *Query1, "letet", "kedvezmenyezett", DepositId);
    Remark.Show(remark, *Query1, "letet", "megjegyzes", DepositId);
}

void Tletetalapadat::BitBtn1Click(TObject*) {
    app::DepositBaseData data;
    data.AccountId = Choices.AccountId();
    data.ProjectId = Choices.ProjectId();
    Payer.AddTo(data.Values, "letevo");
    Beneficiary.AddTo(data.Values, "kedvezmenyezett");
    Betet.AddTo(data.Values, "betet");
    Remark.AddTo(data.Values, "megjegyzes");
    app::WriteDepositBaseData(*Query1, DepositId, data);
    app::CloseAsStored(*this, [this] {
        if (Origin == FromSearch)
            app::ReopenDepositSearch(app::MainWindow());
        else if (Origin == FromList)
            app::ReloadDepositList(app::MainWindow());
    });
}
