// The clients area and the client dialogs over the schema: the two register lists with
// their detail panels, the new-person and new-organisation dialogs, and the editor of a
// case's copy of a person opened from the case sheet.
#include "app/common/ClientStatements.h"
#include "app/common/SqlRoutines.h"
#include "app/clients/TForm1ClientParts.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TField.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "app/common/CloseAsStored.h"
#include "tests/app/OtherWorkstationFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace apptest {
namespace {

const String Apostrophe = "Ő'Brien Árvíztűrő";

class Clients : public OtherWorkstation {
protected:
    void SetUp() override {
        OtherWorkstation::SetUp();
        CreateForms();
    }
    // A person with every column set, birth date as given.
    Integer FullPerson(const String& name, const std::optional<String>& birth) {
        const Integer id = AddPerson(name, birth);
        Exec("UPDATE ugyfel_termeszetes_szemely SET szuletesi_nev='Szül " + SqlQuote(name) +
             "', lakcim='Lak', szuletesi_hely='Hely', allampolgarsag='magyar', anyja_neve='Anya', "
             "azonosito_okmany_tipus='Szig', azonosito_okmany_szama='123', tartozkodasi_hely='Tart' "
             "WHERE sorszam=" +
             Key(id));
        return id;
    }
    String PersonRow(Integer id) {
        const auto rows = Rows("SELECT nev, szuletesi_nev, lakcim, szuletesi_ido, szuletesi_hely, "
                               "allampolgarsag, anyja_neve, azonosito_okmany_tipus, "
                               "azonosito_okmany_szama, tartozkodasi_hely, aktiv FROM "
                               "ugyfel_termeszetes_szemely WHERE sorszam=" +
                               Key(id));
        String text;
        for (const auto& value : rows.at(0))
            text += (value ? *value : String("NULL")) + "|";
        return text;
    }
    String OrganisationRow(Integer id) {
        const auto rows = Rows("SELECT nev, roviditett_nev, szekhely_cime, fotevekenyseg, "
                               "azonosito_okirat_szama, kezbesitesi_megbizott_neve, "
                               "kezbesitesi_megbizott_anyja_neve, kezbesitesi_megbizott_cime, "
                               "kepviselo, aktiv FROM ugyfel_szervezet WHERE sorszam=" +
                               Key(id));
        String text;
        for (const auto& value : rows.at(0))
            text += (value ? *value : String("NULL")) + "|";
        return text;
    }
};

// ---- Statements ------------------------------------------------------------------------

TEST_F(Clients, PanelUpdatesQuoteEveryTextAndWriteTheFlagAndDate) {
    const Integer id = FullPerson("Régi", std::nullopt);
    app::CasePerson p;
    p.Name = Apostrophe;
    p.BirthName = "Szül'né";
    p.BirthPlace = "Győr'";
    p.BirthDate = app::StoredDate(EncodeDate(1961, 2, 3));
    p.MotherName = "Anya 'Ildikó'";
    p.Citizenship = "magyar'";
    p.DocumentType = "útlevél'";
    p.DocumentNumber = "AB'12";
    p.Address = "Fő utca 1.\r\n'B' lépcsőház";
    p.StayAddress = "Szeged'";
    Exec(app::PersonPanelUpdateSql(id, {}, p, false));
    EXPECT_EQ(PersonRow(id), Apostrophe + "|Szül'né|Fő utca 1.\r\n'B' lépcsőház|1961-02-03|Győr'|magyar'|"
                                          "Anya 'Ildikó'|útlevél'|AB'12|Szeged'|0|");
    const app::CasePerson shown = p;
    p.BirthDate = app::StoredDate();
    Exec(app::PersonPanelUpdateSql(id, shown, p, true));
    EXPECT_EQ(Text("SELECT coalesce(szuletesi_ido, 'NULL') || aktiv FROM ugyfel_termeszetes_szemely"),
              "NULL1");

    const Integer org = AddOrganisation("Régi Kft.");
    const app::CaseOrganisation o = {"Ő'Kft", "rövid'", "szék'",  "fő'",  "okirat'",
                                     "képv'", "megb'",  "anyja'", "címe'"};
    Exec(app::OrganisationPanelUpdateSql(org, {}, o, false));
    EXPECT_EQ(OrganisationRow(org), "Ő'Kft|rövid'|szék'|fő'|okirat'|megb'|anyja'|címe'|képv'|0|");
}

TEST_F(Clients, ListsSortByHungarianNameAndShowFlagsAsOneOrZero) {
    AddPerson("Zsófia");
    AddPerson("Cecília");
    AddPerson("Csaba");
    Exec("UPDATE ugyfel_termeszetes_szemely SET aktiv=NULL WHERE nev='Csaba'");
    EXPECT_EQ(Rows("SELECT nev, aktiv FROM (" + app::PersonListSql() + ")"),
              (std::vector<Row>{{"Cecília", "1"}, {"Csaba", "0"}, {"Zsófia", "1"}}));
    AddOrganisation("Beta");
    AddOrganisation("Alfa");
    EXPECT_EQ(Rows("SELECT nev FROM (" + app::OrganisationListSql() + ")"),
              (std::vector<Row>{{"Alfa"}, {"Beta"}}));
}

TEST_F(Clients, CopyEditorStatementsNameTheirTable) {
    const Integer caseId = AddCase("Ügy", "2009-01-01");
    const Integer reg = AddPerson("Eredeti");
    const Integer copy = AddCasePerson(caseId, "Eredeti", reg, true);
    app::CasePerson p;
    p.Name = "Új'név";
    Exec(app::PersonRowUpdateSql(app::PersonRowKind::CaseCopy, copy, {}, p));
    EXPECT_EQ(Text("SELECT nev || jubok FROM ugy_ugyfel_tsz"), "Új'névtrue");
    EXPECT_EQ(Text("SELECT nev FROM ugyfel_termeszetes_szemely"), "Eredeti");
    Exec(app::PersonRowUpdateSql(app::PersonRowKind::Register, reg, {}, p));
    EXPECT_EQ(Text("SELECT nev FROM ugyfel_termeszetes_szemely"), "Új'név");
    EXPECT_EQ(app::PersonRowSql(app::PersonRowKind::CaseCopy, 7),
              "SELECT * FROM ugy_ugyfel_tsz WHERE sorszam=7");
}

// ---- Persons page ----------------------------------------------------------------------

TEST_F(Clients, PersonPanelFollowsTheRowAndCountsIt) {
    FullPerson("Béla", String("1970-05-06"));
    FullPerson("Anna", std::nullopt);
    Exec("UPDATE ugyfel_termeszetes_szemely SET aktiv=0 WHERE nev='Anna'");
    MenuItem("Termeszetesszemelyek1").Click();
    EXPECT_EQ(app::MainWindow().Clients().Label13->Caption(), "1/2");
    EXPECT_EQ(app::MainWindow().Clients().Edit1->Text(), "Anna");
    EXPECT_EQ(app::MainWindow().Clients().Edit2->Text(), "Szül Anna");
    EXPECT_EQ(app::MainWindow().Clients().Edit4->Text(), "Lak");
    EXPECT_EQ(app::MainWindow().Clients().Edit9->Text(), "Tart");
    EXPECT_FALSE(app::MainWindow().Clients().CheckBox18->Checked());
    // An empty birth date: an empty cell and the picker at 1970-01-01, unchecked.
    EXPECT_EQ(app::MainWindow().Query1->FieldByName("szuletesi_ido")->DisplayText(), "");
    EXPECT_EQ(app::MainWindow().Clients().DateTimePicker1->Date(), EncodeDate(1970, 1, 1));
    EXPECT_FALSE(app::MainWindow().Clients().DateTimePicker1->Checked());

    app::MainWindow().Query1->Next();
    EXPECT_EQ(app::MainWindow().Clients().Label13->Caption(), "2/2");
    EXPECT_EQ(app::MainWindow().Clients().Edit1->Text(), "Béla");
    EXPECT_TRUE(app::MainWindow().Clients().CheckBox18->Checked());
    EXPECT_EQ(app::MainWindow().Clients().DateTimePicker1->Date(), EncodeDate(1970, 5, 6));
    EXPECT_TRUE(app::MainWindow().Clients().DateTimePicker1->Checked());
    EXPECT_EQ(app::MainWindow().Query1->FieldByName("szuletesi_ido")->DisplayText(),
              DateToStr(EncodeDate(1970, 5, 6)));
}

// A birth date another program stored as no real date: the list still shows every person,
// and the boxes follow the row instead of keeping the previous person's data.
TEST_F(Clients, ForeignBirthDateShowsAsStoredAndTheBoxesFollow) {
    FullPerson("Anna", String("1970-02-31"));
    FullPerson("Béla", String("1970-05-06"));
    MenuItem("Termeszetesszemelyek1").Click();
    ASSERT_EQ(app::MainWindow().Query1->RecordCount(), 2);
    app::MainWindow().Query1->Next();
    app::MainWindow().Query1->Prior();
    EXPECT_EQ(app::MainWindow().Query1->FieldByName("szuletesi_ido")->DisplayText(), "1970-02-31");
    EXPECT_EQ(app::MainWindow().Clients().Edit1->Text(), "Anna");
    EXPECT_FALSE(app::MainWindow().Clients().DateTimePicker1->Checked());
}

TEST_F(Clients, EmptyPersonListKeepsTheBoxesAndUpdatesNothing) {
    app::MainWindow().Clients().Edit1->SetText("beírt");
    MenuItem("Termeszetesszemelyek1").Click();
    EXPECT_EQ(app::MainWindow().Clients().Edit1->Text(), "beírt");
    EXPECT_EQ(app::MainWindow().Clients().Label13->Caption(), "0/0");
    app::MainWindow().Clients().gxExtSpeedButton37->Click();
    app::MainWindow().Clients().gxExtSpeedButton36->Click();
    EXPECT_TRUE(Shown.empty());
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_termeszetes_szemely"), 0);
}

TEST_F(Clients, UnchangedPersonSavesAsItWasWithANullBirthDate) {
    const Integer id = FullPerson(Apostrophe, std::nullopt);
    const String before = PersonRow(id);
    MenuItem("Termeszetesszemelyek1").Click();
    app::MainWindow().Clients().gxExtSpeedButton37->Click();
    EXPECT_EQ(PersonRow(id), before);
    EXPECT_EQ(Text("SELECT coalesce(szuletesi_ido, 'NULL') FROM ugyfel_termeszetes_szemely"), "NULL");
}

TEST_F(Clients, PersonPanelWritesOverTheCurrentRowAndStaysOnIt) {
    FullPerson("Anna", std::nullopt);
    const Integer id = FullPerson("Béla", std::nullopt);
    MenuItem("Termeszetesszemelyek1").Click();
    app::MainWindow().Query1->Next();
    app::MainWindow().Clients().Edit1->SetText("Ábel 'Béla'");
    app::MainWindow().Clients().Edit8->SetText("999");
    app::MainWindow().Clients().DateTimePicker1->SetDate(EncodeDate(1980, 12, 31));
    app::MainWindow().Clients().DateTimePicker1->SetChecked(true);
    app::MainWindow().Clients().CheckBox18->SetChecked(false);
    app::MainWindow().Clients().gxExtSpeedButton37->Click();
    EXPECT_EQ(PersonRow(id), "Ábel 'Béla'|Szül Béla|Lak|1980-12-31|Hely|magyar|Anya|Szig|999|Tart|0|");
    // The list comes back sorted, still on the row just saved.
    EXPECT_EQ(app::MainWindow().Query1->FieldByName("nev")->AsString(), "Ábel 'Béla'");
    EXPECT_EQ(app::MainWindow().Clients().Label13->Caption(), "1/2");
}

TEST_F(Clients, DeleteAsksAndARefusalChangesNothing) {
    const Integer caseId = AddCase("Ügy", "2009-01-01");
    FullPerson("Anna", std::nullopt);
    const Integer bela = FullPerson("Béla", std::nullopt);
    AddCasePerson(caseId, "Béla", bela);
    MenuItem("Termeszetesszemelyek1").Click();
    app::MainWindow().Query1->Next();

    Answer = IDCANCEL;
    app::MainWindow().Clients().gxExtSpeedButton36->Click();
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{{"Figyelmeztetés!", "Valóban törölni akarja a bejegyzést?"}}));
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_termeszetes_szemely"), 2);
    EXPECT_EQ(app::MainWindow().Query1->RecNo(), 2);

    Answer = IDOK;
    app::MainWindow().Clients().gxExtSpeedButton36->Click();
    EXPECT_EQ(Rows("SELECT nev FROM ugyfel_termeszetes_szemely"), (std::vector<Row>{{"Anna"}}));
    // The case keeps its copy.
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_tsz"), 1);
    EXPECT_EQ(app::MainWindow().Query1->RecordCount(), 1);
}

