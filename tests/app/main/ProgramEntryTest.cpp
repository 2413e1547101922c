// The program's start: one copy at a time, and a start-up that fails ends the
// program after its message.
#include "app/main/ProgramEntry.h"
#include "app/common/ArtImage.h"
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimer.h"
#include "platform/os/TNamedMutex.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/TApplication.h"
#include "platform/core/TFileStream.h"
#include "report/build/TrpReport.h"
#include "report/common/detail/rpStreamUtils.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FakeSpooler.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace apptest {
namespace {

// Keeps the lock files of this test apart from a running program and other tests.
class PrivateLockFolder {
public:
    PrivateLockFolder() {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        FHadOld = old != nullptr;
        if (FHadOld) FOld = old;
        setenv("XDG_RUNTIME_DIR", FFolder.Path().c_str(), 1);
    }
    ~PrivateLockFolder() {
        if (FHadOld)
            setenv("XDG_RUNTIME_DIR", FOld.c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }
    const std::string& Path() const { return FFolder.Path(); }

private:
    TempFolder FFolder;
    std::string FOld;
    bool FHadOld = false;
};

TControl* Front(TWinControl* Parent) {
    return Parent->Controls(Parent->ControlCount() - 1);
}

TEST(ProgramEntry, SecondCopyIsRefusedWithItsMessage) {
    PrivateLockFolder locks;
    TNamedMutex first(app::InstanceMutexName);
    ASSERT_EQ(first.Wait(0), TWaitResult::wrSignaled);

    DialogRecorder log;
    EXPECT_EQ(app::ClaimSingleInstance(), nullptr);
    EXPECT_EQ(app::RunProgram(), 0);
    EXPECT_EQ(log.Texts(),
              (std::vector<String>{"A program egy példánya már fut", "A program egy példánya már fut"}));
    // The refused copy created no window and left the first copy's lock alone.
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_TRUE(first.Owned());
}

TEST(ProgramEntry, FirstCopyTakesTheLockAndLaterCopiesWaitForIt) {
    PrivateLockFolder locks;
    DialogRecorder log;
    {
        auto mine = app::ClaimSingleInstance();
        ASSERT_NE(mine, nullptr);
        EXPECT_EQ(app::ClaimSingleInstance(), nullptr);
    }
    // Once the first copy is gone, a new one starts.
    EXPECT_NE(app::ClaimSingleInstance(), nullptr);
    EXPECT_EQ(log.Texts().size(), 1u);
}

// Ends a child process of the tests below: its folders go with it, since the
// child leaves before the test's folder objects go out of scope.
[[noreturn]] void EndChild(const std::string& folder, const std::string& locks, int code) {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(folder, ec);
    std::filesystem::remove_all(locks, ec);
    std::exit(code);
}

// The whole start-up in a child process, whose application object may end for good.
// A main window that comes up is closed from its menu ("Kilépés") once shown. Prints the
// messages shown, then whether the window came up on the start page, whether the
// database file kept its bytes and whether the single-instance lock is free again, and
// ends with the program's exit status. The child leaves before the test's folders go
// out of scope, so it removes them itself. AtFirstMessage runs when the first message
// box is answered, AtMainWindow once the window has come up.
void StartIn(const std::string& folder, const std::string& locks,
             const std::function<void()>& AtFirstMessage = {},
             const std::function<void()>& AtMainWindow = {}) {
    if (chdir(folder.c_str()) != 0) std::exit(3);
    const std::string before = ReadFileBytes("data/dornek.s3db");
    DialogRecorder dialogs;
    if (AtFirstMessage)
        dialogs.AnswerWith([&](const ui::DialogRequest&) -> ui::DialogAnswer {
            if (dialogs.Requests.size() == 1) AtFirstMessage();
            return {1, {}};
        });
    const char* window = "not shown";
    // The timer is made when the first window comes up: the program, not the test,
    // starts the toolkit, as it does for its users.
    std::unique_ptr<TTimer> quit;
    Screen->OnActiveFormChange = [&](TObject*) {
        if (quit || !Screen->ActiveForm()) return;
        quit = std::make_unique<TTimer>(nullptr);
        quit->SetInterval(50);
        quit->OnTimer = [&](TObject*) {
            if (!Form1 || !app::MainWindow().Showing()) return;
            window = Front(&app::MainWindow()) == app::MainWindow().opencontainer ? "on the start page"
                                                                                  : "elsewhere";
            quit->SetEnabled(false);
            if (AtMainWindow) AtMainWindow();
            MenuItem("Kilepes1").Click();
        };
        quit->SetEnabled(true);
    };
    const int code = app::RunProgram();
    String all;
    for (const String& t : dialogs.Texts())
        all += "[" + t + "]";
    TNamedMutex next(app::InstanceMutexName);
    std::fprintf(stderr, "messages:%s:end\nwindow %s, database %s, lock %s\n", all.c_str(), window,
                 ReadFileBytes("data/dornek.s3db") == before ? "unchanged" : "changed",
                 next.Wait(0) == TWaitResult::wrSignaled ? "free" : "held");
    std::fflush(stderr);
    EndChild(folder, locks, code);
}

// Each start-up that cannot bring the main window up ends after its message, with
// the failure's status, so no copy lingers without a window holding the lock.
TEST(ProgramEntryDeathTest, MissingDatabaseShowsOneMessageAndEnds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    TempFolder work;
    EXPECT_EXIT(StartIn(work.Path(), locks.Path()), ::testing::ExitedWithCode(app::StartFailed),
                "messages:\\[Az adatbázis fájl nem található, a program leáll\\.\\]:end");
}

TEST(ProgramEntryDeathTest, AFolderInTheDatabasesPlaceIsNamedAsAFolder) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    TempFolder work;
    std::filesystem::create_directories(work.Path() + "/data/dornek.s3db");
    EXPECT_EXIT(StartIn(work.Path(), locks.Path()), ::testing::ExitedWithCode(app::StartFailed),
                "messages:\\[A\\(z\\) /.*/data/dornek\\.s3db nem adatbázis fájl, hanem mappa\\.\n"
                "A program leáll\\.\\]:end");
}

TEST(ProgramEntryDeathTest, AForeignExceptionShowsItsText) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    TempFolder work;
    // A failure of a library below the program, raised from the first message box.
    EXPECT_EXIT(StartIn(work.Path(), locks.Path(), [] { throw std::runtime_error("a lemez nem olvasható"); }),
                ::testing::ExitedWithCode(app::StartFailed),
                "messages:\\[Az adatbázis fájl nem található, a program leáll\\.\\]"
                "\\[a lemez nem olvasható\\.\\]:end");
}

