// tools/createdb: the set-up step that makes the default database on a fresh machine; and
// how it and tools/makeoffice take their arguments.
#include "tests/app/OfficeDbFixture.h"

#include "sqlite/TSqlite3DB.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace apptest {
namespace {

namespace fs = std::filesystem;

struct RunResult {
    int exitCode = -1;
    std::string output; // standard output and standard error together
};

// Runs tools/Tool with the given arguments in the working folder Folder (empty: this one);
// prefixPath goes in front of PATH.
RunResult RunTool(const std::string& Tool, const std::string& arguments, const std::string& Folder = "",
                  const std::string& prefixPath = "") {
    std::string command;
    if (!Folder.empty()) command += "cd '" + Folder + "' && ";
    if (!prefixPath.empty()) command += "PATH='" + prefixPath + "':\"$PATH\" ";
    command += "'" + std::string(VELMORA_SOURCE_DIR) + "/tools/" + Tool + "' " + arguments + " 2>&1";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
        result.output += buffer.data();
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

RunResult RunCreateDb(const std::string& arguments, const std::string& prefixPath = "") {
    return RunTool("createdb", arguments, "", prefixPath);
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(CreateDbScript, CreatesTheFolderAndADatabaseTheSqliteToolLists) {
    TempFolder folder;
    const std::string target = folder.Path() + "/data/dornek.s3db";
    const RunResult run = RunCreateDb("'" + target + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "createdb: created " + target + "\n");
    EXPECT_EQ(FilesIn(folder.Path() + "/data"), std::vector<std::string>{"dornek.s3db"});

    FILE* pipe = popen(("sqlite3 '" + target +
                        "' \"SELECT group_concat(name, ' ') FROM (SELECT"
                        " name FROM sqlite_master WHERE type='table' AND name NOT LIKE"
                        " 'sqlite%' ORDER BY name)\"")
                           .c_str(),
                       "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 1024> buffer{};
    std::string tables;
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
        tables += buffer.data();
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(tables, "ikt_be ikt_ki ikt_mod ikt_mt ikt_partner info jub letet letetiszamla "
                      "letetmozgas partner project ugy ugy_ugyfel_szerv ugy_ugyfel_tsz "
                      "ugyfel_szervezet ugyfel_termeszetes_szemely ugyitem\n");
}

TEST(CreateDbScript, MakesADatabaseTheProgramOpens) {
    TempFolder folder;
    ASSERT_EQ(RunCreateDb("'" + folder.Path() + "/data/dornek.s3db'").exitCode, 0);
    auto db = MakeConnection(folder.Path());
    db->SetConnected(true);
    EXPECT_TRUE(db->TableExists("ugy"));
    EXPECT_TRUE(db->TableExists("info"));
}

TEST(CreateDbScript, LeavesAnExistingFileAlone) {
    TempFolder folder;
    const fs::path target = fs::path(folder.Path()) / "dornek.s3db";
    std::ofstream(target) << "not a database";
    const RunResult run = RunCreateDb("'" + target.string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(Slurp(target), "not a database");
}

TEST(CreateDbScript, AFailingSchemaLeavesNoFileBehind) {
    TempFolder folder;
    const fs::path bin = fs::path(folder.Path()) / "bin";
    fs::create_directories(bin);
    // A stand-in for the sqlite3 tool that starts writing and then fails.
    std::ofstream(bin / "sqlite3") << "#!/bin/sh\ncat >/dev/null\necho partial > \"$2\"\n"
                                      "echo 'Parse error near line 9' >&2\nexit 1\n";
    fs::permissions(bin / "sqlite3", fs::perms::owner_all);
    const fs::path data = fs::path(folder.Path()) / "data";
    const std::string target = (data / "dornek.s3db").string();
    const RunResult run = RunCreateDb("'" + target + "'", bin.string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output,
              "Parse error near line 9\ncreatedb: the schema failed; " + target + " was not created\n");
    EXPECT_TRUE(FilesIn(data).empty());
}

TEST(CreateDbScript, NeedsExactlyOnePath) {
    const RunResult run = RunCreateDb("");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.output, "usage: tools/createdb <database file>\n");
    EXPECT_EQ(RunCreateDb("a b").exitCode, 2);
}

// Help is asked for, not a file named "--help"; an unknown option is refused; after "--" a
// name starting with "-" is a file like any other. Each runs in an empty working folder.
TEST(CreateDbScript, OptionsAreNotTakenForNames) {
    const std::string createdb = "usage: tools/createdb <database file>\n";
    const std::string makeoffice = "usage: tools/makeoffice <database file> [cases]\n";
    const struct {
        const char *Tool, *Arguments;
        int ExitCode;
        std::string Output;
        std::vector<std::string> Made; // what the working folder holds after
    } rows[] = {
        {"createdb", "--help", 0, createdb, {}},
        {"makeoffice", "--help", 0, makeoffice, {}},
        {"makeoffice", "-x.db 0", 2, "makeoffice: unknown option -x.db\n" + makeoffice, {}},
        {"makeoffice", "-- -x.db 0", 0, "", {"-x.db"}},
        {"createdb", "-- -d/x.db", 0, "createdb: created -d/x.db\n", {"-d"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.Tool) + " " + r.Arguments);
        TempFolder folder;
        const RunResult run = RunTool(r.Tool, r.Arguments, folder.Path());
        EXPECT_EQ(run.exitCode, r.ExitCode);
        EXPECT_EQ(run.output, r.Output);
        EXPECT_EQ(FilesIn(folder.Path()), r.Made);
    }
}

} // namespace
} // namespace apptest
