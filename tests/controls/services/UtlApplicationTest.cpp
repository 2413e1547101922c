#include "controls/services/TUtlApplication.h"

#include "tests/support/DialogRecorder.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include "platform/core/FileUtils.h"
#include "platform/core/ScopeExit.h"
#include "platform/os/SessionControl.h"
#include "platform/ui/TApplication.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A services object whose log goes to a fresh folder.
class UtlApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.SetLogPrefix(ppFixed);
        app.SetLogName(log);
    }
    TempFolder folder;
    std::string log = folder.File("iroda.log");
    TUtlApplication app{nullptr};
};

} // namespace

TEST_F(UtlApplicationTest, TimerIdentifiersTakeTheLowestFreeSlot) {
    EXPECT_EQ(app.TimerPool()->MinInterval(), 50);
    const Word a = app.AddTimer(1000, nullptr);
    const Word b = app.AddTimer(500, nullptr);
    EXPECT_EQ(a, 64769);
    EXPECT_EQ(b, 64770);
    app.RemoveTimer(a);
    EXPECT_EQ(app.GetTimer(a), nullptr);
    EXPECT_EQ(app.AddTimer(100, nullptr), 64769);
    app.RemoveTimer(5); // not an application identifier
    EXPECT_EQ(app.TimerPool()->GetCount(), 2);
}

TEST_F(UtlApplicationTest, FailedAddLeavesNoSlotTaken) {
    EXPECT_THROW(app.AddTimer(75, nullptr), Exception);
    EXPECT_EQ(app.GetTimerIdent(), 1);
    EXPECT_EQ(app.TimerPool()->GetCount(), 0);
}

TEST_F(UtlApplicationTest, AllIdentifiersInUseGiveZero) {
    for (int i = 0; i < 250; ++i)
        ASSERT_NE(app.AddTimerExt(50, -1, false, nullptr), 0);
    EXPECT_EQ(app.GetTimerIdent(), 0);
    EXPECT_EQ(app.AddTimer(50, nullptr), 0);
    EXPECT_EQ(app.TimerPool()->GetCount(), 250);
}

TEST_F(UtlApplicationTest, LogStartsWithTheHeaderAndNumbersEntries) {
    { std::ofstream(log) << "old run\n"; }
    app.LogWrite("első");
    app.LogWrite("second");
    app.LogWrite("third");
    const std::vector<std::string> lines = Lines(ReadFileBytes(log));
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1].rfind("LogFile started: ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("Application    : ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("Path/ExeName   : ", 0), 0u);
    EXPECT_EQ(lines[4], std::string(80, '*'));
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Entries:");
    EXPECT_EQ(lines[7], "00001: első");
    EXPECT_EQ(lines[8], "00002: second");
    EXPECT_EQ(lines[9], "00003: third");
    EXPECT_EQ(ReadFileBytes(log).find("old run"), std::string::npos);
    app.LogWrite("fourth"); // same run: appended
    EXPECT_EQ(Lines(ReadFileBytes(log)).back(), "00004: fourth");
    EXPECT_EQ(Lines(ReadFileBytes(log)).size(), 11u);
}

TEST_F(UtlApplicationTest, LogSpecialEntries) {
    app.Options = TUtlApplicationOptions{aoLogNr};
    app.LogWrite("#Line");
    app.LogWrite("#CR");
    app.LogWrite("x");
    EXPECT_EQ(ReadFileBytes(log), std::string(80, '*') + "\n\n00001: x\n");
}

TEST_F(UtlApplicationTest, LogVersionAndHeaderHook) {
    app.Version = "2.0.1";
    app.OnHeaderWrite = [](TObject*, std::ostream& out) { out << "Iroda: Budapest\n"; };
    app.LogWrite("x");
    const std::string text = ReadFileBytes(log);
    EXPECT_NE(text.find("Version        : 2.0.1\nIroda: Budapest\n****"), std::string::npos);
}

