#pragma once
// Helpers for the operating-system tests: a fresh temporary folder, files in it,
// and environment variables restored after the test.
#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ostest {

// The shared temporary folder, with dir / "name" for a path in it.
class TempFolder : public ::TempFolder {
public:
    TempFolder() : ::TempFolder("velmora-os") {}
    std::string operator/(const std::string& name) const { return File(name); }
};

inline void WriteFile(const std::string& path, const std::string& content, bool executable = false)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    { std::ofstream(path, std::ios::binary) << content; }
    if (executable)
        ::chmod(path.c_str(), 0755);
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Sets (or with nullptr removes) an environment variable until destroyed.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : FName(name)
    {
        const char* old = std::getenv(name);
        FHad = old != nullptr;
        if (FHad)
            FOld = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (FHad)
            ::setenv(FName.c_str(), FOld.c_str(), 1);
        else
            ::unsetenv(FName.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string FName;
    std::string FOld;
    bool FHad = false;
};

} // namespace ostest
