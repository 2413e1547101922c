// Escape closes every dialog as its closing button ("Mégse", "Bezár", "OK") does,
// wherever the focus stands, and writes nothing.
#include "app/settings/TAboutBox.h"
#include "app/common/Form1.h"
#include "app/common/MainWindowShared.h"
#include "app/settings/Tadminform.h"
#include "app/documents/Tdokulap.h"
#include "app/documents/Tdokusetform.h"
#include "app/registry/Tiktatasihelyuj.h"
#include "app/registry/Tiktbe.h"
#include "app/identification/Tjubmod.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/deposits/Tletetalapadat.h"
#include "app/partners/Tpartnermod.h"
#include "app/cases/Tugyalapadatmod.h"
#include "app/cases/Tugyujszemelyform.h"
#include "app/deposits/Tujletet.h"
#include "app/partners/Tujpartner.h"
#include "app/identification/Tujjub.h"
#include "app/clients/Tujszemelyform.h"
#include "app/cases/Tujugy.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/DialogRecorder.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace apptest {
namespace {

class DialogEscape : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        UseAsWorkingFolder();
        app::CreateMainWindow(nullptr);
    }
    void TearDown() override {
        if (Form1) delete &app::MainWindow();
        OfficeDbFixture::TearDown();
    }

    std::vector<String> Boxes;

private:
    DialogRecorder FDialogs{[this](const ui::DialogRequest& r) {
        Boxes.push_back(r.Text);
        return ui::DialogAnswer{IDOK, {}};
    }};
};

template <class T> std::pair<const char*, std::function<TForm*()>> Make(const char* Name) {
    return {Name, [] { return new T(nullptr); }};
}

TEST_F(DialogEscape, EscapeClosesEachDialogAndWritesNothing) {
    const std::vector<std::pair<const char*, std::function<TForm*()>>> dialogs{
        Make<Tujugy>("new case"),
        Make<Tugyalapadatmod>("case base data"),
        Make<Tugyujszemelyform>("case person"),
        Make<Tujszemelyform>("new person"),
        Make<Tujletet>("new deposit"),
        Make<Tletetalapadat>("deposit base data"),
        Make<Tletet_adatlap>("deposit sheet"),
        Make<Tujpartner>("new partner"),
        Make<Tpartnermod>("partner"),
        Make<Tiktbe>("incoming mail"),
        Make<Tiktatasihelyuj>("registry location"),
        Make<Tujjub>("new client identification query"),
        Make<Tjubmod>("client identification query"),
        Make<Tdokulap>("document"),
        Make<Tdokusetform>("document settings"),
        Make<Tadminform>("settings"),
        Make<TAboutBox>("about"),
    };
    const String rows = "SELECT (SELECT count(*) FROM ugy) + (SELECT count(*) FROM partner)"
                        " + (SELECT count(*) FROM ugyfel_termeszetes_szemely)"
                        " + (SELECT count(*) FROM letet) + (SELECT count(*) FROM ikt_mt)"
                        " + (SELECT count(*) FROM jub)";
    const Int64 before = Number(rows);
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        std::unique_ptr<TForm> dialog(make());
        // Escape once the dialog is up; a dialog still up a moment later did not
        // close and is closed by the test, so the run goes on.
        bool pressed = false, stayed = false;
        TTimer timer(nullptr);
        timer.SetInterval(5);
        timer.OnTimer = [&](TObject*) {
            if (!dialog->Visible()) return;
            if (pressed) {
                stayed = true;
                dialog->Close();
                return;
            }
            pressed = true;
            ui::SimulateKey(dialog->ActiveControl() ? dialog->ActiveControl() : dialog.get(), VK_ESCAPE);
        };
        timer.Restart();
        dialog->ShowModal();
        timer.SetEnabled(false);
        EXPECT_TRUE(pressed);
        EXPECT_FALSE(stayed);
    }
    EXPECT_TRUE(Boxes.empty());
    EXPECT_EQ(Number(rows), before);
}

} // namespace
} // namespace apptest
