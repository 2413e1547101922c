#pragma once
// The office the program-path benchmarks work on: data/dornek.s3db made by tools/makeoffice
// in a temporary folder, with 100,000 cases (seven in ten active) of accented names and
// descriptions in code page 1250, and 5,000 active deposits on 20 accounts and 50 projects.
// Made once per run, removed at exit; every benchmark that asks for it works in its folder,
// whatever other benchmarks left.
#include "platform/ui/DialogHook.h"
#include "tests/support/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
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
        const std::string make = "'" + std::string(VELMORA_SOURCE_DIR) + "/tools/makeoffice' '" + FFile +
                                 "' " + std::to_string(OfficeCases);
        if (std::system(make.c_str()) != 0) std::abort();
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
