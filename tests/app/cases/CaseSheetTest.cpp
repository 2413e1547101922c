// The case sheet used as the office uses it: opening a case, recording events with
// files and deadlines, closing the case once, deleting with a confirmation, opening
// attached files, and the halves of the body.
#include "controls/buttons/ButtonLooks.h"
#include "app/cases/CaseSaves.h"
#include "app/common/CaseSheetImages.h"
#include "app/common/CloseAsStored.h"
#include "app/common/SqlRoutines.h"
#include "app/cases/Tugyadatlap.h"
#include "app/identification/Tujjub.h"
#include "controls/services/TUtlStarter.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/data/TDateTimeField.h"
#include "platform/data/TStringField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/VirtualKeys.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/StubOpener.h"
#include "tests/support/TempFolder.h"
#include "tests/app/OtherWorkstationFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

namespace apptest {
namespace {

class CaseSheet : public OtherWorkstation {
protected:
    void SetUp() override {
        OtherWorkstation::SetUp();
        SetSetting("dokumentum_orzesi_ido", "10");
        CaseId = AddCase("Bakos kártérítés", "2009-03-05", "Közlekedési baleset");
        CreateForms();
    }

    // Fills the event panel and presses "Rögzít".
    void Record(Tugyadatlap& s, const String& file, const String& text) {
        s.Edit1->SetText(file);
        s.Memo2->SetText(text);
        s.gxExtSpeedButton8->Click();
    }

