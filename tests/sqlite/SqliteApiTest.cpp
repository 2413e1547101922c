#include "sqlite/SqliteApi.h"
#include "sqlite/SqliteError.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

using sqlite::DriverLibraryPath;
using sqlite::EngineLibrary;

TEST(SqliteApi, DriverPathTakesBackslashesAsFoldersAndBareNamesFromWorkingDir) {
    EXPECT_EQ(DriverLibraryPath(".\\sqlite3.dll"), "./sqlite3.dll");
    EXPECT_EQ(DriverLibraryPath("SQLite3.dll"), "./SQLite3.dll");
    EXPECT_EQ(DriverLibraryPath("/usr/lib/x.so"), "/usr/lib/x.so");
    EXPECT_EQ(DriverLibraryPath("lib\\engine.so"), "lib/engine.so");
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
