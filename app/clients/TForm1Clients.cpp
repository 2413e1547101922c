// The clients area: the register of persons and of organisations, each a list with a
// detail panel that follows the current row and overwrites or deletes it, and the
// commands that open the new-client dialogs.
#include "app/common/AreaLayout.h"
#include "app/common/CaseClientRows.h"
#include "app/common/CaseHistory.h"
#include "app/common/ClientStatements.h"
#include "app/common/Confirm.h"
#include "app/common/ListGrid.h"
#include "app/common/QueryRun.h"
#include "app/common/RowReferences.h"
#include "app/common/SqlRoutines.h"
#include "app/main/TForm1.h"
#include "app/clients/Tujszemelyform.h"
#include "app/clients/Tujszervezetform.h"

#include "controls/TgxExtSpeedButton.h"
#include "platform/core/DateTime.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"

namespace {

Integer CurrentKey(TSqlite3Query* Query) {
    return static_cast<Integer>(Query->FieldByName("sorszam")->AsInteger());
}

bool HasRows(TSqlite3Query* Query) {
    return Query->Active() && !Query->IsEmpty();
}

// Reopens Query and goes back to the row with key Key when it is still there.
void ReopenAt(TSqlite3Query* Query, Integer Key) {
    app::Reopen(*Query);
    Query->Locate("sorszam", Variant(static_cast<Int64>(Key)), {});
}

} // namespace

void TForm1::CreateClientsArea() {
    Query1 = app::MakeStatementQuery(this, "Query1", Sqlite3DB1);
    Query1->SQL()->Add(app::PersonListSql());
    Query1->AfterOpen = [this](TDataSet*) {
        Query1->FieldByName("szuletesi_ido")->OnGetText = [this](TField* f, String& t, bool d) {
            Query1szuletesi_idoGetText(f, t, d);
        };
    };
    Query2 = app::MakeStatementQuery(this, "Query2", Sqlite3DB1);
    Query3 = app::MakeStatementQuery(this, "Query3", Sqlite3DB1);
    Query3->SQL()->Add(app::OrganisationListSql());
    DataSource1 = new TDataSource(this);
    DataSource1->SetName("DataSource1");
    DataSource1->SetDataSet(Query1);
    DataSource2 = new TDataSource(this);
    DataSource2->SetName("DataSource2");
    DataSource2->SetDataSet(Query3);

    auto* nav = static_cast<TPanel*>(FindComponent("ugyfelnav"));
    szemelyekButton = app::AddNavButton(this, nav, "szemelyekButton", "Személyek");
    szervezetekButton = app::AddNavButton(this, nav, "szervezetekButton", "Szervezetek");
    ujszemelyButton = app::AddNavButton(this, nav, "ujszemelyButton", "Új személy");
    ujszervezetButton = app::AddNavButton(this, nav, "ujszervezetButton", "Új szervezet");

    CreatePersonPanel();
    CreateOrganisationPanel();
    VgDBGrid8 = app::MakeListGrid(this, szemelylista, "VgDBGrid8", DataSource1, nullptr,
                                  {{"nev", "Név", 200},
                                   {"szuletesi_nev", "Születési név", 200},
                                   {"szuletesi_ido", "Születési idő", 69},
                                   {"anyja_neve", "Anyja neve", 156}});
    VgDBGrid9 = app::MakeListGrid(this, szervezetlista, "VgDBGrid9", DataSource2, nullptr,
                                  {{"nev", "Név", 200},
                                   {"szekhely_cime", "Székhely", 200},
                                   {"azonosito_okirat_szama", "Azonosító okirat száma", 206}});

    szemelyekButton->OnClick = [this](TObject* Sender) { szemelyekButtonClick(Sender); };
    szervezetekButton->OnClick = [this](TObject* Sender) { szervezetekButtonClick(Sender); };
    ujszemelyButton->OnClick = [](TObject*) { ujszemelyform->ShowModal(); };
    ujszervezetButton->OnClick = [](TObject*) { ujszervezetform->ShowModal(); };
    DataSource1->OnDataChange = [this](TObject* Sender, TField* Field) {
        DataSource1DataChange(Sender, Field);
    };
    DataSource2->OnDataChange = [this](TObject* Sender, TField* Field) {
        DataSource2DataChange(Sender, Field);
    };
    // Any change of the birth date means the person has one.
    DateTimePicker1->OnChange = [this](TObject*) { DateTimePicker1->SetChecked(true); };
    gxExtSpeedButton34->OnClick = [this](TObject* Sender) { gxExtSpeedButton34Click(Sender); };
    gxExtSpeedButton35->OnClick = [this](TObject* Sender) { gxExtSpeedButton35Click(Sender); };
    gxExtSpeedButton36->OnClick = [this](TObject* Sender) { gxExtSpeedButton36Click(Sender); };
    gxExtSpeedButton37->OnClick = [this](TObject* Sender) { gxExtSpeedButton37Click(Sender); };
}

void TForm1::Termeszetesszemelyek1Click(TObject*) {
    app::Reopen(*Query1);
    BringAreaToFront(ugyfelcontainer, szemelylista);
}