    Integer CaseId = 0;
};

TEST_F(CaseSheet, OpensWithHeaderHistoryClientsAndCounters) {
    AddHistoryEntry(CaseId, "2009-03-06", "", "Első megbeszélés");
    AddHistoryEntry(CaseId, "2009-04-01", "/iratok/levél.doc", "Levél");
    AddCasePerson(CaseId, "Kovács János", 0, true);
    Tugyadatlap& s = OpenSheet(CaseId);
    EXPECT_EQ(s.Caption(), "Ügy");
    EXPECT_EQ(s.DBText1->Caption(), "2009");
    EXPECT_EQ(s.DBText2->Caption(), "1");
    EXPECT_EQ(s.DBText3->Caption(), "Bakos kártérítés");
    EXPECT_EQ(s.DBText4->Caption(), "aktív");
    EXPECT_EQ(s.DBText5->Caption(), "2009.03.05.");
    EXPECT_EQ(s.DBMemo1->Text(), "Közlekedési baleset");
    EXPECT_EQ(s.Label11->Caption(), "1/2");
    EXPECT_EQ(s.Label5->Caption(), "1/1");
    EXPECT_EQ(s.Query3->FieldByName("nev")->AsString(), "Kovács János [JÜB]");
    // The history date shows in the short date format.
    EXPECT_EQ(s.Query2datum->DisplayText(), "2009.03.06.");
    s.Query2->Next();
    EXPECT_EQ(s.Label11->Caption(), "2/2");
    EXPECT_EQ(s.DateTimePicker1->Date(), Date());
    EXPECT_FALSE(s.CheckBox1->Checked());
    EXPECT_TRUE(Shown.empty());
}

// Another tool may have stored a description or a file path past its column's declared size;
// the sheet shows the description whole and opens the whole path.
TEST_F(CaseSheet, ShowsTextsStoredPastTheirDeclaredSizeWhole) {
    const String description = String(2300, 'a') + " árvíztűrő tükörfúrógép VÉGE";
    const String file = "/iratok/" + String(290, 'x') + ".pdf";
    Exec("UPDATE ugy SET leiras='" + description + "' WHERE sorszam=" + Key(CaseId));
    AddHistoryEntry(CaseId, "2009-03-06", file, "Levél");
    Tugyadatlap& s = OpenSheet(CaseId);
    EXPECT_EQ(s.DBMemo1->Text(), description);
    EXPECT_EQ(s.Query2ufile->AsString(), file);
}

// The header shows the case's date as stored where it is no date: offices' existing
// databases hold '' for none, which shows empty, not as 1900-01-01.
TEST_F(CaseSheet, HeaderShowsAStoredDateAsItIs) {
    const struct {
        const char* Stored;
        String Shown;
    } rows[] = {{"", ""}, {"tavaly", "tavaly"}, {"2009-03-05", "2009.03.05."}};
    for (const auto& row : rows) {
        Exec("UPDATE ugy SET datum='" + String(row.Stored) + "' WHERE sorszam=" + Key(CaseId));
        Tugyadatlap& s = OpenSheet(CaseId);
        EXPECT_EQ(s.DBText5->Caption(), row.Shown) << row.Stored;
        s.Close();
    }
}

// Escape closes the sheet as "Bezár" does, also from the event box, and records nothing.
TEST_F(CaseSheet, EscapeClosesTheSheet) {
    Tugyadatlap& s = OpenSheet(CaseId);
    Application->ProcessMessages();
    s.Memo2->SetText("félig megírt esemény");
    ui::SimulateKey(s.Memo2, VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_FALSE(s.Visible());
    EXPECT_EQ(Number("SELECT count(*) FROM ugyitem"), 0);
}

TEST_F(CaseSheet, RecordsEventsWithFileAndDeadline) {
    Tugyadatlap& s = OpenSheet(CaseId);
    s.DateTimePicker1->SetDate(EncodeDate(2008, 2, 29));
    s.CheckBox2->SetChecked(true); // "Őrzendő" also ticks "Archiválandó"
    EXPECT_TRUE(s.CheckBox3->Checked());
    Record(s, "C:\\Iratok\\O'Brien idézés.pdf", "Idézés érkezett");
    s.CheckBox3->SetChecked(false); // "Archiválandó" can change by itself
    EXPECT_TRUE(s.CheckBox2->Checked());
    Record(s, "/iratok/szerződés.doc", "Szerződés");

    EXPECT_EQ(Rows("SELECT datum, ufile, megjegyzes, dokszam, orzendo, archivalando, "
                   "orzesi_hatarido FROM ugyitem ORDER BY sorszam"),
              (std::vector<Row>{{"2008-02-29", "C:\\Iratok\\O'Brien idézés.pdf", "Idézés érkezett", "1", "1",
                                 "1", "2018-03-01"},
                                {Today(), "/iratok/szerződés.doc", "Szerződés", "2", "1", "0",
                                 DateToSqlText(AddYears(Date(), 10))}}));
    // The inputs are emptied, the date back on today, the list refreshed.
    EXPECT_EQ(s.Edit1->Text(), "");
    EXPECT_EQ(s.Memo2->Text(), "");
    EXPECT_EQ(s.DateTimePicker1->Date(), Date());
    EXPECT_EQ(s.Query2->RecordCount(), 2);
    EXPECT_EQ(s.Label11->Caption(), "1/2");
}

TEST_F(CaseSheet, ClosingTheCaseHappensOnce) {
    Tugyadatlap& s = OpenSheet(CaseId);
    s.DateTimePicker1->SetDate(EncodeDate(2009, 5, 1));
    s.CheckBox1->SetChecked(true);
    Record(s, "", "");
    EXPECT_EQ(Rows("SELECT datum, megjegyzes FROM ugyitem"), (std::vector<Row>{{Today(), "Ügy lezárása"}}));
    EXPECT_EQ(Number("SELECT status FROM ugy"), 0);
    // The box clears and the header shows the closed case.
    EXPECT_FALSE(s.CheckBox1->Checked());
    EXPECT_EQ(s.DBText4->Caption(), "lezárt");
    // A second press adds the event only.
    Record(s, "", "Irattárba");
    EXPECT_EQ(Number("SELECT count(*) FROM ugyitem WHERE megjegyzes='Ügy lezárása'"), 1);
    EXPECT_EQ(Number("SELECT count(*) FROM ugyitem"), 2);
}

// The sheet's "Rögzít" and the base-data dialog's "Módosít" close a case with the end date the
// database gives this closing, by its local clock or by UTC, also while the local day is already
// a day ahead of UTC (as after midnight in Budapest). Without one the case would show no end, or
// the end of an earlier closing: the whole save rolls back and keeps what was typed.
TEST_F(CaseSheet, ACaseClosesWithTheEndDateOfThisClosingOrNotAtAll) {
    const ScopedTimeZone dayAhead("<+24>-24");
    const String utcToday = Text("SELECT date('now')");
    ASSERT_NE(utcToday, Today());
    struct Door : DialogSave {
        TCheckBox* Closing; // the box that closes the case
    };
    const Door doors[] = {
        {Event("case sheet", [](Tugyadatlap& s) { s.CheckBox1->SetChecked(true); }), ugyadatlap->CheckBox1},
        {CaseBaseData("base data").As("base data", [] { ugyalapadatmod->CheckBox1->SetChecked(false); }),
         ugyalapadatmod->CheckBox1},
    };
    const auto rule = [](const char* Day) {
        return "CREATE TRIGGER ugy_closed AFTER UPDATE OF status ON ugy WHEN NEW.status IS NOT OLD.status "
               "BEGIN UPDATE ugy SET befejezve = CASE WHEN NEW.status = 0 THEN " +
               String(Day) + " END WHERE sorszam = NEW.sorszam; END";
    };
    const String reopenedKeepingItsEnd = "UPDATE ugy SET befejezve='2020-01-01'";
    // Each row: the closing rule (none: the schema's as it stands), the database once the case is
    // shown, the end date stored (none: refused).
    const struct {
        std::optional<String> Rule;
        String Meanwhile;
        std::optional<String> Ended;
    } rows[] = {
        {std::nullopt, "SELECT 1", Today()},
        // Reopened on a database without the rule that takes the end date away.
        {std::nullopt, reopenedKeepingItsEnd, Today()},
        {rule("date('now')"), "SELECT 1", utcToday},
        {rule("date('now')"), reopenedKeepingItsEnd, utcToday},
        {rule("date('now', 'localtime')"), reopenedKeepingItsEnd, Today()},
        {String(), "SELECT 1", std::nullopt},
        {rule("''"), "SELECT 1", std::nullopt}, // older offices store ''
        {String(), reopenedKeepingItsEnd, std::nullopt},
    };
    for (const auto& r : rows)
        EachSave(doors, [&](const Door& d) {
            SCOPED_TRACE(r.Meanwhile + " " + r.Rule.value_or("the schema's rule"));
            if (r.Rule) {
                Exec("DROP TRIGGER IF EXISTS ugy_closed");
                if (!r.Rule->empty()) Exec(*r.Rule);
            }
            Exec(r.Meanwhile);
            const bool ticked = d.Closing->Checked(); // as the user left it
            if (r.Ended) {
                EXPECT_EQ(ErrorOf<EDatabaseError>(d.Press), "no error");
                EXPECT_EQ(Rows("SELECT status, befejezve FROM ugy WHERE sorszam=" + Key(LastKey("ugy"))),
                          (std::vector<Row>{{"0", r.Ended}}));
                return;
            }
            EXPECT_EQ(Refused(d), app::CaseNotEndDatedMessage);
            EXPECT_EQ(d.Closing->Checked(), ticked);
        });
    // A case closed before keeps the end date of that closing.
    Exec("UPDATE ugy SET status=0, befejezve='2020-01-01' WHERE sorszam=" + Key(CaseId));
    Tugyadatlap& s = OpenSheet(CaseId);
    s.CheckBox1->SetChecked(true);
    Record(s, "", "Irattárba");
    EXPECT_EQ(Rows("SELECT status, befejezve FROM ugy WHERE sorszam=" + Key(CaseId)),
              (std::vector<Row>{{"0", "2020-01-01"}}));
    EXPECT_EQ(Rows("SELECT megjegyzes FROM ugyitem WHERE ugy=" + Key(CaseId) + " ORDER BY sorszam"),
              (std::vector<Row>{{"Irattárba"}, {"Ügy lezárása"}}));
}

TEST_F(CaseSheet, DeletingAnEventAsksFirst) {
    AddHistoryEntry(CaseId, "2009-03-06", "", "Marad");
    const Integer gone = AddHistoryEntry(CaseId, "2009-03-07", "", "Törlendő");
    Tugyadatlap& s = OpenSheet(CaseId);
    s.Query2->Last();
    Answer = IDCANCEL;
    s.Torles2->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugyitem"), 2);
    Answer = IDOK;
    s.Torles2->Click();
    EXPECT_EQ(Value("SELECT count(*) FROM ugyitem WHERE sorszam=" + Key(gone)), "0");
    EXPECT_EQ(s.Query2->RecordCount(), 1);
    const ShownDialog question{"Figyelmeztetés!", "Valóban törölni akarja a bejegyzést?"};
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{question, question}));
}

TEST_F(CaseSheet, DeletingAClientRemovesOnlyTheCaseCopy) {
    const Integer person = AddPerson("Kovács János");
    AddCasePerson(CaseId, "Kovács János", person);
    Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev, azonosito_okirat_szama) VALUES (" + Key(CaseId) +
         ", 'Példa Kft.', '01-09-1')");
    Tugyadatlap& s = OpenSheet(CaseId);
    ASSERT_EQ(s.Query3->RecordCount(), 2);
    ASSERT_TRUE(s.Query3->Locate("tipus", Variant(Int64(2)), {}));
    s.Torles1->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_szerv"), 0);
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_tsz"), 1);
    EXPECT_EQ(s.Query3->RecordCount(), 1);
    s.Torles1->Click();
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_tsz"), 0);
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_termeszetes_szemely"), 1);
    EXPECT_EQ(Shown.back(), (ShownDialog{"Figyelmeztetés!", "Valóban törölni akarja az ügyfelet?"}));
    // Nothing to delete: no question.
    Shown.clear();
    s.Torles1->Click();
    s.Torles2->Click();
    EXPECT_TRUE(Shown.empty());
}

