#include "app/cases/AttachDialog.h"

#include "app/common/AreaLayout.h"
#include "app/common/ComboFill.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

namespace {

constexpr TColor StripColor = 0xEFE9E4; // the pale blue-grey of the title strips

} // namespace

AttachDialog::AttachDialog(TComponent* AOwner, const String& Name, const String& Caption)
    : TForm(AOwner), FRows(this, this, LabelRight, InputLeft, InputWidth, FirstRowTop) {
    SetUpDialog(this, Name, Caption, InputLeft + InputWidth + 12, 400);
    Query1 = MakeStatementQuery(this, "Query1", app::OfficeDatabase());

    Panel1 = MakePanel(this, this, "Panel1", alTop);
    Panel1->SetHeight(44);
    Panel1->SetColor(StripColor);
    ComboBox1 = new TComboBox(this);
    ComboBox1->SetName("ComboBox1");
    ComboBox1->SetParent(Panel1);
    ComboBox1->SetStyle(csDropDownList);
    ComboBox1->SetDropDownCount(16);
    ComboBox1->SetBounds(12, 12, InputLeft + InputWidth - 12 - 88, EditHeight);
    Button1 = new TButton(this);
    Button1->SetName("Button1");
    Button1->SetParent(Panel1);
    Button1->SetCaption("Másol");
    Button1->SetBounds(InputLeft + InputWidth - 80, 10, 80, ButtonHeight);

    RadioButton1 = MakeRadioButton(this, this, "RadioButton1", "Átír", InputLeft, 0, 60);
    RadioButton2 = MakeRadioButton(this, this, "RadioButton2", "Újként rögzít", InputLeft + 70, 0, 110);
    RadioButton3 = MakeRadioButton(this, this, "RadioButton3", "Nem módosít", InputLeft + 190, 0, 110);
    rogzito = MakeBitBtn(this, this, "rogzito", "Rögzít", 0, 0);
    kilepo = MakeBitBtn(this, this, "kilepo", "Bezár", 0, 0);
    kilepo->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
    rogzito->OnClick = [this](TObject* Sender) { rogzitoClick(Sender); };
    kilepo->OnClick = [this](TObject* Sender) { kilepoClick(Sender); };
}

Integer AttachDialog::AddRow(const String& Name, const String& Caption, Integer Height) {
    return FRows.AddRow(Name, Caption, Height);
}

TEdit* AttachDialog::AddEditRow(const String& Name, const String& Caption, Integer MaxLength) {
    return FRows.AddEditRow(Name, Caption, MaxLength);
}

TMemo* AttachDialog::AddMemoRow(const String& Name, const String& Caption, Integer MaxLength) {
    return FRows.AddMemoRow(Name, Caption, MaxLength);
}

void AttachDialog::PlaceChoiceAndButtons() {
    const Integer top = FRows.NextTop() + 6;
    for (TRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        radio->SetTop(top);
    // Tab follows the reading order: the rows came after the choice and the buttons
    // below them, so those go to the end.
    for (TWinControl* below :
         std::initializer_list<TWinControl*>{RadioButton1, RadioButton2, RadioButton3, rogzito, kilepo})
        below->SetTabOrder(ControlCount());
    const Integer right = InputLeft + InputWidth;
    rogzito->SetBounds(right - 186, top + 32, 90, ButtonHeight);
    kilepo->SetBounds(right - 90, top + 32, 90, ButtonHeight);
    Note = MakeTextNote(this, rogzito);
    Texts = StoredTextBoxes(Note);
    SetClientHeight(top + 32 + ButtonHeight + 12);
}

RegisterChoice AttachDialog::Choice() const {
    if (RadioButton1->Checked()) return RegisterChoice::Overwrite;
    if (RadioButton3->Checked()) return RegisterChoice::Keep;
    return RegisterChoice::AddNew;
}

void AttachDialog::ResetRegister(const String& Sql, const std::function<String(TDataSet&)>& ItemText) {
    FSelectedRegisterId = -1;
    RadioButton2->SetChecked(true);
    for (TRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        radio->SetEnabled(false);
    LoadKeyedItems(*Query1, Sql, FRegisterIds, {ComboBox1->Items()}, ItemText);
}

bool AttachDialog::TakeComboRow() {
    const Integer index = ComboBox1->ItemIndex();
    if (index < 0 || index >= static_cast<Integer>(FRegisterIds.size())) return false;
    FSelectedRegisterId = FRegisterIds[static_cast<std::size_t>(index)];
    return true;
}

void AttachDialog::OfferChoices() {
    RadioButton3->SetChecked(true);
    for (TRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3})
        radio->SetEnabled(true);
}

} // namespace app