class ProgramRunDeathTest : public OfficeDbFixture {};

// The tables are there, so the start-up check passes; the case combos of the main
// window's first showing cannot be filled.
TEST_F(ProgramRunDeathTest, AMainWindowWhoseFirstReadsFailEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    Exec("ALTER TABLE ugy RENAME COLUMN status TO allapot");
    DB().SetConnected(false);
    EXPECT_EXIT(StartIn(Folder(), locks.Path()), ::testing::ExitedWithCode(app::StartFailed),
                "messages:\\[Az adatbázis szerkezete nem ennek a programnak felel meg: .*\n"
                "no such column: status\n\nSELECT sorszam, nev FROM ugy WHERE status=1 .*\\]:end");
}

// Another program holds the database locked while the program starts and lets it go
// as the user answers the message: the check lets the start go on, the settings read
// gives up after its wait, and the program ends there instead of running a session
// without the office's settings.
TEST_F(ProgramRunDeathTest, ASettingsReadHeldUpByAnotherProgramEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    DB().StartExclusiveTransaction();
    EXPECT_EXIT(StartIn(Folder(), locks.Path(), [this] { DB().RollBack(); }),
                ::testing::ExitedWithCode(app::StartFailed),
                "messages:\\[Az adatbázist egy másik program használja, próbálja újra később\\.\n"
                "database is locked\n\nSELECT ertek FROM info WHERE valtozo LIKE "
                "'dokumentum_orzesi_ido'\\]:end\nwindow not shown, database unchanged, lock free");
    if (DB().InTransaction()) DB().RollBack();
}

