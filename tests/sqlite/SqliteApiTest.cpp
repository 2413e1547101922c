#include "sqlite/SqliteApi.h"
#include "platform/core/FileUtils.h"
#include "platform/core/ScopeExit.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using sqlite::EngineLibrary;

// An office folder is often shared between workstations: a library put in the folder
// the program starts in must not run in every copy started there.
TEST(SqliteApi, NoLibraryOfTheStartFolderRuns) {
    TempFolder start("velmora-start");
    std::filesystem::create_directory(start.File("lib"));
    for (const char* name : {"sqlite3.dll", "SQLite3.dll", "engine.so", "lib/sqlite3.dll", "lib/engine.so"})
        std::filesystem::copy_file(VELMORA_PLANTED_LIBRARY, start.File(name));
    const core::ScopeExit back([before = GetCurrentDir()] { SetCurrentDir(before); });
    ASSERT_TRUE(SetCurrentDir(start.Path()));
    const struct {
        const char* DriverDLL;
        bool Connects;
    } rows[] = {
        {".\\sqlite3.dll", true},   // as the program stores it
        {"SQLite3.dll", true},      // the name when none is stored
        {"lib\\SQLITE3.DLL", true}, // the engine's name in any folder
        {".\\engine.so", false},    // another name in the start folder
        {"lib\\engine.so", false},  // or in a folder of it
        {"engine.so", false},       // or without a folder
    };
    for (const auto& row : rows) {
        TSqlite3DB db(nullptr);
        db.SetDatabase(":memory:");
        db.SetDriverDLL(row.DriverDLL);
        if (row.Connects) {
            db.SetConnected(true);
            EXPECT_EQ(db.Version().substr(0, 2), "3.") << row.DriverDLL;
        } else {
            EXPECT_EQ(ErrorOf<SqliteError>([&] { db.SetConnected(true); }),
                      "Could not load SQLite library(" + String(row.DriverDLL) + ")");
        }
        EXPECT_FALSE(FileExists("planted-library-ran")) << row.DriverDLL;
    }
    // An absolute path a user configures still names a library: this one runs.
    EngineLibrary lib;
    EXPECT_EQ(ErrorOf<SqliteError>([&] { lib.Load(start.File("engine.so")); }), "DLL::SQlite3Open not found");
    EXPECT_TRUE(FileExists("planted-library-ran"));
}

TEST(SqliteApi, WindowsEngineNameInAnyCaseLoadsTheSystemEngine) {
    for (const char* name : {".\\sqlite3.dll", "SQLite3.dll", "SQLITE3.DLL", "sub\\Sqlite3.Dll"}) {
        EngineLibrary lib;
        EXPECT_TRUE(lib.Load(name)) << name;
        ASSERT_TRUE(lib.Loaded());
        EXPECT_NE(lib.Api().open, nullptr);
        EXPECT_NE(lib.Api().create_collation, nullptr);
        EXPECT_EQ(std::string(lib.Api().libversion()).substr(0, 2), "3.");
    }
}

TEST(SqliteApi, UnknownLibraryIsNotLoaded) {
    EngineLibrary lib;
    EXPECT_FALSE(lib.Load(".\\nosuchengine.dll"));
    EXPECT_FALSE(lib.Loaded());
    EXPECT_EQ(lib.Api().open, nullptr);
}

TEST(SqliteApi, MissingEntryPointRaisesItsMessageAndReleasesTheLibrary) {
    EngineLibrary lib;
    EXPECT_EQ(ErrorOf<SqliteError>([&] { lib.Load(VELMORA_STUB_ENGINE); }),
              "DLL::SQlite3CreateCollation not found");
    EXPECT_FALSE(lib.Loaded());
    EXPECT_EQ(lib.Api().open, nullptr);
}

TEST(SqliteApi, ReleaseClearsEveryEntryPoint) {
    EngineLibrary lib;
    ASSERT_TRUE(lib.Load("sqlite3.dll"));
    lib.Release();
    EXPECT_FALSE(lib.Loaded());
    EXPECT_EQ(lib.Api().step, nullptr);
    EXPECT_EQ(lib.Api().bind_parameter_name, nullptr);
}
