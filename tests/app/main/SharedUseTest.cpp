// The office database shared with another program that writes now and then: a read waits
// out a brief write lock, and a list whose read fails keeps showing what it had.
#include "app/common/OfficeExport.h"
#include "app/common/QueryRun.h"
#include "app/cases/TForm1CaseParts.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "app/cases/CaseArea.h"
#include "app/registry/TForm1RegistryParts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TField.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

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

// The busy message comes once the time-out has passed, not after twice as long.
TEST_F(SharedUse, ReadGivesUpWhenTheTimeOutHasPassed) {
    app::MainWindow().Sqlite3DB1->SetTimeOut(400);
    app::OpenStatement(*List, "SELECT nev FROM ugyfel_termeszetes_szemely");
    OtherProgramWrites();
    const std::jthread commitLater([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        Other->Commit();
    });
    EXPECT_NE(ErrorOf<EDatabaseError>([this] {
                  app::Reopen(*List);
              }).find("Az adatbázist egy másik program használja"),
              std::string::npos);
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

} // namespace
} // namespace apptest
