#include "app/settings/Tadminform.h"

#include "app/common/AreaLayout.h"
#include "app/common/DigitBoxes.h"
#include "app/common/FormControls.h"
#include "app/common/OfficeSettings.h"
#include "app/common/QueryRun.h"
#include "app/common/MainWindowData.h"

#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"

Tadminform* adminform = nullptr;

namespace {

constexpr Integer LabelRight = 152;
constexpr Integer InputLeft = 160;

} // namespace

Tadminform::Tadminform(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "adminform", "Beállítások", 440, 232);
    Query1 = app::MakeStatementQuery(this, "Query1", app::OfficeDatabase());
    Panel1 = app::MakeHeaderPanel(this, this, "Panel1", 40);
    Label1 = app::MakeLabel(this, Panel1, "Label1", "Beállítások", 16, 11);

    Integer top = 56;
    const auto row = [&](const String& name, const String& caption, Integer width) {
        app::MakeFieldLabel(this, this, "Label" + name, caption, LabelRight, top);
        TEdit* edit = app::MakeEdit(this, this, name, InputLeft, top, width);
        top += 28;
        return edit;
    };
    Edit5 = row("Edit5", "Név:", 264);
    Edit5->SetReadOnly(true);
    Edit5->SetColor(clBtnFace);
    Edit1 = row("Edit1", "Cím:", 264);
    Edit2 = row("Edit2", "Kamarai azonosító:", 264);
    Edit3 = row("Edit3", "Dokumentum őrzési idő:", 48);
    app::MakeLabel(this, this, "Label7", "év", InputLeft + 56, Edit3->Top() + 4);
    Edit4 = row("Edit4", "JÜB őrzési idő:", 48);
    app::MakeLabel(this, this, "Label8", "év", InputLeft + 56, Edit4->Top() + 4);
    for (TEdit* years : {Edit3, Edit4}) {
        years->SetMaxLength(4);
        app::AcceptDigitsOnly(years);
    }
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", 238, top + 8);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Bezár", 334, top + 8);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

Tadminform::~Tadminform() {
    if (adminform == this) adminform = nullptr;
}

void Tadminform::FormShow(TObject*) {
    Edit5->SetText(Form1 ? app::UserName(app::MainWindow()) : String());
    const struct {
        const char* Key;
        TEdit* Box;
    } rows[] = {{"dokumentum_orzesi_ido", Edit3},
                {"jub_orzesi_ido", Edit4},
                {"cim", Edit1},
                {"kamarai_azonosito", Edit2}};
    for (const auto& r : rows) {
        String value;
        app::ShowStoredText(r.Box, app::ReadInfoValue(*Query1, r.Key, value) ? value : String());
    }
    Query1->Close();
    FShown = Boxes();
}

app::OfficeSettingsText Tadminform::Boxes() const {
    app::OfficeSettingsText s;
    s.OfficeAddress = Edit1->Text();
    s.ChamberId = Edit2->Text();
    s.DocRetentionYears = Edit3->Text();
    s.JubRetentionYears = Edit4->Text();
    return s;
}

void Tadminform::BitBtn1Click(TObject*) {
    // Offices share the file: a key the user left alone keeps what another workstation
    // stored while the dialog stood open.
    const app::OfficeSettingsText boxes = Boxes();
    app::WriteOfficeSettings(*Query1, FShown, boxes);
    FShown = boxes;
}

void Tadminform::BitBtn2Click(TObject*) {
    Close();
}
