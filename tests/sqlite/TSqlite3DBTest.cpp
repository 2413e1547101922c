#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/FormatSettings.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TSqlite3Log.h"
#include "sqlite/TSqlite3Pragma.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <vector>

using sqlitetest::FileConnection;
using sqlitetest::TempDir;
using sqlitetest::TestTarget;

namespace {

// The start-up script component as the application would place it.
class TestScript : public TComponent, public sqlite::InlineScript {
public:
    explicit TestScript(TComponent* owner, String text) : TComponent(owner), FText(std::move(text)) {}
    String ScriptText() const override { return FText; }

private:
    String FText;
};

// A dataset component of the connection's owner.
class BoundDataset : public TComponent, public TestTarget {
public:
    BoundDataset(TComponent* owner, TSqlite3DB* db) : TComponent(owner), TestTarget(db) {}
};

Int64 CountRows(TSqlite3DB& db, const String& table) {
    TestTarget t(&db);
    t.Load("select count(*) as n from " + table);
    return StrToIntX(t.Text(0, 0));
}

} // namespace

// ---- Database name and path --------------------------------------------------------

TEST(ConnectionPath, DatabaseSetterTrimsAndAppendsTheStoredExtension) {
    TSqlite3DB db(nullptr);
    db.SetDatabase("  dornek \t");
    EXPECT_EQ(db.Database(), "dornek"); // no DefaultExt stored yet: nothing appended
    db.SetDefaultExt(".s3db");
    db.SetDatabase("dornek");
    EXPECT_EQ(db.Database(), "dornek.s3db");
    db.SetDatabase("other.db");
    EXPECT_EQ(db.Database(), "other.db");
    db.SetDatabase(":MEMORY:");
    EXPECT_EQ(db.Database(), ":MEMORY:");
}

TEST(ConnectionPath, EmptyPropertiesReadAsTheirDefaults) {
    TSqlite3DB db(nullptr);
    EXPECT_EQ(db.DefaultExt(), ".sqb");
    EXPECT_EQ(db.DriverDLL(), "SQLite3.dll");
}

TEST(ConnectionPath, DefaultDirGetsItsSeparatorAndKeepsIt) {
    TSqlite3DB db(nullptr);
    db.SetDatabase("x.db");
    db.SetDefaultDir("C:\\data");
    EXPECT_EQ(db.DatabasePath(), "C:\\data\\x.db");
    EXPECT_EQ(db.DefaultDir(), "C:\\data\\");
    db.SetDefaultDir(".\\data\\");
    EXPECT_EQ(db.DatabasePath(), ".\\data\\x.db");
    db.SetDefaultDir("/srv/data");
    EXPECT_EQ(db.DatabasePath(), "/srv/data/x.db");
}

TEST(ConnectionPath, WithoutDefaultDirABareNameIsInTheWorkingFolder) {
    TSqlite3DB db(nullptr);
    db.SetDatabase("x.db");
    EXPECT_EQ(db.DatabasePath(), GetCurrentDir() + "/x.db");
    db.SetDatabase("sub\\x.db");
    EXPECT_EQ(db.DatabasePath(), "sub\\x.db");
}

// ---- Connect failures ----------------------------------------------------------

TEST(Connect, MissingDatabasePropertyRaises) {
    TSqlite3DB db(nullptr);
    EXPECT_EQ(ErrorOf<SqliteError>([&] { db.SetConnected(true); }), "Missing database property");
    EXPECT_FALSE(db.Connected());
}

TEST(Connect, MustExistRefusesAMissingFileWithoutLoadingTheLibrary) {
    TempDir dir;
    auto db = FileConnection(dir, "dornek.s3db");
    db->SetMustExist(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db->SetConnected(true); }),
              "Database " + dir.Path() + "/dornek.s3db does not exist");
    EXPECT_FALSE(db->Connected());
    EXPECT_FALSE(db->LibraryLoaded());
    EXPECT_FALSE(FileExists(dir.File("dornek.s3db")));
}

TEST(Connect, MemoryDatabaseIgnoresMustExistAndFolder) {
    TSqlite3DB db(nullptr);
    db.SetDefaultDir("/nonexistent/folder");
    db.SetDatabase(":Memory:");
    db.SetMustExist(true);
    db.SetConnected(true);
    EXPECT_TRUE(db.Connected());
    db.SQLite3_ExecSQL("create table t(a)", nullptr);
    EXPECT_EQ(CountRows(db, "t"), 0);
}