// The identification list joins its queries to the person: they would vanish with it.
TEST_F(Clients, PersonWithIdentificationQueriesIsKept) {
    const Integer caseId = AddCase("Ügy", "2009-01-01");
    const Integer anna = FullPerson("Anna", std::nullopt);
    AddIdentification(anna, caseId, "2009-02-02", "K_1_2009/1");
    AddIdentification(anna, caseId, "2009-03-02", "K_1_2009/2");
    MenuItem("Termeszetesszemelyek1").Click();
    EXPECT_EQ(ErrorOf<EDatabaseError>([] { app::MainWindow().Clients().gxExtSpeedButton36->Click(); }),
              "A bejegyzés nem törölhető, mert 2 másik bejegyzés hivatkozik rá (2 JÜB lekérdezés).");
    EXPECT_TRUE(Shown.empty()); // refused before asking
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_termeszetes_szemely"), 1);
}

// A query recorded by another program while the question is open keeps the person.
TEST_F(Clients, PersonGivenAQueryWhileTheDeleteIsAskedIsKept) {
    const Integer caseId = AddCase("Őrsi kártérítés", "2009-01-01");
    const Integer odon = FullPerson("Őrsi Ödön", std::nullopt);
    MenuItem("Termeszetesszemelyek1").Click();
    DialogRecorder asking([&](const ui::DialogRequest&) {
        AddIdentification(odon, caseId, "2009-02-02", "K_1_2009/1");
        return ui::DialogAnswer{IDOK, {}};
    });
    EXPECT_EQ(ErrorOf<EDatabaseError>([] { app::MainWindow().Clients().gxExtSpeedButton36->Click(); }),
              "A bejegyzés nem törölhető, mert 1 másik bejegyzés hivatkozik rá (1 JÜB lekérdezés).");
    EXPECT_EQ(asking.Texts(), (std::vector<String>{"Valóban törölni akarja a bejegyzést?"}));
    EXPECT_EQ(Rows("SELECT nev FROM ugyfel_termeszetes_szemely"), (std::vector<Row>{{"Őrsi Ödön"}}));
    EXPECT_FALSE(app::MainWindow().Sqlite3DB1->InTransaction()); // rolled back, the database free again
}

