// The clients area: the register of persons and of organisations, each a list with a
// detail panel that follows the current row and overwrites or deletes it, and the
// commands that open the new-client dialogs.
#include "app/common/AreaLayout.h"
#include "app/common/StoredDate.h"
#include "app/common/CaseClientRows.h"
#include "app/common/ChangedValues.h"
#include "app/common/ClientStatements.h"
#include "app/common/CloseAsStored.h"
#include "app/common/Confirm.h"
#include "app/common/ListGrid.h"
#include "app/common/QueryRun.h"
#include "app/common/RowReferences.h"
#include "app/common/SqlRoutines.h"
#include "app/common/MainWindowShared.h"
#include "app/clients/ClientArea.h"
#include "app/clients/Tujszemelyform.h"
#include "app/clients/Tujszervezetform.h"
#include "app/clients/TForm1ClientParts.h"

#include "controls/buttons/TgxExtSpeedButton.h"
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

// The person and the organisation as the panels' boxes hold them.
app::CasePerson PanelPerson(const TForm1ClientParts& p) {
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
    return person;
}

app::CaseOrganisation PanelOrganisation(const TForm1ClientParts& p) {
    return {p.Edit10->Text(), p.Edit11->Text(), p.Edit12->Text(), p.Edit13->Text(), p.Edit14->Text(),
            p.Edit15->Text(), p.Edit16->Text(), p.Edit18->Text(), p.Edit17->Text()};
}

// Reopens Query and goes back to the row with key Key when it is still there.
void ReopenAt(TSqlite3Query* Query, Integer Key) {
    app::Reopen(*Query);
    Query->Locate("sorszam", Variant(static_cast<Int64>(Key)), {});
}

// A panel whose change was stored takes what it holds as the row's stored values, as the
// list's reading would have shown them: pressing "Módosít" again writes nothing, even when
// that reading fails and another workstation changes the row meanwhile.
void TakePersonAsStored(TForm1ClientParts& p) {
    p.BirthDate.Keep(p.BirthDate.Value());
    p.PersonActive.Show(p.CheckBox18->Checked());
    p.PersonShown = PanelPerson(p);
}

void TakeOrganisationAsStored(TForm1ClientParts& p) {
    p.OrganisationActive.Show(p.CheckBox17->Checked());
    p.OrganisationShown = PanelOrganisation(p);
}

} // namespace

