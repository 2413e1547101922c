#include "app/partners/PartnerDialog.h"

#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"

namespace app {

namespace {

constexpr Integer LabelRight = 92;
constexpr Integer BoxLeft = 100;
constexpr Integer BoxWidth = 330;
constexpr Integer RowStep = 27;

} // namespace

PartnerDialog::PartnerDialog(TComponent* AOwner, const String& Name, const String& Caption) : TForm(AOwner) {
    SetUpDialog(this, Name, Caption, 446, 402);
    Query1 = MakeStatementQuery(this, "Query1", app::OfficeDatabase());

    Integer top = 14;
    const auto row = [&](const char* label, const char* labelName) {
        MakeFieldLabel(this, this, labelName, label, LabelRight, top);
        const Integer rowTop = top;
        top += RowStep;
        return rowTop;
    };
    const auto edit = [this](const char* name, Integer left, Integer rowTop, Integer width) {
        return MakeEdit(this, this, name, left, rowTop, width);
    };
    // Three and two boxes share a row with a gap of 6 pixels.
    constexpr Integer third = (BoxWidth - 12) / 3;
    constexpr Integer half = (BoxWidth - 6) / 2;

    Integer r = row("Név:", "Label1");
    Edit1 = edit("Edit1", BoxLeft, r, BoxWidth);
    r = row("Képviselő:", "Label2");
    Edit2 = edit("Edit2", BoxLeft, r, BoxWidth);
    r = row("Cím:", "Label3");
    Edit3 = edit("Edit3", BoxLeft, r, BoxWidth);
    r = row("Telefon:", "Label4");
    Edit4 = edit("Edit4", BoxLeft, r, third);
    Edit5 = edit("Edit5", BoxLeft + third + 6, r, third);
    Edit6 = edit("Edit6", BoxLeft + 2 * (third + 6), r, third);
    r = row("Mobil:", "Label5");
    Edit7 = edit("Edit7", BoxLeft, r, half);
    Edit8 = edit("Edit8", BoxLeft + half + 6, r, half);
    r = row("Fax:", "Label6");
    Edit9 = edit("Edit9", BoxLeft, r, half);
    r = row("e-mail:", "Label7");
    Edit10 = edit("Edit10", BoxLeft, r, BoxWidth);
    r = row("Web:", "Label8");
    Edit11 = edit("Edit11", BoxLeft, r, BoxWidth);
    r = row("Kedvezmény:", "Label9");
    Edit12 = edit("Edit12", BoxLeft, r, 70);
    r = row("Megjegyzés:", "Label10");
    Memo1 = MakeMemo(this, this, "Memo1", BoxLeft, r, BoxWidth, 80);
    BitBtn1 = MakeBitBtn(this, this, "BitBtn1", "Rögzít", 244, r + 92);
    BitBtn2 = MakeBitBtn(this, this, "BitBtn2", "Bezár", 340, r + 92);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

PartnerFields PartnerDialog::Fields() const {
    return {Edit1->Text(),  Edit2->Text(),  Edit3->Text(), Edit4->Text(), Edit5->Text(),
            Edit6->Text(),  Edit7->Text(),  Edit8->Text(), Edit9->Text(), Edit10->Text(),
            Edit11->Text(), Edit12->Text(), Memo1->Text()};
}

void PartnerDialog::SetFields(const PartnerFields& F) {
    Edit1->SetText(F.Nev);
    Edit2->SetText(F.Kepviselo);
    Edit3->SetText(F.Cim);
    Edit4->SetText(F.Tel1);
    Edit5->SetText(F.Tel2);
    Edit6->SetText(F.Tel3);
    Edit7->SetText(F.Mobil1);
    Edit8->SetText(F.Mobil2);
    Edit9->SetText(F.Fax);
    Edit10->SetText(F.Email);
    Edit11->SetText(F.Web);
    Edit12->SetText(F.Kedvezmeny);
    Memo1->SetText(F.Megjegyzes);
}

void PartnerDialog::BitBtn2Click(TObject*) {
    Close();
}

} // namespace app
