// The preview window on a five-page report: page hand-over, paging and keys,
// the zoom remembered across previews, find with case folding and F3 across
// pages, prepared files opened and saved, export through a filter, and a
// printer change that keeps the pages shown until new ones are built.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"
#include "tests/report/PreviewWindow.h"
#include "tests/report/RecordingPrinter.h"
#include "tests/report/StandInDesigner.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TRegIniFile.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TScreen.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TScrollBar.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/VirtualKeys.h"
#include "report/common/detail/TrpControls.h"
#include "report/common/detail/rpGlobals.h"
#include "report/build/TrpPage.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/preview/rpWebAddress.h"
#include "report/preview/detail/TrpPreviewSearchForm.h"
#include "report/print/detail/TrpPrintForm.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/StubOpener.h"
#include "tests/support/TempFolder.h"

#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TRadioButton.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

namespace {

// Pages 1 to 5, each with "Oldal <n>" at the top and, lower down, a line
// holding "abc" twice, then "ABC" and "Abc" lines further down.
class Preview : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        LastZoomFactor = 1.0;
        LastZoomMode = mdNone;
        Band(btMasterData, 20, 1000, "5");
        Memo(0, 20, "Oldal [PAGE#]");
        Memo(100, 200, "abc es abc");
        Memo(50, 400, "ABC nagy");
        Memo(60, 600, "Abc vegyes");
        Memo(0, 800, "elso");
        Memo(0, 815, "masodik");
        Rebuild();
    }
    void TearDown() override {
        Form.reset();
        LastZoomFactor = 1.0;
        LastZoomMode = mdNone;
        BandEngineTest::TearDown();
    }
    void Rebuild() { ASSERT_TRUE(Report->PrepareReport()); }
    // A preview of the report, 800 by 600 inside, not shown.
    TrpPreviewForm* Open() {
        Form = OpenPreview(Report);
        return Form.get();
    }
    String PageLabel() const { return Form->Label1->Caption(); }

    std::unique_ptr<TrpPreviewForm> Form;
};

TEST_F(Preview, ThePreviewHoldsThePagesAndFreesThemWhenItCloses) {
    TrpPreviewForm* f = Open();
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    ASSERT_NE(f->HeldPages(), nullptr);
    EXPECT_EQ(f->HeldPages()->Count(), 5);
    EXPECT_EQ(PageLabel(), "Page 1/5");
    TrpEMFPages* held = f->HeldPages();
    f->ConnectBack();
    EXPECT_EQ(Report->EMFPages(), held);
    f->Connect(Report);
    Form.reset();
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
}

TEST_F(Preview, ToolbarFollowsThePreviewButtons) {
    Report->PreviewButtons = {pbZoom, pbFind, pbExit};
    TrpPreviewForm* f = Open();
    EXPECT_TRUE(f->ZoomBtn->Visible());
    EXPECT_FALSE(f->LoadBtn->Visible());
    EXPECT_FALSE(f->SaveBtn->Visible());
    EXPECT_FALSE(f->PrintBtn->Visible());
    EXPECT_FALSE(f->HelpBtn->Visible());    // no help viewer here
    EXPECT_TRUE(f->rpTBButton1->Visible()); // the web link whatever the buttons
    EXPECT_TRUE(f->rpTBSeparator3->Visible());
    EXPECT_EQ(f->ZoomBtn->Caption(), "100%");
    EXPECT_FALSE(f->ExitBtn->GrayedInactive());
    Report->PreviewButtons = {pbLoad};
    Report->GrayedButtons = true;
    Rebuild();
    f = Open();
    EXPECT_FALSE(f->rpTBSeparator1->Visible());
    EXPECT_FALSE(f->rpTBSeparator3->Visible());
    EXPECT_TRUE(f->LoadBtn->GrayedInactive());
    EXPECT_EQ(f->ProcMenu->Items()->Items(3)->Caption(), "75%");
    EXPECT_EQ(f->N2->Caption(), "&Whole page");
    EXPECT_FALSE(f->N5->Visible()); // no designer: no page editing
}

