// The identification queries as the office uses them: a query recorded from the case
// sheet once, refused without a register person or identity data, the list with its
// filter strip, marks and double-click, the edit dialog, and the export read back.
#include "app/cases/CaseArea.h"
#include "app/identification/JubArea.h"
#include "app/common/CaseHistory.h"
#include "app/common/CaseSheetImages.h"
#include "app/identification/JubStatements.h"
#include "app/identification/TForm1JubParts.h"
#include "app/common/SqlRoutines.h"
#include "app/identification/Tjubmod.h"
#include "app/identification/Tujjub.h"
#include "controls/buttons/ButtonLooks.h"
#include "controls/services/TUtlStarter.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "export/TVgExportToXLS.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSaveDialog.h"
#include "platform/ui/TSpeedButton.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PythonTools.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/StubOpener.h"
#include "tests/support/TempFolder.h"
#include "app/common/CloseAsStored.h"
#include "tests/app/OtherWorkstationFixture.h"
#include "tests/app/XlsRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace apptest {
namespace {

class JubArea : public OtherWorkstation {
protected:
    void SetUp() override {
        OtherWorkstation::SetUp();
        SetSetting("kamarai_azonosito", "K-12");
        SetSetting("jub_orzesi_ido", "8");
        CaseId = AddCase("Bakos kártérítés", "2009-03-05");
        RegisterId = AddPerson("Kovács Éva");
        Exec("UPDATE ugyfel_termeszetes_szemely SET azonosito_okmany_szama='123456AB' WHERE sorszam=" +
             Key(RegisterId));
        CopyId = AddCasePerson(CaseId, "Kovács Éva", RegisterId);
        CreateForms();
        ujjub = new Tujjub(nullptr);
        jubmod = new Tjubmod(nullptr);
        app::MainWindow().OnShow(&app::MainWindow());
    }
    void TearDown() override {
        delete jubmod;
        delete ujjub;
        OtherWorkstation::TearDown();
    }

    // Chooses the "JÜB" entry of the case sheet's clients menu on the row of CopyRow;
    // Inside runs while the dialog is up. Answers whether the dialog showed.
    bool RecordFromSheet(Integer CopyRow, const std::function<void(Tujjub&)>& Inside, Integer Case = 0) {
        Tugyadatlap& s = OpenSheet(Case > 0 ? Case : CaseId);
        s.FormActivate(&s); // the sheet may be up already: the clients as they are now
        s.Query3->Locate("sorszam", CopyRow, {});
        bool shown = false;
        ujjub->OnShow = [&](TObject* Sender) {
            ujjub->FormShow(Sender);
            shown = true;
            Inside(*ujjub);
            ujjub->Close();
        };
        s.JUB1->Click();
        return shown;
    }

    // Opens the list with the strip as it is.
    TSqlite3Query& List() {
        app::MainWindow().Jub().gxExtSpeedButton82->Click();
        return *app::MainWindow().jubQuery;
    }

    static TControl* Front(TWinControl* Parent) { return Parent->Controls(Parent->ControlCount() - 1); }

