#pragma once
// The case forms with the deposit sheet and the office settings, and their dialogs' saves
// as rows of a test's table: each opens its dialog on a fresh row, takes the user's input
// in a box and is run by a button.
#include "app/common/QueryRun.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/settings/Tadminform.h"
#include "platform/data/DatabaseError.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/app/CaseFormsFixture.h"
#include "tests/support/ErrorOf.h"

#include <functional>
#include <memory>
#include <vector>

namespace apptest {

struct DialogSave {
    const char* Name;
    std::function<void()> Open; // shows the dialog, on a fresh row
    TControl* Box;              // takes the user's input
    std::function<void()> Press;
};

class DialogSaves : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        CreateForms();
        FDepositSheet.reset(letet_adatlap = new Tletet_adatlap(nullptr));
        FSettings.reset(adminform = new Tadminform(nullptr));
        ujugy->CheckBox1->SetChecked(false); // no sheet opens modally after a new case
        AddPerson("Régi Éva");               // the register rows "Másol" copies
        AddOrganisation("Régi Kft.");
    }
    void TearDown() override {
        FSettings.reset();
        FDepositSheet.reset();
        CaseForms::TearDown();
    }

    // A case event on a new case's sheet; Fill sets more than its text.
    DialogSave Event(const char* Name, const std::function<void(Tugyadatlap&)>& Fill = {}) {
        return {Name,
                [this, Fill] {
                    Tugyadatlap& sheet = OpenSheet(AddCase("Ügy", "2009-03-05"));
                    if (Fill) Fill(sheet);
                },
                ugyadatlap->Memo2, [this] { ugyadatlap->gxExtSpeedButton8Click(nullptr); }};
    }
    // A movement of 500 of Kind on a new deposit of 1000.
    DialogSave Movement(const char* Name, TRadioButton* Kind) {
        Tletet_adatlap& d = *letet_adatlap;
        return {Name,
                [this, &d, Kind] {
                    d.DepositId = AddDeposit(AddAccount("Számla"), "Kiss", "2024-01-01", 1000);
                    d.Show();
                    Kind->SetChecked(true);
                    d.Edit1->SetText("500");
                },
                d.Memo2, [&d] { d.BitBtn1Click(nullptr); }};
    }
    template <class Form> DialogSave Attached(const char* Name, Form& Dialog) {
        return {Name, [this, &Dialog] { Attach(Dialog); }, Dialog.Edit1,
                [&Dialog] { Dialog.rogzitoClick(nullptr); }};
    }
    // A dialog that shows as it is and saves on its BitBtn1.
    template <class Form> static DialogSave Shown(const char* Name, Form* Dialog, TControl* Box) {
        return {Name, [Dialog] { Dialog->Show(); }, Box, [Dialog] { Dialog->BitBtn1Click(nullptr); }};
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

    // The error Save's press raises, checking that it stored nothing, left no transaction open
    // and kept what was typed.
    String Refused(const DialogSave& Save) {
        const auto before = Stored();
        const String error = ErrorOf<EDatabaseError>(Save.Press);
        EXPECT_EQ(Stored(), before);
        EXPECT_FALSE(app::MainWindow().Sqlite3DB1->InTransaction());
        EXPECT_EQ(Save.Box->Text(), "1234");
        return error;
    }

    // Every table the saves write.
    std::vector<std::vector<Row>> Stored() {
        std::vector<std::vector<Row>> tables;
        for (const char* t :
             {"ugy", "ugyitem", "ugy_ugyfel_tsz", "ugyfel_termeszetes_szemely", "ugy_ugyfel_szerv",
              "ugyfel_szervezet", "letet", "letetmozgas", "info", "ikt_be"})
            tables.push_back(Rows(String("SELECT * FROM ") + t));
        return tables;
    }

private:
    std::unique_ptr<Tletet_adatlap> FDepositSheet;
    std::unique_ptr<Tadminform> FSettings;
};

} // namespace apptest