// ---- Organisations page ------------------------------------------------------------------

TEST_F(Clients, EachOrganisationBoxShowsTheColumnItWritesBack) {
    const Integer id = AddOrganisation("Kft.");
    Exec("UPDATE ugyfel_szervezet SET roviditett_nev='rov', szekhely_cime='szek', fotevekenyseg='fo', "
         "azonosito_okirat_szama='ok', kezbesitesi_megbizott_neve='mneve', "
         "kezbesitesi_megbizott_anyja_neve='manyja', kezbesitesi_megbizott_cime='mcime', "
         "kepviselo='kepv', aktiv=1");
    MenuItem("Szervezetek1").Click();
    EXPECT_EQ(app::MainWindow().Clients().Edit10->Text(), "Kft.");
    EXPECT_EQ(app::MainWindow().Clients().Edit11->Text(), "rov");
    EXPECT_EQ(app::MainWindow().Clients().Edit12->Text(), "szek");
    EXPECT_EQ(app::MainWindow().Clients().Edit13->Text(), "fo");
    EXPECT_EQ(app::MainWindow().Clients().Edit14->Text(), "ok");
    EXPECT_EQ(app::MainWindow().Clients().Edit15->Text(), "kepv");
    EXPECT_EQ(app::MainWindow().Clients().Edit16->Text(), "mneve");
    EXPECT_EQ(app::MainWindow().Clients().Edit17->Text(), "mcime");
    EXPECT_EQ(app::MainWindow().Clients().Edit18->Text(), "manyja");
    EXPECT_TRUE(app::MainWindow().Clients().CheckBox17->Checked());

    const String before = OrganisationRow(id);
    app::MainWindow().Clients().gxExtSpeedButton35->Click();
    EXPECT_EQ(OrganisationRow(id), before);

    app::MainWindow().Clients().Edit18->SetText("Anyja 'Éva'");
    app::MainWindow().Clients().CheckBox17->SetChecked(false);
    app::MainWindow().Clients().gxExtSpeedButton35->Click();
    EXPECT_EQ(OrganisationRow(id), "Kft.|rov|szek|fo|ok|mneve|Anyja 'Éva'|mcime|kepv|0|");
}