    Integer CaseId = 0;
    Integer RegisterId = 0;
    Integer CopyId = 0;
};

TEST_F(JubArea, AreaOpensOnItsListWithTheFilterReset) {
    AddCase("Lezárt ügy", "2009-04-01");
    Exec("UPDATE ugy SET status=0 WHERE nev='Lezárt ügy'");
    app::MainWindowShared& f = app::MainWindow();
    f.Jub().Edit40->SetText("Kov");
    f.ComboBox20->SetItemIndex(0);
    f.Jub().DateTimePicker9->SetChecked(true);
    f.Jub().DateTimePicker10->SetDate(EncodeDate(2001, 1, 1));
    f.Jub().RadioButton47->SetChecked(true);
    f.OnShow(&f);
    EXPECT_EQ(f.Jub().Edit40->Text(), "");
    EXPECT_EQ(f.ComboBox20->ItemIndex(), -1);
    EXPECT_EQ(f.ComboBox20->Items()->Count(), 1); // the active cases only
    EXPECT_EQ(f.ComboBox20->Items()->Strings(0), "Bakos kártérítés");
    for (TDateTimePicker* picker : {f.Jub().DateTimePicker9, f.Jub().DateTimePicker10}) {
        EXPECT_FALSE(picker->Checked());
        EXPECT_EQ(picker->Date(), Date());
    }
    EXPECT_TRUE(f.Jub().RadioButton45->Checked());

    MenuItem("JUB1").Click();
    EXPECT_EQ(Front(&f), f.jubcontainer);
    EXPECT_EQ(Front(f.jubcontainer), f.jublista);
    EXPECT_EQ(static_cast<TLabel*>(f.FindComponent("jublistaTitleLabel"))->Caption(), "JÜB listázás");
    EXPECT_FALSE(f.jubQuery->Active()); // no query runs
}

// A copy attached from the register while the person was identified in another case loses
// its mark when that success is revoked, so its case sheet offers a query again; also in a
// database that still has the earlier trigger, which marks copies of the query's case only.
TEST_F(JubArea, RevokedQueryTakesTheMarkOffCopiesInOtherCases) {
    const Integer caseB = AddCase("Őrsi hagyaték", "2009-04-01");
    for (const bool earlierTrigger : {false, true}) {
        SCOPED_TRACE(earlierTrigger ? "earlier trigger" : "schema");
        if (earlierTrigger)
            Exec("DROP TRIGGER jub_changed; CREATE TRIGGER jub_changed AFTER UPDATE OF jubok, ugyfel, ugy ON "
                 "jub "
                 "BEGIN UPDATE ugyfel_termeszetes_szemely SET jubok = CASE WHEN EXISTS (SELECT 1 FROM jub j "
                 "WHERE j.ugyfel = ugyfel_termeszetes_szemely.sorszam AND j.jubok = 'true') THEN 'true' ELSE "
                 "'false' END WHERE sorszam IN (OLD.ugyfel, NEW.ugyfel); UPDATE ugy_ugyfel_tsz SET jubok = "
                 "CASE WHEN EXISTS (SELECT 1 FROM jub j WHERE j.ugy = ugy_ugyfel_tsz.ugy AND j.ugyfel = "
                 "ugy_ugyfel_tsz.ugyfel_tsz AND j.jubok = 'true') THEN 'true' ELSE 'false' END WHERE (ugy = "
                 "OLD.ugy AND ugyfel_tsz = OLD.ugyfel) OR (ugy = NEW.ugy AND ugyfel_tsz = NEW.ugyfel); END");
        if (earlierTrigger) app::MainWindow().Sqlite3DB1->SetConnected(false); // the program starts on it
        const String name = earlierTrigger ? "Őrsi Ödön" : "Ősz Ágnes";
        const Integer person = AddPerson(name);
        const Integer copyA = AddCasePerson(CaseId, name, person);
        ASSERT_TRUE(RecordFromSheet(copyA, [](Tujjub& d) {
            d.Edit4->SetText("1-750412-1234");
            d.CheckBox1->SetChecked(true);
            d.BitBtn1->Click();
        }));
        Tugyujszemelyform& attach = *ugyujszemelyform; // "Másol" from the register into case B
        attach.CaseId = caseB;
        attach.Show();
        const auto& ids = attach.RegisterIds();
        attach.ComboBox1->SetItemIndex(
            static_cast<Integer>(std::find(ids.begin(), ids.end(), person) - ids.begin()));
        attach.Button1->Click();
        attach.rogzito->Click();
        const Integer copyB = LastKey("ugy_ugyfel_tsz");
        ASSERT_EQ(Text("SELECT jubok FROM ugy_ugyfel_tsz WHERE sorszam=" + Key(copyB)), "true");

        jubmod->JubId = LastKey("jub"); // revoked in the change dialog
        jubmod->Show();
        jubmod->CheckBox1->SetChecked(false);
        jubmod->BitBtn1->Click();
        jubmod->Close();
        EXPECT_EQ(
            Rows("SELECT jubok FROM ugy_ugyfel_tsz WHERE ugyfel_tsz=" + Key(person) + " ORDER BY sorszam"),
            (std::vector<Row>{{String("false")}, {String("false")}}));
        EXPECT_EQ(Text("SELECT jubok FROM ugyfel_termeszetes_szemely WHERE sorszam=" + Key(person)), "false");
        EXPECT_TRUE(RecordFromSheet(
            copyB, [](Tujjub&) {}, caseB));
    }
    EXPECT_TRUE(Shown.empty());
}

TEST_F(JubArea, QueryIsRecordedOnceFromTheCaseSheet) {
    const Integer second = AddCasePerson(CaseId, "Második Személy", AddPerson("Második Személy"));
    const bool shown = RecordFromSheet(CopyId, [&](Tujjub& d) {
        EXPECT_EQ(d.Caption(), "JÜB");
        EXPECT_EQ(d.Label1->Caption(), "Új JÜB lekérdezés");
        EXPECT_EQ(d.Edit1->Text(), "K-12_1_2009/1");
        EXPECT_TRUE(d.Edit1->ReadOnly());
        EXPECT_EQ(d.Edit2->Text(), "Kovács Éva");
        EXPECT_EQ(d.Edit3->Text(), "123456AB");
        EXPECT_EQ(d.Edit4->Text(), "");
        EXPECT_EQ(d.DateTimePicker1->Date(), Date());
        EXPECT_FALSE(d.CheckBox1->Checked());
        EXPECT_EQ(d.ClientId, RegisterId);
        EXPECT_EQ(d.Serial, "1");
        EXPECT_EQ(d.Query2->FieldByName("nev")->AsString(), "Kovács Éva"); // for the declaration

        d.Edit4->SetText("1-750412-1234");
        OpenFileName = Folder() + "/válasz O'Brien.pdf";
        d.SpeedButton1->Click();
        EXPECT_EQ(d.Edit5->Text(), OpenFileName);
        d.CheckBox1->SetChecked(true);
        d.BitBtn1->Click();
        EXPECT_FALSE(d.BitBtn1->Enabled());
        EXPECT_TRUE(d.Visible()); // the dialog stays open
        // The case sheet's clients show the flag at once, on the same row.
        EXPECT_EQ(ugyadatlap->Query3->FieldByName("nev")->AsString(), "Kovács Éva [JÜB]");
        d.BitBtn1->Click(); // a second press stores nothing more
    });
    ASSERT_TRUE(shown);
    EXPECT_TRUE(Shown.empty());
    EXPECT_EQ(Rows("SELECT ugyfel, ugy, jubszam, adatigenyles_szama, valaszfile, jubok, orzesi_hatarido, "
                   "szigszam, szemszam FROM jub"),
              (std::vector<Row>{{Key(RegisterId), Key(CaseId), String("1"), String("K-12_1_2009/1"),
                                 Folder() + "/válasz O'Brien.pdf", String("true"),
                                 DateToSqlText(AddYears(Date(), 8)), String("123456AB"),
                                 String("1-750412-1234")}}));

    // An identified person gets no second query; the next one of the case is serial 2,
    // and the dialog takes "Rögzít" again.
    EXPECT_FALSE(RecordFromSheet(CopyId, [](Tujjub&) {}));
    EXPECT_TRUE(RecordFromSheet(second, [&](Tujjub& d) {
        EXPECT_EQ(d.Edit1->Text(), "K-12_1_2009/2");
        EXPECT_TRUE(d.BitBtn1->Enabled());
        d.Edit3->SetText("");
        d.Edit4->SetText("9-1");
        d.BitBtn1->Click(); // without success the clients list is left as it is
    }));
    EXPECT_EQ(Rows("SELECT jubszam, jubok FROM jub ORDER BY sorszam DESC LIMIT 1"),
              (std::vector<Row>{{String("2"), std::nullopt}}));
}

// Two workstations showed the case's next number; the one saving second stores nothing,
// is told so, and saves with the next free number, which the dialog then shows.
TEST_F(JubArea, ANumberAnotherWorkstationStoredMeanwhileIsNotStoredTwice) {
    const std::unique_ptr<TSqlite3DB> other = MakeConnection(Folder());
    other->SetConnected(true);
    EXPECT_TRUE(RecordFromSheet(CopyId, [&](Tujjub& d) {
        EXPECT_EQ(d.Edit1->Text(), "K-12_1_2009/1");
        other->SQLite3_ExecSQL("INSERT INTO jub (ugyfel, ugy, jubszam, adatigenyles_szama) VALUES (" +
                                   Key(RegisterId) + "," + Key(CaseId) + ",1,'K-12_1_2009/1')",
                               nullptr);
        d.BitBtn1->Click();
        EXPECT_EQ(d.Edit1->Text(), "K-12_1_2009/2");
        EXPECT_EQ(Number("SELECT count(*) FROM jub"), 1);
        EXPECT_TRUE(d.BitBtn1->Enabled());
        d.BitBtn1->Click();
        EXPECT_FALSE(d.BitBtn1->Enabled());
    }));
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{
                         {Application->Title(),
                          "A(z) K-12_1_2009/1 számot közben egy másik munkahelyen rögzítették ennél az "
                          "ügynél, ezért a lekérdezés nem lett mentve. A lekérdezés új száma: "
                          "K-12_1_2009/2. A „Rögzít” gombbal ezzel a számmal mentheti; a nyilatkozatot "
                          "is ezzel nyomtassa."}}));
    EXPECT_EQ(
        Rows("SELECT jubszam, adatigenyles_szama FROM jub ORDER BY sorszam"),
        (std::vector<Row>{{String("1"), String("K-12_1_2009/1")}, {String("2"), String("K-12_1_2009/2")}}));
}

