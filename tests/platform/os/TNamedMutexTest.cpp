#include "tests/platform/os/OsTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/os/Process.h"
#include "platform/os/TNamedMutex.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <thread>

namespace {

class NamedMutexTest : public ::testing::Test {
protected:
    ostest::TempFolder FRuntime;
    ostest::ScopedEnv FEnv{"XDG_RUNTIME_DIR", FRuntime.Path().c_str()};
};

TEST_F(NamedMutexTest, SecondHolderIsRefused) {
    TNamedMutex first("egyediazonosito");
    EXPECT_FALSE(first.AlreadyExists());
    EXPECT_EQ(first.Wait(0), TWaitResult::wrSignaled);
    EXPECT_TRUE(first.Owned());

    TNamedMutex second("egyediazonosito");
    EXPECT_TRUE(second.AlreadyExists());
    EXPECT_EQ(second.Wait(0), TWaitResult::wrTimeout);
    EXPECT_EQ(second.Wait(30), TWaitResult::wrTimeout);
    EXPECT_FALSE(second.Owned());
}

TEST_F(NamedMutexTest, OwnerWaitingAgainStaysOwner) {
    TNamedMutex m("x", true);
    EXPECT_TRUE(m.Owned());
    EXPECT_EQ(m.Wait(0), TWaitResult::wrSignaled);
}

TEST_F(NamedMutexTest, ReleaseAndDestructionFreeTheMutex) {
    auto first = std::make_unique<TNamedMutex>("m");
    ASSERT_EQ(first->Wait(0), TWaitResult::wrSignaled);
    TNamedMutex second("m");
    EXPECT_TRUE(first->Release());
    EXPECT_FALSE(first->Release());
    EXPECT_EQ(second.Wait(0), TWaitResult::wrSignaled);
    EXPECT_EQ(first->Wait(0), TWaitResult::wrTimeout);
    ASSERT_TRUE(second.Release());
    ASSERT_EQ(first->Wait(0), TWaitResult::wrSignaled);
    first.reset();
    EXPECT_EQ(second.Wait(0), TWaitResult::wrSignaled);
}

TEST_F(NamedMutexTest, ExistenceEndsWithTheLastObject) {
    {
        TNamedMutex a("e");
        TNamedMutex b("e");
        EXPECT_TRUE(b.AlreadyExists());
    }
    TNamedMutex c("e");
    EXPECT_FALSE(c.AlreadyExists());
}

TEST_F(NamedMutexTest, DifferentNamesAreIndependent) {
    TNamedMutex a("a/b", true);
    TNamedMutex b("a_b", true);
    TNamedMutex c("A/B", true);
    EXPECT_TRUE(a.Owned());
    EXPECT_TRUE(b.Owned());
    EXPECT_TRUE(c.Owned());
    EXPECT_FALSE(b.AlreadyExists());
}

// Decided on order, not on how long the wait took: the waiter is signalled only after the
// holder has let go, however late a loaded machine runs either thread.
TEST_F(NamedMutexTest, WaitReturnsWhenTheHolderReleases) {
    TNamedMutex holder("w", true);
    TNamedMutex waiter("w");
    std::atomic<bool> released = false;
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        released = true;
        holder.Release();
    });
    EXPECT_EQ(waiter.Wait(TNamedMutex::INFINITE_WAIT), TWaitResult::wrSignaled);
    EXPECT_TRUE(released);
    releaser.join();
}

TEST_F(NamedMutexTest, HeldByAnotherProcessUntilItEnds) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TNamedMutex m("egyediazonosito");
        const char ok = m.Wait(0) == TWaitResult::wrSignaled ? '1' : '0';
        [[maybe_unused]] auto n = ::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');
    {
        TNamedMutex m("egyediazonosito");
        EXPECT_TRUE(m.AlreadyExists());
        EXPECT_EQ(m.Wait(0), TWaitResult::wrTimeout);
    }
    // A killed holder releases it without any clean-up of its own.
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    TNamedMutex m("egyediazonosito");
    EXPECT_FALSE(m.AlreadyExists());
    EXPECT_EQ(m.Wait(0), TWaitResult::wrSignaled);
}

TEST_F(NamedMutexTest, StartedProgramsDoNotInheritTheLock) {
    auto holder = std::make_unique<TNamedMutex>("inherit", true);
    const TProcessHandle sleeper = CreateProcess("sleep", {"5"}, "");
    ASSERT_NE(sleeper, 0);
    holder.reset();
    TNamedMutex next("inherit");
    EXPECT_EQ(next.Wait(0), TWaitResult::wrSignaled);
    TerminateProcess(sleeper, 1);
    WaitForSingleObject(sleeper, INFINITE);
    CloseHandle(sleeper);
}

TEST_F(NamedMutexTest, LockFileLivesInTheRuntimeFolder) {
    EXPECT_EQ(TNamedMutex::LockFileName("egyediazonosito"),
              FRuntime.Path() + "/velmora-mutex-egyediazonosito.lock");
    EXPECT_EQ(TNamedMutex::LockFileName("a/b c"), FRuntime.Path() + "/velmora-mutex-a%2Fb%20c.lock");
    const String longName(400, 'x');
    const String file = TNamedMutex::LockFileName(longName);
    EXPECT_LT(file.size() - FRuntime.Path().size(), 220u);
    EXPECT_NE(file, TNamedMutex::LockFileName(String(399, 'x') + "y"));
}

TEST(NamedMutexFolder, FallsBackToTmpPerUser) {
    ostest::ScopedEnv env("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(TNamedMutex::LockFileName("m"), "/tmp/velmora-" + std::to_string(::getuid()) + "-mutex-m.lock");
    ostest::ScopedEnv relative("XDG_RUNTIME_DIR", "relative/dir");
    EXPECT_EQ(TNamedMutex::LockFileName("m").rfind("/tmp/", 0), 0u);
}

TEST_F(NamedMutexTest, UnusableLockFileRaises) {
    std::filesystem::create_directory(TNamedMutex::LockFileName("dir"));
    EXPECT_EQ(ErrorOf<EOSError>([&] { TNamedMutex m("dir"); }), "Cannot create mutex dir: Is a directory");
}

TEST_F(NamedMutexTest, SymbolicLinkIsNotFollowed) {
    const std::string target = FRuntime / "elsewhere";
    WriteFileBytes(target, "keep");
    std::filesystem::create_symlink(target, TNamedMutex::LockFileName("link"));
    EXPECT_EQ(ErrorOf<EOSError>([&] { TNamedMutex m("link"); }),
              "Cannot create mutex link: Too many levels of symbolic links");
    EXPECT_EQ(ReadFileBytes(target), "keep");
}

} // namespace
