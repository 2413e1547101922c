// The clients area: the register of persons and of organisations, each a list with a
// detail panel that follows the current row and overwrites or deletes it, and the
// commands that open the new-client dialogs.
#include "app/common/AreaLayout.h"
#include "app/common/StoredDate.h"
#include "app/common/CaseClientRows.h"
#include "app/common/ClientStatements.h"
#include "app/common/Confirm.h"
#include "app/common/ListGrid.h"
#include "app/common/QueryRun.h"
#include "app/common/RowReferences.h"
#include "app/common/SqlRoutines.h"
#include "app/main/TForm1.h"
#include "app/clients/ClientArea.h"
#include "app/clients/Tujszemelyform.h"
#include "app/clients/Tujszervezetform.h"
#include "app/clients/TForm1ClientParts.h"

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
    FClients.Make();
    TForm1ClientParts& p = Clients();
    Query1 = app::MakeStatementQuery(this, "Query1", Sqlite3DB1);
    // Dates as stored text: a date field would read the older program's '' as 1900-01-01.
    Query1->SetTypeLess(true);
    Query1->SQL()->Add(app::PersonListSql());
    Query1->AfterOpen = [this](TDataSet*) {
        Query1->FieldByName("szuletesi_ido")->OnGetText = [this](TField* f, String& t, bool d) {
            app::Query1szuletesi_idoGetText(*this, f, t, d);
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
    p.szemelyekButton = app::AddNavButton(this, nav, "szemelyekButton", "Személyek");
    p.szervezetekButton = app::AddNavButton(this, nav, "szervezetekButton", "Szervezetek");
    p.ujszemelyButton = app::AddNavButton(this, nav, "ujszemelyButton", "Új személy");
    p.ujszervezetButton = app::AddNavButton(this, nav, "ujszervezetButton", "Új szervezet");

    CreatePersonPanel();
    CreateOrganisationPanel();
    p.VgDBGrid8 = app::MakeListGrid(this, szemelylista, "VgDBGrid8", DataSource1, nullptr,
                                    {{"nev", "Név", 200},
                                     {"szuletesi_nev", "Születési név", 200},
                                     {"szuletesi_ido", "Születési idő", 69},
                                     {"anyja_neve", "Anyja neve", 156}});
    p.VgDBGrid9 = app::MakeListGrid(this, szervezetlista, "VgDBGrid9", DataSource2, nullptr,
                                    {{"nev", "Név", 200},
                                     {"szekhely_cime", "Székhely", 200},
                                     {"azonosito_okirat_szama", "Azonosító okirat száma", 206}});

    p.szemelyekButton->OnClick = [this](TObject* Sender) { app::szemelyekButtonClick(*this, Sender); };
    p.szervezetekButton->OnClick = [this](TObject* Sender) { app::szervezetekButtonClick(*this, Sender); };
    p.ujszemelyButton->OnClick = [](TObject*) { ujszemelyform->ShowModal(); };
    p.ujszervezetButton->OnClick = [](TObject*) { ujszervezetform->ShowModal(); };
    DataSource1->OnDataChange = [this](TObject* Sender, TField* Field) {
        app::DataSource1DataChange(*this, Sender, Field);
    };
    DataSource2->OnDataChange = [this](TObject* Sender, TField* Field) {
        app::DataSource2DataChange(*this, Sender, Field);
    };
    p.gxExtSpeedButton34->OnClick = [this](TObject* Sender) { app::gxExtSpeedButton34Click(*this, Sender); };
    p.gxExtSpeedButton35->OnClick = [this](TObject* Sender) { app::gxExtSpeedButton35Click(*this, Sender); };
    p.gxExtSpeedButton36->OnClick = [this](TObject* Sender) { app::gxExtSpeedButton36Click(*this, Sender); };
    p.gxExtSpeedButton37->OnClick = [this](TObject* Sender) { app::gxExtSpeedButton37Click(*this, Sender); };
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

namespace app {

void ClearClientPanels(TForm1& Form) {
    TForm1ClientParts& p = Form.Clients();
    for (TMemo* memo : {p.Edit4, p.Edit9, p.Edit12, p.Edit15})
        memo->Clear();
    p.DateTimePicker1->SetDate(Date());
}

void szemelyekButtonClick(TForm1& Form, TObject*) {
    app::Reopen(*Form.Query1);
    Form.szemelylista->BringToFront();
}

void szervezetekButtonClick(TForm1& Form, TObject*) {
    app::Reopen(*Form.Query3);
    Form.szervezetlista->BringToFront();
}

void DataSource1DataChange(TForm1& Form, TObject*, TField*) {
    TForm1ClientParts& p = Form.Clients();
    if (HasRows(Form.Query1)) {
        p.PersonTexts.Show(*Form.Query1, *Form.Query2, "ugyfel_termeszetes_szemely",
                           ::CurrentKey(Form.Query1));
        p.BirthDate.Show(app::StoredDate::Of(Form.Query1->FieldByName("szuletesi_ido")),
                         SqlTextToDate("1970-01-01"));
        p.CheckBox18->SetChecked(Form.Query1->FieldByName("aktiv")->AsInteger() == 1);
    }
    const bool open = Form.Query1->Active();
    p.Label13->SetCaption(IntToStr(open ? Form.Query1->RecNo() : 0) + "/" +
                          IntToStr(open ? Form.Query1->RecordCount() : 0));
}

void DataSource2DataChange(TForm1& Form, TObject*, TField*) {
    TForm1ClientParts& p = Form.Clients();
    if (!HasRows(Form.Query3)) return;
    // Each box shows the column that "Módosít" writes it back to.
    p.OrganisationTexts.Show(*Form.Query3, *Form.Query2, "ugyfel_szervezet", ::CurrentKey(Form.Query3));
    p.CheckBox17->SetChecked(Form.Query3->FieldByName("aktiv")->AsInteger() == 1);
}

void Query1szuletesi_idoGetText(TForm1& Form, TField* Sender, String& Text, bool) {
    Text = app::StoredDate::Of(Sender).DisplayText();
}

void gxExtSpeedButton37Click(TForm1& Form, TObject*) {
    TForm1ClientParts& p = Form.Clients();
    if (!HasRows(Form.Query1)) return;
    app::CasePerson person;
    person.Name = p.Edit1->Text();
    person.BirthName = p.Edit2->Text();
    person.BirthPlace = p.Edit3->Text();
    person.BirthDate = p.BirthDate.Value();
    person.Address = p.Edit4->Text();
    person.MotherName = p.Edit5->Text();
    person.Citizenship = p.Edit6->Text();
    person.DocumentType = p.Edit7->Text();
    person.DocumentNumber = p.Edit8->Text();
    person.StayAddress = p.Edit9->Text();
    const Integer key = ::CurrentKey(Form.Query1);
    app::OpenStatement(*Form.Query2,
                       app::PersonPanelUpdateSql(key, person, p.CheckBox18->Checked(), p.PersonTexts));
    Form.Query2->Close();
    ReopenAt(Form.Query1, key);
}

void gxExtSpeedButton35Click(TForm1& Form, TObject*) {
    TForm1ClientParts& p = Form.Clients();
    if (!HasRows(Form.Query3)) {
        app::Reopen(*Form.Query3);
        return;
    }
    const app::CaseOrganisation o = {p.Edit10->Text(), p.Edit11->Text(), p.Edit12->Text(),
                                     p.Edit13->Text(), p.Edit14->Text(), p.Edit15->Text(),
                                     p.Edit16->Text(), p.Edit18->Text(), p.Edit17->Text()};
    const Integer key = ::CurrentKey(Form.Query3);
    app::OpenStatement(*Form.Query2,
                       app::OrganisationPanelUpdateSql(key, o, p.CheckBox17->Checked(), p.OrganisationTexts));
    Form.Query2->Close();
    ReopenAt(Form.Query3, key);
}

void gxExtSpeedButton36Click(TForm1& Form, TObject*) {
    if (!HasRows(Form.Query1)) return;
    const Integer key = ::CurrentKey(Form.Query1);
    // Refused before asking; asked again with the delete, as a query may come meanwhile.
    app::CheckDeletable(*Form.Query2, "ugyfel_termeszetes_szemely", key);
    if (!app::Confirm("Valóban törölni akarja a bejegyzést?")) return;
    app::DeleteUnlessReferred(*Form.Query2, "ugyfel_termeszetes_szemely", key, app::DeletePersonSql(key));
    Form.Query2->Close();
    app::Reopen(*Form.Query1);
}

void gxExtSpeedButton34Click(TForm1& Form, TObject*) {
    if (!HasRows(Form.Query3) || !app::Confirm("Valóban törölni akarja a bejegyzést?")) return;
    app::OpenStatement(*Form.Query2, app::DeleteOrganisationSql(::CurrentKey(Form.Query3)));
    Form.Query2->Close();
    app::Reopen(*Form.Query3);
}

} // namespace app