// The case sheet's clients read after a new query, or the list after a change, meet another
// workstation's lock: stored once and said so; "Rögzít" again stores nothing more.
TEST_F(JubArea, AStoredQueryWhoseReadingMeetsALockIsStoredOnce) {
    EXPECT_TRUE(RecordFromSheet(CopyId, [&](Tujjub& d) {
        d.CheckBox1->SetChecked(true); // a success reads the sheet's clients again
        PressLocked({ugyadatlap->Query3}, app::ListNotReadAgainMessage, [&d] { d.BitBtn1Click(nullptr); });
        d.BitBtn1Click(nullptr);
    }));
    EXPECT_EQ(Number("SELECT count(*) FROM jub"), 1);

    List();
    jubmod->JubId = static_cast<Integer>(Number("SELECT sorszam FROM jub"));
    jubmod->Show();
    jubmod->Edit1->SetText("/válasz.pdf");
    jubmod->CheckBox1->SetChecked(false);
    PressLocked({app::MainWindow().jubQuery}, app::ListNotReadAgainMessage,
                [] { jubmod->BitBtn1Click(nullptr); });
    Other->SQLite3_ExecSQL("UPDATE jub SET valaszfile='/másik.pdf', jubok='true'", nullptr);
    jubmod->BitBtn1Click(nullptr);
    EXPECT_EQ(Rows("SELECT valaszfile, jubok FROM jub"), (std::vector<Row>{{"/másik.pdf", "true"}}));
}

