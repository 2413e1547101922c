#pragma once
// Restore-on-exit guards, so that a temporary change is undone on every path.
//   ScopeExit: runs its action when the scope ends, by return or by exception
//              (a flag set for the length of a call, an update count, a swap).
//   ScopeFail: runs its action only when the scope is left by an exception
//              (undo a half-done change before the error travels on).
// An action that raises on a normal exit passes its exception on; one that
// raises while an exception is already leaving the scope is dropped, so the
// first error is the one reported.
#include <exception>
#include <utility>

namespace core {

template <typename F> class ScopeExit {
public:
    explicit ScopeExit(F action) : FAction(std::move(action)), FUncaught(std::uncaught_exceptions()) {}
    ~ScopeExit() noexcept(false) {
        if (std::uncaught_exceptions() == FUncaught) {
            FAction();
            return;
        }
        try {
            FAction();
        } catch (...) {
        }
    }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F FAction;
    int FUncaught;
};

template <typename F> class ScopeFail {
public:
    explicit ScopeFail(F action) : FAction(std::move(action)), FUncaught(std::uncaught_exceptions()) {}
    ~ScopeFail() {
        if (std::uncaught_exceptions() == FUncaught) return;
        try {
            FAction();
        } catch (...) {
        }
    }
    ScopeFail(const ScopeFail&) = delete;
    ScopeFail& operator=(const ScopeFail&) = delete;

private:
    F FAction;
    int FUncaught;
};

} // namespace core
