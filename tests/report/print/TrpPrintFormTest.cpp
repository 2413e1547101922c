// The print dialog: its printer list and the engine's printer, the copy
// buttons, the page options, and the checks before it closes with OK.
#include "report/print/detail/TrpPrintForm.h"

#include "tests/report/RecordingPrinter.h"
#include "tests/report/RunModal.h"
#include "report/common/detail/TrpControls.h"
#include "report/print/TrpPrinter.h"
#include "report/engine/rpEngine.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FakeSpooler.h"
#include "tests/support/TempFolder.h"

#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TTimer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

// The dialog over a recording printer of three printers, the first selected;
// message boxes and the printer setup dialog answered and recorded.
class PrintDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        rpInitEngine();
        FOld = SetPrinter(&Device);
        Prn->SetPrinter(&Device);
        Form = new TrpPrintForm(nullptr);
    }
    void TearDown() override {
        delete Form;
        Prn->SetPrinter(nullptr);
        SetPrinter(FOld);
    }
    // Shows the dialog modally and runs one step at each tick of a timer while it is up.
    TModalResult RunModal(std::vector<std::function<void()>> steps) {
        return ::RunModal(Form, std::move(steps));
    }
    void ClickOK() { ui::SimulateClick(Form->Button1, 5, 5); }

    RecordingPrinter Device;
    TrpPrintForm* Form = nullptr;
    std::vector<String> Messages;
    String SetupAnswer;

private:
    TPrinter* FOld = nullptr;
    DialogRecorder FDialogs{[this](const ui::DialogRequest& r) {
        Messages.push_back(r.Caption + ": " + r.Text + (r.Value.empty() ? "" : " [" + r.Value + "]"));
        return ui::DialogAnswer{SetupAnswer.empty() ? 0 : 1, SetupAnswer};
    }};
};

} // namespace

TEST_F(PrintDialog, CaptionsPrintersAndFirstState) {
    EXPECT_EQ(rpPrintForm, Form);
    EXPECT_EQ(Form->Caption(), "Print");
    EXPECT_EQ(Form->GroupBox1->Caption(), "Printer");
    EXPECT_EQ(Form->PropButton->Caption(), "Properties");
    EXPECT_EQ(Form->Label1->Caption(), "&Copies:");
    EXPECT_EQ(Form->GroupBox2->Caption(), "Page range");
    EXPECT_EQ(Form->RB1->Caption(), "&All");
    EXPECT_EQ(Form->RB2->Caption(), "Current &page");
    EXPECT_EQ(Form->RB3->Caption(), "&Numbers:");
    EXPECT_EQ(Form->Label2->Caption(),
              "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12");
    EXPECT_EQ(Form->Button1->Caption(), "OK");
    EXPECT_EQ(Form->Button2->Caption(), "Cancel");
    EXPECT_EQ(Form->CB1->Items()->Text(), "Recorder\r\nSecond\r\nMentés PDF-fájlba\r\n");
    EXPECT_EQ(Form->CB1->ItemIndex(), 0);
    EXPECT_EQ(Form->OldIndex, 0);
    EXPECT_TRUE(Form->RB1->Checked());
    EXPECT_EQ(Form->E1->Text(), "1");
    EXPECT_EQ(Form->ClientWidth(), 365);
    EXPECT_EQ(Form->ClientHeight(), 230);
}

TEST_F(PrintDialog, CopyButtons) {
    struct Row {
        const char* before;
        bool up;
        const char* after;
    } rows[] = {
        {"1", false, "1"},    // never below one
        {"5", false, "4"},    //
        {"5", true, "6"},     //
        {"999", true, "999"}, // never above the most copies
        {"x", true, "1"},     // a count that is no number starts again from 1
        {"", false, "1"},     //
        {"0", true, "1"},     //
        {"-4", false, "1"},   //
        {" 7 ", true, "8"},   // blanks around a number do not matter
    };
    for (const Row& r : rows) {
        Form->E1->SetText(r.before);
        if (r.up)
            Form->rpSpeedButton1Click(Form->rpSpeedButton1);
        else
            Form->rpSpeedButton2Click(Form->rpSpeedButton2);
        EXPECT_EQ(Form->E1->Text(), r.after) << r.before;
    }
}