TEST_F(JubArea, QueryWithoutPersonOrIdentityIsRefused) {
    const Integer unlinked = AddCasePerson(CaseId, "Nincs nyilvántartva", 0);
    EXPECT_TRUE(RecordFromSheet(unlinked, [&](Tujjub& d) {
        EXPECT_EQ(d.Edit2->Text(), "");
        EXPECT_EQ(d.ClientId, 0);
        d.Edit3->SetText("123456AB");
        d.BitBtn1->Click();
        EXPECT_TRUE(d.BitBtn1->Enabled());
    }));
    EXPECT_TRUE(RecordFromSheet(CopyId, [&](Tujjub& d) {
        d.Edit3->SetText("");
        d.BitBtn1->Click();
    }));
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{{Application->Title(), app::JubNoClientMessage},
                                               {Application->Title(), app::JubNoIdentityMessage}}));
    EXPECT_EQ(Number("SELECT count(*) FROM jub"), 0);

    // Organisations have no identification query.
    const Integer org = AddOrganisation("Tükör Kft.");
    Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev) VALUES (" + Key(CaseId) + ", 'Tükör Kft.')");
    (void)org;
    Tugyadatlap& s = OpenSheet(CaseId);
    s.FormActivate(&s);
    ASSERT_TRUE(s.Query3->Locate("tipus", 2, {}));
    bool shown = false;
    ujjub->OnShow = [&](TObject*) {
        shown = true;
        ujjub->Close();
    };
    s.JUB1->Click();
    EXPECT_FALSE(shown);
}

