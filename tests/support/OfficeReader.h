#pragma once
// Opening a written file in the office suite (LibreOffice, headless) and saving it
// in another format, so that a test can judge what an independent reader makes of
// it. Header-only.
#include "tests/support/FileBytes.h"
#include "tests/support/PythonTools.h"

#include <filesystem>
#include <string>

struct OfficeConversion {
    std::string File;    // the converted file; empty when none came out
    std::string Log;     // what the program said
    std::string Missing; // why no reader could judge the file; empty when one did
};

// Source saved as Filter ("pdf", "ods", "csv:Text - txt - csv (StarCalc):44,34,76")
// beside it, under its own name with the filter's extension. Each conversion has a
// profile of its own beside Source, so tests running side by side never share one,
// and the program is stopped after 90 seconds. When nothing comes out, a plain
// document of the same kind goes through too: when that fails as well the program
// converts nothing on this machine, and Missing says so; else the file is at fault.
inline OfficeConversion ConvertWithOffice(const std::string& Source, const std::string& Filter) {
    namespace fs = std::filesystem;
    OfficeConversion result;
    if (!OnPath("soffice")) {
        result.Missing = "LibreOffice (soffice) is not installed";
        return result;
    }
    const fs::path source(Source);
    const std::string folder = source.parent_path().string();
    const auto convert = [&](const fs::path& File, const fs::path& Into) {
        const fs::path out = Into / File.stem().concat("." + Filter.substr(0, Filter.find(':')));
        // timeout signals the program's whole process group, which it leads.
        const std::string log = CommandOutput(
            "cd " + ShellQuoted(folder) + " && timeout -k 10 90 soffice --headless --norestore " +
            ShellQuoted("-env:UserInstallation=file://" + folder + "/office-profile") + " --convert-to " +
            ShellQuoted(Filter) + " --outdir " + ShellQuoted(Into.string()) + " " +
            ShellQuoted(File.string()));
        return OfficeConversion{fs::exists(out) ? out.string() : std::string(), log, {}};
    };
    result = convert(source, folder);
    if (result.File.empty()) {
        const bool text = source.extension() == ".rtf";
        const fs::path probe = fs::path(folder) / "office-probe" / (text ? "proba.rtf" : "proba.csv");
        WriteFileBytes(probe.string(), text ? "{\\rtf1\\ansi Proba\\par}" : "Proba\n");
        const OfficeConversion plain = convert(probe, probe.parent_path() / "out");
        if (plain.File.empty())
            result.Missing = "LibreOffice (soffice) is installed but converts no document: " + plain.Log;
    }
    return result;
}
