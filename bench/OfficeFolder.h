#pragma once
// The office the program-path benchmarks work on: data/dornek.s3db made by tools/createdb
// in a temporary folder, with 100,000 cases (two in three active) and 5,000 active
// deposits on 20 accounts and 50 projects. Made once per run, removed at exit; every
// benchmark that asks for it works in its folder, whatever other benchmarks left.
#include "platform/ui/DialogHook.h"
#include "tests/support/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef VELMORA_SOURCE_DIR
#define VELMORA_SOURCE_DIR "."
#endif

namespace bench {

constexpr int OfficeCases = 100'000;
constexpr int OfficeDeposits = 5'000;

class OfficeFolder {
public:
    OfficeFolder() {
        const std::string root = VELMORA_SOURCE_DIR;
        if (std::system(("'" + root + "/tools/createdb' '" + FFile + "' >/dev/null").c_str()) != 0)
            std::abort();
        // Year and number are given, so the numbering trigger stays out of the way.
        const std::string rows = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<";
        std::ofstream(FDir + "/fill.sql")
            << rows << OfficeCases
            << ") INSERT INTO ugy (ev, szam, nev, leiras, datum, status) SELECT 2000 + i % 20, i, "
               "'Ugy ' || i, 'Leiras ' || i, '2009-01-01', i % 3 <> 0 FROM n;\n"
            << rows << 20 << ") INSERT INTO letetiszamla (nev, szamlaszam) SELECT 'Szamla ' || i, "
            << "'11700000-' || i FROM n;\n"
            << rows << 50 << ") INSERT INTO project (nev) SELECT 'Projekt ' || i FROM n;\n"
            << rows << OfficeDeposits
            << ") INSERT INTO letet (letetiszamla, project, letevo, kedvezmenyezett, status, betet, "
               "megjegyzes, egyenleg) SELECT 1 + i % 20, 1 + i % 50, 'Letevo ' || i, 'Kedvezmenyezett ' || "
               "i, "
               "1, date('2009-01-01', '+' || (i % 3000) || ' days'), 'Megjegyzes ' || i, i * 1000 FROM n;\n";
        if (std::system(("sqlite3 '" + FFile + "' < '" + FDir + "/fill.sql'").c_str()) != 0) std::abort();
        // Nobody answers a message box in a benchmark run: one that comes up ends the run
        // with its text rather than leaving it waiting.
        ui::SetDialogHook([](const ui::DialogRequest& r) -> ui::DialogAnswer {
            std::fprintf(stderr, "bench: a message box came up: %s: %s\n", r.Caption.c_str(), r.Text.c_str());
            std::abort();
        });
    }
    ~OfficeFolder() {
        // Out of the folder before it goes.
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    }
    const std::string& File() const { return FFile; }
    const std::string& Dir() const { return FDir; }

private:
    TempFolder FFolder{"velmora-office"};
    const std::string FDir = FFolder.Path();
    const std::string FFile = FDir + "/data/dornek.s3db";
};

inline OfficeFolder& Office() {
    static OfficeFolder office;
    std::filesystem::current_path(office.Dir());
    return office;
}

} // namespace bench
