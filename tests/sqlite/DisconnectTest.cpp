// Disconnecting leaves nothing of the engine connection behind: datasets that
// still read a statement are closed wherever they live, and a close the engine
// refuses is raised instead of leaking the connection.
#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace sqlitetest;

class Disconnect : public ::testing::Test {
protected:
    void SetUp() override {
        FDB = new TSqlite3DB(&FMainWindow);
        FDB->SetDefaultDir(FDir.Path());
        FDB->SetDatabase("office.db");
        FDB->SetConnected(true);
        FDB->SQLite3_ExecSQL("create table t(v integer); insert into t values (1), (2), (3)", nullptr);
    }

    // A query of another form, bound to the main window's connection.
    TSqlite3Query* FormQuery(bool oneWay) {
        auto* query = new TSqlite3Query(&FOtherForm);
        query->SetConnection(FDB);
        query->SetUniDirectional(oneWay);
        query->SQL()->SetText("select v from t");
        return query;
    }

    // Writes through a second engine connection: fails while any connection of
    // this process still holds a read on the file.
    void WriteFromAnotherConnection() {
        auto other = FileConnection(FDir, "office.db");
        other->SetConnected(true);
        other->SQLite3_ExecSQL("insert into t values (4)", nullptr);
        other->SetConnected(false);
    }

    TempDir FDir;
    // Declared first, destroyed last: the connection outlives the other form.
    TComponent FMainWindow{nullptr};
    TComponent FOtherForm{nullptr};
    TSqlite3DB* FDB = nullptr;
};

TEST_F(Disconnect, ClosesAOneDirectionalQueryOfAnotherOwner) {
    TSqlite3Query* query = FormQuery(true);
    query->Open();
    EXPECT_EQ(query->Fields()->Fields(0)->AsString(), "1");

    FDB->SetConnected(false);
    EXPECT_FALSE(FDB->Connected());
    EXPECT_FALSE(FDB->LibraryLoaded());
    EXPECT_FALSE(query->Active());
    EXPECT_NO_THROW(WriteFromAnotherConnection());

    // The query opens again on the next connection and sees the new row.
    query->Open();
    std::vector<String> values;
    for (; !query->Eof(); query->Next())
        values.push_back(query->Fields()->Fields(0)->AsString());
    EXPECT_EQ(values, (std::vector<String>{"1", "2", "3", "4"}));
}

TEST_F(Disconnect, LeavesALoadedQueryOfAnotherOwnerOpenWithItsRows) {
    TSqlite3Query* query = FormQuery(false);
    query->Open();
    query->Next();

    FDB->SetConnected(false);
    EXPECT_TRUE(query->Active());
    EXPECT_EQ(query->RecordCount(), 3);
    EXPECT_EQ(query->Fields()->Fields(0)->AsString(), "2");
    query->Last();
    EXPECT_EQ(query->Fields()->Fields(0)->AsString(), "3");
}

TEST_F(Disconnect, TheQueryIsStillOpenBeforeAndClosedAfter) {
    TSqlite3Query* query = FormQuery(true);
    query->Open();
    std::vector<std::string> events;
    FDB->BeforeDisconnect = [&](TObject*) { events.push_back(query->Active() ? "before-open" : "?"); };
    FDB->AfterDisconnect = [&](TObject*) { events.push_back(query->Active() ? "?" : "after-closed"); };
    FDB->SetConnected(false);
    EXPECT_EQ(events, (std::vector<std::string>{"before-open", "after-closed"}));
}

TEST_F(Disconnect, DestroyingTheConnectionClosesTheQueryAndReleasesTheFile) {
    TSqlite3Query* query = FormQuery(true);
    query->Open();
    delete FDB;
    FDB = nullptr;
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(query->Connection(), nullptr);
    EXPECT_NO_THROW(WriteFromAnotherConnection());
}

TEST_F(Disconnect, AStatementItsReaderKeepsIsFinalizedByTheConnection) {
    TestTarget reader(FDB); // counts the request to close, keeps its statement
    sqlite3_stmt* statement = FDB->SQLite3_PrepareResult("select v from t", &reader);
    ASSERT_NE(FDB->SQLite3_GetNextResult(statement, &reader), nullptr);

    FDB->SetConnected(false);
    EXPECT_EQ(reader.Closed, 1);
    EXPECT_FALSE(FDB->Connected());
    EXPECT_NO_THROW(WriteFromAnotherConnection());
}

TEST_F(Disconnect, AClosedStatementIsNotFinalizedAgain) {
    TestTarget reader(FDB);
    sqlite3_stmt* statement = FDB->SQLite3_PrepareResult("select v from t", &reader);
    FDB->SQLite3_CloseResult(statement);
    FDB->SetConnected(false);
    EXPECT_EQ(reader.Closed, 0);
    EXPECT_FALSE(FDB->Connected());
}

TEST_F(Disconnect, ACloseTheEngineRefusesIsRaisedAndTheConnectionStays) {
    // A statement prepared past the connection's bookkeeping keeps the engine busy.
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(FDB->Api().prepare(FDB->Handle(), "select v from t", -1, &statement, nullptr), SQLITE_OK);
    int afterDisconnect = 0;
    FDB->AfterDisconnect = [&](TObject*) { ++afterDisconnect; };

    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FDB->SetConnected(false); }),
              "unable to close due to unfinalized statements or unfinished backups\n\n"
              "create table t(v integer); insert into t values (1), (2), (3)");
    EXPECT_TRUE(FDB->Connected());
    EXPECT_TRUE(FDB->LibraryLoaded());
    EXPECT_NE(FDB->Handle(), nullptr);
    EXPECT_EQ(afterDisconnect, 0);

    FDB->Api().finalize(statement);
    FDB->SetConnected(false);
    EXPECT_FALSE(FDB->Connected());
    EXPECT_EQ(afterDisconnect, 1);
}

} // namespace