TEST(Connect, UnloadableLibraryRaisesAndTheNextConnectTriesAgain) {
    TempDir dir;
    auto db = FileConnection(dir);
    db->SetDriverDLL(".\\nosuchengine.dll");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { db->SetConnected(true); }),
              "Could not load SQLite library(.\\nosuchengine.dll)");
    EXPECT_FALSE(db->Connected());
    db->SetDriverDLL(".\\sqlite3.dll");
    db->SetConnected(true);
    EXPECT_TRUE(db->Connected());
}

TEST(Connect, LibraryWithoutAnEntryPointRaisesItsMessageAndIsReleased) {
    TempDir dir;
    auto db = FileConnection(dir);
    db->SetDriverDLL(VELMORA_STUB_ENGINE);
    EXPECT_EQ(ErrorOf<SqliteError>([&] { db->SetConnected(true); }), "DLL::SQlite3CreateCollation not found");
    EXPECT_FALSE(db->Connected());
    EXPECT_FALSE(db->LibraryLoaded());
    // Not stuck with the half-bound library: a good one loads on the next connect.
    db->SetDriverDLL("sqlite3.dll");
    db->SetConnected(true);
    EXPECT_TRUE(db->Connected());
}

TEST(Connect, UnopenableFileRaisesAndKeepsTheLibrary) {
    TempDir dir;
    auto db = FileConnection(dir, "missing-folder\\x.db");
    db->SetDefaultDir("");
    db->SetDatabase(dir.Path() + "/missing-folder/x.db");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { db->SetConnected(true); }), "Cannot open database");
    EXPECT_FALSE(db->Connected());
    EXPECT_TRUE(db->LibraryLoaded());
    EXPECT_EQ(db->Handle(), nullptr);
}

TEST(Connect, DecimalSeparatorOtherThanCommaOrStopBecomesAStop) {
    TFormatSettingsGuard guard;
    FormatSettings.DecimalSeparator = ";";
    TSqlite3DB db(nullptr);
    db.SetDatabase(":memory:");
    db.SetConnected(true);
    EXPECT_EQ(FormatSettings.DecimalSeparator, ".");

    FormatSettings.DecimalSeparator = ",";
    TSqlite3DB other(nullptr);
    other.SetDatabase(":memory:");
    other.SetConnected(true);
    EXPECT_EQ(FormatSettings.DecimalSeparator, ",");
}

// ---- Connect and disconnect sequence -------------------------------------------

TEST(Connect, EventsRunInOrderAndDisconnectReleasesEverything) {
    TempDir dir;
    auto db = FileConnection(dir);
    std::vector<std::string> events;
    db->BeforeConnect = [&](TObject* s) {
        EXPECT_EQ(s, db.get());
        events.push_back(db->Handle() ? "before-connect-open" : "before-connect");
    };
    db->AfterConnect = [&](TObject*) { events.push_back(db->Handle() ? "after-connect" : "?"); };
    db->BeforeDisconnect = [&](TObject*) { events.push_back("before-disconnect"); };
    db->AfterDisconnect = [&](TObject*) { events.push_back(db->LibraryLoaded() ? "?" : "after-disconnect"); };
    db->SetConnected(true);
    EXPECT_FALSE(db->Version().empty());
    db->SetConnected(false);
    EXPECT_EQ(events, (std::vector<std::string>{"before-connect", "after-connect", "before-disconnect",
                                                "after-disconnect"}));
    EXPECT_EQ(db->Handle(), nullptr);
    EXPECT_FALSE(db->LibraryLoaded());
    EXPECT_FALSE(db->Connected());
}

TEST(Connect, ConnectWhileConnectedKeepsTheOpenConnection) {
    TSqlite3DB db(nullptr);
    db.SetDatabase(":memory:");
    db.SetConnected(true);
    db.SQLite3_ExecSQL("create table t(a)", nullptr);
    sqlite3* handle = db.Handle();
    db.Open();
    EXPECT_EQ(db.Handle(), handle);
    EXPECT_EQ(CountRows(db, "t"), 0); // still the same in-memory database
}

TEST(Connect, DisconnectClosesTheOwnersDatasetsBoundToIt) {
    TComponent form(nullptr);
    auto* db = new TSqlite3DB(&form);
    auto* other = new TSqlite3DB(&form);
    auto* mine = new BoundDataset(&form, db);
    auto* theirs = new BoundDataset(&form, other);
    db->SetDatabase(":memory:");
    db->SetConnected(true);
    db->SetConnected(false);
    EXPECT_EQ(mine->Closed, 1);
    EXPECT_EQ(theirs->Closed, 0);
}

