#include "app/cases/Tugyalapadatmod.h"

#include "app/common/CloseAsStored.h"
#include "app/common/AreaLayout.h"
#include "controls/buttons/ButtonLooks.h"
#include "app/common/CaseDialogStatements.h"
#include "app/common/ChangedValues.h"
#include "app/common/FormControls.h"
#include "app/common/QueryRun.h"
#include "app/cases/CaseArea.h"
#include "app/cases/CaseSaves.h"
#include "app/common/MainWindowData.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TField.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"

Tugyalapadatmod* ugyalapadatmod = nullptr;

Tugyalapadatmod::Tugyalapadatmod(TComponent* AOwner) : TForm(AOwner) {
    app::SetUpDialog(this, "ugyalapadatmod", "Ügy, alapadatok módosítása", 432, 172);
    Query1 = app::MakeStatementQuery(this, "Query1", app::OfficeDatabase());

    Panel1 = app::MakeHeaderPanel(this, this, "Panel1", 40);
    Label1 = app::MakeLabel(this, Panel1, "Label1", "", 0, 11);
    Label1->SetAutoSize(false);
    Label1->SetAlignment(taRightJustify);
    Label1->SetBounds(16, 11, 52, 20);
    Label3 = app::MakeLabel(this, Panel1, "Label3", "/", 69, 11);
    Label2 = app::MakeLabel(this, Panel1, "Label2", "", 75, 11);

    app::MakeFieldLabel(this, this, "Label4", "Név:", 68, 54);
    Edit1 = app::MakeEdit(this, this, "Edit1", 76, 54, 340);
    Edit1->SetMaxLength(255);
    app::MakeFieldLabel(this, this, "Label5", "Leírás:", 68, 82);
    Edit2 = app::MakeEdit(this, this, "Edit2", 76, 82, 340);
    Edit2->SetMaxLength(2000);
    CheckBox1 = app::MakeCheckBox(this, this, "CheckBox1", "Aktív", 76, 110, 100);
    Label6 = app::MakeLabel(this, this, "Label6", "", 8, 136);
    Label6->SetAutoSize(false);
    Label6->SetWordWrap(true);
    Label6->SetBounds(8, 134, 214, 32);
    Name = app::StoredTextBox(Edit1, Label6);
    Description = app::StoredTextBox(Edit2, Label6);
    Active = app::StoredFlagBox(CheckBox1);
    BitBtn1 = app::MakeBitBtn(this, this, "BitBtn1", "Módosít", 230, 138);
    BitBtn2 = app::MakeBitBtn(this, this, "BitBtn2", "Bezár", 326, 138);
    BitBtn2->SetCancel(true); // Escape does what this button does

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    BitBtn1->OnClick = [this](TObject* Sender) { BitBtn1Click(Sender); };
    BitBtn2->OnClick = [this](TObject* Sender) { BitBtn2Click(Sender); };
}

Tugyalapadatmod::~Tugyalapadatmod() {
    if (ugyalapadatmod == this) ugyalapadatmod = nullptr;
}

void Tugyalapadatmod::ShowCase(Integer Case, Integer FromList, Integer ListRecNo) {
    // The dialog stays open beside the lists, so it may be asked for another case while it
    // shows one; showing it again would not read the case anew.
    const bool another = Visible() && Case != CaseId;
    CaseId = Case;
    Origin = FromList;
    RecNo = ListRecNo;
    if (another) FormShow(this);
    Show();
}

void Tugyalapadatmod::FormShow(TObject*) {
    app::OpenStatement(*Query1, app::CaseBaseDataSql(CaseId));
    const bool found = !Query1->IsEmpty();
    Label1->SetCaption(found ? IntToStr(Query1->FieldByName("ev")->AsInteger()) : String());
    Label2->SetCaption(found ? IntToStr(Query1->FieldByName("szam")->AsInteger()) : String());
    Active.Show(Query1->FieldByName("status")->DisplayText() == "True");
    const app::FieldText name = app::FieldText::Of(Query1->FieldByName("nev"));
    const app::FieldText description = app::FieldText::Of(Query1->FieldByName("leiras"));
    Query1->Close();
    Label6->SetCaption("");
    Name.Show(name, *Query1, "ugy", "nev", CaseId);
    Description.Show(description, *Query1, "ugy", "leiras", CaseId);
}

void Tugyalapadatmod::BitBtn1Click(TObject*) {
    // The dialog stays open beside the lists: the case sheet may have closed the case since
    // it was read, and an untouched "Aktív" must not open it again and drop its end date.
    app::ChangedValues values;
    Name.AddTo(values, "nev");
    Description.AddTo(values, "leiras");
    app::WriteCaseBaseData(*Query1, CaseId, values, Active.Value());
    // The case boxes take the change also when the list could not be read.
    app::CloseAsStored(*this, {[this] {
                                   if (Origin == FromCaseList)
                                       app::ReopenIfSet(app::CaseList(app::MainWindow()), RecNo);
                                   else if (Origin == FromCaseSearch)
                                       app::ReopenIfSet(app::CaseSearch(app::MainWindow()), RecNo);
                               },
                               [] { app::FillCaseCombos(app::MainWindow()); }});
}

void Tugyalapadatmod::BitBtn2Click(TObject*) {
    Close();
}
