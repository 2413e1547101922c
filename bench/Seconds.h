#pragma once
// The wall-clock time an action takes, for benchmarks that time two sides in one round.
#include <chrono>

namespace bench {

template <class F> double Seconds(F&& Action) {
    const auto start = std::chrono::steady_clock::now();
    Action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace bench