TEST_F(JubArea, ListFollowsTheStripAndShowsDatesAndAnswers) {
    const Integer b = AddCase("Béta", "2009-06-01");
    const Integer brien = AddPerson("O'Brien Anna");
    const Integer ok = AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    AddIdentification(brien, b, "2009-07-01", "K-12_2_2009/1");
    Exec("UPDATE jub SET jubok='true' WHERE sorszam=" + Key(ok));
    app::MainWindowShared& f = app::MainWindow();
    app::FillCaseCombos(f);

    TSqlite3Query& q = List();
    ASSERT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(q.FieldByName("datum")->DisplayText(), DateToStr(EncodeDate(2009, 3, 5)));
    EXPECT_EQ(q.FieldByName("jubok")->DisplayText(), "OK");
    q.Next();
    EXPECT_EQ(q.FieldByName("jubok")->DisplayText(), "False");

    f.Jub().Edit40->SetText("O'B");
    EXPECT_EQ(List().RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("ugyfelnev")->AsString(), "O'Brien Anna");
    f.Jub().Edit40->Clear();
    f.ComboBox20->SetItemIndex(f.ComboBox20->Items()->IndexOf("Bakos kártérítés"));
    EXPECT_EQ(List().RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("adatigenyles_szama")->AsString(), "K-12_1_2009/1");
    f.ComboBox20->SetItemIndex(-1);
    f.Jub().RadioButton47->SetChecked(true);
    EXPECT_EQ(List().RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("adatigenyles_szama")->AsString(), "K-12_2_2009/1");
    f.Jub().RadioButton46->SetChecked(true);
    f.Jub().DateTimePicker9->SetDate(EncodeDate(2009, 3, 6));
    f.Jub().DateTimePicker9->SetChecked(true);
    EXPECT_TRUE(List().IsEmpty());

    f.Jub().gxExtSpeedButton81->Click();
    EXPECT_TRUE(f.Jub().RadioButton45->Checked());
    EXPECT_FALSE(f.Jub().DateTimePicker9->Checked());
    EXPECT_TRUE(q.IsEmpty()); // "Alaphelyzet" runs no query
}

TEST_F(JubArea, ChangeDialogEditsTheCurrentQuery) {
    int shows = 0;
    jubmod->OnShow = [&](TObject* Sender) {
        jubmod->FormShow(Sender);
        ++shows;
        jubmod->Close();
    };
    app::MainWindowShared& f = app::MainWindow();
    TMenuItem* change = static_cast<TMenuItem*>(f.FindComponent("jubModosit"));
    ASSERT_EQ(change->Caption(), "Módosít");
    ASSERT_EQ(f.Jub().VgDBGrid16->PopupMenu(), f.Jub().jubPopup);
    change->Click(); // before the first "Lekérdezés"
    List();
    change->Click(); // an empty list
    EXPECT_EQ(shows, 0);
    EXPECT_TRUE(Shown.empty());

    AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    const Integer second = AddIdentification(RegisterId, CaseId, "2009-03-06", "K-12_1_2009/2");
    Exec("UPDATE jub SET jubok='true', szemszam='1-75', valaszfile='/régi.pdf' WHERE sorszam=" + Key(second));
    List().Last();
    change->Click();
    ASSERT_EQ(shows, 1);
    Tjubmod& d = *jubmod;
    EXPECT_EQ(d.Caption(), "JÜB módosítás");
    EXPECT_EQ(d.Label1->Caption(), "JÜB adatok");
    EXPECT_EQ(d.JubId, second);
    EXPECT_EQ(d.ClientId, RegisterId);
    EXPECT_EQ(d.Szam->Caption(), "K-12_1_2009/2");
    EXPECT_EQ(d.Nev->Caption(), "Kovács Éva");
    EXPECT_EQ(d.Szigszam->Caption(), "123456AB");
    EXPECT_EQ(d.Szemszam->Caption(), "1-75");
    EXPECT_EQ(d.Datum->Caption(), DateToStr(EncodeDate(2009, 3, 6)));
    EXPECT_EQ(d.Edit1->Text(), "/régi.pdf");
    EXPECT_TRUE(d.CheckBox1->Checked());

    // Stored, and the list reopens on the same row.
    d.OnShow = [&](TObject* Sender) { d.FormShow(Sender); };
    d.Show();
    d.Edit1->SetText("/új 'válasz'.pdf");
    d.CheckBox1->SetChecked(false);
    d.BitBtn1->Click();
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(Rows("SELECT valaszfile, jubok FROM jub WHERE sorszam=" + Key(second)),
              (std::vector<Row>{{String("/új 'válasz'.pdf"), String("false")}}));
    EXPECT_EQ(f.jubQuery->RecNo(), 2);
    EXPECT_EQ(f.jubQuery->FieldByName("jubok")->DisplayText(), "False");
    EXPECT_EQ(Text("SELECT jubok FROM jub WHERE sorszam<" + Key(second)), "");
}

