// The system's page setup dialog, opened for real and closed with Escape.
#include "platform/print/TPrinterSetupDialog.h"

#include "platform/print/TPrinter.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

TEST(PrinterSetupDialog, OpensWithoutFontWarnings) {
    Application->Initialize();
    const DialogRecorder real{ui::DialogHook{}}; // the dialog itself, not an answer
    TempFolder dir("velmora-setup");
    TPrinterSetupDialog dialog(nullptr);
    TTimer closer(nullptr);
    closer.SetInterval(200);
    int shown = 0;
    closer.OnTimer = [&](TObject*) {
        if (!ui::ActiveWindowCaption().empty() && ++shown == 2) ui::SimulateKeyInActiveWindow(VK_ESCAPE);
    };
    closer.SetEnabled(true);
    // What the toolkit says while the dialog is up, as the program's log would keep it.
    const int saved = ::dup(2);
    const int log = ::open(dir.File("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(log, 2);
    const bool confirmed = dialog.Execute();
    ::dup2(saved, 2);
    ::close(saved);
    ::close(log);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(ReadFileBytes(dir.File("stderr")).find("Point size <= 0"), std::string::npos)
        << ReadFileBytes(dir.File("stderr"));
}
