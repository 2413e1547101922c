#include "controls/services/TUtlApplication.h"
#include "controls/services/TUtlStarter.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ShellApi.h"

#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/StubOpener.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The services object for the test's life, and a stub xdg-open first on PATH that
// writes its arguments and working folder to a log, then exits with $STUB_EXIT.
class UtlStarterTest : public ::testing::Test {
protected:
    void SetUp() override {
        UtlInitialization();
        WriteStubOpener(bin.Path());
        WriteFileBytes(docs.File("szerződés.doc"), "doc");
        SetShellOpenWaitMs(3000);
    }
    void TearDown() override {
        SetShellOpenWaitMs(1000);
        UtlFinalization();
    }
    std::string Received() { return ReadFileBytes(logFile); }
    Integer PoolCount() { return UtlApplication->TimerPool()->GetCount(); }

    TempFolder bin;
    TempFolder docs;
    std::string logFile = bin.File("log.txt");
    ScopedEnv path{"PATH", bin.Path() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin")};
    ScopedEnv stubLog{"STUB_LOG", logFile};
    ScopedEnv stubExit{"STUB_EXIT", "0"};
};

} // namespace

TEST_F(UtlStarterTest, ConstructionRegistersADisabledSecondTimer) {
    TUtlStarter starter(nullptr);
    TUtlTimerItem* item = UtlApplication->GetTimer(starter.StartTimerIdent());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Interval(), 1000);
    EXPECT_FALSE(item->Enabled());
    EXPECT_EQ(starter.StartOperation(), smOpen);
    EXPECT_EQ(starter.StartOption(), soSW_SHOW);
    EXPECT_EQ(starter.StartTime()->Year(), 1990);
}

TEST_F(UtlStarterTest, DestructionRemovesItsTimers) {
    {
        TUtlStarter a(nullptr);
        TUtlStarter b(nullptr);
        EXPECT_EQ(PoolCount(), 2);
    }
    EXPECT_EQ(PoolCount(), 0);
    EXPECT_FALSE(UtlApplication->TimerPool()->Active());
}

TEST_F(UtlStarterTest, DocumentOpensWithTheDefaults) {
    TUtlStarter starter(nullptr);
    int after = 0;
    starter.OnAfterStart = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &starter);
        ++after;
    };
    starter.SetString(0, docs.File("szerződés.doc"));
    starter.Execute();
    EXPECT_EQ(Received(),
              docs.File("szerződés.doc") + "\n" + std::filesystem::current_path().string() + "\n");
    EXPECT_EQ(starter.LastError(), 0);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(PoolCount(), 1); // no watch without OnFinished
}

TEST_F(UtlStarterTest, StoredWindowsPathIsAccepted) {
    std::filesystem::create_directory(docs.File("data"));
    WriteFileBytes(docs.File("data/valasz.pdf"), "pdf");
    TUtlStarter starter(nullptr);
    starter.SetCommand(".\\data\\valasz.pdf");
    starter.SetDefaultDir(docs.Path());
    starter.Execute();
    EXPECT_EQ(Received(), docs.File("data/valasz.pdf") + "\n" + docs.Path() + "\n");
}

TEST_F(UtlStarterTest, SetStringIndexes) {
    TUtlStarter starter(nullptr);
    starter.SetString(1, "-x");
    starter.SetString(2, "/tmp");
    starter.SetString(3, "ignored");
    EXPECT_EQ(starter.Parameters(), "-x");
    EXPECT_EQ(starter.DefaultDir(), "/tmp");
    EXPECT_EQ(starter.GetString(3), "");
    EXPECT_EQ(starter.Command(), "");
}

