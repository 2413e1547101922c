#pragma once
// A stand-in for the desktop's document opener: put in a folder first on PATH,
// it writes its arguments and working folder to $STUB_LOG, then ends with
// $STUB_EXIT after sleeping $STUB_SLEEP seconds (both 0 when unset).
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

inline void WriteStubOpener(const std::string& folder) {
    // The log appears whole (renamed into place), so a reader never sees half of it.
    WriteFileBytes(folder + "/xdg-open",
                   "#!/bin/sh\n"
                   "sleep \"${STUB_SLEEP:-0}\"\n"
                   "printf '%s\\n' \"$@\" > \"$STUB_LOG.part\"\n"
                   "pwd >> \"$STUB_LOG.part\"\n"
                   "mv \"$STUB_LOG.part\" \"$STUB_LOG\"\n"
                   "exit \"${STUB_EXIT:-0}\"\n",
                   true);
}

// The stub opener in a folder of its own first on PATH, logging to Log, for as
// long as the object lives.
struct StubOpenerOnPath {
    StubOpenerOnPath() { WriteStubOpener(Bin.Path()); }
    TempFolder Bin{"velmora-bin"};
    std::string Log = Bin.File("opened.log");
    ScopedEnv Path{"PATH", Bin.Path() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin")};
    ScopedEnv StubLog{"STUB_LOG", Log};
};

// Waits for the opener, started without waiting, to write its log. The suite runs in
// parallel, so a loaded machine may take seconds to start a shell.
inline bool WaitForStubLog(const std::string& log) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!std::filesystem::exists(log)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
