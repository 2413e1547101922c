#include "tests/platform/os/OsTestSupport.h"

#include "platform/os/Process.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

namespace {

// Runs a child to its end and answers its exit code.
Cardinal RunToEnd(TProcessHandle process) {
    EXPECT_EQ(WaitForSingleObject(process, INFINITE), WAIT_OBJECT_0);
    Cardinal code = 12345;
    EXPECT_TRUE(GetExitCodeProcess(process, code));
    EXPECT_TRUE(CloseHandle(process));
    return code;
}

TEST(ProcessStart, ExitCodeIsReported) {
    const TProcessHandle p = CreateProcess("/bin/sh", {"-c", "exit 7"}, "");
    ASSERT_NE(p, 0);
    EXPECT_EQ(RunToEnd(p), 7u);
}

TEST(ProcessStart, ArgumentsArriveVerbatimWithoutAShell) {
    ostest::TempFolder dir;
    const TProcessHandle p = CreateProcess(
        "sh", {"-c", "printf '%s|' \"$@\" > out.txt", "sh", "a b", "$HOME", ";", "\"q\"", ""}, dir.Path());
    ASSERT_NE(p, 0);
    EXPECT_EQ(RunToEnd(p), 0u);
    EXPECT_EQ(ReadFileBytes(dir / "out.txt"), "a b|$HOME|;|\"q\"||");
}

TEST(ProcessStart, WorkingDirectoryAcceptsBackslashes) {
    ostest::TempFolder dir;
    std::filesystem::create_directory(dir / "sub");
    const TProcessHandle p = CreateProcess("/bin/sh", {"-c", "pwd > here.txt"}, dir.Path() + "\\sub\\");
    ASSERT_NE(p, 0);
    RunToEnd(p);
    EXPECT_EQ(ReadFileBytes(dir / "sub/here.txt"), dir.Path() + "/sub\n");
}

TEST(ProcessStart, FailuresLeaveTheirErrorCode) {
    ostest::TempFolder dir;
    EXPECT_EQ(CreateProcess("no-such-program-velmora", {}, ""), 0);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(CreateProcess(dir / "missing", {}, ""), 0);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(CreateProcess("/bin/true", {}, dir / "missing"), 0);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    WriteFileBytes(dir / "plain.txt", "not a program");
    EXPECT_EQ(CreateProcess(dir / "plain.txt", {}, ""), 0);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    // Executable but neither a binary nor a script with "#!".
    WriteFileBytes(dir / "noshebang", "\x01\x02garbage", true);
    EXPECT_EQ(CreateProcess(dir / "noshebang", {}, ""), 0);
    EXPECT_EQ(GetLastError(), ERROR_BAD_FORMAT);
    EXPECT_EQ(CreateProcess("", {}, ""), 0);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(ProcessLife, RunningProcessCanBeWaitedForAndTerminated) {
    const TProcessHandle p = CreateProcess("sleep", {"10"}, "");
    ASSERT_NE(p, 0);
    Cardinal code = 0;
    ASSERT_TRUE(GetExitCodeProcess(p, code));
    EXPECT_EQ(code, STILL_ACTIVE);
    EXPECT_EQ(WaitForSingleObject(p, 30), WAIT_TIMEOUT);
    EXPECT_TRUE(TerminateProcess(p, 1));
    EXPECT_EQ(RunToEnd(p), 1u); // the code given to TerminateProcess
}

TEST(ProcessLife, SignalledProcessReportsTheSignal) {
    const TProcessHandle p = CreateProcess("/bin/sh", {"-c", "kill -KILL $$"}, "");
    ASSERT_NE(p, 0);
    EXPECT_EQ(RunToEnd(p), 128u + SIGKILL);
}

TEST(ProcessLife, EndedProcessIsNeverSignalled) {
    const TProcessHandle p = CreateProcess("/bin/true", {}, "");
    ASSERT_NE(p, 0);
    ASSERT_EQ(WaitForSingleObject(p, INFINITE), WAIT_OBJECT_0);
    EXPECT_FALSE(TerminateProcess(p, 1));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    Cardinal code = 99;
    EXPECT_TRUE(GetExitCodeProcess(p, code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(CloseHandle(p));
}

TEST(ProcessLife, UnknownAndClosedHandlesFail) {
    Cardinal code = 0;
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(TerminateProcess(0, 1));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(WaitForSingleObject(0, 0), WAIT_FAILED);
    EXPECT_FALSE(GetExitCodeProcess(0, code));
    const TProcessHandle p = CreateProcess("/bin/true", {}, "");
    ASSERT_NE(p, 0);
    EXPECT_TRUE(CloseHandle(p));
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(CloseHandle(p));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(WaitForSingleObject(p, INFINITE), WAIT_FAILED);
    EXPECT_EQ(ProcessId(p), 0);
}

TEST(ProcessLife, ClosedChildLeavesNoZombie) {
    const TProcessHandle p = CreateProcess("sleep", {"0.1"}, "");
    ASSERT_NE(p, 0);
    const pid_t pid = ProcessId(p);
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(CloseHandle(p)); // still running: reaped by a later call
    ::usleep(400 * 1000);
    Cardinal code = 0;
    GetExitCodeProcess(0, code); // any call collects finished children
    errno = 0;
    EXPECT_EQ(::kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST(ProcessLife, HandlesAreNotReused) {
    const TProcessHandle a = CreateProcess("/bin/true", {}, "");
    RunToEnd(a);
    const TProcessHandle b = CreateProcess("/bin/true", {}, "");
    EXPECT_NE(a, b);
    RunToEnd(b);
}

struct SplitCase {
    const char* Line;
    std::vector<String> Args;
};

class CommandLineSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineSplit, FollowsWindowsRules) {
    EXPECT_EQ(SplitCommandLine(GetParam().Line), GetParam().Args);
}

INSTANTIATE_TEST_SUITE_P(
    Process, CommandLineSplit,
    ::testing::Values(SplitCase{"", {}}, SplitCase{"  a   b\tc ", {"a", "b", "c"}},
                      SplitCase{"\"C:\\Program Files\\x\" /p", {"C:\\Program Files\\x", "/p"}},
                      SplitCase{"a\\\\b", {"a\\\\b"}},        // backslashes alone stay
                      SplitCase{"a\\\"b", {"a\"b"}},          // \" is a quote
                      SplitCase{"\"a\\\\\" b", {"a\\", "b"}}, // 2n backslashes + quote: n
                      SplitCase{"\"\"", {""}},                // empty quoted argument
                      SplitCase{"\"say \"\"hi\"\"\"", {"say \"hi\""}}, SplitCase{"ab\"c d\"e", {"abc de"}},
                      SplitCase{"\"open", {"open"}})); // unclosed quote runs to the end

} // namespace
