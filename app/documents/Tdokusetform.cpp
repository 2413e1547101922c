#include "app/documents/Tdokusetform.h"

#include "app/common/AreaLayout.h"
#include "app/common/DigitBoxes.h"
#include "app/documents/DocumentStatements.h"
#include "app/common/FormControls.h"
#include "app/common/MainWindowData.h"
#include "app/common/OfficeSettings.h"
#include "app/common/QueryRun.h"

#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "sqlite/TSqlite3Query.h"

Tdokusetform* dokusetform = nullptr;

Tdokusetform::Tdokusetform(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "dokusetform", "Dokumentumkezelési beállítások", 330, 90);
    Query1 = app::MakeStatementQuery(this, "Query1", app::OfficeDatabase());
    app::MakeFieldLabel(this, this, "Label1", "Alapértelmezett őrzési határidő:", 190, 14);
    Edit1 = app::MakeEdit(this, this, "Edit1", 198, 14, 60);
    Edit1->SetMaxLength(4);
    app::AcceptDigitsOnly(Edit1);
    app::MakeLabel(this, this, "Label2", "év", 264, 18);
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", 130, 54);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Bezár", 226, 54);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject*) { Close(); };
}

Tdokusetform::~Tdokusetform() {
    if (dokusetform == this) dokusetform = nullptr;
}

void Tdokusetform::FormShow(TObject*) {
    app::OpenStatement(*Query1, app::RetentionSettingSql());
    app::ShowStoredText(Edit1, Query1->IsEmpty() ? String() : Query1->FieldByName("ertek")->AsString());
    Query1->Close();
    FShown = Edit1->Text();
}

void Tdokusetform::BitBtn1Click(TObject*) {
    // Offices share the file: a period the user left alone keeps what another workstation
    // stored while the dialog stood open, and every deadline proposed from the next start.
    app::OfficeSettingsText shown, typed;
    shown.DocRetentionYears = FShown;
    typed.DocRetentionYears = Edit1->Text();
    app::WriteOfficeSettings(*Query1, shown, typed);
    FShown = typed.DocRetentionYears;
}