TEST_F(Preview, WithADesignerTheButtonsGreyAsItsStoredSettingSays) {
    TempFolder config("velmora-designer");
    const ScopedEnv home("XDG_CONFIG_HOME", config.Path());
    Application->SetTitle("Iroda");
    const core::ScopeExit titleBack([] { Application->SetTitle(""); });
    auto store = [](const String& Key, bool Grey) {
        TRegIniFile(Key).WriteBool("Form\\StandInDesigner", "GrayButtons", Grey);
    };
    // The grey of every speed button of the toolbar: "yes", "no" or "mixed".
    auto grey = [this] {
        Rebuild();
        TrpPreviewForm* f = Open();
        std::set<bool> seen;
        for (Integer i = 0; i < f->Panel1->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TrpSpeedButton*>(f->Panel1->Controls(i)))
                seen.insert(b->GrayedInactive());
        return seen.size() != 1 ? "mixed" : *seen.begin() ? "yes" : "no";
    };
    store("Software\\Report\\Iroda", true);
    EXPECT_STREQ(grey(), "no"); // no designer: the report's own choice
    std::optional<StandInDesigner> designer(std::in_place);
    EXPECT_STREQ(grey(), "yes"); // the designer's stored choice over the report's
    Report->GrayedButtons = true;
    store("Software\\Report\\Iroda", false);
    EXPECT_STREQ(grey(), "no");
    // Stored for no title (another program's key): the default, not grey.
    TRegIniFile("Software\\Report\\Iroda").EraseSection("Form\\StandInDesigner");
    store("Software\\Report", true);
    EXPECT_STREQ(grey(), "no");
    designer.reset();
    EXPECT_STREQ(grey(), "yes");
}

TEST_F(Preview, TheWebLinkShowsTheAddressTheProgramSetAndOpensItInTheBrowser) {
    const String before = rpWebAddress();
    core::ScopeExit restore([&] { rpSetWebAddress(before); });
    rpSetWebAddress("www.pelda.hu");
    const StubOpenerOnPath opener;
    TrpPreviewForm* f = Open();
    EXPECT_EQ(f->rpTBButton1->Caption(), "www.pelda.hu");
    f->rpTBButton1->Click();
    ASSERT_TRUE(WaitForStubLog(opener.Log));
    EXPECT_EQ(ReadFileBytes(opener.Log).substr(0, 20), "http://www.pelda.hu\n");
}

TEST_F(Preview, OpenAndSaveKeysWorkWithTheirButtonsHidden) {
    Report->PreviewButtons = {pbZoom, pbFind, pbExit};
    TrpPreviewForm* f = Open();
    std::vector<ui::DialogRequest> asked;
    DialogRecorder dialogs([&](const ui::DialogRequest& r) {
        asked.push_back(r);
        return ui::DialogAnswer{0, {}};
    });
    Word key = 'S';
    f->FormKeyDown(f, key, {ssCtrl});
    key = 'O';
    f->FormKeyDown(f, key, {ssCtrl});
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].Kind, ui::DialogKind::SaveDialog);
    EXPECT_EQ(asked[0].Filter, f->SaveFilter());
    EXPECT_EQ(asked[1].Kind, ui::DialogKind::OpenDialog);
    EXPECT_EQ(asked[1].Filter, "Report file (*.rpp)|*.rpp");
    EXPECT_EQ(f->HeldPages()->Count(), 5); // both dialogs cancelled: nothing changed
}

TEST_F(Preview, PagingKeysAndButtonsMoveThroughThePages) {
    TrpPreviewForm* f = Open();
    Word key = VK_END;
    f->FormKeyDown(f, key, {ssCtrl});
    EXPECT_EQ(key, 0);
    // The last page's top cannot reach the top of the box, yet it is the page shown.
    EXPECT_EQ(PageLabel(), "Page 5/5");
    f->PgDownClick(f);
    EXPECT_EQ(f->CurrentPage, 5);
    key = VK_PRIOR;
    f->FormKeyDown(f, key, {ssCtrl});
    EXPECT_EQ(PageLabel(), "Page 4/5");
    EXPECT_EQ(f->VScrollBar->Position(), f->HeldPages()->Pages(3)->R.Top - 10);
    key = VK_HOME;
    f->FormKeyDown(f, key, {});
    EXPECT_EQ(key, VK_HOME); // Home alone is left to the focused control
    key = VK_HOME;
    f->FormKeyDown(f, key, {ssCtrl});
    EXPECT_EQ(f->VScrollBar->Position(), 0);
    EXPECT_EQ(PageLabel(), "Page 1/5");
    key = 'Q';
    f->FormKeyDown(f, key, {ssCtrl});
    EXPECT_EQ(key, 0);
}

