#pragma once
// Runs an action when the scope ends, by return or by exception, so that a
// temporary change is undone on every path. The action must not raise.
#include <utility>

namespace core {

template <typename F>
class ScopeExit {
public:
    explicit ScopeExit(F action) : FAction(std::move(action)) {}
    ~ScopeExit() { FAction(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F FAction;
};

} // namespace core