void TForm1::Szervezetek1Click(TObject*) {
    app::Reopen(*Query3);
    BringAreaToFront(ugyfelcontainer, szervezetlista);
}

void TForm1::Ujtermeszetesszemely1Click(TObject*) {
    BringAreaToFront(ugyfelcontainer, szemelylista);
    ujszemelyform->ShowModal();
}

void TForm1::Ujszervezet1Click(TObject*) {
    BringAreaToFront(ugyfelcontainer, szervezetlista);
    ujszervezetform->ShowModal();
}

void TForm1::szemelyekButtonClick(TObject*) {
    app::Reopen(*Query1);
    szemelylista->BringToFront();
}

void TForm1::szervezetekButtonClick(TObject*) {
    app::Reopen(*Query3);
    szervezetlista->BringToFront();
}

void TForm1::DataSource1DataChange(TObject*, TField*) {
    if (HasRows(Query1)) {
        const app::CasePerson p = app::ReadRegisterPerson(*Query1);
        Edit1->SetText(p.Name);
        Edit2->SetText(p.BirthName);
        Edit3->SetText(p.BirthPlace);
        Edit4->SetText(p.Address);
        Edit5->SetText(p.MotherName);
        Edit6->SetText(p.Citizenship);
        Edit7->SetText(p.DocumentType);
        Edit8->SetText(p.DocumentNumber);
        Edit9->SetText(p.StayAddress);
        DateTimePicker1->SetDate(p.BirthDate ? *p.BirthDate : SqlTextToDate("1970-01-01"));
        DateTimePicker1->SetChecked(p.BirthDate.has_value());
        CheckBox18->SetChecked(Query1->FieldByName("aktiv")->AsInteger() == 1);
    }
    const bool open = Query1->Active();
    Label13->SetCaption(IntToStr(open ? Query1->RecNo() : 0) + "/" +
                        IntToStr(open ? Query1->RecordCount() : 0));
}

void TForm1::DataSource2DataChange(TObject*, TField*) {
    if (!HasRows(Query3)) return;
    // Each box shows the column that "Módosít" writes it back to.
    const app::CaseOrganisation o = app::ReadRegisterOrganisation(*Query3);
    Edit10->SetText(o[0]);
    Edit11->SetText(o[1]);
    Edit12->SetText(o[2]);
    Edit13->SetText(o[3]);
    Edit14->SetText(o[4]);
    Edit15->SetText(o[5]);
    Edit16->SetText(o[6]);
    Edit18->SetText(o[7]);
    Edit17->SetText(o[8]);
    CheckBox17->SetChecked(Query3->FieldByName("aktiv")->AsInteger() == 1);
}

void TForm1::Query1szuletesi_idoGetText(TField* Sender, String& Text, bool) {
    Text = app::HistoryDateText(Sender);
}

void TForm1::gxExtSpeedButton37Click(TObject*) {
    if (!HasRows(Query1)) return;
    app::CasePerson p;
    p.Name = Edit1->Text();
    p.BirthName = Edit2->Text();
    p.BirthPlace = Edit3->Text();
    if (DateTimePicker1->Checked()) p.BirthDate = DateTimePicker1->Date();
    p.Address = Edit4->Text();
    p.MotherName = Edit5->Text();
    p.Citizenship = Edit6->Text();
    p.DocumentType = Edit7->Text();
    p.DocumentNumber = Edit8->Text();
    p.StayAddress = Edit9->Text();
    const Integer key = CurrentKey(Query1);
    app::OpenStatement(*Query2, app::PersonPanelUpdateSql(key, p, CheckBox18->Checked()));
    Query2->Close();
    ReopenAt(Query1, key);
}

void TForm1::gxExtSpeedButton35Click(TObject*) {
    if (!HasRows(Query3)) {
        app::Reopen(*Query3);
        return;
    }
    const app::CaseOrganisation o = {Edit10->Text(), Edit11->Text(), Edit12->Text(),
                                     Edit13->Text(), Edit14->Text(), Edit15->Text(),
                                     Edit16->Text(), Edit18->Text(), Edit17->Text()};
    const Integer key = CurrentKey(Query3);
    app::OpenStatement(*Query2, app::OrganisationPanelUpdateSql(key, o, CheckBox17->Checked()));
    Query2->Close();
    ReopenAt(Query3, key);
}

void TForm1::gxExtSpeedButton36Click(TObject*) {
    if (!HasRows(Query1)) return;
    app::CheckDeletable(*Query2, "ugyfel_termeszetes_szemely", CurrentKey(Query1));
    if (!app::Confirm("Valóban törölni akarja a bejegyzést?")) return;
    app::OpenStatement(*Query2, app::DeletePersonSql(CurrentKey(Query1)));
    Query2->Close();
    app::Reopen(*Query1);
}

void TForm1::gxExtSpeedButton34Click(TObject*) {
    if (!HasRows(Query3) || !app::Confirm("Valóban törölni akarja a bejegyzést?")) return;
    app::OpenStatement(*Query2, app::DeleteOrganisationSql(CurrentKey(Query3)));
    Query2->Close();
    app::Reopen(*Query3);
}
