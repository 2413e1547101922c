#include "app/Tletetalapadat.h"

#include "app/DepositStatements.h"
#include "app/FieldValues.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/TForm1.h"

#include "platform/core/DateTime.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tletetalapadat* letetalapadat = nullptr;

Tletetalapadat::Tletetalapadat(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "letetalapadat", "Letét, alapadat módosítás", 420, 284);
    Query1 = app::MakeStatementQuery(this, "Query1", Form1 ? Form1->Sqlite3DB1 : nullptr);

    constexpr Integer right = 112;
    constexpr Integer left = 120;
    app::MakeFieldLabel(this, this, "Label1", "Letétbe helyező:", right, 14);
    Edit1 = app::MakeEdit(this, this, "Edit1", left, 14, 280);
    Edit1->SetMaxLength(128);
    app::MakeFieldLabel(this, this, "Label2", "Kedvezményezett:", right, 42);
    Edit2 = app::MakeEdit(this, this, "Edit2", left, 42, 280);
    Edit2->SetMaxLength(128);
    app::MakeFieldLabel(this, this, "Label3", "Dátum:", right, 70);
    DateTimePicker1 = app::MakeDatePicker(this, this, "DateTimePicker1", left, 70, 110);
    // Editable boxes: the current account's name shows even when it is no longer active.
    app::MakeFieldLabel(this, this, "Label4", "Letéti számla:", right, 98);
    ComboBox1 = app::MakeChoiceCombo(this, this, "ComboBox1", left, 98, 280);
    ComboBox1->SetStyle(csDropDown);
    app::MakeFieldLabel(this, this, "Label5", "Projekt:", right, 126);
    ComboBox2 = app::MakeChoiceCombo(this, this, "ComboBox2", left, 126, 280);
    ComboBox2->SetStyle(csDropDown);
    app::MakeFieldLabel(this, this, "Label6", "Megjegyzés:", right, 154);
    Memo1 = app::MakeMemo(this, this, "Memo1", left, 154, 280, 80);
    Memo1->SetMaxLength(1000);
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", 214, 248);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Bezár", 310, 248);
    Choices.Accounts = ComboBox1;
    Choices.Projects = ComboBox2;

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject*) { Close(); };
}

Tletetalapadat::~Tletetalapadat() {
    if (letetalapadat == this) letetalapadat = nullptr;
}

void Tletetalapadat::FormShow(TObject*) {
    Edit1->SetText("");
    Edit2->SetText("");
    Memo1->Clear();
    DateTimePicker1->SetDate(Date());
    Choices.Fill(*Query1);
    app::OpenStatement(*Query1, app::DepositBaseDataSql(DepositId));
    if (!Query1->IsEmpty()) {
        Edit1->SetText(Query1->FieldByName("letevo")->AsString());
        Edit2->SetText(Query1->FieldByName("kedvezmenyezett")->AsString());
        if (const auto date = app::FieldDate(Query1->FieldByName("betet"))) DateTimePicker1->SetDate(*date);
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
    data.Date = DateTimePicker1->Date();
    data.Remark = Memo1->Text();
    app::ExecStatement(*Query1, app::DepositBaseDataUpdateSql(DepositId, data));
    if (Origin == FromSearch)
        Form1->ReopenDepositSearch();
    else if (Origin == FromList)
        Form1->ReloadDepositList();
    Close();
}