// A retention period an office's database holds as text: the start names it and
// where to mend it, and goes on to the start page, where the settings dialog is reached.
TEST_F(ProgramRunDeathTest, ARetentionPeriodStoredAsTextIsNamedAndTheStartGoesOn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    const struct {
        const char* Key;
        const char* Text;
        const char* Name;   // as the settings dialog names it
        const char* Blocks; // only the saves that compute a deadline from it
    } rows[] = {{"jub_orzesi_ido", "10 év", "JÜB őrzési idő", "új JÜB lekérdezés"},
                {"dokumentum_orzesi_ido", "10,5", "Dokumentum őrzési idő", "őrzendő esemény vagy dokumentum"},
                {"jub_orzesi_ido", "1e400", "JÜB őrzési idő", "új JÜB lekérdezés"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Text);
        SetSetting("dokumentum_orzesi_ido", "10");
        SetSetting("jub_orzesi_ido", "8");
        SetSetting(r.Key, r.Text);
        String pattern;
        for (char c :
             "messages:[A „" + String(r.Name) + "” beállítás tárolt értéke („" + r.Text +
                 "”) nem egész szám.\nAmíg nincs javítva, a program nem rögzít olyan adatot, amelynek "
                 "őrzési határidejét ebből kellene kiszámítania (" +
                 r.Blocks +
                 ").\nJavítsa a Rendszer › Beállítások ablakban; a javított érték a "
                 "program következő indításától érvényes.]:end\nwindow on the start page, database "
                 "unchanged, lock free") {
            if (String("()[].*+?{}|^$\\").find(c) != String::npos) pattern += '\\';
            pattern += c;
        }
        EXPECT_EXIT(StartIn(Folder(), locks.Path()), ::testing::ExitedWithCode(0), pattern);
    }
}

// A full run on a working database: the window comes up on the start page, and the
// menu's "Kilépés" ends the message loop and the program.
TEST_F(ProgramRunDeathTest, StartsOnTheStartPageAndQuitsFromTheMenu) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    EXPECT_EXIT(StartIn(Folder(), locks.Path()), ::testing::ExitedWithCode(0),
                "messages::end\nwindow on the start page, database unchanged, lock free");
}

// A report saved before anything is printed is laid out on the system's current
// queue and names it; with no queue at all, on the virtual printer, naming none.
TEST_F(ProgramRunDeathTest, AReportSavedBeforeAnyPrintNamesTheCurrentQueue) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    const struct {
        std::vector<String> Queues;
        const char* Default; // and the one the report names
    } rows[] = {{{"Iroda"}, "Iroda"}, {{"Iroda", "Titkarsag"}, "Titkarsag"}, {{}, ""}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Default);
        EXPECT_EXIT(
            {
                FakeSpooler queues(r.Queues, r.Default);
                StartIn(Folder(), locks.Path(), {}, [] {
                    TrpReport report(nullptr);
                    report.ShowProgress = false;
                    report.Pages()->Add();
                    if (!report.PrepareReport()) std::exit(4);
                    report.SavePreparedReport("lista.rpp");
                    TFileStream saved("lista.rpp", fmOpenRead);
                    saved.ReadByte(); // packed or not
                    std::fprintf(stderr, "saved for [%s]\n", rpReadString(&saved).c_str());
                });
            },
            ::testing::ExitedWithCode(0),
            "saved for \\[" + String(r.Default) + "\\]\nmessages::end\nwindow on the start page");
    }
}

// A working session as users have it: the pointer rests on a start tile until
// its hint shows, a message box comes up and is answered, then "Kilépés". The
// toolkit's hint and dialog machinery must still be whole when the forms go.
void HintMessageBoxAndQuit(const std::string& folder, const std::string& locks) {
    if (chdir(folder.c_str()) != 0) std::exit(3);
    // The box is answered by a second timer, from inside the box's own loop.
    TTimer answer(nullptr);
    answer.SetInterval(50);
    answer.OnTimer = [](TObject*) { ui::SimulateKeyInActiveWindow(VK_RETURN); };
    TTimer timer(nullptr);
    timer.SetInterval(50);
    timer.OnTimer = [&](TObject*) {
        if (!Form1 || !app::MainWindow().Showing()) return;
        timer.SetEnabled(false);
        ui::SimulateHover(&WindowPart<TControl>("Image9"));
        answer.SetEnabled(true);
        ShowMessage("Próba");
        answer.SetEnabled(false);
        std::fprintf(stderr, "box answered\n");
        MenuItem("Kilepes1").Click();
    };
    timer.SetEnabled(true);
    const int code = app::RunProgram();
    EndChild(folder, locks, code);
}

TEST_F(ProgramRunDeathTest, QuitsCleanlyAfterAHintAndAMessageBox) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    PrivateLockFolder locks;
    EXPECT_EXIT(HintMessageBoxAndQuit(Folder(), locks.Path()), ::testing::ExitedWithCode(0), "box answered");
}

} // namespace
} // namespace apptest
