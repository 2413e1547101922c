#include "app/common/RecordDialog.h"

#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/ui/TBitBtn.h"

namespace app {

namespace {

constexpr Integer LabelRight = 164;
constexpr Integer InputLeft = 172;
constexpr Integer InputWidth = 320;
constexpr Integer FirstTop = 16;

} // namespace

RecordDialog::RecordDialog(TComponent* AOwner, const String& Name, const String& Caption)
    : TForm(AOwner), FRows(this, this, LabelRight, InputLeft, InputWidth, FirstTop) {
    SetUpDialog(this, Name, Caption, InputLeft + InputWidth + 16, 400);
    Query1 = MakeStatementQuery(this, "Query1", app::OfficeDatabase());
}

void RecordDialog::PlaceButtons() {
    const Integer top = FRows.NextTop() + 8;
    BitBtn1 = MakeBitBtn(this, this, "BitBtn1", "Rögzít", InputLeft + InputWidth - 186, top);
    BitBtn2 = MakeBitBtn(this, this, "BitBtn2", "Mégse", InputLeft + InputWidth - 90, top);
    BitBtn2->SetCancel(true); // Escape does what this button does
    SetClientHeight(top + ButtonHeight + 12);
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

void RecordDialog::BitBtn2Click(TObject*) {
    Close();
}

} // namespace app
