#include "report/BandEngineSupport.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "report/TrpProgressForm.h"

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
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    report::rpSetProgressWindow(nullptr);
    report::rpSetProgressWindowFactory(nullptr);
}