// Rows other tools wrote hold NULL in aktiv, and another window may change the flag while
// the panel shows the row: "Módosít" writes the flag only when the user changed the box.
TEST_F(Clients, AnUntouchedAktivBoxLeavesTheStoredFlagAlone) {
    auto& p = app::MainWindow().Clients();
    const Integer person = FullPerson("Anna", std::nullopt);
    const Integer org = AddOrganisation("Alfa Kft.");
    Exec("UPDATE ugyfel_termeszetes_szemely SET aktiv=NULL");
    Exec("UPDATE ugyfel_szervezet SET aktiv=NULL");
    const auto flags = [&] {
        return Text("SELECT coalesce(aktiv, 'NULL') FROM ugyfel_termeszetes_szemely WHERE sorszam=" +
                    Key(person)) +
               Text("SELECT coalesce(aktiv, 'NULL') FROM ugyfel_szervezet WHERE sorszam=" + Key(org));
    };

    MenuItem("Termeszetesszemelyek1").Click();
    MenuItem("Szervezetek1").Click();
    EXPECT_FALSE(p.CheckBox18->Checked());
    EXPECT_FALSE(p.CheckBox17->Checked());
    p.Edit1->SetText("Anna Éva");
    p.gxExtSpeedButton37->Click();
    p.gxExtSpeedButton35->Click();
    EXPECT_EQ(flags(), "NULLNULL");

    // Ticked, then saved: the flags are set; shown again, an untouched box keeps what
    // another window stores meanwhile.
    p.CheckBox18->SetChecked(true);
    p.CheckBox17->SetChecked(true);
    p.gxExtSpeedButton37->Click();
    p.gxExtSpeedButton35->Click();
    EXPECT_EQ(flags(), "11");
    Exec("UPDATE ugyfel_termeszetes_szemely SET aktiv=0");
    Exec("UPDATE ugyfel_szervezet SET aktiv=0");
    p.gxExtSpeedButton37->Click();
    p.gxExtSpeedButton35->Click();
    EXPECT_EQ(flags(), "00");
    EXPECT_EQ(Text("SELECT nev FROM ugyfel_termeszetes_szemely"), "Anna Éva");
}