// Opening a document used to do nothing at all when it failed.
TEST_F(CaseSheet, AFileThatCannotBeOpenedSaysWhy) {
    ::TempFolder bin("velmora-bin");
    const std::string document = Folder() + "/Idézés.pdf";
    std::ofstream(document) << "pdf";
    AddHistoryEntry(CaseId, "2009-03-06", document, "Idézés");
    Tugyadatlap& s = OpenSheet(CaseId);
    s.VgDBGrid1->SetSelectedIndex(1);
    const ShownDialog noProgram{"Figyelmeztetés!",
                                "A dokumentum nem nyitható meg:\n" + document +
                                    "\nNincs program, amely ezt a fájltípust megnyitná, vagy "
                                    "nincs telepítve a dokumentumokat megnyitó xdg-open "
                                    "(xdg-utils csomag)."};
    {
        ScopedEnv path("PATH", bin.Path()); // no opener at all
        s.VgDBGrid1->OnDblClick(s.VgDBGrid1);
    }
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{noProgram}));

    // The opener starts, the window goes on, and the opener gives up: no program for the type.
    Shown.clear();
    WriteStubOpener(bin.Path());
    ScopedEnv path("PATH", bin.Path() + ":" + std::getenv("PATH"));
    ScopedEnv stubLog("STUB_LOG", bin.File("opened.log"));
    ScopedEnv stubExit("STUB_EXIT", "3");
    s.VgDBGrid1->OnDblClick(s.VgDBGrid1);
    EXPECT_TRUE(Shown.empty());
    // A loaded machine (the suite runs in parallel) may take seconds to start the opener.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (Shown.empty() && std::chrono::steady_clock::now() < deadline) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{noProgram}));
}

