#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"
#include "tests/report/RecordingPrinter.h"

#include "platform/core/Exceptions.h"
#include "report/build/TrpPage.h"
#include "tests/support/ErrorOf.h"

namespace {

// Five A4 pages, each with one line "<page number>", printed on a recording printer.
class PrintReport : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        FOld = SetPrinter(&Device);
        Window = new FakeWindow();
        report::rpSetProgressWindow(Window);
        Report->Title = "Ügyek";
        Band(btMasterData, 20, 1000, "5");
        Memo(0, 20, "[PAGE#]");
        ASSERT_TRUE(Report->PrepareReport());
        ASSERT_EQ(Report->EMFPages()->Count(), 5);
        Report->ShowProgress = true;
    }
    void TearDown() override {
        report::rpSetProgressWindow(nullptr);
        Prn->SetPrinter(nullptr);
        SetPrinter(FOld);
        BandEngineTest::TearDown();
    }
    // Two more template pages of A3 paper after the A4 ones.
    void AddA3Pages() {
        Report->Pages()->Add();
        TrpPage* a3 = Report->Pages()->Pages(1);
        a3->PaperSize = 8;
        a3->Margins = TRect(20, 20, 20, 20);
        a3->ChangePaper();
        Band(btMasterData, 20, 1400, "2", 0, a3);
        Memo(0, 20, "A3-[PAGE#]", 200, 15, a3);
        Report->ShowProgress = false;
        ASSERT_TRUE(Report->PrepareReport());
        ASSERT_EQ(Report->EMFPages()->Count(), 7);
    }

    RecordingPrinter Device;
    FakeWindow* Window = nullptr;

private:
    TPrinter* FOld = nullptr;
};

} // namespace

TEST_F(PrintReport, PageListWithCopiesPrintsEachPageItsCopiesInARow) {
    Report->PrintPreparedReport("1, 3-5", 2);
    ASSERT_EQ(Device.Jobs.size(), 1u);
    EXPECT_EQ(Device.Printed(), "1 1 3 3 4 4 5 5");
    EXPECT_EQ(Device.Jobs[0].Title, "Report: Ügyek");
    EXPECT_TRUE(Device.Jobs[0].Ended);
    EXPECT_EQ(Window->Caption, "Report preparing - Ügyek");
    EXPECT_EQ(Window->Labels.front(), "Printing page:");
    EXPECT_EQ(Window->Labels.back(), "Printing page:  5");
    EXPECT_EQ(Window->Result, 1);
}

TEST_F(PrintReport, EmptyTextPrintsEveryPageAndFewCopiesCountAsOne) {
    Report->Title = "";
    Report->PrintPreparedReport("", 0);
    EXPECT_EQ(Device.Printed(), "1 2 3 4 5");
    EXPECT_EQ(Device.Jobs[0].Title, "Report: Untitled");
    // The pages keep the printer's figures and no loaded objects.
    const TrpPageInfo* info = Report->EMFPages()->Pages(0);
    EXPECT_EQ(info->PrnInfo.PPgw, 826);
    EXPECT_EQ(info->PrnInfo.POfx, 20);
    EXPECT_FALSE(info->Visible);
    EXPECT_EQ(info->Page, nullptr);
}

TEST_F(PrintReport, ATextThatSelectsNoPageStartsNoJob) {
    for (const char* text : {"5-3", "9", "0", "6-100"}) {
        Report->PrintPreparedReport(text, 1);
        EXPECT_TRUE(Device.Jobs.empty()) << text;
    }
}

TEST_F(PrintReport, AHugeRangeIsClampedToThePages) {
    Report->PrintPreparedReport("4-2000000000", 1);
    EXPECT_EQ(Device.Printed(), "4 5");
}

TEST_F(PrintReport, ABadTextRaisesBeforeAnyWindowOrJob) {
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Report->PrintPreparedReport("1,x", 1); }),
              "'x' is not a valid integer value");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Report->PrintPreparedReport("2-", 1); }),
              "'' is not a valid integer value");
    EXPECT_EQ(Window->Showings, 0);
    EXPECT_TRUE(Device.Jobs.empty());
}

