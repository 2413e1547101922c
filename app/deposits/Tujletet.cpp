#include "app/deposits/Tujletet.h"

#include "app/deposits/DepositSaves.h"
#include "app/common/CloseAsStored.h"
#include "app/common/QueryRun.h"
#include "app/deposits/DepositArea.h"
#include "app/common/MainWindowData.h"

#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tujletet* ujletet = nullptr;

Tujletet::Tujletet(TComponent* AOwner) : DepositDialog(AOwner, "ujletet", "Letét, új hozzáadása", true) {}

Tujletet::~Tujletet() {
    if (ujletet == this) ujletet = nullptr;
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
    app::CloseAsStored(*this, [] { app::ReopenDepositList(app::MainWindow()); });
}
