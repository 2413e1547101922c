#pragma once
// The main window with the partner and registry dialogs over a fresh office database,
// created in the program's order. Every message box and file dialog is answered by the
// test: Answer is the button a box gets (IDOK unless changed), SaveFileName the file a
// save dialog returns (empty: cancelled); Shown lists the boxes in order.
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "app/registry/Tiktataserkmoduj.h"
#include "app/registry/Tiktatasihelyuj.h"
#include "app/registry/Tiktataspartneruj.h"
#include "app/registry/Tiktbe.h"
#include "app/registry/Tiktki.h"
#include "app/partners/Tpartnermod.h"
#include "app/partners/Tujpartner.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TTimer.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/DialogRecorder.h"

#include <functional>

namespace apptest {

struct ShownBox {
    String Caption;
    String Text;
    bool operator==(const ShownBox&) const = default;
};

class AreaForms : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        UseAsWorkingFolder();
        app::CreateMainWindow(nullptr);
        partnermod = new Tpartnermod(nullptr);
        ujpartner = new Tujpartner(nullptr);
        iktatasihelyuj = new Tiktatasihelyuj(nullptr);
        iktataserkmoduj = new Tiktataserkmoduj(nullptr);
        iktataspartneruj = new Tiktataspartneruj(nullptr);
        iktbe = new Tiktbe(nullptr);
        iktki = new Tiktki(nullptr);
    }
    void TearDown() override {
        // The last created first, as at shut-down.
        delete iktki;
        delete iktbe;
        delete iktataspartneruj;
        delete iktataserkmoduj;
        delete iktatasihelyuj;
        delete ujpartner;
        delete partnermod;
        if (Form1) delete &app::MainWindow();
        OfficeDbFixture::TearDown();
    }

    // Runs Open (which shows a form modally) and, once the form is up, Inside and
    // then closes the form, so a modal command can be followed in a test.
    void WhileModal(TForm* Form, const std::function<void()>& Open,
                    const std::function<void()>& Inside = {}) {
        TTimer timer(nullptr);
        timer.SetInterval(1);
        timer.OnTimer = [&](TObject*) {
            if (!Form->Visible()) return;
            timer.SetEnabled(false);
            if (Inside) Inside();
            if (Form->Visible()) Form->Close();
        };
        timer.SetEnabled(true);
        Open();
    }

    static String Key(Integer id) { return std::to_string(id); }

    Integer Answer = IDOK;
    String SaveFileName;
    std::vector<String> SaveFilters;
    std::vector<ShownBox> Shown;

private:
    DialogRecorder FDialogs{[this](const ui::DialogRequest& r) {
        if (r.Kind == ui::DialogKind::SaveDialog) {
            SaveFilters.push_back(r.Filter);
            return ui::DialogAnswer{SaveFileName.empty() ? 0 : 1, SaveFileName};
        }
        Shown.push_back({r.Caption, r.Text});
        return ui::DialogAnswer{Answer, {}};
    }};
};

} // namespace apptest
