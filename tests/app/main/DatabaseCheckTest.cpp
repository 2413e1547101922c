// Start-up on a file that is not the office's database: the check names the
// reason, the program ends with one message, and the file stays as it was.
#include "app/main/DatabaseCheck.h"
#include "app/common/Form1.h"
#include "app/main/OfficeSchema.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TApplication.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace apptest {
namespace {

// Bytes that no engine reads as a database.
std::string RandomBytes() {
    std::string bytes(8192, '\0');
    unsigned state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

// A real database file that holds only one of the office's tables.
std::string ForeignDatabase(const std::string& folder) {
    {
        auto db = MakeConnection(folder);
        db->SetMustExist(false);
        db->SetConnected(true);
        db->SQLite3_ExecSQL("create table info(valtozo varchar(50), ertek varchar(250))", nullptr);
    }
    return ReadFileBytes(folder + "/data/dornek.s3db");
}

class DatabaseCheck : public OfficeDbFixture {
protected:
    // Replaces the office database with bytes and checks it through a fresh
    // connection set up like the main window's.
    String ProblemOf(const std::string& bytes) {
        WriteFileBytes(DatabaseFile(), bytes);
        auto db = MakeConnection(Folder());
        const String problem = app::OfficeDatabaseProblem(*db);
        EXPECT_EQ(db->Connected(), !problem.empty() ? false : true);
        EXPECT_EQ(ReadFileBytes(DatabaseFile()), bytes) << "the check changed the file";
        return problem;
    }
};

TEST_F(DatabaseCheck, TheOfficeDatabasePasses) {
    DB().SetConnected(false);
    auto db = MakeConnection(Folder());
    EXPECT_EQ(app::OfficeDatabaseProblem(*db), "");
    EXPECT_TRUE(db->Connected());
}

TEST_F(DatabaseCheck, ADatabaseLockedByAnotherProgramIsStillTheOffices) {
    DB().StartExclusiveTransaction();
    auto db = MakeConnection(Folder());
    EXPECT_EQ(app::OfficeDatabaseProblem(*db), "");
    EXPECT_TRUE(db->Connected());
    DB().RollBack();
}

TEST_F(DatabaseCheck, EachKindOfWrongFileHasItsReason) {
    DB().SetConnected(false);
    EXPECT_EQ(ProblemOf(""), "a fájl üres");
    EXPECT_EQ(ProblemOf(RandomBytes()), "a fájl nem adatbázis, vagy sérült");
    // A damaged header of a real database.
    std::string damaged = ReadFileBytes(DatabaseFile());
    damaged.replace(0, 16, "not a database!!");
    EXPECT_EQ(ProblemOf(damaged), "a fájl nem adatbázis, vagy sérült");
}

TEST_F(DatabaseCheck, ADatabaseWithoutTheOfficesTablesNamesWhatIsMissing) {
    DB().SetConnected(false);
    std::filesystem::remove(DatabaseFile());
    const std::string foreign = ForeignDatabase(Folder());
    EXPECT_EQ(ProblemOf(foreign), "hiányzik belőle: ugy, ugyitem, ugyfel_termeszetes_szemely, "
                                  "ugyfel_szervezet, ugy_ugyfel_tsz, …");
}

// The schema built into the program is the one the office's database is made from:
// its tables in order, and every table and column name the engine knows there.
TEST_F(DatabaseCheck, TheBuiltInSchemaIsTheDatabasesShape) {
    std::vector<String> tables;
    sqlite::SchemaNames names;
    for (const Row& row : Rows("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE "
                               "'sqlite%' ORDER BY rowid")) {
        tables.push_back(*row[0]);
        names.insert(*row[0]);
    }
    for (const Row& row : Rows("SELECT lower(p.name) FROM sqlite_master m, pragma_table_info(m.name) p "
                               "WHERE m.type='table' AND m.name NOT LIKE 'sqlite%'"))
        names.insert(*row[0]);
    EXPECT_EQ(app::OfficeTables(), tables);
    EXPECT_EQ(app::OfficeSchemaNames(), names);
}

TEST(DatabaseCheckMessage, NamesTheFileAndTheReason) {
    EXPECT_EQ(app::UnreadableDatabaseMessage("/iroda/data/dornek.s3db", "a fájl üres"),
              "A(z) /iroda/data/dornek.s3db fájl nem olvasható adatbázis: a fájl üres.\n"
              "A program leáll.");
}

// The main window's start-up in a child process (the application object ends
// for good there): prints the messages shown, whether the program was told to
// end, and whether the file kept its bytes.
void StartOn(const std::string& folder, const std::string& bytes) {
    if (chdir(folder.c_str()) != 0) std::exit(3);
    WriteFileBytes(folder + "/data/dornek.s3db", bytes);
    const DialogRecorder dialogs;
    app::CreateMainWindow(nullptr);
    String all;
    for (const String& t : dialogs.Texts())
        all += "[" + t + "]";
    const bool untouched = ReadFileBytes(folder + "/data/dornek.s3db") == bytes;
    std::fprintf(stderr, "messages:%s:end ends:%s untouched:%s\n", all.c_str(),
                 Application->Terminated() ? "yes" : "no", untouched ? "yes" : "no");
    std::fflush(stderr);
    // The child leaves before its folder object goes out of scope, so it removes the folder itself.
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::exit(0);
}

class DatabaseCheckDeathTest : public OfficeDbFixture {};

TEST_F(DatabaseCheckDeathTest, ZeroByteFileEndsTheStartUpWithOneMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DB().SetConnected(false);
    EXPECT_EXIT(StartOn(Folder(), ""), ::testing::ExitedWithCode(0),
                "messages:\\[A\\(z\\) /.*/data/dornek\\.s3db fájl nem olvasható adatbázis: "
                "a fájl üres\\.\nA program leáll\\.\\]:end ends:yes untouched:yes");
}

TEST_F(DatabaseCheckDeathTest, RandomBytesEndTheStartUpWithOneMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DB().SetConnected(false);
    EXPECT_EXIT(StartOn(Folder(), RandomBytes()), ::testing::ExitedWithCode(0),
                "messages:\\[A\\(z\\) /.*/data/dornek\\.s3db fájl nem olvasható adatbázis: "
                "a fájl nem adatbázis, vagy sérült\\.\nA program leáll\\.\\]:end ends:yes "
                "untouched:yes");
}

} // namespace
} // namespace apptest