TEST_F(Clients, OrganisationDeleteAsksFirst) {
    AddOrganisation("Alfa");
    MenuItem("Szervezetek1").Click();
    Answer = IDCANCEL;
    app::MainWindow().Clients().gxExtSpeedButton34->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_szervezet"), 1);
    Answer = IDOK;
    app::MainWindow().Clients().gxExtSpeedButton34->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_szervezet"), 0);
    EXPECT_EQ(Shown.size(), 2u);
    // An empty list asks nothing.
    app::MainWindow().Clients().gxExtSpeedButton34->Click();
    EXPECT_EQ(Shown.size(), 2u);
}

// Another workstation takes the database as the list is read again after a panel's write or a
// partner's delete: the write stands once and says so, and a second press writes nothing more,
// neither over what that workstation stored since nor on another row.
TEST_F(Clients, AWriteWhoseListMeetsALockIsDoneOnce) {
    auto& f = app::MainWindow();
    struct Write {
        const char* Table;
        const char* Open; // the list, on its first row "Anna"
        TSqlite3Query* List;
        TEdit* Typed; // the name box of a change; none for a delete
        const char* Press;
    };
    const Write writes[] = {
        // the person panel's "Módosít" and "Töröl"
        {"ugyfel_termeszetes_szemely", "Termeszetesszemelyek1", f.Query1, f.Clients().Edit1,
         "gxExtSpeedButton37"},
        {"ugyfel_termeszetes_szemely", "Termeszetesszemelyek1", f.Query1, nullptr, "gxExtSpeedButton36"},
        // the organisation panel's "Módosít" and "Töröl"
        {"ugyfel_szervezet", "Szervezetek1", f.Query3, f.Clients().Edit10, "gxExtSpeedButton35"},
        {"ugyfel_szervezet", "Szervezetek1", f.Query3, nullptr, "gxExtSpeedButton34"},
        // the partner list's "Törlés"
        {"partner", "Partnerlista1", f.partnerQuery1, nullptr, "partnerTorles1"},
    };
    const auto press = [&f](const char* Name) {
        TComponent* c = f.FindComponent(Name);
        auto* item = dynamic_cast<TMenuItem*>(c);
        item ? item->Click() : static_cast<TControl*>(c)->Click();
    };
    for (const Write& w : writes) {
        SCOPED_TRACE(w.Press);
        const String table = w.Table;
        Exec("DELETE FROM " + table);
        Exec("INSERT INTO " + table + " (nev) VALUES ('Anna'), ('Béla')");
        MenuItem(w.Open).Click();
        if (w.Typed) w.Typed->SetText("Anna új");
        PressLocked({w.List}, w.Typed ? app::ListNotReadAgainMessage : app::DeletedListNotReadAgainMessage,
                    [&] { press(w.Press); });
        Other->SQLite3_ExecSQL("UPDATE " + table + " SET nev = nev || ' +'", nullptr);
        press(w.Press);
        EXPECT_EQ(Rows("SELECT nev FROM " + table + " ORDER BY nev"),
                  (w.Typed ? std::vector<Row>{{"Anna új +"}, {"Béla +"}} : std::vector<Row>{{"Béla +"}}));
    }
}