TEST_F(PrintDialog, PickingAPrinterSelectsItAtOnceAndCancelTakesItBack) {
    EXPECT_EQ(RunModal({[&] {
                            Form->CB1->SetItemIndex(1);
                            Form->CB1Click(Form->CB1);
                            EXPECT_EQ(Prn->PrinterIndex(), 1);
                            EXPECT_EQ(Device.PrinterIndex(), 1);
                        },
                        [&] { ui::SimulateClick(Form->Button2, 5, 5); }}),
              mrCancel);
    EXPECT_EQ(Prn->PrinterIndex(), 0);
    EXPECT_EQ(Device.PrinterIndex(), 0);
}

TEST_F(PrintDialog, TheEnginesPrinterFollowsTheSystemsFromTheFirstDialog) {
    for (const Integer pick : {0, 1}) {
        // At start-up the engine begins before the system printer exists.
        delete Form;
        Prn->SetPrinter(nullptr);
        Device.SetPrinterIndex(2);
        Form = new TrpPrintForm(nullptr);
        EXPECT_EQ(Prn->Printer(), &Device);
        Form->CB1->SetItemIndex(pick);
        Form->CB1Click(Form->CB1);
        EXPECT_EQ(Device.PrinterIndex(), pick) << pick;
    }
}

TEST_F(PrintDialog, CancelWithoutQueuesKeepsTheVirtualPrinter) {
    FakeSpooler none;
    TPrinter fileOnly;
    SetPrinter(&fileOnly);
    Prn->SetPrinter(&fileOnly);
    ASSERT_TRUE(Prn->IsVirtual());
    delete Form;
    Form = new TrpPrintForm(nullptr);
    EXPECT_EQ(RunModal({[&] { ui::SimulateClick(Form->Button2, 5, 5); }}), mrCancel);
    EXPECT_TRUE(Prn->IsVirtual()); // not the file printer the system list starts with
    SetPrinter(&Device);
}

TEST_F(PrintDialog, APrinterPickedStaysWithOK) {
    EXPECT_EQ(RunModal({[&] {
                            Form->CB1->SetItemIndex(1);
                            Form->CB1Click(Form->CB1);
                        },
                        [&] { ClickOK(); }}),
              mrOk);
    EXPECT_EQ(Prn->PrinterIndex(), 1);
    EXPECT_TRUE(Messages.empty()); // a real printer asks for no file
}

TEST_F(PrintDialog, TheFilePrinterAsksWhereTheDocumentGoes) {
    Device.SetOutputFileName("/tmp/elozo.pdf");
    EXPECT_EQ(RunModal({[&] {
                            Form->CB1->SetItemIndex(2);
                            Form->CB1Click(Form->CB1);
                            ClickOK(); // no file chosen: the dialog stays
                        },
                        [&] {
                            EXPECT_TRUE(Form->Visible());
                            SetupAnswer = "/tmp/lista.pdf";
                            ClickOK();
                        }}),
              mrOk);
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(Messages[0], ":  [/tmp/elozo.pdf]"); // the last file is offered
    EXPECT_EQ(Device.OutputFileName(), "/tmp/lista.pdf");
}

