#pragma once
// A stand-in for the desktop's document opener: put in a folder first on PATH,
// it writes its arguments and working folder to $STUB_LOG, then ends with
// $STUB_EXIT after sleeping $STUB_SLEEP seconds (both 0 when unset).
#include "tests/support/FileBytes.h"

#include <string>

inline void WriteStubOpener(const std::string& folder) {
    WriteFileBytes(folder + "/xdg-open",
                   "#!/bin/sh\n"
                   "sleep \"${STUB_SLEEP:-0}\"\n"
                   "printf '%s\\n' \"$@\" > \"$STUB_LOG\"\n"
                   "pwd >> \"$STUB_LOG\"\n"
                   "exit \"${STUB_EXIT:-0}\"\n",
                   true);
}
