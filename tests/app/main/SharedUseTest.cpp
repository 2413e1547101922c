// The office database shared with another program that writes now and then: a read waits
// out a brief write lock, a list whose read fails keeps showing what it had, a dialog's save
// waits out the lock too, and a save that adds a row goes on with that row, whatever rows the
// other program adds meanwhile.
#include "app/cases/CaseSaves.h"
#include "app/common/CaseSheetStatements.h"
#include "app/common/CloseAsStored.h"
#include "app/common/OfficeExport.h"
#include "app/common/QueryRun.h"
#include "app/cases/TForm1CaseParts.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "app/cases/CaseArea.h"
#include "app/registry/TForm1RegistryParts.h"
#include "app/registry/RegistryArea.h"
#include "app/registry/Tiktatasihelyuj.h"
#include "app/registry/Tiktataspartneruj.h"
#include "app/documents/DocumentArea.h"
#include "app/documents/Tdokulap.h"
#include "app/deposits/DepositSaves.h"
#include "app/identification/JubStatements.h"
#include "app/registry/RegistryStatements.h"
#include "platform/core/DateTime.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TField.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "sqlite/EngineError.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "tests/app/OtherWorkstationFixture.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <tuple>

namespace apptest {
namespace {

class SharedUse : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        AddPerson("Kis Éva");
        CreateMainWindow();
        List.reset(app::MakeStatementQuery(nullptr, "Lista", app::MainWindow().Sqlite3DB1));
        Other = MakeConnection(Folder());
        Other->SetConnected(true);
    }
    void TearDown() override {
        if (Other->InTransaction()) Other->RollBack();
        List.reset();
        Other.reset();
        MainWindowFixture::TearDown();
    }
    ui::DialogAnswer AnswerDialog(const ui::DialogRequest& r) override {
        Requests.push_back(r);
        return {1, {}};
    }

    // The other program writes a row and holds the database locked until it commits.
    void OtherProgramWrites() {
        Other->StartExclusiveTransaction();
        Other->SQLite3_ExecSQL("INSERT INTO ugyfel_termeszetes_szemely (nev) VALUES ('Nagy Ödön')", nullptr);
    }

    std::unique_ptr<TSqlite3Query> List;
    std::unique_ptr<TSqlite3DB> Other;
    std::vector<ui::DialogRequest> Requests;
};

TEST_F(SharedUse, ReadWaitsForAnotherProgramsBriefWrite) {
    app::MainWindow().Sqlite3DB1->SetTimeOut(NoLimit);
    OtherProgramWrites();
    {
        const std::jthread commitSoon([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            Other->Commit();
        });
        EXPECT_EQ(ErrorOf<EDatabaseError>(
                      [this] { app::OpenStatement(*List, "SELECT nev FROM ugyfel_termeszetes_szemely"); }),
                  "no error");
    }
    EXPECT_EQ(List->RecordCount(), 2);
}

// The busy message comes once the time-out has passed: the other program commits only after
// the read has given up, however slowly a loaded machine runs the two.
TEST_F(SharedUse, ReadGivesUpWhenTheTimeOutHasPassed) {
    app::MainWindow().Sqlite3DB1->SetTimeOut(400);
    app::OpenStatement(*List, "SELECT nev FROM ugyfel_termeszetes_szemely");
    OtherProgramWrites();
    EXPECT_NE(ErrorOf<EDatabaseError>([this] {
                  app::Reopen(*List);
              }).find("Az adatbázist egy másik program használja"),
              std::string::npos);
    Other->Commit();
    app::Reopen(*List);
    EXPECT_EQ(List->RecordCount(), 2);
}