TEST_F(UtlStarterTest, VerbsAndShowCommands) {
    EXPECT_EQ(TUtlStarter::Verb(smOpen), "open");
    EXPECT_EQ(TUtlStarter::Verb(smProperties), "properties");
    EXPECT_EQ(TUtlStarter::ShowCommand(soSW_HIDE), 0);
    EXPECT_EQ(TUtlStarter::ShowCommand(soSW_SHOW), 5);
    EXPECT_EQ(TUtlStarter::ShowCommand(soSW_SHOWMINIMIZED), 2);
    EXPECT_EQ(TUtlStarter::ShowCommand(soSW_SHOWNORMAL), 1);
}

TEST_F(UtlStarterTest, ShellFailuresAreReportedByCodeAndEvent) {
    struct Row {
        std::string command;
        TUtlStarterOperation operation;
        const char* stubExit;
        Integer code;
    };
    const std::vector<Row> rows = {
        {docs.File("nincs.doc"), smOpen, "0", SE_ERR_FNF},               // missing file
        {docs.File("nincs/a.doc"), smOpen, "0", SE_ERR_PNF},             // missing folder
        {docs.File("szerződés.doc"), smOpen, "3", SE_ERR_NOASSOC},       // opener knows no program
        {docs.File("szerződés.doc"), smProperties, "0", SE_ERR_NOASSOC}, // verb without counterpart
        {docs.File("szerződés.doc"), smEdit, "0", SE_ERR_NOASSOC},
    };
    for (const Row& row : rows) {
        ScopedEnv exitCode("STUB_EXIT", row.stubExit);
        TUtlStarter starter(nullptr);
        std::vector<TObject*> errors;
        int after = 0;
        starter.OnError = [&](TObject* Sender) { errors.push_back(Sender); };
        starter.OnAfterStart = [&](TObject*) { ++after; };
        starter.SetStartOperation(row.operation);
        starter.SetCommand(row.command);
        EXPECT_NO_THROW(starter.Execute());
        EXPECT_EQ(starter.GetLastError(), row.code) << row.command;
        EXPECT_EQ(errors, std::vector<TObject*>{nullptr}) << row.command;
        EXPECT_EQ(after, 1);
    }
}

TEST_F(UtlStarterTest, UnlistedShellCodeIsStillAFailure) {
    // A program file the system cannot run answers 11, outside the shell's usual codes.
    WriteFileBytes(docs.File("rossz"),
                   "\x7f"
                   "ELF garbage",
                   true);
    TUtlStarter starter(nullptr);
    int errors = 0;
    starter.OnError = [&](TObject*) { ++errors; };
    starter.SetCommand(docs.File("rossz"));
    starter.Execute();
    EXPECT_EQ(starter.LastError(), 11);
    EXPECT_EQ(errors, 1);
}

TEST_F(UtlStarterTest, ExploreOpensTheFolderOfTheCommand) {
    TUtlStarter starter(nullptr);
    starter.SetStartOperation(smExplore);
    starter.SetCommand(docs.File("szerződés.doc"));
    starter.SetParameters("ignored");
    starter.Execute();
    EXPECT_EQ(starter.LastError(), 0);
    EXPECT_EQ(Received(), docs.Path() + "/\n" + std::filesystem::current_path().string() + "\n");
}

TEST_F(UtlStarterTest, ProgramStartsWithParametersInItsFolder) {
    const std::string out = docs.File("out.txt");
    WriteFileBytes(docs.File("prog.sh"), "#!/bin/sh\nprintf '%s|' \"$@\" > out.txt\npwd >> out.txt\n", true);
    TUtlStarter starter(nullptr);
    starter.SetCommand(docs.File("prog.sh"));
    starter.SetParameters("egy \"két szó\"");
    starter.SetDefaultDir(docs.Path());
    starter.SetWait(true);
    starter.Execute();
    EXPECT_EQ(ReadFileBytes(out), "egy|két szó|" + docs.Path() + "\n");
    EXPECT_NE(starter.ProcessHandle(), 0);
}

