#include "platform/os/TickCount.h"

#include <chrono>
#include <thread>

Int64 GetTickCount64() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Cardinal GetTickCount() {
    return static_cast<Cardinal>(GetTickCount64());
}

void Sleep(Cardinal milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