TEST_F(SharedUse, ListKeepsItsRowsWhenARereadFindsTheDatabaseBusy) {
    app::OpenStatement(*List, "SELECT nev FROM ugyfel_termeszetes_szemely");
    app::MainWindow().Sqlite3DB1->SetTimeOut(50); // the lock outlasts the wait
    OtherProgramWrites();
    EXPECT_NE(ErrorOf<EDatabaseError>([this] {
                  app::Reopen(*List);
              }).find("Az adatbázist egy másik program használja"),
              std::string::npos);
    // The same statement again, as a list page's button runs it.
    EXPECT_NE(ErrorOf<EDatabaseError>([this] {
                  app::OpenStatement(*List, "SELECT nev FROM ugyfel_termeszetes_szemely");
              }).find("Az adatbázist egy másik program használja"),
              std::string::npos);
    ASSERT_TRUE(List->Active()); // an export or a second try still works on it
    EXPECT_EQ(List->RecordCount(), 1);
    EXPECT_EQ(List->FieldByName("nev")->AsString(), "Kis Éva");

    Other->Commit();
    app::Reopen(*List);
    EXPECT_EQ(List->RecordCount(), 2);
}

// A dialog's save reopens its list on the record it came from; when the other program has
// deleted rows meanwhile, on the last one left.
TEST_F(SharedUse, ListReopensOnItsRecordOrTheLastLeft) {
    for (const char* name : {"B", "C", "D", "E"})
        AddPerson(name);
    app::OpenStatement(*List, "SELECT nev FROM ugyfel_termeszetes_szemely ORDER BY sorszam");
    // The record remembered, the last rows the other program deletes first, the record shown.
    const std::tuple<Integer, Integer, Integer> cases[] = {
        {3, 0, 3}, // still there
        {5, 1, 4}, // one past the new end
        {4, 2, 2}, // further past it
        {0, 0, 1}, // none remembered: the first
    };
    for (const auto& [recNo, deleted, shown] : cases) {
        SCOPED_TRACE(recNo);
        Other->SQLite3_ExecSQL("DELETE FROM ugyfel_termeszetes_szemely WHERE sorszam IN (SELECT sorszam FROM "
                               "ugyfel_termeszetes_szemely ORDER BY sorszam DESC LIMIT " +
                                   std::to_string(deleted) + ")",
                               nullptr);
        app::ReopenIfSet(*List, recNo);
        EXPECT_EQ(List->RecNo(), shown);
    }
}

// Every refresh of a list that the other program's lock outlasts keeps the list's rows.
TEST_F(SharedUse, ListsKeepTheirRowsWhenTheirRefreshFindsTheDatabaseBusy) {
    AddCase("Árvíztűrő tükörfúrógép", "2009-01-05");
    AddCase("Őry Ödön hagyatéka", "2009-02-11");
    AddAccount("Ügyvédi letéti számla");
    app::MainWindowShared& f = app::MainWindow();
    TSqlite3BaseQuery* accounts = f.Deposits().letetbeallitas_Table1;
    MenuItem("Ugylista1").Click();
    f.Cases().gxExtSpeedButton8->Click(); // "Lekérdezés"
    MenuItem("Letetbeallitasok1").Click();
    ASSERT_EQ(f.Cases().Label31->Caption(), "1/2");
    app::MainWindow().Sqlite3DB1->SetTimeOut(50); // the lock outlasts the wait
    OtherProgramWrites();

    const struct {
        const char* Command;
        std::function<void()> Run;
        TSqlite3BaseQuery* List;
        Integer Rows;
    } refreshes[] = {
        {"Lekérdezés", [&] { f.Cases().gxExtSpeedButton8->Click(); }, f.Query5, 2},
        {"Ügy lista", [&] { MenuItem("Ugylista1").Click(); }, f.Query4, 2},
        {"the case list page entered", [&] { app::ugylistacontainerEnter(f, nullptr); }, f.Query4, 2},
        {"Letétek > Beállítások", [&] { MenuItem("Letetbeallitasok1").Click(); }, accounts, 1},
    };
    for (const auto& r : refreshes) {
        SCOPED_TRACE(r.Command);
        EXPECT_NE(ErrorOf<EDatabaseError>(r.Run).find("Az adatbázist egy másik program használja"),
                  std::string::npos);
        ASSERT_TRUE(r.List->Active());
        EXPECT_EQ(r.List->RecordCount(), r.Rows);
    }
    EXPECT_EQ(f.Query5->FieldByName("nev")->AsString(), "Árvíztűrő tükörfúrógép");
    EXPECT_EQ(f.Cases().Label31->Caption(), "1/2");

    // A new search that cannot be read shows no rows, and its counter none either.
    f.Cases().Edit23->SetText("Őry");
    EXPECT_NE(ErrorOf<EDatabaseError>([&] {
                  f.Cases().gxExtSpeedButton8->Click();
              }).find("Az adatbázist egy másik program használja"),
              std::string::npos);
    EXPECT_FALSE(f.Query5->Active());
    EXPECT_EQ(f.Cases().Label31->Caption(), "0/0");
}