namespace app {

void CreateClientsArea(MainWindowShared& Form) {
    TForm1ClientParts& p = Form.Clients();
    Form.Query1 = app::MakeStatementQuery(&Form, "Query1", Form.Sqlite3DB1);
    // Dates as stored text: a date field would read the '' of databases written by earlier
    // versions as 1900-01-01.
    Form.Query1->SetTypeLess(true);
    Form.Query1->SQL()->Add(app::PersonListSql());
    Form.Query1->AfterOpen = [&Form](TDataSet*) {
        Form.Query1->FieldByName("szuletesi_ido")->OnGetText = [&Form](TField* f, String& t, bool d) {
            app::Query1szuletesi_idoGetText(Form, f, t, d);
        };
    };
    Form.Query2 = app::MakeStatementQuery(&Form, "Query2", Form.Sqlite3DB1);
    Form.Query3 = app::MakeStatementQuery(&Form, "Query3", Form.Sqlite3DB1);
    Form.Query3->SQL()->Add(app::OrganisationListSql());
    Form.DataSource1 = new TDataSource(&Form);
    Form.DataSource1->SetName("DataSource1");
    Form.DataSource1->SetDataSet(Form.Query1);
    Form.DataSource2 = new TDataSource(&Form);
    Form.DataSource2->SetName("DataSource2");
    Form.DataSource2->SetDataSet(Form.Query3);

    auto* nav = static_cast<TPanel*>(Form.FindComponent("ugyfelnav"));
    p.szemelyekButton = app::AddNavButton(&Form, nav, "szemelyekButton", "Személyek");
    p.szervezetekButton = app::AddNavButton(&Form, nav, "szervezetekButton", "Szervezetek");
    p.ujszemelyButton = app::AddNavButton(&Form, nav, "ujszemelyButton", "Új személy");
    p.ujszervezetButton = app::AddNavButton(&Form, nav, "ujszervezetButton", "Új szervezet");

    CreatePersonPanel(Form);
    CreateOrganisationPanel(Form);
    p.VgDBGrid8 = app::MakeListGrid(&Form, Form.szemelylista, "VgDBGrid8", Form.DataSource1, nullptr,
                                    {{"nev", "Név", 200},
                                     {"szuletesi_nev", "Születési név", 200},
                                     {"szuletesi_ido", "Születési idő", 69},
                                     {"anyja_neve", "Anyja neve", 156}});
    p.VgDBGrid9 = app::MakeListGrid(&Form, Form.szervezetlista, "VgDBGrid9", Form.DataSource2, nullptr,
                                    {{"nev", "Név", 200},
                                     {"szekhely_cime", "Székhely", 200},
                                     {"azonosito_okirat_szama", "Azonosító okirat száma", 206}});

    p.szemelyekButton->OnClick = [&Form](TObject* Sender) { app::szemelyekButtonClick(Form, Sender); };
    p.szervezetekButton->OnClick = [&Form](TObject* Sender) { app::szervezetekButtonClick(Form, Sender); };
    p.ujszemelyButton->OnClick = [](TObject*) { ujszemelyform->ShowModal(); };
    p.ujszervezetButton->OnClick = [](TObject*) { ujszervezetform->ShowModal(); };
    Form.DataSource1->OnDataChange = [&Form](TObject* Sender, TField* Field) {
        app::DataSource1DataChange(Form, Sender, Field);
    };
    Form.DataSource2->OnDataChange = [&Form](TObject* Sender, TField* Field) {
        app::DataSource2DataChange(Form, Sender, Field);
    };
    p.gxExtSpeedButton34->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton34Click(Form, Sender); };
    p.gxExtSpeedButton35->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton35Click(Form, Sender); };
    p.gxExtSpeedButton36->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton36Click(Form, Sender); };
    p.gxExtSpeedButton37->OnClick = [&Form](TObject* Sender) { app::gxExtSpeedButton37Click(Form, Sender); };
}

void Termeszetesszemelyek1Click(MainWindowShared& Form, TObject*) {
    app::Reopen(*Form.Query1);
    BringAreaToFront(Form.ugyfelcontainer, Form.szemelylista);
}

void Szervezetek1Click(MainWindowShared& Form, TObject*) {
    app::Reopen(*Form.Query3);
    BringAreaToFront(Form.ugyfelcontainer, Form.szervezetlista);
}

void Ujtermeszetesszemely1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.ugyfelcontainer, Form.szemelylista);
    ujszemelyform->ShowModal();
}

void Ujszervezet1Click(MainWindowShared& Form, TObject*) {
    BringAreaToFront(Form.ugyfelcontainer, Form.szervezetlista);
    ujszervezetform->ShowModal();
}

void ClearClientPanels(MainWindowShared& Form) {
    TForm1ClientParts& p = Form.Clients();
    for (TMemo* memo : {p.Edit4, p.Edit9, p.Edit12, p.Edit15})
        memo->Clear();
    p.DateTimePicker1->SetDate(Date());
}

void szemelyekButtonClick(MainWindowShared& Form, TObject*) {
    app::Reopen(*Form.Query1);
    Form.szemelylista->BringToFront();
}

void szervezetekButtonClick(MainWindowShared& Form, TObject*) {
    app::Reopen(*Form.Query3);
    Form.szervezetlista->BringToFront();
}

