// Restore-on-exit guards: ScopeExit on every path, ScopeFail on exceptions only.
#include "platform/core/ScopeExit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(ScopeExit, RunsOnReturnAndOnException) {
    int runs = 0;
    {
        const core::ScopeExit guard([&] { ++runs; });
    }
    EXPECT_EQ(runs, 1);
    try {
        const core::ScopeExit guard([&] { ++runs; });
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, 2);
}

TEST(ScopeFail, RunsOnlyWhenAnExceptionLeavesTheScope) {
    int runs = 0;
    {
        const core::ScopeFail guard([&] { ++runs; });
    }
    EXPECT_EQ(runs, 0);
    try {
        const core::ScopeFail guard([&] { ++runs; });
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, 1);
}

TEST(ScopeFail, AGuardMadeWhileUnwindingRunsOnlyForItsOwnException) {
    // A destructor that runs during unwinding may use a guard of its own; only
    // a new exception inside it counts as a failure of its scope.
    int runs = 0;
    struct Cleanup {
        int& Runs;
        ~Cleanup() {
            const core::ScopeFail guard([&] { ++Runs; });
        }
    };
    try {
        Cleanup cleanup{runs};
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(runs, 0);
}

TEST(ScopeExit, AnActionThatRaisesOnANormalExitPassesItOn) {
    EXPECT_THROW({ const core::ScopeExit guard([] { throw std::logic_error("restore"); }); },
                 std::logic_error);
}

TEST(ScopeExit, AnActionThatRaisesWhileUnwindingLeavesTheFirstError) {
    std::string caught;
    try {
        const core::ScopeExit guard([] { throw std::logic_error("restore"); });
        throw std::runtime_error("first");
    } catch (const std::exception& e) {
        caught = e.what();
    }
    EXPECT_EQ(caught, "first");
    try {
        const core::ScopeFail guard([] { throw std::logic_error("undo"); });
        throw std::runtime_error("first");
    } catch (const std::exception& e) {
        caught = e.what();
    }
    EXPECT_EQ(caught, "first");
}
