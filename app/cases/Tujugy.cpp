#include "app/cases/Tujugy.h"

#include "app/common/CloseAsStored.h"
#include "app/common/AreaLayout.h"
#include "app/cases/CaseSaves.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/cases/CaseArea.h"
#include "app/common/MainWindowData.h"
#include "app/cases/Tugyadatlap.h"

#include "platform/core/DateTime.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

Tujugy* ujugy = nullptr;

Tujugy::Tujugy(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "ujugy", "Ügy, új rögzítése", 432, 288);
    Query1 = app::MakeStatementQuery(this, "Query1", app::OfficeDatabase());

    app::MakeFieldLabel(this, this, "Label1", "Dátum:", 68, 14);
    DateTimePicker1 = app::MakeDatePicker(this, this, "DateTimePicker1", 76, 14, 110);
    app::MakeFieldLabel(this, this, "Label2", "Név:", 68, 44);
    Memo1 = app::MakeMemo(this, this, "Memo1", 76, 44, 340, 44);
    Memo1->SetMaxLength(255);
    app::MakeFieldLabel(this, this, "Label3", "Leírás:", 68, 96);
    Memo2 = app::MakeMemo(this, this, "Memo2", 76, 96, 340, 116);
    Memo2->SetMaxLength(2000);
    CheckBox1 = app::MakeCheckBox(this, this, "CheckBox1", "Létrehozás után megnyitás", 76, 222, 200, true);
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Rögzít", 230, 252);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Mégse", 326, 252);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

Tujugy::~Tujugy() {
    if (ujugy == this) ujugy = nullptr;
}

void Tujugy::FormShow(TObject*) {
    DateTimePicker1->SetDate(Date());
    Memo1->Clear();
    Memo2->Clear();
}

void Tujugy::BitBtn1Click(TObject*) {
    if (Memo1->Text().empty()) return;
    const Integer caseId = app::WriteNewCase(*Query1, Memo1->Text(), Memo2->Text(), DateTimePicker1->Date());
    Query1->Close();
    const auto openSheet = [this, caseId] {
        if (!CheckBox1->Checked()) return;
        ugyadatlap->CaseId = caseId;
        ugyadatlap->ShowModal();
    };
    // The list and the case boxes take the new case also when its sheet could not be read.
    app::CloseAsStored(*this, {openSheet, [] { app::ReopenIfSet(app::CaseList(app::MainWindow())); },
                               [] { app::FillCaseCombos(app::MainWindow()); }});
}

void Tujugy::BitBtn2Click(TObject*) {
    Close();
}