TEST_F(UtlApplicationTest, OversizedLogIsBackedUp) {
    { std::ofstream(log) << std::string(300, 'x') << "\n"; }
    { std::ofstream(folder.File("iroda.l0")) << "older\n"; }
    app.Options = TUtlApplicationOptions{aoLogNr};
    app.MaxLogSize = 200;
    app.LogAction = laBackupLog;
    String asked;
    app.OnMaxLogSize = [&](TObject*, const String& name, bool& cancel) { asked = name; };
    app.LogWrite("new");
    EXPECT_EQ(asked, log);
    EXPECT_EQ(ReadFileBytes(folder.File("iroda.l1")), std::string(300, 'x') + "\n");
    EXPECT_EQ(ReadFileBytes(folder.File("iroda.l0")), "older\n");
    EXPECT_NE(ReadFileBytes(log).find("Entries:\n00001: new\n"), std::string::npos); // header after a rewrite
}

// The backup takes the first ".lN" name that nothing has; a log that cannot be moved keeps
// its entries, and the new ones follow them. Each row runs with the default options.
TEST_F(UtlApplicationTest, OversizedLogIsNeverLost) {
    const std::string old = std::string(300, 'x') + "\n", entry = "Entries:\n00001: new\n";
    const struct {
        std::string log;
        void (*take)(const std::string& name); // what already holds the ".l0" name
        std::string backup;                    // where the old entries go; "" = they stay
    } rows[] = {
        {"iroda.log", [](const std::string& n) { std::filesystem::create_directory(n); }, "iroda.l1"},
        {"iroda.log", [](const std::string& n) { std::filesystem::create_symlink("nowhere", n); },
         "iroda.l1"},
        // A backup name one byte too long for the file system: the move fails.
        {std::string(253, 'n') + ".y", [](const std::string&) {}, ""},
    };
    for (const auto& r : rows) {
        TempFolder dir;
        const std::string path = dir.File(r.log);
        { std::ofstream(path) << old; }
        r.take(ChangeFileExt(path, ".l0"));
        TUtlApplication fresh(nullptr, "velmora-log-test");
        fresh.SetLogPrefix(ppFixed);
        fresh.SetLogName(path);
        fresh.MaxLogSize = 200;
        fresh.LogAction = laBackupLog;
        fresh.LogWrite("new");
        const std::string text = ReadFileBytes(path);
        EXPECT_EQ(text.substr(text.size() - entry.size()), entry) << r.log;
        EXPECT_EQ(r.backup.empty() ? text.substr(0, old.size()) : ReadFileBytes(dir.File(r.backup)), old);
    }
}

TEST_F(UtlApplicationTest, CancelledOversizedLogWritesNothing) {
    { std::ofstream(log) << std::string(300, 'x'); }
    app.MaxLogSize = 200;
    app.OnMaxLogSize = [](TObject*, const String&, bool& cancel) { cancel = true; };
    app.LogWrite("new");
    EXPECT_EQ(ReadFileBytes(log), std::string(300, 'x'));
}

TEST_F(UtlApplicationTest, UnopenableLogDropsTheEntry) {
    app.SetLogName(folder.File("missing/sub/iroda.log"));
    EXPECT_NO_THROW(app.LogWrite("x"));
    EXPECT_FALSE(FileExists(folder.File("missing/sub/iroda.log")));
}

TEST_F(UtlApplicationTest, LogNameRules) {
    app.SetLogName(folder.File("naplo"));
    EXPECT_EQ(app.LogName(), folder.File("naplo.LOG"));
    app.SetLogPrefix(ppProgram);
    EXPECT_EQ(app.LogName(), UtlAppPath() + "naplo.LOG");
    app.SetLogName("");
    EXPECT_EQ(ExtractFileExt(app.LogName()), ".LOG");
}

TEST_F(UtlApplicationTest, LogExceptionNamesTheSender) {
    app.Options = TUtlApplicationOptions{aoLogNr};
    TComponent sender(nullptr);
    sender.SetName("Starter1");
    app.LogException(&sender); // outside a handler: nothing
    try {
        throw Exception("Hiba");
    } catch (...) {
        app.LogException(&sender);
    }
    const std::string text = ReadFileBytes(log);
    EXPECT_EQ(text.rfind("00001: TComponent (Name: Starter1): Hiba, Address: ", 0), 0u) << text;
}