TEST(Connect, EncodingIsUtf8ForEmptyOrUtf8InAnyCase) {
    TSqlite3DB db(nullptr);
    for (const char* e : {"", "utf8", "UTF8", "Utf8"}) {
        db.SetCharacterEncoding(e);
        db.SetConnected(false);
        EXPECT_TRUE(db.UTF8()) << e;
    }
    db.SetCharacterEncoding("STANDARD");
    db.SetConnected(false);
    EXPECT_FALSE(db.UTF8());
}

// ---- Companion components ------------------------------------------------------

TEST(Pragma, OnlyTheSetValuesAreSent) {
    TComponent form(nullptr);
    auto* db = new TSqlite3DB(&form);
    auto* pragma = new TSqlite3Pragma(&form);
    pragma->SetSynchronous("OFF");
    db->SetSqlitePragma(pragma);
    db->SetDatabase(":memory:");
    db->SetConnected(true);
    EXPECT_EQ(db->LastSQL(), "pragma synchronous=OFF");
    TestTarget t(db);
    t.Load("pragma synchronous");
    EXPECT_EQ(t.Text(0, 0), "0");
}

TEST(Pragma, RemovedPragmaComponentIsForgotten) {
    TComponent form(nullptr);
    auto* db = new TSqlite3DB(&form);
    auto* pragma = new TSqlite3Pragma(&form);
    db->SetSqlitePragma(pragma);
    delete pragma;
    EXPECT_EQ(db->SqlitePragma(), nullptr);
}

TEST(InlineScript, RunsAtTheFirstConnectOnly) {
    TempDir dir;
    TComponent form(nullptr);
    auto* db = new TSqlite3DB(&form);
    db->SetDefaultDir(dir.Path());
    db->SetDatabase("x.db");
    db->SetSqliteInlineSQL(new TestScript(&form, "create table t(a);\r\ninsert into t values(1);"));
    db->SetExecuteInlineSQL(true);
    db->SetConnected(true);
    EXPECT_FALSE(db->ExecuteInlineSQL());
    EXPECT_FALSE(db->InTransaction());
    db->SetConnected(false);
    db->SetConnected(true);
    EXPECT_EQ(CountRows(*db, "t"), 1);
}

TEST(InlineScript, FailingScriptIsRolledBackAndRaises) {
    TComponent form(nullptr);
    auto* db = new TSqlite3DB(&form);
    db->SetDatabase(":memory:");
    const String script = "create table t(a);\ninsert into t values(1);\nbogus;";
    db->SetSqliteInlineSQL(new TestScript(&form, script));
    db->SetExecuteInlineSQL(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db->SetConnected(true); }),
              "near \"bogus\": syntax error\n\n" + script);
    EXPECT_TRUE(db->Connected());
    EXPECT_FALSE(db->ExecuteInlineSQL());
    EXPECT_FALSE(db->InTransaction());
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { CountRows(*db, "t"); }),
              "no such table: t\n\nselect count(*) as n from t");
}

TEST(Log, DisplayWritesOneLineStartingAnewOrAppending) {
    TempDir dir;
    TSqlite3Log log(nullptr);
    log.SetLogFile(dir.File("sql.log"));
    log.Display("first");
    log.Display("second");
    EXPECT_EQ(sqlitetest::ReadBytes(dir.File("sql.log")).find("first"), std::string::npos);
    log.SetAppend(true);
    log.Display("third");
    const std::string text = sqlitetest::ReadBytes(dir.File("sql.log"));
    EXPECT_NE(text.find(") second\n"), std::string::npos);
    EXPECT_NE(text.find(") third\n"), std::string::npos);
    EXPECT_EQ(text[4], ' '); // "yyyy mmm dd (hh:nn:ss) "
    log.SetLogFile(dir.File("no/such/folder/sql.log"));
    EXPECT_EQ(ErrorOf<EInOutError>([&] { log.Display("x"); }),
              "Cannot create file " + dir.File("no/such/folder/sql.log"));
}

TEST(Connect, MemoryNameInAnyCaseCreatesNoFile) {
    TempDir dir;
    const String before = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(dir.Path()));
    {
        TSqlite3DB db(nullptr);
        db.SetDatabase(":MEMORY:");
        db.SetConnected(true);
        db.SQLite3_ExecSQL("create table t(a)", nullptr);
    }
    SetCurrentDir(before);
    EXPECT_FALSE(FileExists(dir.File(":MEMORY:")));
}

TEST(Connect, LoadLibsWhileConnectedKeepsTheOpenDatabase) {
    TSqlite3DB db(nullptr);
    db.SetDatabase(":memory:");
    db.SetConnected(true);
    db.SQLite3_ExecSQL("create table t(a)", nullptr);
    EXPECT_TRUE(db.LoadLibs());
    EXPECT_EQ(CountRows(db, "t"), 0);
}
