#include "app/deposits/DepositDialog.h"

#include "app/common/AreaLayout.h"
#include "app/common/DigitBoxes.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/core/DateTime.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

#include <string>

namespace app {

DepositDialog::DepositDialog(TComponent* AOwner, const String& Name, const String& Caption, bool WithAmount)
    : TForm(AOwner) {
    constexpr Integer LabelRight = 112;
    constexpr Integer BoxLeft = 120;
    constexpr Integer RowStep = 28;
    constexpr Integer MemoRow = 94;
    const Integer rows = WithAmount ? 6 : 5;
    SetUpDialog(this, Name, Caption, 420, 14 + rows * RowStep + MemoRow + 36);
    Query1 = MakeStatementQuery(this, "Query1", app::OfficeDatabase());

    Integer top = 14;
    Integer labels = 0;
    const auto label = [&](const char* Caption) {
        MakeFieldLabel(this, this, "Label" + std::to_string(++labels), Caption, LabelRight, top);
    };
    label("Letétbe helyező:");
    Edit1 = MakeEdit(this, this, "Edit1", BoxLeft, top, 280);
    Edit1->SetMaxLength(128);
    top += RowStep;
    label("Kedvezményezett:");
    Edit2 = MakeEdit(this, this, "Edit2", BoxLeft, top, 280);
    Edit2->SetMaxLength(128);
    top += RowStep;
    label("Dátum:");
    DateTimePicker1 = MakeDatePicker(this, this, "DateTimePicker1", BoxLeft, top, 110);
    top += RowStep;
    if (WithAmount) {
        label("Összeg:");
        Edit3 = MakeEdit(this, this, "Edit3", BoxLeft, top, 110);
        Edit3->SetMaxLength(12);
        AcceptDigitsOnly(Edit3);
        MakeLabel(this, this, "Label" + std::to_string(++labels), "Ft", BoxLeft + 116, top + 3);
        top += RowStep;
    }
    label("Letéti számla:");
    ComboBox1 = MakeChoiceCombo(this, this, "ComboBox1", BoxLeft, top, 280);
    top += RowStep;
    label("Projekt:");
    ComboBox2 = MakeChoiceCombo(this, this, "ComboBox2", BoxLeft, top, 280);
    top += RowStep;
    label("Megjegyzés:");
    Memo1 = MakeMemo(this, this, "Memo1", BoxLeft, top, 280, 80);
    Memo1->SetMaxLength(1000);
    top += MemoRow;
    BitBtn1 = MakeBitBtn(this, this, "BitBtn1", "Rögzít", 214, top);
    BitBtn2 = MakeBitBtn(this, this, "BitBtn2", "Bezár", 310, top);
    BitBtn2->SetCancel(true); // Escape does what this button does
    Choices.Accounts = ComboBox1;
    Choices.Projects = ComboBox2;

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject*) { Close(); };
}

void DepositDialog::FormShow(TObject*) {
    Edit1->SetText("");
    Edit2->SetText("");
    if (Edit3) Edit3->SetText("");
    DateTimePicker1->SetDate(Date());
    Memo1->Clear();
    Choices.Fill(*Query1);
}

} // namespace app