TEST_F(UtlApplicationTest, HandleExceptionCanBeCancelled) {
    DialogRecorder dialogs;
    app.Options = TUtlApplicationOptions{aoLogNr, aoLogException};
    int asked = 0;
    app.OnException = [&](TObject*, const Exception& e, bool& cancel) {
        ++asked;
        cancel = e.Message() == "skip";
    };
    try {
        throw Exception("skip");
    } catch (const Exception& e) {
        app.HandleException(nullptr, e);
    }
    EXPECT_FALSE(FileExists(log));
    try {
        throw Exception("log me");
    } catch (const Exception& e) {
        app.HandleException(nullptr, e);
    }
    EXPECT_EQ(asked, 2);
    EXPECT_NE(ReadFileBytes(log).find("log me"), std::string::npos);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"log me."});
}

TEST_F(UtlApplicationTest, BrushBitmapIsACheckerboardCachedPerColour) {
    TBitmap* b = app.GetBrushBitmap(clRed);
    EXPECT_EQ(b->Width(), 8);
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(b->Canvas()->Pixels(1, 0), clRed);
    EXPECT_EQ(b->Canvas()->Pixels(7, 6), clRed);
    b->Canvas()->SetPixels(0, 0, clBlue); // a same-colour call must not redraw
    EXPECT_EQ(app.GetBrushBitmap(clRed), b);
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlue);
    TBitmap* copy = app.GetBitmap();
    EXPECT_NE(copy, b);
    EXPECT_EQ(copy->Canvas()->Pixels(1, 0), clBlack);
}

TEST_F(UtlApplicationTest, StopwatchAndEditMode) {
    EXPECT_EQ(app.STWStop(), 0u);
    app.STWStart();
    UtlDelay(20);
    EXPECT_GE(app.STWStop(), 20u);
    EXPECT_EQ(app.STWStop(), 0u);
    EXPECT_GT(app.GetTimerFrequency(), 1000.0);
    int changes = 0;
    app.OnEditModeChange = [&](TObject*) { ++changes; };
    app.SetEditMode(TUtlEditModes{emInsert});
    app.SetEditMode(TUtlEditModes{emCaps});
    EXPECT_EQ(changes, 1);
}

TEST_F(UtlApplicationTest, DefaultRegistryPath) {
    app.Company = "Dornek";
    app.Version = "2.0";
    const String path = app.GetDefaultRegPath();
    EXPECT_EQ(path.rfind("Software\\Dornek\\", 0), 0u);
    EXPECT_EQ(path.substr(path.size() - 4), "2.0\\");
    EXPECT_FALSE(app.QuitWindows(ecQuit));
}

// Stands in for the desktop session: records each request, answers as told.
class FakeSession : public TSessionService {
public:
    bool End(TSessionEnd How) override {
        Asked.push_back(How);
        return Accept;
    }
    std::vector<TSessionEnd> Asked;
    bool Accept = false;
};

TEST(UtlApplicationQuitTest, EachExitCodeAsksItsEndAndOnlyATakenRequestTerminates) {
    FakeSession session;
    SetSessionService(&session);
    core::ScopeExit restore([] { SetSessionService(nullptr); });
    TUtlApplication app(nullptr);
    const std::pair<TUtlExitCode, TSessionEnd> rows[] = {
        {ecQuit, TSessionEnd::PowerOff}, {ecReboot, TSessionEnd::Reboot}, {ecRestart, TSessionEnd::LogOff}};
    for (const auto& [code, how] : rows) {
        EXPECT_FALSE(app.QuitWindows(code)); // refused: nothing else happens
        EXPECT_EQ(session.Asked.back(), how) << code;
    }
    EXPECT_FALSE(Application->Terminated());
    // Termination is for good: the taken request runs in a fresh process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            session.Accept = true;
            const bool taken = app.QuitWindows(ecRestart);
            std::exit(taken && Application->Terminated() ? 5 : 1);
        },
        ::testing::ExitedWithCode(5), "");
}

TEST(UtlApplicationInstanceTest, SecondObjectSeesThePreviousInstance) {
    TUtlApplication first(nullptr);
    TUtlApplication second(nullptr);
    EXPECT_TRUE(second.PrevInstance());
}

TEST(UtlApplicationLifeTest, InitializationCreatesOnceAndFinalizationClears) {
    ASSERT_EQ(UtlApplication, nullptr);
    UtlInitialization();
    TUtlApplication* first = UtlApplication;
    UtlInitialization();
    EXPECT_EQ(UtlApplication, first);
    UtlFinalization();
    EXPECT_EQ(UtlApplication, nullptr);
}