TEST_F(UtlStarterTest, WatchReportsTheEndAndReleasesTheProcess) {
    WriteFileBytes(docs.File("prog.sh"), "#!/bin/sh\nexit 0\n", true);
    TUtlStarter starter(nullptr);
    int finished = 0;
    starter.OnFinished = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &starter);
        ++finished;
    };
    starter.SetCommand(docs.File("prog.sh"));
    starter.SetWait(true);
    starter.Execute();
    const TProcessHandle process = starter.ProcessHandle();
    ASSERT_NE(process, 0);
    const Integer pid = ProcessId(process);
    TUtlTimerItem* poll = UtlApplication->GetTimer(starter.PollTimerIdent());
    ASSERT_NE(poll, nullptr);
    EXPECT_EQ(poll->Interval(), 500);
    EXPECT_TRUE(poll->Enabled());
    for (int i = 0; i < 10 && finished == 0; ++i)
        UtlApplication->TimerPool()->HandleTimers();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(starter.ProcessHandle(), 0);
    EXPECT_EQ(starter.PollTimerIdent(), 0);
    EXPECT_EQ(PoolCount(), 1);
    Cardinal code = 0;
    EXPECT_FALSE(GetExitCodeProcess(process, code));
    // Reaped: no zombie entry is left behind.
    EXPECT_FALSE(std::filesystem::exists("/proc/" + std::to_string(pid)));
}

TEST_F(UtlStarterTest, SecondExecuteReplacesTheRunningWatch) {
    TUtlStarter starter(nullptr);
    int finished = 0;
    starter.OnFinished = [&](TObject*) { ++finished; };
    starter.SetCommand(docs.File("szerződés.doc"));
    starter.Execute();
    const Word first = starter.PollTimerIdent();
    ASSERT_NE(first, 0);
    starter.Execute();
    EXPECT_EQ(PoolCount(), 2); // the start timer and one watch
    EXPECT_NE(starter.PollTimerIdent(), 0);
    starter.CheckForProcessEnd(nullptr); // no process handle: ends at once
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(PoolCount(), 1);
}

TEST_F(UtlStarterTest, DestroyingAStarterReapsItsProcess) {
    WriteFileBytes(docs.File("prog.sh"), "#!/bin/sh\nexit 0\n", true);
    Integer pid = 0;
    {
        TUtlStarter starter(nullptr);
        starter.SetCommand(docs.File("prog.sh"));
        starter.SetWait(true);
        starter.Execute();
        pid = ProcessId(starter.ProcessHandle());
        ASSERT_NE(pid, 0);
    }
    EXPECT_FALSE(std::filesystem::exists("/proc/" + std::to_string(pid)));
}

TEST_F(UtlStarterTest, TerminateWithoutAProcessStoresTheSystemCode) {
    TUtlStarter starter(nullptr);
    starter.TerminateProcess();
    EXPECT_EQ(starter.LastError(), Integer(ERROR_INVALID_HANDLE));
}

TEST_F(UtlStarterTest, AutoStartRunsAtTheSecondOfStartTime) {
    TUtlStarter starter(nullptr);
    int before = 0;
    starter.OnBeforeStart = [&](TObject*) { ++before; };
    starter.SetCommand(docs.File("szerződés.doc"));
    starter.SetAutoStart(true);
    EXPECT_TRUE(UtlApplication->GetTimer(starter.StartTimerIdent())->Enabled());
    starter.StartTime()->SetDateTime(Now() + 1.0); // tomorrow: no match
    starter.GetTimer(nullptr);
    EXPECT_EQ(before, 0);
    TUtlDateTime now;
    now.SetDateTime(Now());
    starter.SetStart(&now);
    starter.GetTimer(nullptr); // same second (a rare boundary may make it the next)
    starter.StartTime()->SetDateTime(Now());
    starter.GetTimer(nullptr);
    EXPECT_GE(before, 1);
    starter.SetDesigning(true);
    const int runs = before;
    starter.GetTimer(nullptr);
    EXPECT_EQ(before, runs);
    starter.SetAutoStart(false);
    EXPECT_FALSE(UtlApplication->GetTimer(starter.StartTimerIdent())->Enabled());
}
