#include "tests/report/BandEngineSupport.h"

#include "platform/os/TickCount.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "report/preview/detail/TrpProgressForm.h"

#include <cstdlib>

TEST_F(BandEngineTest, TheProgressFormRunsTheBuildAndCloses) {
    Application->Initialize();
    rpRegisterProgressForm();
    report::rpSetProgressWindow(nullptr);
    Report->ShowProgress = true;
    Band(btMasterData, 20, 400, "6");
    Memo(0, 20, "[LINE#]");
    String label;
    Report->OnEndDoc = [&] {
        auto* form = dynamic_cast<TrpProgressForm*>(report::rpProgressWindow());
        label = form->Label1->Caption();
    };
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Report->EMFPages()->Count(), 3);
    auto* form = dynamic_cast<TrpProgressForm*>(report::rpProgressWindow());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->Caption(), "Report preparing");
    EXPECT_EQ(form->Button1->Caption(), "Cancel");
    EXPECT_EQ(label, "Processing page:  3");

    // Cancel pressed while the second page begins.
    Report->OnBeginPage = [&](Integer n) {
        if (n == 1) form->Button1Click(form->Button1);
    };
    EXPECT_FALSE(Report->PrepareReport());
    EXPECT_EQ(Report->EMFPages()->Count(), 2); // the first and the one begun stay
    report::rpSetProgressWindow(nullptr);
    report::rpSetProgressWindowFactory(nullptr);
}

// Writes the window as a user sees it in the second pass of a long double-pass
// build when VELMORA_SCREENSHOTS names a folder. VELMORA_SCREENSHOT_PAUSE (in
// milliseconds) slows every page down, so that the window can be looked at on
// a real display while the build runs.
TEST_F(BandEngineTest, ProgressFormPicture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    const char* pause = std::getenv("VELMORA_SCREENSHOT_PAUSE");
    Application->Initialize();
    rpRegisterProgressForm();
    report::rpSetProgressWindow(nullptr);
    Report->ShowProgress = true;
    Report->DoublePass = true;
    Report->Title = "Ügyek listája";
    Band(btMasterData, 20, 400, "40");
    Memo(0, 20, "[LINE#]");
    Report->OnBeginPage = [&](Integer n) {
        if (pause) Sleep(std::atoi(pause));
        auto* form = dynamic_cast<TrpProgressForm*>(report::rpProgressWindow());
        if (Report->FinalPass && n == 12) ui::SaveSnapshot(form, String(folder) + "/report-progress.png");
    };
    EXPECT_TRUE(Report->PrepareReport());
    report::rpSetProgressWindow(nullptr);
    report::rpSetProgressWindowFactory(nullptr);
}

// A progress window that says when it is freed.
class WatchedWindow : public report::ProgressWindow {
public:
    explicit WatchedWindow(bool& Freed) : FFreed(Freed) {}
    ~WatchedWindow() override { FFreed = true; }
    void SetCaption(const String&) override {}
    void SetLabel(const String&) override {}
    String Label() const override { return {}; }
    bool Visible() const override { return false; }
    bool ShowModal(TrpReport*, const std::function<void()>& Action) override {
        Action();
        return true;
    }
    void CloseModal(bool) override {}
    void ProcessMessages() override {}

private:
    bool& FFreed;
};

// The program ends the engine before the toolkit; a window left for the process's exit
// would be freed after the toolkit is gone.
TEST(EngineShutDown, FreesTheProgressWindow) {
    rpInitEngine();
    bool freed = false;
    report::rpSetProgressWindow(new WatchedWindow(freed));
    rpDoneEngine();
    EXPECT_TRUE(freed);
    rpInitEngine();
    EXPECT_NE(Prn, nullptr);
}