// A list whose reading failed is closed: its export says so instead of an engine message.
TEST_F(SharedUse, AListThatIsNotLoadedIsNotExported) {
    ASSERT_FALSE(app::MainWindow().Registry().iktlistaQuery1->Active());
    app::MainWindow().Registry().gxExtSpeedButton28->Click();
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].Text, app::ClosedListMessage);
}

// The user saves through a dialog while another program holds the write lock, as it does
// between its commits when it writes row after row into a table of its own.
class DialogSavesWhileAnotherProgramWrites : public OtherWorkstation {};

// Each save waits for the lock, also one that reads before it writes (a movement, an event, an
// attachment read first that their deposit or case is still there), then stores. When the lock
// outlasts the wait, it says so, stores nothing and keeps what was typed.
TEST_F(DialogSavesWhileAnotherProgramWrites, EachSaveWaitsThenStores) {
    CreateSaveForms();
    const DialogSave saves[] = {
        Event("case event"),
        Event("closing the case", [](Tugyadatlap& s) { s.CheckBox1->SetChecked(true); }),
        Movement("payment in", letet_adatlap->RadioButton3),
        Movement("full payout", letet_adatlap->RadioButton2),
        Attached("person attached", *ugyujszemelyform),
        Attached("organisation attached", *ugyujszervezetform),
        Plain("office address", adminform, adminform->Edit1),
        Plain("new case", ujugy, ujugy->Memo1),
    };
    TSqlite3DB& db = *app::MainWindow().Sqlite3DB1;
    EachSave(saves, [&](const DialogSave& s) {
        db.SetTimeOut(50);
        OtherProgramWrites();
        EXPECT_TRUE(
            Refused(s).starts_with("Az adatbázist egy másik program használja, próbálja újra később.\n"));
        Other->RollBack();
        const auto before = SavedTables();
        db.SetTimeOut(NoLimit);
        OtherProgramWrites();
        {
            const std::jthread commitSoon([this] {
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
                Other->Commit();
            });
            EXPECT_EQ(ErrorOf<EDatabaseError>(s.Press), "no error");
        }
        EXPECT_NE(SavedTables(), before);
    });
}