TEST_F(Preview, ScrollingPastAPageShowsTheNextPagesNumber) {
    TrpPreviewForm* f = Open();
    const TRect second = f->HeldPages()->Pages(1)->R;
    f->VScrollBar->SetPosition(second.Top - 5);
    EXPECT_EQ(PageLabel(), "Page 2/5");
    EXPECT_EQ(f->ScrollOffsetY, -(second.Top - 5));
    bool handled = false;
    f->FormMouseWheelUp(f, {}, TPoint(), handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(f->VScrollBar->Position(), second.Top - 15);
}

TEST_F(Preview, TheZoomChosenLastOpensTheNextPreview) {
    TrpPreviewForm* f = Open();
    f->ZoomItemClick(f->N751);
    EXPECT_DOUBLE_EQ(f->ZoomFactor, 0.75);
    EXPECT_EQ(f->ZoomBtn->Caption(), "75%");
    const Integer pw = f->HeldPages()->Pages(0)->PrnInfo.Pgw;
    EXPECT_EQ(f->HeldPages()->Pages(0)->R.Width(), Integer(Round(pw * 0.75)));
    Form.reset();
    Rebuild();
    f = Open();
    EXPECT_DOUBLE_EQ(f->ZoomFactor, 0.75);
    EXPECT_TRUE(f->N751->Checked());
    Form.reset();
    Report->InitialZoom = pzOnePage;
    Rebuild();
    f = Open();
    EXPECT_EQ(f->ZoomMode, mdOnePage);
    EXPECT_TRUE(f->N2->Checked());
    EXPECT_EQ(f->HeldPages()->Pages(0)->R.Height(), f->PBox->Height() - 20);
}

TEST_F(Preview, FindFoldsCaseUnlessToldAndF3GoesOnRunByRun) {
    TrpPreviewForm* f = Open();
    f->StartSearch("abc", false, true);
    ASSERT_TRUE(f->Search.Hit);
    EXPECT_EQ(f->Search.Page, 0);
    const Integer firstRun = f->Search.Run;
    EXPECT_EQ(f->Search.HitAt.Y, 201);
    // Both "abc" of one line are one hit: F3 moves on to "ABC", then "Abc".
    Word key = VK_F3;
    f->FormKeyDown(f, key, {});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(f->Search.HitAt.Y, 401);
    EXPECT_GT(f->Search.Run, firstRun);
    f->FindNext();
    EXPECT_EQ(f->Search.HitAt.Y, 601);
    EXPECT_EQ(f->CurrentPage, 1);
    f->FindNext();
    EXPECT_EQ(f->Search.Page, 1); // on to the next page
    EXPECT_EQ(f->CurrentPage, 2);
    EXPECT_EQ(PageLabel(), "Page 2/5");
    const TRect second = f->HeldPages()->Pages(1)->R;
    EXPECT_EQ(f->VScrollBar->Position(), 201 + second.Top - 10);
    EXPECT_EQ(f->HScrollBar->Position(), 0); // clamped: 100 + left - 10 lies beyond no range
    f->StartSearch("abc", true, true);
    EXPECT_EQ(f->Search.HitAt.Y, 201);
    f->FindNext();
    EXPECT_EQ(f->Search.Page, 1); // "ABC" and "Abc" no longer match
    EXPECT_EQ(f->Search.HitAt.Y, 201);
}

TEST_F(Preview, OriginChoosesTheFirstOrTheCurrentPage) {
    TrpPreviewForm* f = Open();
    f->CurrentPage = 3;
    f->StartSearch("oldal", false, false);
    EXPECT_EQ(f->CurrentPage, 3);
    EXPECT_EQ(f->Search.Page, 2);
    f->StartSearch("oldal", false, true);
    EXPECT_EQ(f->CurrentPage, 1);
    // Moving to another page: F3 starts at its top.
    f->PgDownClick(f);
    f->PgDownClick(f);
    f->FindNext();
    EXPECT_EQ(f->CurrentPage, 3);
    EXPECT_EQ(f->Search.HitAt.Y, 21);
    // The same page again with "Current page": on after the last hit.
    f->StartSearch("oldal", false, false);
    EXPECT_EQ(f->CurrentPage, 4);
}

TEST_F(Preview, ASearchWithoutAHitLeavesTheView) {
    TrpPreviewForm* f = Open();
    f->PgDownClick(f);
    const Integer position = f->VScrollBar->Position();
    for (const char* text : {"elso masodik", "nincs ilyen", ""}) {
        f->StartSearch(text, false, true);
        EXPECT_FALSE(f->Search.Hit) << text;
        EXPECT_EQ(f->CurrentPage, 2) << text;
        EXPECT_EQ(f->VScrollBar->Position(), position) << text;
    }
    EXPECT_EQ(f->Search.Page, 5);
}

TEST_F(Preview, PreparedFileRoundTripAndAFileThatDoesNotReadLosesNothing) {
    TempFolder dir("velmora-preview");
    TrpPreviewForm* f = Open();
    f->SaveToFile(dir.File("lista.txt"));
    ASSERT_TRUE(std::filesystem::exists(dir.File("lista.rpp")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("lista.txt")));
    EXPECT_EQ(Report->EMFPages()->Count(), 0); // the pages came back to the window
    f->PgDownClick(f);
    f->LoadFromFile(dir.File("lista.rpp"));
    EXPECT_EQ(f->HeldPages()->Count(), 5);
    EXPECT_EQ(PageLabel(), "Page 1/5");
    EXPECT_FALSE(Report->CanRebuild);
    f->StartSearch("oldal 4", false, true);
    EXPECT_EQ(f->CurrentPage, 4);

    std::ofstream(dir.File("rossz.rpp"), std::ios::binary) << "nem jelentes";
    TrpEMFPages* held = f->HeldPages();
    EXPECT_EQ(ErrorOf<EReadError>([&] { f->LoadFromFile(dir.File("rossz.rpp")); }), "Stream read error");
    EXPECT_EQ(f->HeldPages(), held);
    EXPECT_EQ(f->HeldPages()->Count(), 5);
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
}

TEST_F(Preview, SaveDialogListsPreparedReportsFirstThenTheExportFilters) {
    TrpPreviewForm* f = Open();
    EXPECT_EQ(f->SaveFilter(),
              "Report file (*.rpp)|*.rpp|ASCII Text file (*.txt)|*.txt|Rich Text file (*.rtf)|*.rtf");
    TempFolder dir("velmora-preview");
    auto* window = new FakeWindow();
    report::rpSetProgressWindow(window);
    // The text filter asks for the average font height.
    DialogRecorder dialogs([](const ui::DialogRequest&) { return ui::DialogAnswer{1, "16"}; });
    f->SaveAs(dir.File("lista.rpp"), 2);
    f->SaveAs(dir.File("lista"), 3);
    report::rpSetProgressWindow(nullptr);
    EXPECT_TRUE(std::filesystem::exists(dir.File("lista.txt")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("lista.rtf")));
    EXPECT_EQ(f->HeldPages()->Count(), 5);
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    f->SaveAs(dir.File("masik.dat"), 1);
    EXPECT_TRUE(std::filesystem::exists(dir.File("masik.rpp")));
}

TEST_F(Preview, ThePrintDialogsChoicesPrintAndTheReportGetsThePagesOnlyMeanwhile) {
    RecordingPrinter device;
    TPrinter* old = SetPrinter(&device);
    Prn->SetPrinter(&device);
    Rebuild();
    TrpPreviewForm* f = Open();
    EXPECT_TRUE(f->PrintBtn->Enabled());
    f->PgDownClick(f);
    {
        TrpPrintForm dialog(nullptr);
        dialog.RB3->SetChecked(true);
        dialog.E2->SetText("2-3");
        dialog.E1->SetText("2");
        f->PrintChosen(&dialog, Prn->PrinterIndex());
    }
    EXPECT_EQ(device.Printed(), "Oldal 2abc es abcABC nagyAbc vegyeselsomasodik "
                                "Oldal 2abc es abcABC nagyAbc vegyeselsomasodik "
                                "Oldal 3abc es abcABC nagyAbc vegyeselsomasodik "
                                "Oldal 3abc es abcABC nagyAbc vegyeselsomasodik");
    EXPECT_EQ(f->HeldPages()->Count(), 5);
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    EXPECT_EQ(f->CurrentPage, 1); // the view starts again at page 1
    device.Jobs.clear();
    f->PgDownClick(f);
    f->PgDownClick(f);
    {
        TrpPrintForm dialog(nullptr);
        dialog.RB2->SetChecked(true);
        // Another printer chosen in the dialog: the pages are built for it first.
        const Integer before = Prn->PrinterIndex();
        Prn->SetPrinterIndex(1);
        TrpEMFPages* shown = f->HeldPages();
        f->PrintChosen(&dialog, before);
        EXPECT_NE(f->HeldPages(), shown);
        EXPECT_EQ(Prn->PrinterIndex(), 1);
    }
    ASSERT_EQ(device.Jobs.size(), 1u);
    EXPECT_EQ(device.Printed(), "Oldal 3abc es abcABC nagyAbc vegyeselsomasodik");
    Form.reset();
    Prn->SetPrinter(nullptr);
    SetPrinter(old);
}

TEST_F(Preview, APrinterChangeKeepsThePagesUntilTheNewOnesAreBuilt) {
    TrpPreviewForm* f = Open();
    TrpEMFPages* shown = f->HeldPages();
    const Integer printer = Prn->PrinterIndex();
    // A printer that cannot be selected: nothing changes.
    EXPECT_FALSE(f->RebuildForPrinter(printer, 99));
    EXPECT_EQ(f->HeldPages(), shown);
    EXPECT_EQ(Prn->PrinterIndex(), printer);
    EXPECT_EQ(Messages.back(), "Error: Printer selected is not valid");
    // A build that fails keeps the pages shown.
    Memo(0, 900, "[1/]");
    EXPECT_FALSE(f->RebuildForPrinter(printer, printer));
    EXPECT_EQ(f->HeldPages(), shown);
    EXPECT_EQ(f->HeldPages()->Count(), 5);
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    EXPECT_EQ(Messages.back().rfind("Error: ", 0), 0u);
    // A build that works replaces them.
    Page->Objects.pop_back();
    EXPECT_TRUE(f->RebuildForPrinter(printer, printer));
    EXPECT_NE(f->HeldPages(), shown);
    EXPECT_EQ(f->HeldPages()->Count(), 5);
}

TEST_F(Preview, PagesFarDownATallWindowAreDrawn) {
    TrpPreviewForm* f = Open();
    f->SetClientHeight(3000);
    f->SetClientWidth(600);
    f->FormResize();
    const TrpPageInfo* third = f->HeldPages()->Pages(2);
    ASSERT_GT(third->R.Top, 2000);
    ASSERT_LT(third->R.Top, f->PBox->Height());
    TBitmap bmp;
    bmp.SetSize(f->PBox->Width(), f->PBox->Height());
    f->PBox->PaintTo(bmp.Canvas());
    EXPECT_TRUE(third->Visible);
    EXPECT_NE(third->Page, nullptr);
    EXPECT_FALSE(f->HeldPages()->Pages(4)->Visible);
    EXPECT_EQ(f->HeldPages()->Pages(4)->Page, nullptr);
    // White paper with a black frame on the gray box.
    EXPECT_EQ(bmp.Canvas()->Pixels(third->R.Left + 5, third->R.Top + 5), clWhite);
    EXPECT_EQ(bmp.Canvas()->Pixels(third->R.Left, third->R.Top + 5), clBlack);
    EXPECT_EQ(bmp.Canvas()->Pixels(third->R.Left - 3, third->R.Top + 5), TColor(0x808080));
}

TEST_F(Preview, ShowReportOpensThePreviewWithTheReportsTitle) {
    Report->ModalPreview = false;
    Report->Title = "Ügyek";
    Report->ShowReport();
    TrpPreviewForm* shown = nullptr;
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        if (auto* p = dynamic_cast<TrpPreviewForm*>(Screen->Forms(i))) shown = p;
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->Visible());
    EXPECT_EQ(shown->Caption(), "Preview - Ügyek");
    EXPECT_EQ(shown->HeldPages()->Count(), 5);
    shown->ExitBtnClick(shown);
    Application->ProcessMessages();
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        EXPECT_EQ(dynamic_cast<TrpPreviewForm*>(Screen->Forms(i)), nullptr);
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
}

