#include "app/Tujletet.h"

#include "app/AreaLayout.h"
#include "app/DepositSaves.h"
#include "app/DigitBoxes.h"
#include "app/FormControls.h"
#include "app/QueryRun.h"
#include "app/TForm1.h"

#include "platform/core/DateTime.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tujletet* ujletet = nullptr;

Tujletet::Tujletet(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "ujletet", "Letét, új hozzáadása", 420, 312);
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
    app::MakeFieldLabel(this, this, "Label4", "Összeg:", right, 98);
    Edit3 = app::MakeEdit(this, this, "Edit3", left, 98, 110);
    Edit3->SetMaxLength(12);
    app::AcceptDigitsOnly(Edit3);
    app::MakeLabel(this, this, "Label5", "Ft", left + 116, 101);
    app::MakeFieldLabel(this, this, "Label6", "Letéti számla:", right, 126);
    ComboBox1 = app::MakeChoiceCombo(this, this, "ComboBox1", left, 126, 280);
    app::MakeFieldLabel(this, this, "Label7", "Projekt:", right, 154);
    ComboBox2 = app::MakeChoiceCombo(this, this, "ComboBox2", left, 154, 280);
    app::MakeFieldLabel(this, this, "Label8", "Megjegyzés:", right, 182);
    Memo1 = app::MakeMemo(this, this, "Memo1", left, 182, 280, 80);
    Memo1->SetMaxLength(1000);
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", 214, 276);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Bezár", 310, 276);
    Choices.Accounts = ComboBox1;
    Choices.Projects = ComboBox2;

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject*) { Close(); };
}

Tujletet::~Tujletet() {
    if (ujletet == this) ujletet = nullptr;
}

void Tujletet::FormShow(TObject*) {
    Edit1->SetText("");
    Edit2->SetText("");
    Edit3->SetText("");
    DateTimePicker1->SetDate(Date());
    Memo1->Clear();
    Choices.Fill(*Query1);
}

void Tujletet::BitBtn1Click(TObject*) {
    if (Edit1->Text().empty() || Edit3->Text().empty() || Choices.AccountId() < 1) return;
    const Int64 amount = *app::ParseDepositAmount(Edit3->Text());
    app::NewDeposit deposit;
    deposit.AccountId = Choices.AccountId();
    deposit.ProjectId = Choices.ProjectId();
    deposit.Payer = Edit1->Text();
    deposit.Beneficiary = Edit2->Text();
    deposit.Date = DateTimePicker1->Date();
    deposit.Remark = Memo1->Text();
    app::WriteNewDeposit(*Query1, deposit, amount);
    Form1->ReopenDepositList();
    Close();
}