// Offices' existing databases hold '' for "no date": the list, the change dialog and the
// declaration's person show it empty, not as 1900-01-01; a date shows in the short format.
TEST_F(JubArea, DatesStoredEmptyShowEmpty) {
    const Integer id = AddIdentification(RegisterId, CaseId, "", "K-12_1_2009/1");
    Exec("UPDATE jub SET orzesi_hatarido='' WHERE sorszam=" + Key(id));
    TSqlite3Query& q = List();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("datum")->DisplayText(), "");
    EXPECT_EQ(q.FieldByName("orzesi_hatarido")->DisplayText(), "");
    jubmod->OnShow = [&](TObject* Sender) {
        jubmod->FormShow(Sender);
        jubmod->Close();
    };
    static_cast<TMenuItem*>(app::MainWindow().FindComponent("jubModosit"))->Click();
    EXPECT_EQ(jubmod->Datum->Caption(), "");
    const struct {
        const char* Stored;
        String Shown;
    } births[] = {{"", ""}, {"1975-04-12", DateToStr(EncodeDate(1975, 4, 12))}};
    for (const auto& birth : births) {
        Exec("UPDATE ugyfel_termeszetes_szemely SET szuletesi_ido='" + String(birth.Stored) + "'");
        jubmod->BitBtn3->Click(); // the declaration reads the person anew
        EXPECT_EQ(jubmod->Query2->FieldByName("szuletesi_ido")->DisplayText(), birth.Shown) << birth.Stored;
    }
}

TEST_F(JubArea, DoubleClickOnTheFileCellOpensTheAnswer) {
    const StubOpenerOnPath opener;
    const std::string& log = opener.Log;
    const std::string answer = Folder() + "/Válasz 2009.pdf";
    std::ofstream(answer) << "pdf";
    const std::string missing = Folder() + "/eltűnt.pdf";
    for (const std::string& file : {answer, missing, std::string()}) {
        const Integer id = AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
        Exec("UPDATE jub SET valaszfile='" + SqlQuote(file) + "' WHERE sorszam=" + Key(id));
    }
    app::MainWindowShared& f = app::MainWindow();
    app::VgDBGrid16DblClick(f, nullptr); // a closed list: nothing
    TSqlite3Query& q = List();
    f.Jub().VgDBGrid16->SetSelectedIndex(0); // the client's name: nothing
    f.Jub().VgDBGrid16->OnDblClick(f.Jub().VgDBGrid16);
    f.Jub().VgDBGrid16->SetSelectedIndex(5);
    f.Jub().VgDBGrid16->OnDblClick(f.Jub().VgDBGrid16);
    ASSERT_TRUE(WaitForStubLog(log));
    EXPECT_EQ(ReadFileBytes(log).substr(0, answer.size() + 1), answer + "\n");
    q.Next();
    f.Jub().VgDBGrid16->OnDblClick(f.Jub().VgDBGrid16);
    q.Next();
    f.Jub().VgDBGrid16->OnDblClick(f.Jub().VgDBGrid16); // no answer file: nothing
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{{Application->Title(), missing + "\n A fájl nem található"}}));
    EXPECT_EQ(ugyadatlap->UtlStarter1->Command(), answer);
}

// Anyone who may edit the shared database may store any path: one naming a program,
// whatever its name says, is refused with a message and never started.
TEST_F(JubArea, AnAnswerFileThatIsAProgramIsNotRun) {
    const StubOpenerOnPath opener;
    const std::string& log = opener.Log;
    const std::string program = Folder() + "/level.pdf";
    const std::string ran = Folder() + "/ran";
    WriteFileBytes(program, "#!/bin/sh\ntouch '" + ran + "'\n", true);
    const Integer id = AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    Exec("UPDATE jub SET valaszfile='" + SqlQuote(program) + "' WHERE sorszam=" + Key(id));
    List();
    app::MainWindow().Jub().VgDBGrid16->SetSelectedIndex(5);
    app::MainWindow().Jub().VgDBGrid16->OnDblClick(app::MainWindow().Jub().VgDBGrid16);
    if (const TProcessHandle started = ugyadatlap->UtlStarter1->ProcessHandle())
        WaitForSingleObject(started, 10000);
    EXPECT_EQ(Shown,
              (std::vector<ShownDialog>{{"Figyelmeztetés!", "A dokumentum nem nyitható meg:\n" + program +
                                                                "\n" + app::ProgramFileReason}}));
    EXPECT_FALSE(std::filesystem::exists(ran));
    EXPECT_FALSE(std::filesystem::exists(log));
}

