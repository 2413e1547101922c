#pragma once
// The main window and the case forms over a fresh office database, created in the
// program's order, with every message box, confirmation and file dialog answered by
// the test: Answer is the button a box gets (IDOK unless changed), OpenFileName and
// SaveFileName the file an open or save dialog returns (empty: cancelled).
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "app/cases/Tugyadatlap.h"
#include "app/cases/Tugyalapadatmod.h"
#include "app/cases/Tugyfelszemelymod.h"
#include "app/cases/Tugyujszemelyform.h"
#include "app/cases/Tugyujszervezetform.h"
#include "app/clients/Tujszemelyform.h"
#include "app/clients/Tujszervezetform.h"
#include "app/cases/Tujugy.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TRadioButton.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/DialogRecorder.h"

namespace apptest {

struct ShownDialog {
    String Caption;
    String Text;
    bool operator==(const ShownDialog&) const = default;
};

class CaseForms : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        UseAsWorkingFolder();
    }
    void TearDown() override {
        // The last created first, as at shut-down.
        delete ugyfelszemelymod;
        delete ugyalapadatmod;
        delete ujugy;
        delete ugyujszervezetform;
        delete ugyujszemelyform;
        delete ugyadatlap;
        delete ujszervezetform;
        delete ujszemelyform;
        if (Form1) delete &app::MainWindow();
        OfficeDbFixture::TearDown();
    }

    // Builds the forms as the program does and runs the main window's creation handler.
    void CreateForms() {
        app::CreateMainWindow(nullptr);
        ujszemelyform = new Tujszemelyform(nullptr);
        ujszervezetform = new Tujszervezetform(nullptr);
        ugyadatlap = new Tugyadatlap(nullptr);
        ugyujszemelyform = new Tugyujszemelyform(nullptr);
        ugyujszervezetform = new Tugyujszervezetform(nullptr);
        ujugy = new Tujugy(nullptr);
        ugyalapadatmod = new Tugyalapadatmod(nullptr);
        ugyfelszemelymod = new Tugyfelszemelymod(nullptr);
    }

    // Shows the sheet for CaseId without a modal loop: its show and activation handlers
    // run as when the case lists open it.
    Tugyadatlap& OpenSheet(Integer CaseId) {
        ugyadatlap->CaseId = CaseId;
        ugyadatlap->Show();
        return *ugyadatlap;
    }

    // Shows Dialog for a new case, copies the register's only row into it ("Másol") and picks
    // "Átír", which writes the register row from the dialog's boxes.
    void Attach(app::AttachDialog& Dialog) {
        Dialog.CaseId = AddCase("Hagyaték", "2009-03-05");
        OpenSheet(Dialog.CaseId);
        Dialog.Show();
        Dialog.ComboBox1->SetItemIndex(0);
        Dialog.Button1->Click();
        Dialog.RadioButton1->SetChecked(true);
    }

    static String Key(Integer id) { return std::to_string(id); }

    Integer Answer = IDOK;
    String OpenFileName;
    String SaveFileName;
    std::vector<ShownDialog> Shown;

private:
    DialogRecorder FDialogs{[this](const ui::DialogRequest& r) {
        if (r.Kind == ui::DialogKind::OpenDialog)
            return ui::DialogAnswer{OpenFileName.empty() ? 0 : 1, OpenFileName};
        if (r.Kind == ui::DialogKind::SaveDialog)
            return ui::DialogAnswer{SaveFileName.empty() ? 0 : 1, SaveFileName};
        Shown.push_back({r.Caption, r.Text});
        return ui::DialogAnswer{Answer, {}};
    }};
};

} // namespace apptest
