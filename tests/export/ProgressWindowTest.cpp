// The export's own progress window: texts, bar, cancel, and the other windows
// held still while it is up.
#include "export/ProgressDialog.h"
#include "export/TVgEBusyIndicator.h"
#include "export/TfrmVgEProcess.h"
#include "platform/os/TickCount.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TProgressBar.h"
#include "platform/ui/TScreen.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TfrmVgEProcess* ShownProcessForm() {
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        if (auto* form = dynamic_cast<TfrmVgEProcess*>(Screen->Forms(i))) return form;
    return nullptr;
}

TEST(ProgressWindow, ShowsTextsAndTheBarOnlyWithARange) {
    auto dialog = vge::CreateProgressDialog();
    dialog->Start("VgExport 4.77", "Exporting...", "&Cancel", 0, 0, 0);
    TfrmVgEProcess* form = ShownProcessForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->Caption(), "VgExport 4.77");
    EXPECT_EQ(form->lblStatus->Caption(), "Exporting...");
    EXPECT_FALSE(form->ProgressBar->Visible());
    EXPECT_EQ(form->ClientWidth(), 442);
    EXPECT_EQ(form->ClientHeight(), 87);
    dialog->Update("Done (0/0)", 0);
    EXPECT_EQ(form->lblStatus->Caption(), "Done (0/0)");
    dialog.reset();
    EXPECT_EQ(ShownProcessForm(), nullptr);

    dialog = vge::CreateProgressDialog();
    dialog->Start("VgExport 4.77", "Exporting...", "&Cancel", 0, 200, 0);
    form = ShownProcessForm();
    EXPECT_TRUE(form->ProgressBar->Visible());
    EXPECT_EQ(dialog->Max(), 200);
    dialog->Update("Exporting... (200/200)", 200);
    EXPECT_EQ(form->ProgressBar->Position(), 200);
}

TEST(ProgressWindow, TheButtonAndTheCloseBoxCancel) {
    auto dialog = vge::CreateProgressDialog();
    dialog->Start("x", "y", "&Mégse", 0, 10, 0);
    TfrmVgEProcess* form = ShownProcessForm();
    EXPECT_EQ(form->btnCancel->Caption(), "&Mégse");
    EXPECT_FALSE(dialog->Cancelled());
    form->btnCancel->Click();
    EXPECT_TRUE(dialog->Cancelled());
    dialog->SetCancelled(false);
    form->Close();
    EXPECT_TRUE(dialog->Cancelled());
}

TEST(ProgressWindow, OtherWindowsTakeNoInputWhileItIsUp) {
    TForm main(nullptr);
    main.Show();
    TForm hidden(nullptr);
    TForm disabled(nullptr);
    disabled.Show();
    disabled.SetEnabled(false);
    {
        auto dialog = vge::CreateProgressDialog();
        dialog->Start("x", "y", "z", 0, 1, 0);
        EXPECT_FALSE(main.Enabled());
        EXPECT_TRUE(ShownProcessForm()->Enabled());
    }
    EXPECT_TRUE(main.Enabled());
    EXPECT_TRUE(hidden.Enabled());
    // A window that was disabled before stays so.
    EXPECT_FALSE(disabled.Enabled());
}

TEST(ProgressWindow, BusyPictureMovesOnWithEveryRefresh) {
    auto dialog = vge::CreateProgressDialog();
    dialog->Start("x", "y", "z", 0, 100, 0);
    TVgEBusyIndicator* busy = ShownProcessForm()->Animate;
    const Integer before = busy->Phase();
    dialog->Update("Exporting... (100/100)", 100);
    EXPECT_EQ(busy->Phase(), (before + 1) % TVgEBusyIndicator::Steps);
}

// Writes the window as a user sees it mid-run when VELMORA_SCREENSHOTS names a folder.
TEST(ProgressWindow, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    auto dialog = vge::CreateProgressDialog();
    dialog->Start("VgExport 4.77", "Exporting...", "&Cancel", 0, 120, 0);
    // The window refreshes at most every few hundredths of a second.
    for (int i = 0; i < 4; ++i) {
        Sleep(50);
        dialog->Update("Exporting... (48/120)", 48);
    }
    ui::SaveSnapshot(ShownProcessForm(), String(folder) + "/export-progress.png");
}

} // namespace