TEST_F(Preview, KeysReachEveryPreviewOfARunAlsoOneWhosePagesAllFit) {
    Report->ModalPreview = false;
    std::vector<ui::DialogKind> asked;
    DialogRecorder dialogs([&](const ui::DialogRequest& r) {
        asked.push_back(r.Kind);
        return ui::DialogAnswer{0, {}};
    });
    auto shown = [] {
        for (Integer i = 0; i < Screen->FormCount(); ++i)
            if (auto* p = dynamic_cast<TrpPreviewForm*>(Screen->Forms(i)); p && p->Visible()) return p;
        return static_cast<TrpPreviewForm*>(nullptr);
    };
    // The first preview is set to whole pages, which the later ones of the run
    // keep: their single page fits and leaves no scroll bar to hold the focus.
    Report->ShowReport();
    shown()->ZoomItemClick(shown()->N2);
    for (int preview = 1; preview <= 3; ++preview) {
        SCOPED_TRACE(preview);
        if (preview > 1) {
            Page->Objects[0]->FormatStr = "1";
            Rebuild();
            Report->ShowReport();
        }
        ASSERT_NE(shown(), nullptr);
        Application->ProcessMessages();
        asked.clear();
        ui::SimulateKeyInActiveWindow('S', {ssCtrl});
        EXPECT_EQ(asked, std::vector<ui::DialogKind>{ui::DialogKind::SaveDialog});
        ui::SimulateKeyInActiveWindow(VK_ESCAPE);
        Application->ProcessMessages();
        EXPECT_EQ(shown(), nullptr);
    }
}