TEST_F(CaseSheet, DoubleClickShowsTheNoteOrOpensTheFile) {
    ::TempFolder bin("velmora-bin");
    WriteStubOpener(bin.Path());
    const std::string log = bin.File("opened.log");
    ScopedEnv path("PATH", bin.Path() + ":" + std::getenv("PATH"));
    ScopedEnv stubLog("STUB_LOG", log);
    const std::string document = Folder() + "/Idézés 2009.pdf";
    std::ofstream(document) << "pdf";

    AddHistoryEntry(CaseId, "2009-03-06", document, "Idézés, O'Brien");
    AddHistoryEntry(CaseId, "2009-03-07", Folder() + "/eltűnt.doc", "Hiányzó irat");
    AddHistoryEntry(CaseId, "2009-03-08", "", "Telefon");
    Tugyadatlap& s = OpenSheet(CaseId);

    s.VgDBGrid1->SetSelectedIndex(2); // the note
    s.VgDBGrid1->OnDblClick(s.VgDBGrid1);
    s.VgDBGrid1->SetSelectedIndex(1); // the file
    s.VgDBGrid1->OnDblClick(s.VgDBGrid1);
    ASSERT_TRUE(WaitForStubLog(log));
    EXPECT_EQ(s.UtlStarter1->Command(), document);
    EXPECT_EQ(ReadFileBytes(log).substr(0, document.size() + 1), document + "\n");

    s.Query2->Next();
    s.VgDBGrid1->OnDblClick(s.VgDBGrid1);
    s.Query2->Next();
    s.VgDBGrid1->OnDblClick(s.VgDBGrid1); // no file: nothing
    s.VgDBGrid1->SetSelectedIndex(0);
    s.VgDBGrid1->OnDblClick(s.VgDBGrid1); // the date: nothing
    EXPECT_EQ(Shown, (std::vector<ShownDialog>{{Application->Title(), "Idézés, O'Brien"},
                                               {Application->Title(), "A fájl nem található"}}));
    EXPECT_EQ(s.UtlStarter1->Command(), document);
}

