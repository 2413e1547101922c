#include "app/identification/JubDialog.h"

#include "app/common/AreaLayout.h"
#include "app/common/FormControls.h"
#include "app/identification/JubStatements.h"
#include "app/common/QueryRun.h"
#include "app/common/StoredDate.h"
#include "app/common/MainWindowData.h"
#include "app/reports/Tletetfrf.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

namespace {

constexpr Integer HeaderHeight = 40;
constexpr Integer BrowseWidth = 23;

} // namespace

JubDialog::JubDialog(TComponent* AOwner, const String& Name, const String& Caption, const String& Header)
    : TForm(AOwner), FRows(this, this, LabelRight, InputLeft, InputWidth, HeaderHeight + 14) {
    SetUpDialog(this, Name, Caption, InputLeft + InputWidth + 20, 360);
    TSqlite3DB* db = app::OfficeDatabase();
    Query1 = MakeStatementQuery(this, "Query1", db);
    Query2 = MakeListQuery(this, "Query2", db); // the printed sheet's person
    Query2->SetTypeLess(true);                  // dates as stored: '' is no date, not 1900-01-01
    TPanel* header = MakeHeaderPanel(this, this, "Panel1", HeaderHeight);
    Label1 = MakeLabel(this, header, "Label1", Header, 14, 11);
}

TEdit* JubDialog::FinishRows(const String& FileBoxName) {
    const Integer flagTop = FRows.AddRow("CheckBox1", "Lekérdezés sikeres:", 17);
    CheckBox1 = MakeCheckBox(this, this, "CheckBox1", "", InputLeft, flagTop + 2, 20);

    const Integer fileTop = FRows.AddRow(FileBoxName, "Fájl:", EditHeight);
    FFileBox = MakeEdit(this, this, FileBoxName, InputLeft, fileTop, InputWidth - BrowseWidth - 4);
    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->SetName("SpeedButton1");
    SpeedButton1->SetParent(this);
    SpeedButton1->SetBounds(InputLeft + InputWidth - BrowseWidth, fileTop, BrowseWidth, EditHeight);
    SpeedButton1->SetCaption("...");
    SpeedButton1->SetHint("Tallózás, a csatolandó fájl kiválasztása");
    SpeedButton1->SetShowHint(true);
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");

    const Integer printTop = FRows.AddRow("BitBtn3", "Nyilatkozat:", ButtonHeight);
    BitBtn3 = MakeBitBtn(this, this, "BitBtn3", "Nyomtatás", InputLeft, printTop);

    const Integer top = FRows.NextTop() + 10;
    BitBtn1 = MakeBitBtn(this, this, "BitBtn1", "Rögzít", InputLeft + InputWidth - 186, top);
    BitBtn2 = MakeBitBtn(this, this, "BitBtn2", "Bezár", InputLeft + InputWidth - 90, top);
    BitBtn2->SetCancel(true); // Escape does what this button does
    SetClientHeight(top + ButtonHeight + 14);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    SpeedButton1->OnClick = [this](TObject* Sender) { SpeedButton1Click(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject*) { Close(); };
    BitBtn3->OnClick = [this](TObject* Sender) { BitBtn3Click(Sender); };
    return FFileBox;
}

void JubDialog::SpeedButton1Click(TObject*) {
    if (OpenDialog1->Execute()) FFileBox->SetText(OpenDialog1->FileName());
}

void JubDialog::OpenPerson() {
    OpenStatement(*Query2, JubPersonSql(PersonId()));
    ShowStoredDates(*Query2, {"szuletesi_ido"});
}

void JubDialog::BitBtn3Click(TObject*) {
    OpenPerson();
    if (!Query2->IsEmpty() && letetfrf) letetfrf->Print(DeclarationReport());
}

} // namespace app
