#pragma once
// How a connection waits for a database another program holds locked. The engine
// asks again about every millisecond, a little earlier or later at random so that the
// tries do not fall into step with a writer that takes the lock again within
// milliseconds of each commit, until the time-out has passed. One deadline covers a
// whole statement, from its prepare to its last step, however many locks it meets.
#include "sqlite/SqliteApi.h"

#include <chrono>
#include <random>

namespace sqlite {

class BusyWait {
public:
    using Clock = std::chrono::steady_clock;

    // Waits on Handle for at most TimeOut milliseconds; 0 or less: no wait, the engine
    // reports a busy database at once.
    void Install(const EngineApi& Api, sqlite3* Handle, int TimeOut);

    // The deadline of one statement: the time-out from now. The outermost of nested
    // scopes sets it. Outside any scope each lock the engine meets gets its own.
    class Statement {
    public:
        explicit Statement(BusyWait& Wait);
        ~Statement() { --FWait.FScopes; }
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

    private:
        BusyWait& FWait;
    };

private:
    // The engine's busy handler: non-zero to try again.
    static int TryAgain(void* Wait, int Tries);

    int FTimeOut = 0;
    int FScopes = 0;
    Clock::time_point FDeadline;
    std::minstd_rand FJitter{static_cast<unsigned>(Clock::now().time_since_epoch().count())};
};

} // namespace sqlite
