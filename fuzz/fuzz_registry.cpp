// Fuzz target of the settings store: any bytes as a root key's file must load,
// answer the registry's questions and take a change without a crash, a
// sanitizer report or unbounded work. The file written after the change must
// keep every line of the input that was not understood, hold the change, and
// read back to itself: loading and saving it again writes the same bytes.
#include "platform/core/AtomicFile.h"
#include "platform/core/RegistryHive.h"
#include "platform/core/TRegistry.h"
#include "platform/core/TStringList.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string Folder() {
    static const std::string folder = [] {
        // On a memory file system the syncs of every save cost nothing.
        char pattern[] = "/dev/shm/velmora-fuzz-registry-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) std::abort();
        ::setenv("XDG_CONFIG_HOME", pattern, 1);
        std::filesystem::create_directories(std::string(pattern) + "/velmora/registry");
        return std::string(pattern);
    }();
    return folder;
}

std::string HiveFile() {
    return Folder() + "/velmora/registry/HKEY_CURRENT_USER.reg";
}

std::string Read() {
    auto bytes = core::ReadWholeFile(HiveFile());
    return bytes ? *bytes : std::string();
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Folder();
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (!core::WriteFileAtomically(HiveFile(), input)) Fail("cannot prepare the file");

    TRegistry reg;
    TStringList names;
    reg.GetKeyNames(&names);
    for (Integer i = 0; i < names.Count() && i < 8; ++i) {
        if (!reg.OpenKey("\\" + names.Strings(i), false)) continue;
        reg.GetValueNames(&names);
        for (Integer j = 0; j < names.Count() && j < 8; ++j) {
            (void)reg.GetDataType(names.Strings(j));
            (void)reg.GetDataSize(names.Strings(j));
        }
        break;
    }
    // Opening and reading write nothing.
    if (!reg.OpenKey("\\Fuzz\\Key", true)) Fail("a fresh key does not open");
    if (Read() != input) Fail("opening a key changed the file");

    reg.WriteString("érték", "x\r\ny");
    TRegistry again;
    if (!again.OpenKey("\\Fuzz\\Key", false) || again.ReadString("érték") != "x\r\ny")
        Fail("the change does not read back");
    // A saved file reads back to itself: saved again, it is the same.
    auto hive = core::RegistryHive::Load("HKEY_CURRENT_USER");
    if (!hive.Save()) Fail("cannot save");
    const std::string written = Read();
    auto reread = core::RegistryHive::Load("HKEY_CURRENT_USER");
    if (!reread.Save()) Fail("cannot save");
    if (Read() != written) Fail("the written file does not read back to itself");
    // No line of the input that was kept as it stood may be lost.
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        std::string line = input.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '[' || line.find('=') != std::string::npos) continue;
        if (written.find(line) == std::string::npos) Fail("a line that was not understood is gone");
    }
    return 0;
}
