#pragma once
// The message of the exception of type E that body raises, or "no error" when
// it raises none, so that a test compares messages in one expectation.
#include <string>
#include <utility>

template <class E, class F> std::string ErrorOf(F&& body) {
    try {
        std::forward<F>(body)();
    } catch (const E& e) {
        return e.Message();
    }
    return "no error";
}