TEST_F(CaseSheet, BrowseFillsTheFileBox) {
    Tugyadatlap& s = OpenSheet(CaseId);
    OpenFileName = "/iratok/válasz.pdf";
    s.SpeedButton3->Click();
    EXPECT_EQ(s.Edit1->Text(), "/iratok/válasz.pdf");
    OpenFileName.clear();
    s.SpeedButton3->Click(); // cancelled: the box keeps its text
    EXPECT_EQ(s.Edit1->Text(), "/iratok/válasz.pdf");
}

TEST_F(CaseSheet, FileCellsShowTheDiskette) {
    AddHistoryEntry(CaseId, "2009-03-06", "/iratok/a.pdf", "Van fájl");
    AddHistoryEntry(CaseId, "2009-03-07", "", "Nincs fájl");
    Tugyadatlap& s = OpenSheet(CaseId);
    TBitmap picture;
    ui::Snapshot(s.VgDBGrid1, &picture);
    // The diskette's dark body fills the middle of the first file cell only.
    const auto darkPixels = [&](Integer row) {
        const TRect cell = s.VgDBGrid1->CellRect(2, row);
        Integer count = 0;
        for (Integer y = cell.Top; y < cell.Bottom; ++y)
            for (Integer x = cell.Left; x < cell.Right; ++x)
                if (picture.Canvas()->Pixels(x, y) == looks::HouseBlue) ++count;
        return count;
    };
    EXPECT_GT(darkPixels(1), 20);
    EXPECT_EQ(darkPixels(2), 0);
    EXPECT_EQ(s.ImageList1->Count(), 2);
    EXPECT_EQ(s.ImageList1->Width(), 16);
}

TEST_F(CaseSheet, BodySplitsIntoHalves) {
    Tugyadatlap& s = OpenSheet(CaseId);
    s.SetBounds(s.Left(), s.Top(), 900, 700);
    EXPECT_EQ(s.Panel5->Height(), s.Panel4->Height() / 2);
    EXPECT_EQ(s.Panel6->Width(), s.Panel4->Width() / 2);
    EXPECT_GE(s.Constraints()->MinWidth(), 736);
    EXPECT_EQ(s.Constraints()->MinHeight(), 567);
}

TEST_F(CaseSheet, ClientsRefreshWhenTheSheetIsActiveAgain) {
    Tugyadatlap& s = OpenSheet(CaseId);
    EXPECT_EQ(s.Query3->RecordCount(), 0);
    AddCasePerson(CaseId, "Utólag felvett");
    s.FormActivate(&s);
    EXPECT_EQ(s.Query3->RecordCount(), 1);
    EXPECT_EQ(s.Label5->Caption(), "1/1");
}

// Another workstation takes the database as soon as the sheet reads again after one of its
// writes committed: the write is done once, says so, and leaves nothing to write it again.
TEST_F(CaseSheet, AWriteWhoseReadingMeetsALockIsDoneOnce) {
    struct Write {
        const char* Name;
        const char *File, *Text; // typed for "Rögzít"
        bool Closes;             // "Ügy lezárása:"
        Integer Deletes;         // 0 "Rögzít"; the client of tipus 1 or 2, or 3 a history entry
        const char* Table;       // the case's rows there, two before
        Integer Left;
    };
    const Write writes[] = {
        {"event", "", "Tárgyalás", false, 0, "ugyitem", 3},
        {"event with a file", "/iratok/idézés.pdf", "", false, 0, "ugyitem", 3},
        // The header is read first: the sheet must not stay writable on it blank.
        {"closing the case", "", "", true, 0, "ugyitem", 3},
        {"history entry deleted", "", "", false, 3, "ugyitem", 1},
        {"person deleted", "", "", false, 1, "ugy_ugyfel_tsz", 1},
        {"organisation deleted", "", "", false, 2, "ugy_ugyfel_szerv", 1},
    };
    for (const Write& w : writes) {
        SCOPED_TRACE(w.Name);
        const Integer id = AddCase("Ügy", "2009-03-05");
        for (const char* name : {"Első", "Második"}) {
            AddHistoryEntry(id, "2009-03-06", "", name);
            AddCasePerson(id, name);
            Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev) VALUES (" + Key(id) + ", '" + name + "')");
        }
        Tugyadatlap& s = OpenSheet(id);
        s.Edit1->SetText(w.File);
        s.Memo2->SetText(w.Text);
        s.CheckBox1->SetChecked(w.Closes);
        const bool client = w.Deletes == 1 || w.Deletes == 2;
        if (client) s.Query3->Locate("tipus", Variant(Int64(w.Deletes)), {});
        const auto press = [&] {
            w.Deletes ? (client ? s.Torles1 : s.Torles2)->Click() : s.gxExtSpeedButton8->Click();
        };
        PressLocked({w.Closes ? s.Query1 : (client ? s.Query3 : s.Query2)},
                    w.Deletes ? app::DeletedListNotReadAgainMessage : app::ListNotReadAgainMessage, press);
        EXPECT_EQ(s.Memo2->Text() + s.Edit1->Text(), "");
        EXPECT_FALSE(s.CheckBox1->Checked());
        EXPECT_EQ(s.Panel2->ShowsEnabled(), !w.Closes);
        EXPECT_EQ(s.Torles2->Enabled(), !w.Closes);
        press(); // stores or deletes nothing more
        EXPECT_EQ(Number(String("SELECT count(*) FROM ") + w.Table + " WHERE ugy=" + Key(id)), w.Left);
        EXPECT_EQ(Number("SELECT count(*) FROM ugyitem WHERE megjegyzes='Ügy lezárása' AND ugy=" + Key(id)),
                  w.Closes ? 1 : 0);
        s.Hide();
    }
}