// Another program locks the database right after a save committed, as the list that shows the
// stored row is read again: the save stands, the dialog ends as stored (no second "Rögzít"),
// and what the user reads never asks for the save again.
TEST_F(DialogSavesWhileAnotherProgramWrites, ASaveWhoseRefreshMeetsALockEndsStored) {
    CreateSaveForms();
    const std::unique_ptr<Tujletet> depositNew(ujletet = new Tujletet(nullptr));
    const std::unique_ptr<Tiktbe> incoming(iktbe = new Tiktbe(nullptr));
    const std::unique_ptr<Tiktatasihelyuj> place(iktatasihelyuj = new Tiktatasihelyuj(nullptr));
    const std::unique_ptr<Tiktataspartneruj> partner(iktataspartneruj = new Tiktataspartneruj(nullptr));
    app::MainWindowShared& f = app::MainWindow();
    AddAccount("Letéti számla");
    AddRegistryPartner("Posta");
    MenuItem("Ugylista1").Click(); // the case list the new case refreshes
    app::OpenRegistrySettings(f);
    // A registry name opened from Mode: 1 the settings page, 2 the incoming entry.
    const auto named = [](const char* Name, app::LookupNameDialog* d, Integer Mode) {
        return Plain(Name, d, d->Edit1, [d, Mode] {
            if (Mode == 2) iktbe->Show();
            d->Mode = Mode;
        });
    };
    struct Stored : DialogSave {
        TDataSet* List;     // read again after the save
        const char* Stored; // where the typed text is stored
    };
    const Stored saves[] = {
        {Plain("new case", ujugy, ujugy->Memo1), f.Query4, "ugy WHERE nev"},
        {NewDeposit("new deposit"), f.letetlista_Query1, "letet WHERE letevo"},
        {IncomingEntry("incoming entry"), f.Registry().iktlistaQuery1, "ikt_be WHERE targy"},
        {named("new location", iktatasihelyuj, 1), &app::RegistryLocationTable(f), "ikt_mt WHERE nev"},
        {named("new partner", iktataspartneruj, 1), &app::RegistryPartnerTable(f), "ikt_partner WHERE nev"},
        // The entry dialog's partner choice is what is read again.
        {named("new partner from the entry", iktataspartneruj, 2)
             .As("new partner from the entry", [] { iktataspartneruj->Memo1->SetText("Kapu u. 1."); }),
         iktbe->Query1, "ikt_partner WHERE cim='Kapu u. 1.' AND nev"},
    };
    EachSave(saves, [&](const Stored& s) {
        PressLocked({s.List}, app::ListNotReadAgainMessage, s.Press);
        EXPECT_FALSE(dynamic_cast<TCustomForm*>(s.Box->Owner())->Visible());
        EXPECT_EQ(Number("SELECT count(*) FROM " + String(s.Stored) + "='1234'"), 1);
    });
    // The entry goes on with the partner stored from it and its address, not with none.
    const String stored =
        Key(static_cast<Integer>(Number("SELECT sorszam FROM ikt_partner WHERE cim='Kapu u. 1.'")));
    EXPECT_EQ(Key(iktbe->PartnerId), stored);
    EXPECT_EQ(iktbe->ComboBox1->Text(), "1234");
    iktbe->Edit2->SetText("Csomag");
    iktbe->BitBtn4Click(nullptr);
    EXPECT_EQ(Number("SELECT count(*) FROM ikt_be WHERE partnercim='Kapu u. 1.' AND partner=" + stored), 1);
}

// A reading that fails for a reason other than the database's (the toolkit, memory) after a
// committed save reads as stored too: the new case is there once and the dialog is closed.
TEST_F(DialogSavesWhileAnotherProgramWrites, ARereadFailingForAnotherReasonEndsStored) {
    CreateSaveForms();
    MenuItem("Ugylista1").Click();
    TDataSet& list = *app::MainWindow().Query4;
    list.BeforeOpen = list.BeforeRefresh = [](TDataSet*) { throw std::runtime_error("out of memory"); };
    ujugy->Show();
    ujugy->Memo1->SetText("1234");
    EXPECT_EQ(ErrorOf<EDatabaseError>([] { ujugy->BitBtn1Click(nullptr); }),
              app::ListNotReadAgainMessage + String("out of memory"));
    list.BeforeOpen = list.BeforeRefresh = nullptr;
    EXPECT_FALSE(ujugy->Visible());
    EXPECT_EQ(Number("SELECT count(*) FROM ugy WHERE nev='1234'"), 1);
}

// Closing a dialog whose save committed fails (the window beneath cannot take the activation):
// that reads as the save done, and the reading after it runs all the same.
TEST(ClosingAStoredDialog, ReadsAgainAndSaysTheFirstFailureAsDone) {
    TForm beneath(nullptr), dialog(nullptr);
    beneath.Show();
    dialog.Show();
    beneath.OnActivate = [](TObject*) { throw std::runtime_error("az ablak nem olvasható"); };
    bool read = false;
    const auto readAgain = [&] {
        read = true;
        throw EDatabaseError("a lista nem olvasható");
    };
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { app::CloseAsStored(dialog, readAgain); }),
              app::ListNotReadAgainMessage + String("az ablak nem olvasható"));
    EXPECT_TRUE(read);
    EXPECT_FALSE(dialog.Visible());
}

