#include "sqlite/BusyWait.h"

#include <algorithm>
#include <thread>

namespace sqlite {

void BusyWait::Install(const EngineApi& Api, sqlite3* Handle, int TimeOut) {
    FTimeOut = TimeOut;
    if (TimeOut > 0)
        Api.busy_handler(Handle, &BusyWait::TryAgain, this);
    else
        Api.busy_handler(Handle, nullptr, nullptr);
}

BusyWait::Statement::Statement(BusyWait& Wait) : FWait(Wait) {
    if (FWait.FScopes++ == 0) FWait.FDeadline = Clock::now() + std::chrono::milliseconds(FWait.FTimeOut);
}

int BusyWait::TryAgain(void* Wait, int Tries) {
    auto& wait = *static_cast<BusyWait*>(Wait);
    const auto now = Clock::now();
    if (wait.FScopes == 0 && Tries == 0) wait.FDeadline = now + std::chrono::milliseconds(wait.FTimeOut);
    if (now >= wait.FDeadline) return 0;
    const std::chrono::microseconds pause(500 + wait.FJitter() % 1000);
    std::this_thread::sleep_for(std::min<Clock::duration>(pause, wait.FDeadline - now));
    return 1;
}

} // namespace sqlite