// The file cell shows the diskette for a query with an answer file; every other cell,
// the answer too, is the grid's own: the answer as its text, no picture.
TEST_F(JubArea, FileCellShowsItsPictureAndTheAnswerItsText) {
    const Integer withFile = AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    AddIdentification(RegisterId, CaseId, "2009-03-06", "K-12_1_2009/2");
    Exec("UPDATE jub SET valaszfile='/a.pdf', jubok='true' WHERE sorszam=" + Key(withFile));
    app::MainWindowShared& f = app::MainWindow();
    f.Show();
    MenuItem("JUB1").Click();
    List();
    TBitmap picture;
    ui::Snapshot(f.Jub().VgDBGrid16, &picture);
    // Grid columns count the indicator: data column 5 is grid column 6.
    const auto pixels = [&](Integer col, Integer row, TColor color) {
        const TRect cell = f.Jub().VgDBGrid16->CellRect(col, row);
        Integer count = 0;
        for (Integer y = cell.Top; y < cell.Bottom; ++y)
            for (Integer x = cell.Left; x < cell.Right; ++x)
                if (picture.Canvas()->Pixels(x, y) == color) ++count;
        return count;
    };
    constexpr TColor TickGreen = 0x2E8B3C;
    EXPECT_GT(pixels(6, 1, looks::HouseBlue), 20);
    EXPECT_EQ(pixels(6, 2, looks::HouseBlue), 0);
    for (Integer row : {1, 2}) {
        EXPECT_EQ(pixels(7, row, TickGreen), 0) << row;
        EXPECT_GT(pixels(7, row, clBlack), 5) << row; // "OK", "False"
    }
    f.Close();
}

// The file is asked for with the window's letetkeresesSaveDialog.
TEST_F(JubArea, ListIsExportedAndReadBack) {
    const Integer ok = AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    const Integer brien = AddPerson("O'Brien Őrs");
    AddIdentification(brien, CaseId, "2012-02-29", "K-12_1_2009/2");
    Exec("UPDATE jub SET jubok='true', szemszam='1-75' WHERE sorszam=" + Key(ok));
    app::MainWindowShared& f = app::MainWindow();
    SaveFileName = Folder() + "/jub.xls";
    f.Jub().gxExtSpeedButton79->Click(); // a closed list: nothing
    EXPECT_FALSE(std::filesystem::exists(SaveFileName));
    List();
    f.Jub().gxExtSpeedButton79->Click();
    ASSERT_EQ(f.Jub().JUBToXLS->GetExportResult(), erCompleted);
    const auto* dialog = dynamic_cast<TSaveDialog*>(f.FindComponent("letetkeresesSaveDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->FileName(), SaveFileName);
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    EXPECT_EQ(XlsRows(SaveFileName, Folder()),
              "Kovács Éva|2009.03.05.|2009/1|Bakos kártérítés|K-12_1_2009/1|OK|2009.03.05.|123456AB|1-75\n"
              "O'Brien Őrs|2012.02.29.|2009/1|Bakos kártérítés|K-12_1_2009/2|False|2012.02.29.|123456AB|\n");

    // An empty list is not exported.
    std::filesystem::remove(SaveFileName);
    f.Jub().Edit40->SetText("nincs ilyen");
    List();
    f.Jub().gxExtSpeedButton79->Click();
    EXPECT_FALSE(std::filesystem::exists(SaveFileName));
}

TEST_F(JubArea, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    const Integer ok = AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    Exec("UPDATE jub SET jubok='true', valaszfile='/a.pdf', szemszam='1-750412-1234' WHERE sorszam=" +
         Key(ok));
    AddIdentification(AddPerson("O'Brien Őrs"), CaseId, "2012-02-29", "K-12_1_2009/2");
    app::MainWindow().Show();
    MenuItem("JUB1").Click();
    List();
    ui::SaveSnapshot(&app::MainWindow(), String(folder) + "/jub-list.png");
    ujjub->CaseId = CaseId;
    ujjub->CaseClientRowId = CopyId;
    ujjub->Show();
    ui::SaveSnapshot(ujjub, String(folder) + "/jub-new.png");
    ujjub->Close();
    jubmod->JubId = ok;
    jubmod->Show();
    ui::SaveSnapshot(jubmod, String(folder) + "/jub-change.png");
    jubmod->Close();
}

} // namespace
} // namespace apptest
