// The variable picker: the report's categories, the special values and the
// global variables, a name chosen by Enter or a click, Escape, and the
// category kept for the next opening.
#include "report/views/TrpVarForm.h"

#include "tests/report/RunModal.h"

#include "platform/core/TStringList.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/VirtualKeys.h"
#include "report/build/TrpReport.h"
#include "report/script/TrpVariables.h"
#include "report/engine/rpEngine.h"
#include "report/common/detail/rpGlobals.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class VarForm : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        rpInitEngine();
        rpVariables->Clear();
        rpVariables->SetVariable("REGCIM", Variant(String("Budapest")));
        Report.Variables()->SetText("Iroda\r\n REGUSER\r\n PNAME\r\nÜgy\r\n Szám\r\n");
        CurReport = &Report;
        rpVarFormCategory.clear();
    }
    void TearDown() override {
        CurReport = nullptr;
        rpVariables->Clear();
        rpVarFormCategory.clear();
    }
    // A new picker shown modally: the category Category chosen, then Finish.
    TModalResult Pick(TrpVarForm& Form, Integer Category, const std::function<void()>& Finish) {
        return RunModal(&Form, {[&] {
                                    Form.ValCombo->SetItemIndex(Category);
                                    Form.ValComboClick(Form.ValCombo);
                                },
                                Finish});
    }
    TrpReport Report{nullptr};
};

} // namespace

TEST_F(VarForm, CaptionsCategoriesAndTheFirstList) {
    TrpVarForm form(nullptr);
    form.FormActivate(&form);
    EXPECT_EQ(form.ClientWidth(), 217);
    EXPECT_EQ(form.ClientHeight(), 317);
    EXPECT_EQ(form.Caption(), "Variables");
    EXPECT_EQ(form.Label1->Caption(), "&Category:");
    EXPECT_EQ(form.ValCombo->Items()->Text(), "Iroda\r\nÜgy\r\nSpecial values\r\nGlobal variables\r\n");
    EXPECT_EQ(form.ValCombo->ItemIndex(), 0);
    EXPECT_EQ(form.ValList->Items()->Text(), "REGUSER\r\nPNAME\r\n");
    form.ValCombo->SetItemIndex(2);
    form.ValComboClick(form.ValCombo);
    // The special values by their display names, the nameless entry left out.
    EXPECT_EQ(form.ValList->Items()->Text(), "Page number\r\nDate\r\nTime\r\nLine number\r\nLine number "
                                             "through\r\nColumn number\r\nCurrent record\r\nTotal pages\r\n");
}

TEST_F(VarForm, EnterOrAClickChoosesANameAndEscapeCancels) {
    struct Case {
        const char* Why;
        Integer Category, Row;
        enum { Enter, Click, Escape } How;
        TModalResult Result;
        const char* Name;
    };
    const Case cases[] = {
        {"a report variable by Enter", 1, 0, Case::Enter, mrOk, "Szám"},
        {"a report variable by a click", 0, 1, Case::Click, mrOk, "PNAME"},
        {"the first special value", 2, 0, Case::Enter, mrOk, "PAGE#"},
        {"a special value after the nameless entry", 2, 1, Case::Click, mrOk, "DATE"},
        {"the last special value", 2, 7, Case::Enter, mrOk, "TOTALPAGES"},
        {"a global variable", 3, 0, Case::Click, mrOk, "REGCIM"},
        {"Escape keeps no name", 0, 1, Case::Escape, mrCancel, ""},
    };
    for (const Case& c : cases) {
        TrpVarForm form(nullptr);
        const TModalResult result = Pick(form, c.Category, [&] {
            if (c.How == Case::Click) {
                ui::SimulateClick(form.ValList, 5, form.ValList->ItemRect(c.Row).Top + 3);
                return;
            }
            // Moving down the list chooses nothing yet.
            form.ValList->SetItemIndex(0);
            for (Integer k = 0; k < c.Row; ++k)
                ui::SimulateKey(form.ValList, VK_DOWN);
            ui::SimulateKey(form.ValList, c.How == Case::Enter ? VK_RETURN : VK_ESCAPE);
        });
        EXPECT_EQ(result, c.Result) << c.Why;
        EXPECT_EQ(form.SelectedValue, c.Name) << c.Why;
    }
}

TEST_F(VarForm, TheChosenCategoryOpensAgainWhileItExists) {
    {
        TrpVarForm form(nullptr);
        Pick(form, 3, [&] { ui::SimulateKey(form.ValList, VK_ESCAPE); });
    }
    TrpVarForm again(nullptr);
    again.FormActivate(&again);
    EXPECT_EQ(again.ValCombo->Text(), "Global variables");
    EXPECT_EQ(again.ValList->Items()->Text(), "REGCIM\r\n");

    // A report without that category name opens on its first one.
    rpVarFormCategory = "Ügy";
    Report.Variables()->SetText("Iroda\r\n REGUSER\r\n");
    again.FormActivate(&again);
    EXPECT_EQ(again.ValCombo->ItemIndex(), 0);
}