TEST_F(Preview, WithADesignerPagesAreEditedAddedBeforeAndDeletedAtThePageShown) {
    // Shown on a prepared page, the designer notes the page's first text and the
    // report's page count, and changes the text.
    StandInDesigner designer;
    std::vector<String> seen;
    designer.WhenShown = [&] {
        seen.push_back(designer.Page->Object(0)->Memo[0] + "/" + IntToStr(CurReport->EMFPages()->Count()));
        designer.Page->Object(0)->Memo.SetText("javitott");
    };
    TrpPreviewForm* f = Open();
    auto texts = [&] { // the first text of every page held, "-" for a blank page
        f->ConnectBack();
        std::vector<String> r;
        for (const auto& page : Built())
            r.push_back(page.empty() ? "-" : page.front().substr(0, page.front().find('@')));
        f->Connect(Report);
        return r;
    };
    auto key = [f](Word Key, TShiftState Shift = {}) {
        f->FormKeyDown(f, Key, Shift);
        return Key;
    };
    f->PgDownClick(f);
    EXPECT_EQ(key('E', {ssCtrl}), 0); // cancelled; the view goes back to page 1
    designer.Answer = mrOk;
    f->PBox->DblClick();
    Report->ModifyPrepared = false;
    f->N5->Click();
    // The report holds the pages while the designer shows.
    EXPECT_EQ(seen, (std::vector<String>{"Oldal 2/5", "Oldal 1/5"}));
    // The zoom button's menu leaves the editing items out; the keys work on after it.
    bool inZoomMenu = true;
    TTimer closer(nullptr);
    closer.SetInterval(20);
    closer.OnTimer = [&](TObject*) {
        inZoomMenu = f->N5->Visible();
        ui::CloseActivePopup();
    };
    closer.SetEnabled(true);
    f->ZoomBtnClick(f);
    closer.SetEnabled(false);
    EXPECT_FALSE(inZoomMenu);
    f->PgDownClick(f);
    EXPECT_EQ(key(VK_INSERT), 0);
    EXPECT_EQ(texts(), (std::vector<String>{"javitott", "-", "Oldal 2", "Oldal 3", "Oldal 4", "Oldal 5"}));
    EXPECT_EQ(f->HeldPages()->Pages(1)->R.Height(), f->HeldPages()->Pages(0)->R.Height()); // laid out
    EXPECT_EQ(f->Label1->Caption(), "Page 1/6");
    DialogRecorder dialogs(IDNO);
    f->N7->Click();
    dialogs.AnswerWith(IDYES);
    f->PgDownClick(f);
    EXPECT_EQ(key(VK_DELETE), 0);
    for (int i = 0; i < 5; ++i) // the last page is not offered
        f->DelPageBtnClick(f);
    EXPECT_EQ(dialogs.Texts(), std::vector<String>(6, "Delete the page shown?"));
    EXPECT_EQ(dialogs.Requests[0].Icon, ui::DialogIcon::Question);
    EXPECT_EQ(texts(), std::vector<String>{"Oldal 5"});
    EXPECT_EQ(f->Label1->Caption(), "Page 1/1");
}

