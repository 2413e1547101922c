// startup_ms / startup_ratio: from creating the main window to its being visible, over
// an office database of 100,000 cases, against the sqlite3 tool opening the same file
// and running the case-list statement in the same run.
#include "app/cases/CaseStatements.h"
#include "app/main/TForm1.h"
#include "platform/ui/TApplication.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef VELMORA_SOURCE_DIR
#define VELMORA_SOURCE_DIR "."
#endif

namespace {

constexpr int CaseCount = 100'000;

// A working folder with data/dornek.s3db made by tools/createdb and filled with cases,
// made once per run and removed at exit.
class StartupFolder {
public:
    StartupFolder() {
        const std::string root = VELMORA_SOURCE_DIR;
        if (std::system(("'" + root + "/tools/createdb' '" + FFile + "' >/dev/null").c_str()) != 0)
            std::abort();
        // Year and number are given, so the numbering trigger stays out of the way.
        const std::string fill =
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" +
            std::to_string(CaseCount) +
            ") INSERT INTO ugy (ev, szam, nev, leiras, datum, status) SELECT 2000 + i % 20, i, "
            "'Ugy ' || i, 'Leiras ' || i, '2009-01-01', i % 3 <> 0 FROM n;";
        std::ofstream(FDir + "/fill.sql") << fill;
        if (std::system(("sqlite3 '" + FFile + "' < '" + FDir + "/fill.sql'").c_str()) != 0) std::abort();
        std::filesystem::current_path(FDir);
    }
    ~StartupFolder() {
        // Out of the folder before it goes.
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    }
    const std::string& File() const { return FFile; }

private:
    TempFolder FFolder{"velmora-startup"};
    const std::string FDir = FFolder.Path();
    const std::string FFile = FDir + "/data/dornek.s3db";
};

StartupFolder& Folder() {
    static StartupFolder folder;
    return folder;
}

void BM_Startup(benchmark::State& state) {
    Folder();
    Application->Initialize();
    for (auto _ : state) {
        Form1 = new TForm1(nullptr);
        Form1->AfterConstruction();
        Form1->Show();
        while (!Form1->Showing())
            Application->ProcessMessages();
        Application->ProcessMessages();
        state.PauseTiming();
        delete Form1;
        Application->ProcessMessages();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

void BM_StartupSqliteTool(benchmark::State& state) {
    const std::string command =
        "sqlite3 '" + Folder().File() + "' \"" + app::CaseListSql({}) + "\" > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("the sqlite3 tool failed");
    }
}
BENCHMARK(BM_StartupSqliteTool)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

} // namespace
