#pragma once
// A named mutex shared between processes of the same user, as the single-instance
// check and the application services use it. It lives in lock files in the user's
// runtime folder ($XDG_RUNTIME_DIR, else /tmp) held with flock, so the operating
// system releases it when the holding process ends, however it ends.
//
// Two files stand behind one name: a presence file that every open mutex holds a
// shared lock on (so AlreadyExists() can tell whether another process has the same
// mutex open), and an ownership file that Wait() locks exclusively.
#include "platform/core/Types.h"

#include <string_view>

enum class TWaitResult { wrSignaled, wrTimeout, wrError };

class TNamedMutex {
public:
    // Opens (creating when needed) the mutex of the given name. initialOwner takes
    // ownership at once when free. Never throws for a busy mutex; raises EOSError
    // ("Cannot create mutex <name>: <reason>") when the lock files cannot be opened.
    explicit TNamedMutex(std::string_view name, bool initialOwner = false);
    ~TNamedMutex();
    TNamedMutex(const TNamedMutex&) = delete;
    TNamedMutex& operator=(const TNamedMutex&) = delete;

    const String& Name() const { return FName; }
    // True when another mutex object of this name was open when this one was created.
    bool AlreadyExists() const { return FAlreadyExists; }
    // True while this object owns the mutex.
    bool Owned() const { return FOwned; }

    // Takes ownership, waiting up to timeoutMs milliseconds (0: just try;
    // INFINITE_WAIT: without limit). Owning it already answers wrSignaled.
    TWaitResult Wait(Cardinal timeoutMs);
    // Gives up ownership; false when this object did not own the mutex.
    bool Release();

    // The lock file behind a name (for diagnostics and tests).
    static String LockFileName(std::string_view name);

    static constexpr Cardinal INFINITE_WAIT = 0xFFFFFFFFu;

private:
    String FName;
    int FPresenceFd = -1;
    int FOwnerFd = -1;
    bool FAlreadyExists = false;
    bool FOwned = false;
};