TEST(PreviewSearchForm, OpensEmptyCaseBlindFromTheFirstPage) {
    TrpPreviewSearchForm d(nullptr);
    EXPECT_EQ(d.Caption(), "Find text");
    EXPECT_EQ(d.Edit1->Text(), "");
    EXPECT_FALSE(d.CB1->Checked());
    EXPECT_TRUE(d.RB1->Checked());
    EXPECT_FALSE(d.RB2->Checked());
    EXPECT_EQ(d.CB1->Caption(), "&Case sensitive");
    EXPECT_EQ(d.RB2->Caption(), "Current &page");
    EXPECT_EQ(d.Edit1->BoundsRect(), Bounds(4, 24, 253, 21));
    EXPECT_EQ(d.ClientWidth(), 262);
    EXPECT_EQ(d.ClientHeight(), 158);
}

} // namespace

namespace {

// A list of cases over three pages, for looking at the preview.
class PreviewLook : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        TempBmp->Canvas()->SetMeasurer(nullptr);
        LastZoomFactor = 1.0;
        LastZoomMode = mdNone;
        Report->Title = "Ügyek listája";
        Band(btPageHeader, 20, 60, "", bfPrintOnFirstPage);
        Memo(20, 24, "Ügyek listája", 400, 22)->Font.SetSize(14);
        Memo(500, 30, "[PAGE#]. oldal", 180, 16);
        Band(btMasterData, 90, 18, "110");
        Memo(20, 90, "[LINE#].", 40, 16);
        Memo(70, 90, "Kovács Éva és társa, ügyszám P-[LINE#]/2024", 380, 16);
        Memo(460, 90, "Budapest, Fő utca [LINE#].", 220, 16);
    }
    void TearDown() override {
        LastZoomFactor = 1.0;
        LastZoomMode = mdNone;
        BandEngineTest::TearDown();
    }
};

TEST_F(PreviewLook, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    ASSERT_TRUE(Report->PrepareReport());
    TrpPreviewForm f(nullptr);
    f.SetWindowState(wsNormal);
    f.SetClientWidth(1000);
    f.SetClientHeight(700);
    f.SetCaption("Preview - Ügyek listája");
    f.Prepare(Report);
    f.Show();
    ui::SaveSnapshot(&f, String(folder) + "/preview-100.png");
    f.ZoomItemClick(f.N2);
    ui::SaveSnapshot(&f, String(folder) + "/preview-whole-page.png");
    f.ZoomItemClick(f.N3);
    ui::SaveSnapshot(&f, String(folder) + "/preview-two-pages.png");
    f.Hide();
}

// Shows the preview as ShowReport does and waits for the user to close it.
TEST_F(PreviewLook, ShownUntilClosed) {
    if (std::getenv("VELMORA_PREVIEW_DEMO") == nullptr)
        GTEST_SKIP() << "set VELMORA_PREVIEW_DEMO to use the preview";
    DialogRecorder dialogs{ui::DialogHook{}};
    Report->ShowReport();
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
}

} // namespace