// ---- Navigation --------------------------------------------------------------------------

TEST_F(Clients, MenusAndButtonsBringThePagesToFront) {
    MenuItem("Szervezetek1").Click();
    EXPECT_TRUE(app::MainWindow().Query3->Active());
    EXPECT_EQ(app::MainWindow().ugyfelcontainer->Parent()->Controls(
                  app::MainWindow().ugyfelcontainer->Parent()->ControlCount() - 1),
              app::MainWindow().ugyfelcontainer);
    app::MainWindow().Clients().szemelyekButton->Click();
    EXPECT_TRUE(app::MainWindow().Query1->Active());
    EXPECT_EQ(
        app::MainWindow().ugyfelcontainer->Controls(app::MainWindow().ugyfelcontainer->ControlCount() - 1),
        app::MainWindow().szemelylista);
    EXPECT_EQ(MenuItem("Ujtermeszetesszemely1").Caption(), "Új természetes személy");
    EXPECT_EQ(MenuItem("Ujszervezet1").Caption(), "Új szervezet");
}

// ---- New person and organisation ----------------------------------------------------------

TEST_F(Clients, NewPersonStoresNullUntilThePickerIsTouched) {
    MenuItem("Termeszetesszemelyek1").Click();
    ujszemelyform->Show();
    EXPECT_EQ(ujszemelyform->Caption(), "Ügyfél, új természetes személy rögzítése");
    EXPECT_FALSE(ujszemelyform->Boxes.BirthDate->Checked());
    ujszemelyform->Boxes.Name->SetText(Apostrophe);
    ujszemelyform->Boxes.Address->SetText("Lakcím'");
    ujszemelyform->BitBtn1->Click();
    EXPECT_FALSE(ujszemelyform->Visible());
    EXPECT_EQ(Rows("SELECT nev, lakcim, szuletesi_ido, aktiv FROM ugyfel_termeszetes_szemely"),
              (std::vector<Row>{{Apostrophe, "Lakcím'", std::nullopt, "1"}}));
    EXPECT_EQ(app::MainWindow().Query1->RecordCount(), 1);

    ujszemelyform->Show();
    EXPECT_EQ(ujszemelyform->Boxes.Name->Text(), "");
    ujszemelyform->Boxes.Name->SetText("Második");
    // As the user's change does: the date and a ticked box.
    ujszemelyform->Boxes.BirthDate->SetDate(EncodeDate(2001, 9, 11));
    ujszemelyform->Boxes.BirthDate->SetChecked(true);
    ujszemelyform->BitBtn1->Click();
    EXPECT_EQ(Text("SELECT szuletesi_ido FROM ugyfel_termeszetes_szemely WHERE nev='Második'"), "2001-09-11");
}