void DataSource1DataChange(MainWindowShared& Form, TObject*, TField*) {
    TForm1ClientParts& p = Form.Clients();
    if (HasRows(Form.Query1)) {
        p.PersonTexts.Show(*Form.Query1, *Form.Query2, "ugyfel_termeszetes_szemely",
                           ::CurrentKey(Form.Query1));
        p.BirthDate.Show(app::StoredDate::Of(Form.Query1->FieldByName("szuletesi_ido")),
                         SqlTextToDate("1970-01-01"));
        p.PersonActive.Show(Form.Query1->FieldByName("aktiv")->AsInteger() == 1);
        p.PersonShown = PanelPerson(p);
    }
    const bool open = Form.Query1->Active();
    p.Label13->SetCaption(IntToStr(open ? Form.Query1->RecNo() : 0) + "/" +
                          IntToStr(open ? Form.Query1->RecordCount() : 0));
}

void DataSource2DataChange(MainWindowShared& Form, TObject*, TField*) {
    TForm1ClientParts& p = Form.Clients();
    if (!HasRows(Form.Query3)) return;
    // Each box shows the column that "Módosít" writes it back to.
    p.OrganisationTexts.Show(*Form.Query3, *Form.Query2, "ugyfel_szervezet", ::CurrentKey(Form.Query3));
    p.OrganisationActive.Show(Form.Query3->FieldByName("aktiv")->AsInteger() == 1);
    p.OrganisationShown = PanelOrganisation(p);
}

void Query1szuletesi_idoGetText(MainWindowShared& Form, TField* Sender, String& Text, bool) {
    Text = app::StoredDate::Of(Sender).DisplayText();
}

void gxExtSpeedButton37Click(MainWindowShared& Form, TObject*) {
    TForm1ClientParts& p = Form.Clients();
    if (!HasRows(Form.Query1)) return;
    const Integer key = ::CurrentKey(Form.Query1);
    app::ExecUpdate(*Form.Query2, app::PersonPanelUpdateSql(key, p.PersonShown, PanelPerson(p),
                                                            p.PersonActive.Value(), p.PersonTexts));
    Form.Query2->Close();
    TakePersonAsStored(p);
    app::ReadAgainAsStored([&Form, key] { ReopenAt(Form.Query1, key); });
}

void gxExtSpeedButton35Click(MainWindowShared& Form, TObject*) {
    TForm1ClientParts& p = Form.Clients();
    if (!HasRows(Form.Query3)) {
        app::Reopen(*Form.Query3);
        return;
    }
    const Integer key = ::CurrentKey(Form.Query3);
    app::ExecUpdate(*Form.Query2,
                    app::OrganisationPanelUpdateSql(key, p.OrganisationShown, PanelOrganisation(p),
                                                    p.OrganisationActive.Value(), p.OrganisationTexts));
    Form.Query2->Close();
    TakeOrganisationAsStored(p);
    app::ReadAgainAsStored([&Form, key] { ReopenAt(Form.Query3, key); });
}

void gxExtSpeedButton36Click(MainWindowShared& Form, TObject*) {
    if (!HasRows(Form.Query1)) return;
    const Integer key = ::CurrentKey(Form.Query1);
    // Refused before asking; asked again with the delete, as a query may come meanwhile.
    app::CheckDeletable(*Form.Query2, "ugyfel_termeszetes_szemely", key);
    if (!app::Confirm("Valóban törölni akarja a bejegyzést?")) return;
    app::DeleteUnlessReferred(*Form.Query2, "ugyfel_termeszetes_szemely", key, app::DeletePersonSql(key));
    Form.Query2->Close();
    app::ReadAgainAsStored([&Form] { app::Reopen(*Form.Query1); }, app::DeletedListNotReadAgainMessage);
}

void gxExtSpeedButton34Click(MainWindowShared& Form, TObject*) {
    if (!HasRows(Form.Query3) || !app::Confirm("Valóban törölni akarja a bejegyzést?")) return;
    app::ExecDelete(*Form.Query2, app::DeleteOrganisationSql(::CurrentKey(Form.Query3)));
    Form.Query2->Close();
    app::ReadAgainAsStored([&Form] { app::Reopen(*Form.Query3); }, app::DeletedListNotReadAgainMessage);
}

} // namespace app