// A save made from one of the sheet's dialogs commits; another workstation then holds the
// database as the dialog reads the clients again, and still when the sheet is active again.
// The user reads that the save was done and that the list could not be read, never a failed
// save, and the list shows no row from before the save; read again, it shows the stored one.
TEST_F(CaseSheet, ClientsNotReadAfterAStoredSaveShowNoneOfTheOldRows) {
    const std::unique_ptr<Tujjub> jub(ujjub = new Tujjub(nullptr));
    const Integer person = AddPerson("Régi Éva");
    struct Save : DialogSave {
        const char* Stored; // where the save's name, typed, is stored
        Integer Listed;     // the case's clients once read again
    };
    const Save saves[] = {
        {{"person attached", [] { ugyadatlap->gxExtSpeedButton3->Click(); }, ugyujszemelyform->Edit1,
          [] { ugyujszemelyform->rogzitoClick(nullptr); }},
         "ugy_ugyfel_tsz WHERE nev",
         2},
        {{"copy changed", [] { ugyadatlap->Modositas1->Click(); }, ugyfelszemelymod->Boxes.Name,
          [] { ugyfelszemelymod->BitBtn1Click(nullptr); }},
         "ugy_ugyfel_tsz WHERE nev",
         1},
        // A successful query reads the clients from its dialog, which stays open.
        {{"identification stored", [] { ugyadatlap->JUB1->Click(); }, ujjub->Edit3,
          [] {
              ujjub->CheckBox1->SetChecked(true);
              ujjub->BitBtn1Click(nullptr);
          }},
         "jub WHERE jubok='true' AND szigszam",
         1},
    };
    for (const Save& save : saves) {
        SCOPED_TRACE(save.Name);
        const Integer id = AddCase("Ügy", "2009-03-05");
        AddCasePerson(id, "Régi Éva", person);
        Tugyadatlap& s = OpenSheet(id);
        TCustomForm& dialog = *dynamic_cast<TCustomForm*>(save.Box->Owner());
        const TNotifyEvent show = dialog.OnShow;
        dialog.OnShow = [&](TObject* Sender) {
            show(Sender);
            LockWhenRead({s.Query3});
            save.Box->SetText(save.Name);
            ui::SafeCall(&dialog, save.Press); // as its button, from the event loop
            dialog.Close();
        };
        Shown.clear();
        ui::SafeCall(&s, save.Open);
        dialog.OnShow = show;
        const String locked = Locked(app::CaseClientsSql(id) + "."); // the box adds the full stop
        EXPECT_EQ(Shown,
                  (std::vector<ShownDialog>{{Application->Title(), app::ListNotReadAgainMessage + locked},
                                            {Application->Title(), s.ClientsNotReadMessage + locked}}));
        EXPECT_EQ(s.Query3->RecordCount(), 0);
        EXPECT_EQ(s.Label5->Caption(), "0/0");
        Release();
        s.FormActivate(&s);
        EXPECT_EQ(s.Query3->RecordCount(), save.Listed);
        EXPECT_EQ(Number("SELECT count(*) FROM " + String(save.Stored) + "='" + save.Name + "'"), 1);
        s.Hide();
    }
}

} // namespace
} // namespace apptest