TEST_F(Clients, NewOrganisationStoresTheNineBoxesInTheirColumns) {
    MenuItem("Szervezetek1").Click();
    ujszervezetform->Show();
    TWinControl* boxes[] = {ujszervezetform->Edit1, ujszervezetform->Edit2, ujszervezetform->Edit3,
                            ujszervezetform->Edit4, ujszervezetform->Edit5, ujszervezetform->Edit6,
                            ujszervezetform->Edit7, ujszervezetform->Edit8, ujszervezetform->Edit9};
    const char* texts[] = {"Ő'Kft", "rövid'", "szék'", "fő'", "okirat'", "képv'", "megb'", "anyja'", "címe'"};
    for (int i = 0; i < 9; ++i)
        boxes[i]->SetText(texts[i]);
    ujszervezetform->BitBtn1->Click();
    EXPECT_EQ(OrganisationRow(LastKey("ugyfel_szervezet")),
              "Ő'Kft|rövid'|szék'|fő'|okirat'|megb'|anyja'|címe'|képv'|1|");
    EXPECT_EQ(app::MainWindow().Query3->RecordCount(), 1);
    ujszervezetform->Show();
    EXPECT_EQ(ujszervezetform->Edit6->Text(), "");
}

// ---- A case's copy of a person --------------------------------------------------------------