// The sheet a new case was to open in cannot be read (another workstation holds the database
// just then): the case stands stored, and the case list and the case boxes take it all the same.
TEST_F(DialogSavesWhileAnotherProgramWrites, ANewCaseWhoseSheetCannotOpenJoinsTheListAndCombos) {
    CreateForms();
    app::MainWindowShared& f = app::MainWindow();
    MenuItem("Ugylista1").Click();
    LockWhenRead({ugyadatlap->Query1});
    // The other workstation lets the database go before the case list is read again.
    f.Query4->BeforeRefresh = [this](TDataSet*) { Release(); };
    ujugy->Show();
    ujugy->Memo1->SetText("Friss ügy");
    EXPECT_EQ(ErrorOf<EDatabaseError>([] { ujugy->BitBtn1Click(nullptr); }),
              app::ListNotReadAgainMessage + Locked(app::CaseHeaderSql(1)));
    f.Query4->BeforeRefresh = nullptr;
    EXPECT_FALSE(ujugy->Visible());
    EXPECT_FALSE(ugyadatlap->Visible());
    EXPECT_EQ(f.Query4->RecordCount(), 1);
    EXPECT_EQ(f.CaseIds(), (std::vector<Integer>{1}));
    EXPECT_EQ(f.ComboBox20->Items()->Count(), 1);
}

// The case list cannot be read after a case's base data were stored (another workstation holds
// the database just then and lets it go before the case boxes are read): the closed case leaves
// the case boxes all the same.
TEST_F(DialogSavesWhileAnotherProgramWrites, BaseDataWhoseListCannotBeReadStillReachTheCombos) {
    CreateForms();
    app::MainWindowShared& f = app::MainWindow();
    AddCase("Első", "2009-01-01");
    AddCase("Második", "2009-02-01");
    MenuItem("Ugylista1").Click();
    app::FillCaseCombos(f);
    f.Cases().Ugyalapadatainakmodositasa1->Click();
    const Integer closed = ugyalapadatmod->CaseId;
    ugyalapadatmod->CheckBox1->SetChecked(false);
    f.Query100->BeforeOpen = f.Query100->BeforeRefresh = [this](TDataSet*) { Release(); };
    PressLocked({f.Query4}, app::ListNotReadAgainMessage, [] { ugyalapadatmod->BitBtn1Click(nullptr); });
    f.Query100->BeforeOpen = f.Query100->BeforeRefresh = nullptr;
    EXPECT_FALSE(ugyalapadatmod->Visible());
    EXPECT_EQ(Number("SELECT status FROM ugy WHERE sorszam=" + Key(closed)), 0);
    EXPECT_EQ(f.CaseIds(), (std::vector<Integer>{3 - closed}));
    EXPECT_EQ(f.ComboBox20->Items()->Count(), 1);
}

// A statement query after each of whose INSERTs another program takes its turn on the
// database, before the save that ran the INSERT reads the new row's key.
class InterleavedQuery : public TSqlite3Query {
public:
    InterleavedQuery(TSqlite3DB& Db, std::function<void(const String& Table)> AfterInsert)
        : TSqlite3Query(nullptr), FAfterInsert(std::move(AfterInsert)) {
        SetConnection(&Db);
        SetRawSQL(true);
    }
    void ExecSQL() override {
        TSqlite3Query::ExecSQL();
        const String sql = SQL()->Text();
        if (AnsiStartsText("INSERT INTO ", sql))
            FAfterInsert(sql.substr(12, sql.find_first_of(" (", 12) - 12));
    }

private:
    std::function<void(const String&)> FAfterInsert;
};

// A save that adds a row and goes on with that row's key.
struct KeyedSave {
    const char* Save;
    std::function<Integer(TSqlite3Query&)> Run;  // answers the key the save read back
    std::function<String(const String&)> Stored; // what the save stored under that key
    std::vector<Row> Expected;
    bool OtherGetsIn;              // false: the save's transaction keeps the other program out
    std::vector<const char*> Adds; // the tables whose new row's key the save reads
};

