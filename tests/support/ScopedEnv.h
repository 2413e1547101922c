#pragma once
// Sets (or with nullptr removes) an environment variable until destroyed, so
// that a test's setting never leaks into the tests after it.
#include <cstdlib>
#include <ctime>
#include <string>

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : FName(name) {
        if (const char* old = std::getenv(name)) {
            FHad = true;
            FOld = old;
        }
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
    ~ScopedEnv() {
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

// The process runs in time zone Zone (a TZ value) until destroyed; the C library's local
// time, which the program's clock and the database's 'localtime' read, follows it at once.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* Zone) : FZone("TZ", Zone) { ::tzset(); }

private:
    // Destroyed last, once TZ is back as it was.
    struct Apply {
        ~Apply() { ::tzset(); }
    } FApply;
    ScopedEnv FZone;
};