TEST_F(Clients, CaseSheetEditsOnlyTheCasesCopy) {
    const Integer caseId = AddCase("Ügy", "2009-01-01");
    const Integer reg = FullPerson("Eredeti", String("1950-01-02"));
    const Integer copy = AddCasePerson(caseId, "Eredeti", reg, true);
    const String registerBefore = PersonRow(reg);
    OpenSheet(caseId);
    ugyfelszemelymod->OnShow = [](TObject* Sender) {
        ugyfelszemelymod->FormShow(Sender);
        // The copy has no birth date: the picker is cleared, not 1899.
        EXPECT_FALSE(ugyfelszemelymod->Boxes.BirthDate->Checked());
        EXPECT_EQ(ugyfelszemelymod->Boxes.Name->Text(), "Eredeti");
        ugyfelszemelymod->Boxes.Name->SetText("Módosított 'név'");
        ugyfelszemelymod->BitBtn1->Click();
    };
    ugyadatlap->Modositas1->Click();
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido, jubok FROM ugy_ugyfel_tsz WHERE sorszam=" + Key(copy)),
              (std::vector<Row>{{"Módosított 'név'", std::nullopt, "true"}}));
    EXPECT_EQ(PersonRow(reg), registerBefore);
    // The sheet's list shows the new name, marked as identified.
    EXPECT_EQ(ugyadatlap->Query3->FieldByName("nev")->AsString(), "Módosított 'név' [JÜB]");
    ugyadatlap->Close();
}

TEST_F(Clients, CopyEditorWithAnUnknownModeClosesUnloaded) {
    const Integer reg = FullPerson("Eredeti", std::nullopt);
    ugyfelszemelymod->RowId = reg;
    ugyfelszemelymod->Mode = 3;
    EXPECT_EQ(ugyfelszemelymod->ShowModal(), mrCancel);
    EXPECT_FALSE(ugyfelszemelymod->Visible());
    EXPECT_EQ(ugyfelszemelymod->Boxes.Name->Text(), "");

    ugyfelszemelymod->Mode = 1;
    ugyfelszemelymod->Show();
    EXPECT_EQ(ugyfelszemelymod->Boxes.Name->Text(), "Eredeti");
    EXPECT_EQ(ugyfelszemelymod->Caption(), "Ügyfél, természetes személy");
    ugyfelszemelymod->Boxes.BirthDate->SetDate(EncodeDate(1999, 1, 2));
    ugyfelszemelymod->Boxes.BirthDate->SetChecked(true);
    ugyfelszemelymod->BitBtn1->Click();
    EXPECT_EQ(Text("SELECT szuletesi_ido FROM ugyfel_termeszetes_szemely"), "1999-01-02");
}

TEST_F(Clients, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    FullPerson("Kovács Éva", String("1975-04-12"));
    FullPerson(Apostrophe, std::nullopt);
    const Integer org = AddOrganisation("Árvíztűrő Tükörfúrógép Kft.", "Cg. 01-09-123456");
    Exec("UPDATE ugyfel_szervezet SET roviditett_nev='ÁTF Kft.', szekhely_cime='1051 Budapest, Nádor u. 7.', "
         "kepviselo='Nagy Ödön ügyvezető', kezbesitesi_megbizott_neve='Szabó Gyula' WHERE sorszam=" +
         Key(org));
    app::MainWindow().Show();
    MenuItem("Termeszetesszemelyek1").Click();
    ui::SaveSnapshot(&app::MainWindow(), String(folder) + "/clients-persons.png");
    MenuItem("Szervezetek1").Click();
    ui::SaveSnapshot(&app::MainWindow(), String(folder) + "/clients-organisations.png");
    ujszemelyform->Show();
    ui::SaveSnapshot(ujszemelyform, String(folder) + "/clients-new-person.png");
    ujszemelyform->Close();
    ujszervezetform->Show();
    ui::SaveSnapshot(ujszervezetform, String(folder) + "/clients-new-organisation.png");
    ujszervezetform->Close();
    ugyfelszemelymod->Mode = 1;
    ugyfelszemelymod->RowId = 1;
    ugyfelszemelymod->Show();
    ui::SaveSnapshot(ugyfelszemelymod, String(folder) + "/clients-person-copy.png");
}

} // namespace
} // namespace apptest