class SharedUseSaves : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        Other = MakeConnection(Folder());
        Other->SetConnected(true);
    }
    void TearDown() override {
        Other.reset();
        OfficeDbFixture::TearDown();
    }

    // The other program adds a row of its own to Table, or finds the database locked by
    // the save's transaction.
    void OtherProgramAdds(const String& Table) {
        const std::string error = ErrorOf<EDatabaseError>(
            [&] { Other->SQLite3_ExecSQL("INSERT INTO " + Table + " DEFAULT VALUES", nullptr); });
        if (error == "no error") {
            ++Added;
            return;
        }
        EXPECT_NE(error.find("Az adatbázist egy másik program használja"), std::string::npos) << error;
        ++KeptOut;
    }

    // The saves, on a case, a register person and an account added here.
    std::vector<KeyedSave> Saves() {
        const Integer caseId = AddCase("Közös ügy", "2024-01-02");
        const Integer personId = AddPerson("Kis Éva");
        const Integer accountId = AddAccount("Letéti számla");
        const TDateTime day = EncodeDate(2024, 6, 3);
        using Key = const String&;
        return {
            // "Létrehozás után megnyitás" opens the case under this key.
            {"new case",
             [=](TSqlite3Query& q) { return app::WriteNewCase(q, "Saját ügy", "", day); },
             [](Key k) { return "SELECT nev FROM ugy WHERE sorszam=" + k; },
             {{"Saját ügy"}},
             false, // held until the save has read back the number the database gave the case
             {"ugy"}},
            // The copy is linked to the register row the same save added.
            {"case person with a new register row",
             [=](TSqlite3Query& q) {
                 app::CasePerson person;
                 person.Name = "Nagy Ödön";
                 return app::WriteCasePerson(q, caseId, person, app::RegisterChoice::AddNew, -1, {}).CopyId;
             },
             [](Key k) {
                 return "SELECT c.nev, r.nev FROM ugy_ugyfel_tsz c JOIN ugyfel_termeszetes_szemely r "
                        "ON r.sorszam=c.ugyfel_tsz WHERE c.sorszam=" +
                        k;
             },
             {{"Nagy Ödön", "Nagy Ödön"}},
             false,
             {"ugy_ugyfel_tsz", "ugyfel_termeszetes_szemely"}},
            // The opening movement goes to the new deposit.
            {"new deposit",
             [=](TSqlite3Query& q) {
                 app::NewDeposit deposit;
                 deposit.AccountId = accountId;
                 deposit.Payer = "Saját letevő";
                 deposit.Date = day;
                 return app::WriteNewDeposit(q, deposit, 12500);
             },
             [](Key k) {
                 return "SELECT l.letevo, m.osszeg, m.megjegyzes FROM letet l JOIN letetmozgas m "
                        "ON m.letet=l.sorszam WHERE l.sorszam=" +
                        k;
             },
             {{"Saját letevő", "12500", "[Nyitó]"}},
             false,
             {"letet"}},
            // "Lekérdezés sikeres" marks the new query and no other.
            {"new identification query",
             [=](TSqlite3Query& q) {
                 app::JubInput jub;
                 jub.ClientId = personId;
                 jub.CaseId = caseId;
                 jub.Serial = 1;
                 jub.Date = day;
                 jub.Number = "K_1_2024/1";
                 jub.CardNumber = "123456AB";
                 jub.Succeeded = true;
                 return app::StoreJub(q, jub, 5);
             },
             [](Key k) { return "SELECT sorszam=" + k + ", adatigenyles_szama FROM jub WHERE jubok='true'"; },
             {{"1", "K_1_2024/1"}},
             false,
             {"jub"}},
            // The entry dialog chooses the partner under this key.
            {"new registry partner",
             [=](TSqlite3Query& q) { return app::WriteRegistryPartner(q, "Saját partner", "Fő tér 2."); },
             [](Key k) { return "SELECT nev, cim FROM ikt_partner WHERE sorszam=" + k; },
             {{"Saját partner", "Fő tér 2."}},
             true,
             {"ikt_partner"}},
        };
    }

    std::unique_ptr<TSqlite3DB> Other;
    int Added = 0;
    int KeptOut = 0;
};

