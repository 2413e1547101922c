#pragma once
// The main window and the case forms over a fresh office database, created in the
// program's order, with every message box, confirmation and file dialog answered by
// the test: Answer is the button a box gets (IDOK unless changed), OpenFileName and
// SaveFileName the file an open or save dialog returns (empty: cancelled). The dialogs'
// saves run as rows of a test's table (DialogSave).
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
#include "app/deposits/Tujletet.h"
#include "app/registry/Tiktbe.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/settings/Tadminform.h"
#include "platform/data/DatabaseError.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/support/ErrorOf.h"
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

struct DialogSave {
    const char* Name;
    std::function<void()> Open; // shows the dialog, on a fresh row
    TControl* Box;              // takes the user's input
    std::function<void()> Press;
    // The same save under Other; Then runs once its dialog is open.
    DialogSave As(const char* Other, std::function<void()> Then = {}) const {
        return {Other,
                [Open = Open, Then] {
                    Open();
                    if (Then) Then();
                },
                Box, Press};
    }
};

class CaseForms : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        UseAsWorkingFolder();
    }
    void TearDown() override {
        // The last created first, as at shut-down.
        delete adminform;
        delete letet_adatlap;
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

    // The forms with the deposit sheet and the office settings, for saves run as table rows.
    void CreateSaveForms() {
        CreateForms();
        letet_adatlap = new Tletet_adatlap(nullptr);
        adminform = new Tadminform(nullptr);
        ujugy->CheckBox1->SetChecked(false); // no sheet opens modally after a new case
        AddPerson("Régi Éva");               // the register rows "Másol" copies
        AddOrganisation("Régi Kft.");
    }
    // A case event on a new case's sheet; Fill sets more than its text.
    DialogSave Event(
        const char* Name, void (*Fill)(Tugyadatlap&) = [](Tugyadatlap&) {}) {
        return {Name, [this, Fill] { Fill(OpenSheet(AddCase("Ügy", "2009-03-05"))); }, ugyadatlap->Memo2,
                [] { ugyadatlap->gxExtSpeedButton8Click(nullptr); }};
    }
    // The case base-data dialog (ugyalapadatmod) on a new case, its name to type.
    DialogSave CaseBaseData(const char* Name) {
        return {Name, [this] { ugyalapadatmod->ShowCase(AddCase("Ügy", "2009-03-05"), 0, 0); },
                ugyalapadatmod->Edit1, [] { ugyalapadatmod->BitBtn1Click(nullptr); }};
    }
    // A movement of 500 of Kind on a new deposit of 1000.
    DialogSave Movement(const char* Name, TRadioButton* Kind) {
        Tletet_adatlap& d = *letet_adatlap;
        const auto deposit = [this, &d] {
            d.DepositId = AddDeposit(AddAccount("Számla"), "Kiss", "2024-01-01", 1000);
        };
        return Plain(Name, &d, d.Memo2, deposit).As(Name, [&d, Kind] {
            Kind->SetChecked(true);
            d.Edit1->SetText("500");
        });
    }
    template <class Form> DialogSave Attached(const char* Name, Form& D) {
        return {Name, [this, &D] { Attach(D); }, D.Edit1, [&D] { D.rogzitoClick(nullptr); }};
    }
    // The new-deposit dialog (ujletet) on its first account with 500 typed, the payer to type.
    static DialogSave NewDeposit(const char* Name) {
        return Plain(Name, ujletet, ujletet->Edit1).As(Name, [] {
            ujletet->Edit3->SetText("500");
            ujletet->ComboBox1->SetItemIndex(0);
        });
    }
    // The incoming entry dialog (iktbe) with its first partner chosen, the subject to type.
    static DialogSave IncomingEntry(const char* Name) {
        return {Name,
                [] {
                    iktbe->Show();
                    iktbe->ComboBox1->SetItemIndex(0);
                    iktbe->ComboBox1Change(nullptr);
                },
                iktbe->Edit2, [] { iktbe->BitBtn4Click(nullptr); }};
    }
    // A dialog that shows after First (its rows, by default none) and saves on its BitBtn1.
    template <class Form>
    static DialogSave Plain(const char* Name, Form* D, TControl* Box, std::function<void()> First = {}) {
        return {Name,
                [D, First] {
                    if (First) First();
                    D->Show();
                },
                Box, [D] { D->BitBtn1Click(nullptr); }};
    }
    // Runs Check on each save with its dialog open and "1234" typed in its box (digits: the
    // retention box takes nothing else), then hides the dialog.
    template <class Rows, class Check> void EachSave(const Rows& Saves, const Check& check) {
        for (const auto& s : Saves) {
            SCOPED_TRACE(s.Name);
            s.Open();
            s.Box->SetText("1234");
            check(s);
            dynamic_cast<TCustomForm*>(s.Box->Owner())->Hide();
        }
    }
    // The error Save raises, checking that it stored nothing, left no transaction open and kept
    // what was typed.
    String Refused(const DialogSave& Save) {
        const auto before = SavedTables();
        const String error = ErrorOf<EDatabaseError>(Save.Press);
        EXPECT_EQ(SavedTables(), before);
        EXPECT_FALSE(app::MainWindow().Sqlite3DB1->InTransaction());
        EXPECT_EQ(Save.Box->Text(), "1234");
        return error;
    }
    // Every table the saves write.
    std::vector<std::vector<Row>> SavedTables() {
        std::vector<std::vector<Row>> tables;
        for (const char* t : {"ugy", "ugyitem", "ugy_ugyfel_tsz", "ugyfel_termeszetes_szemely",
                              "ugy_ugyfel_szerv", "ugyfel_szervezet", "letet", "letetmozgas", "letetiszamla",
                              "project", "info", "ikt_be", "jub", "partner"})
            tables.push_back(Rows(String("SELECT * FROM ") + t));
        return tables;
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