TEST_F(PrintReport, CancelAbortsTheJobAfterThePageInHand) {
    Window->CancelAt = 2;
    Report->PrintPreparedReport("", 3);
    ASSERT_EQ(Device.Jobs.size(), 1u);
    EXPECT_EQ(Device.Printed(), "1 1");
    EXPECT_TRUE(Device.Jobs[0].Aborted);
    EXPECT_FALSE(Device.Jobs[0].Ended);
    EXPECT_FALSE(Device.Printing());
    EXPECT_FALSE(Report->Terminated);
}

TEST_F(PrintReport, APaperChangeStartsASecondJob) {
    AddA3Pages();
    Report->PrintPreparedReport("4-7", 1);
    ASSERT_EQ(Device.Jobs.size(), 2u);
    EXPECT_EQ(Device.Printed(), "4 5 / A3-6 A3-7");
    EXPECT_TRUE(Device.Jobs[0].Ended);
    EXPECT_EQ(Device.Jobs[0].Sheets[0].Paper, 9);
    EXPECT_EQ(Device.Jobs[1].Sheets[1].Paper, 8);
    EXPECT_EQ(Device.Jobs[1].Title, "Report: Ügyek");
}

TEST_F(PrintReport, TheJobTakesThePaperOfTheFirstPrintedPage) {
    AddA3Pages();
    // No empty A4 job before the A3 pages.
    Report->PrintPreparedReport("6-7", 1);
    ASSERT_EQ(Device.Jobs.size(), 1u);
    EXPECT_EQ(Device.Printed(), "A3-6 A3-7");
    EXPECT_EQ(Device.Jobs[0].Sheets[0].Paper, 8);
}

TEST_F(PrintReport, TheFilePrinterKeepsOneDocumentAcrossPapers) {
    RecordingPrinter file(true);
    SetPrinter(&file);
    Prn->SetPrinter(nullptr);
    AddA3Pages();
    Report->PrintPreparedReport("", 1);
    // A second document would have replaced the file with the A3 pages alone.
    ASSERT_EQ(file.Jobs.size(), 1u);
    EXPECT_EQ(file.Printed(), "1 2 3 4 5 A3-6 A3-7");
    EXPECT_EQ(file.Jobs[0].Sheets[4].Paper, 9);
    EXPECT_EQ(file.Jobs[0].Sheets[5].Paper, 8);
    Prn->SetPrinter(nullptr);
    SetPrinter(&Device);
}

TEST_F(PrintReport, TheVirtualPrinterLendsTheSystemPrinterForTheJob) {
    Prn->SetPrinter(&Device);
    Prn->SetPrinterIndex(Prn->DefaultPrinter);
    Report->PrintPreparedReport("2", 1);
    EXPECT_EQ(Device.Printed(), "2");
    // Layout stays with the virtual printer.
    EXPECT_TRUE(Prn->IsVirtual());
    EXPECT_EQ(Prn->Printer(), &Device);
}

TEST_F(PrintReport, APrinterFailureClosesTheWindowAndIsRaised) {
    Device.FailAtSheet = 1;
    EXPECT_EQ(ErrorOf<EPrinter>([&] { Report->PrintPreparedReport("", 1); }),
              "Printer selected is not valid");
    EXPECT_EQ(Window->Showings, 1);
    EXPECT_FALSE(Window->Shown);
    EXPECT_EQ(Window->Result, 1);
    EXPECT_FALSE(Device.Printing());
}

TEST_F(PrintReport, AFailureInsideTheJobAbortsIt) {
    Device.FailAtSheet = 3;
    EXPECT_EQ(ErrorOf<EPrinter>([&] { Report->PrintPreparedReport("", 1); }),
              "Printer selected is not valid");
    ASSERT_EQ(Device.Jobs.size(), 1u);
    EXPECT_EQ(Device.Printed(), "1 2");
    EXPECT_TRUE(Device.Jobs[0].Aborted);
    EXPECT_FALSE(Device.Printing());
}

TEST_F(PrintReport, WithoutTheWindowProgressGoesToOnProgress) {
    std::vector<Integer> seen;
    Report->OnProgress = [&](Integer n) { seen.push_back(n); };
    Report->PrintPreparedReport("2,4", 2);
    EXPECT_EQ(Window->Showings, 0);
    EXPECT_EQ(seen, (std::vector<Integer>{2, 2, 4, 4}));
    EXPECT_EQ(Device.Printed(), "2 2 4 4");
}