TEST_F(SharedUseSaves, EachSaveGoesOnWithTheRowItAddedItself) {
    for (const KeyedSave& s : Saves()) {
        SCOPED_TRACE(s.Save);
        Added = KeptOut = 0;
        InterleavedQuery query(DB(), [this](const String& table) { OtherProgramAdds(table); });
        const Integer key = s.Run(query);
        EXPECT_EQ(Rows(s.Stored(std::to_string(key))), s.Expected);
        EXPECT_EQ(Added > 0, s.OtherGetsIn);
        EXPECT_EQ(KeptOut > 0, !s.OtherGetsIn);
    }
}

// A trigger of the database that skips the row (RAISE(IGNORE)) stops the save with a
// message, and nothing of it is stored: no row goes on with an older row's key.
TEST_F(SharedUseSaves, ASaveWhoseRowTheDatabaseSkipsStoresNothing) {
    const auto dump = [this] {
        std::vector<std::vector<Row>> tables;
        for (const char* t : {"ugy", "ugyitem", "ugy_ugyfel_tsz", "ugyfel_termeszetes_szemely", "letet",
                              "letetmozgas", "jub", "ikt_partner"})
            tables.push_back(Rows(String("SELECT * FROM ") + t));
        return tables;
    };
    for (const KeyedSave& s : Saves()) {
        for (const char* table : s.Adds) {
            SCOPED_TRACE(String(s.Save) + ", " + table);
            Exec(String("CREATE TRIGGER skip BEFORE INSERT ON ") + table +
                 " BEGIN SELECT RAISE(IGNORE); END");
            const auto before = dump();
            const std::unique_ptr<TSqlite3Query> query(app::MakeStatementQuery(nullptr, "Query1", &DB()));
            EXPECT_EQ(ErrorOf<EDatabaseError>([&] { s.Run(*query); }), sqlite::NoRowAddedMessage);
            EXPECT_FALSE(DB().InTransaction());
            EXPECT_EQ(dump(), before);
            Exec("DROP TRIGGER skip");
        }
    }
}

// Cancelling an entry and a document's flags, read again into a list that meets the lock:
// each is stored once and says so; the registry list keeps its rows, the dialog is closed.
TEST_F(DialogSavesWhileAnotherProgramWrites, ACancelOrDocumentFlagsEndStoredWhenTheirListMeetsALock) {
    CreateForms();
    const std::unique_ptr<Tdokulap> document(dokulap = new Tdokulap(nullptr));
    app::MainWindowShared& f = app::MainWindow();
    AddRegistryEntry("ikt_be", AddRegistryPartner("Posta"), "2024-01-05", "Levél");
    MenuItem("Beerkezettlevelek1").Click();
    PressLocked({f.Registry().iktlistaQuery1}, app::DeletedListNotReadAgainMessage,
                [&] { app::CancelRegistryItem(f, f.Registry().iktlistaQuery1, true); });
    EXPECT_EQ(Number("SELECT count(*) FROM ikt_be WHERE storno=1"), 1);
    EXPECT_TRUE(f.Registry().iktlistaQuery1->Active());

    dokulap->ItemId = AddHistoryEntry(AddCase("Hagyaték", "2009-03-05"), "2009-03-01", "/iratok/a.pdf", "a");
    app::RunDocumentList(f);
    dokulap->Show();
    dokulap->CheckBox1->SetChecked(true);
    PressLocked({f.dokulistquery}, app::ListNotReadAgainMessage, [] { dokulap->BitBtn1Click(nullptr); });
    EXPECT_EQ(Number("SELECT count(*) FROM ugyitem WHERE orzendo=1 AND orzesi_hatarido IS NOT NULL"), 1);
    EXPECT_FALSE(dokulap->Visible());
}

} // namespace
} // namespace apptest