TEST_F(PrintDialog, NumbersChosenBeforeTheDialogShows) {
    Form->RB3->SetChecked(true); // no window yet to focus the text in: nothing raised
    Form->E2->SetText("2");
    EXPECT_EQ(RunModal({[&] { ClickOK(); }}), mrOk);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(PrintDialog, ClickingIntoThePageTextChoosesNumbers) {
    RunModal({[&] { ui::SimulateClick(Form->E2, 5, 5); },
              [&] {
                  EXPECT_TRUE(Form->RB3->Checked());
                  EXPECT_FALSE(Form->RB1->Checked());
                  Form->RB2->SetChecked(true);
                  Form->RB3->SetChecked(true); // choosing numbers puts the cursor in the text
              },
              [&] { EXPECT_TRUE(Form->E2->Focused()); }});
}

TEST_F(PrintDialog, OKChecksTheCopiesAndThePageTextFirst) {
    Form->PageCount = 5;
    const TModalResult result = RunModal({
        [&] {
            Form->E1->SetText("0");
            ClickOK();
        },
        [&] {
            EXPECT_TRUE(Form->Visible());
            EXPECT_TRUE(Form->E1->Focused());
            Form->E1->SetText("2");
            Form->RB3->SetChecked(true);
            Form->E2->SetText("1,x");
            ClickOK();
        },
        [&] {
            EXPECT_TRUE(Form->E2->Focused());
            Form->E2->SetText("7-9");
            ClickOK();
        },
        [&] {
            Form->E2->SetText("5-3");
            ClickOK();
        },
        [&] {
            Form->E2->SetText("2, 4-9");
            ClickOK();
        },
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Messages,
              (std::vector<String>{
                  "Error: The number of copies must be a whole number from 1 to 999.",
                  "Error: 'x' is not a valid integer value.\nEnter page numbers and/or page ranges, "
                  "separated by commas. For example, 1,3,5-12",
                  "Error: These numbers select no page: the report has 5 pages.",
                  "Error: These numbers select no page: the report has 5 pages.",
              }));
    EXPECT_EQ(Form->Copies(), 2);
    EXPECT_EQ(Form->E2->Text(), "2, 4-9");
}

TEST_F(PrintDialog, InputErrors) {
    struct Row {
        const char* copies;
        bool numbers;
        const char* pages;
        Integer count;
        const char* error;
    } rows[] = {
        {"1", false, "x", 5, ""}, // the page text counts only with Numbers chosen
        {"0", false, "", 5, "The number of copies must be a whole number from 1 to 999."},
        {"2.5", false, "", 5, "The number of copies must be a whole number from 1 to 999."},
        {"1", true, "", 5, ""},  // an empty text prints every page
        {"1", true, "9", 0, ""}, // pages unknown: only the form is checked
        {"1", true, "3-", 0,
         "'' is not a valid integer value.\nEnter page numbers and/or page ranges, separated by commas. For "
         "example, 1,3,5-12"},
        {"1", true, "6", 5, "These numbers select no page: the report has 5 pages."},
        {"999", true, "1-99999999", 5, ""}, // clamped, not refused
    };
    for (const Row& r : rows) {
        Form->E1->SetText(r.copies);
        (r.numbers ? Form->RB3 : Form->RB1)->SetChecked(true);
        Form->E2->SetText(r.pages);
        Form->PageCount = r.count;
        EXPECT_EQ(Form->InputError(), r.error) << r.copies << " " << r.pages;
    }
}

TEST_F(PrintDialog, PropertiesRunsTheSetupDialogAndFollowsItsPrinter) {
    SetupAnswer = "Second";
    Form->PropButtonClick(Form->PropButton);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], ":  [Recorder]"); // no caption, no text: the printer's name
    EXPECT_EQ(Form->CB1->ItemIndex(), 1);
}

TEST_F(PrintDialog, ThePrinterIsDrawnWithItsPicture) {
    TBitmap shot;
    ui::Snapshot(Form, &shot);
    int lights = 0, olive = 0;
    for (Integer y = 0; y < shot.Height(); ++y)
        for (Integer x = 0; x < shot.Width(); ++x) {
            const TColor c = shot.Canvas()->Pixels(x, y);
            lights += c == clLime;
            olive += c == TColor(0x008080);
        }
    EXPECT_EQ(lights, 1); // the power light of the picture before the chosen printer
    EXPECT_EQ(olive, 0);  // the picture's background left out
}

TEST_F(PrintDialog, RendersOffscreen) {
    TempFolder folder("printform");
    const String file = folder.File("printform.png");
    ui::SaveSnapshot(Form, file);
    EXPECT_GT(std::filesystem::file_size(file), 500u);
    if (const char* keep = std::getenv("VELMORA_KEEP_SNAPSHOTS"))
        std::filesystem::copy_file(file, String(keep) + "/printform.png",
                                   std::filesystem::copy_options::overwrite_existing);
}
