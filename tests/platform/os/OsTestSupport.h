#pragma once
// Helpers for the operating-system tests: a fresh temporary folder, files in it,
// and environment variables restored after the test.
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace ostest {

// The shared temporary folder, with dir / "name" for a path in it.
class TempFolder : public ::TempFolder {
public:
    TempFolder() : ::TempFolder("velmora-os") {}
    std::string operator/(const std::string& name) const { return File(name); }
};

using ::ScopedEnv;

} // namespace ostest
