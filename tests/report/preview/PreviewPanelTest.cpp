// The preview embedded in a form: a five-page report connected to a panel,
// paged and zoomed through the panel's operations, its scroll bars chosen,
// the right-click menu taken from the panel, a report whose Preview names the
// panel showing there instead of in a window, and the panel freed with the
// window it hides.
#include "tests/report/BandEngineSupport.h"

#include "platform/core/ScopeExit.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TScrollBar.h"
#include "report/build/TrpEMFPages.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/preview/detail/TrpPreviewPanel.h"

#include <cstdlib>

namespace {

// Remembers where it was asked to show instead of showing.
class RecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(Integer X, Integer Y) override {
        ++Shown;
        At = TPoint(X, Y);
    }
    Integer Shown = 0;
    TPoint At;
};

class PreviewPanel : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        LastZoomFactor = 1.0;
        LastZoomMode = mdNone;
        Band(btMasterData, 20, 1000, "5");
        Memo(0, 20, "Oldal [PAGE#]");
        ASSERT_TRUE(Report->PrepareReport());
        Host = std::make_unique<TForm>(nullptr);
        Host->SetClientWidth(800);
        Host->SetClientHeight(600);
        Panel = new TrpPreview(Host.get());
        Panel->SetParent(Host.get());
        Panel->SetAlign(alClient);
    }
    void TearDown() override {
        Report->SetPreview(nullptr);
        Host.reset();
        LastZoomFactor = 1.0;
        LastZoomMode = mdNone;
        BandEngineTest::TearDown();
    }
    // ShowPreparedReport with the window replaced by a counter: how many
    // windows it opened.
    Integer WindowsOpened() {
        Integer opened = 0;
        const auto window = rpShowPreview;
        core::ScopeExit restore([&] { rpShowPreview = window; });
        rpShowPreview = [&opened](TrpReport*, const String&) { ++opened; };
        Report->ShowPreparedReport();
        return opened;
    }
    TrpPreviewForm* Form() const { return Panel->PreviewForm(); }
    String PageLabel() const { return Form()->Label1->Caption(); }

    std::unique_ptr<TForm> Host;
    TrpPreview* Panel = nullptr;
};

TEST_F(PreviewPanel, ConnectShowsPageOneInsideThePanel) {
    EXPECT_EQ(Panel->AllPages(), 0);
    EXPECT_EQ(Panel->BevelInner(), bvNone);
    EXPECT_EQ(Panel->BevelOuter(), bvLowered);
    Panel->Connect(Report);
    EXPECT_EQ(Form()->PreviewPanel->Parent(), Panel);
    EXPECT_FALSE(Form()->Visible());
    EXPECT_EQ(Panel->AllPages(), 5);
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    EXPECT_EQ(Panel->Page(), 1);
    EXPECT_EQ(PageLabel(), "Page 1/5");
    // The page box fills the panel, less the bevel and the scroll bars.
    EXPECT_GT(Form()->PBox->Width(), 700);
    EXPECT_GT(Form()->PBox->Height(), 500);
}

TEST_F(PreviewPanel, PagesOutsideTheReportAreIgnored) {
    Panel->SetPage(3); // nothing held yet
    EXPECT_EQ(Panel->Page(), 1);
    Panel->Connect(Report);
    Panel->SetPage(3);
    EXPECT_EQ(Panel->Page(), 3);
    EXPECT_EQ(PageLabel(), "Page 3/5");
    EXPECT_EQ(Form()->VScrollBar->Position(), Form()->HeldPages()->Pages(2)->R.Top - 10);
    for (Integer wrong : {0, -1, 6})
        Panel->SetPage(wrong);
    EXPECT_EQ(Panel->Page(), 3);
    Panel->Next();
    EXPECT_EQ(Panel->Page(), 4);
    Panel->Last();
    EXPECT_EQ(Panel->Page(), 5);
    Panel->Next(); // already on the last page
    EXPECT_EQ(Panel->Page(), 5);
    Panel->Prev();
    EXPECT_EQ(PageLabel(), "Page 4/5");
    Panel->First();
    EXPECT_EQ(Panel->Page(), 1);
    EXPECT_EQ(Form()->VScrollBar->Position(), 0);
}

TEST_F(PreviewPanel, ZoomRoundTripAndFittedModes) {
    Panel->Connect(Report);
    const Integer width100 = Form()->HeldPages()->Pages(0)->R.Width();
    Panel->SetZoom(50);
    EXPECT_EQ(Panel->Zoom(), 50);
    EXPECT_EQ(Form()->ZoomMode, mdNone);
    EXPECT_NEAR(Form()->HeldPages()->Pages(0)->R.Width(), width100 / 2, 1);
    Panel->SetZoom(0);
    Panel->SetZoom(-20);
    EXPECT_EQ(Panel->Zoom(), 50);
    Panel->PageWidth();
    EXPECT_EQ(Form()->ZoomMode, mdPageWidth);
    EXPECT_EQ(Form()->HeldPages()->Pages(0)->R.Width(), Form()->PBox->Width() - 20);
    Panel->OnePage();
    EXPECT_EQ(Form()->HeldPages()->Pages(0)->R.Height(), Form()->PBox->Height() - 20);
    Panel->TwoPages();
    EXPECT_EQ(Form()->HeldPages()->Pages(1)->R.Top, Form()->HeldPages()->Pages(0)->R.Top);
    // The panel's zoom is not remembered for the next preview.
    EXPECT_EQ(LastZoomMode, mdNone);
    EXPECT_DOUBLE_EQ(LastZoomFactor, 1.0);
}

TEST_F(PreviewPanel, ASizeChangeLaysThePagesOutAgain) {
    Panel->Connect(Report);
    Panel->PageWidth();
    const Integer before = Form()->HeldPages()->Pages(0)->R.Width();
    Host->SetClientWidth(600);
    EXPECT_EQ(Form()->HeldPages()->Pages(0)->R.Width(), before - 200);
}

TEST_F(PreviewPanel, ScrollBarsChooseWhichBarsShow) {
    EXPECT_EQ(Panel->ScrollBars(), ssBoth);
    const struct {
        TScrollStyle Style;
        bool Right, Bottom;
    } rows[] = {
        {ssNone, false, false}, {ssVertical, true, false}, {ssHorizontal, false, true}, {ssBoth, true, true}};
    for (const auto& row : rows) {
        Panel->SetScrollBars(row.Style);
        EXPECT_EQ(Panel->ScrollBars(), row.Style);
        EXPECT_EQ(Form()->RPanel->Visible(), row.Right) << row.Style;
        EXPECT_EQ(Form()->BPanel->Visible(), row.Bottom) << row.Style;
    }
}

TEST_F(PreviewPanel, TheHostingFormsWheelScrollsThreeLines) {
    Panel->Connect(Report);
    EXPECT_EQ(Form()->WheelStep, 3);
    ASSERT_TRUE(Host->OnMouseWheelDown);
    bool handled = false;
    Host->OnMouseWheelDown(Host.get(), {}, TPoint(), handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(Form()->VScrollBar->Position(), 30);
    Host->OnMouseWheelUp(Host.get(), {}, TPoint(), handled);
    EXPECT_EQ(Form()->VScrollBar->Position(), 0);
}

TEST_F(PreviewPanel, ARightPressPopsThePanelsMenuWhenItHasOne) {
    Panel->Connect(Report);
    auto* own = new RecordingMenu(Host.get());
    Panel->SetPopupMenu(own);
    Form()->PBox->MouseDown(mbRight, {}, 5, 5);
    EXPECT_EQ(own->Shown, 1);
    EXPECT_EQ(own->At, Form()->PBox->ClientToScreen(TPoint(5, 5)));
}

TEST_F(PreviewPanel, ShowReportFillsThePanelInsteadOfOpeningAWindow) {
    Report->ModalPreview = false;
    Report->SetPreview(Panel);
    Report->ShowReport();
    Application->ProcessMessages();
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        if (auto* p = dynamic_cast<TrpPreviewForm*>(Screen->Forms(i))) {
            EXPECT_FALSE(p->Visible());
        }
    EXPECT_EQ(Panel->AllPages(), 5);
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    // A second build replaces the pages shown.
    Report->ShowReport();
    EXPECT_EQ(Panel->AllPages(), 5);
    EXPECT_EQ(Panel->Page(), 1);
}

TEST_F(PreviewPanel, ThePanelLeavesWithItsWindowAndTheReportForgetsIt) {
    Report->SetPreview(Panel);
    Panel->Connect(Report);
    const Integer formsBefore = Screen->FormCount();
    delete Panel;
    Panel = nullptr;
    EXPECT_EQ(Screen->FormCount(), formsBefore - 1);
    EXPECT_EQ(Report->Preview(), nullptr);
    // Without the panel the report goes back to the window.
    ASSERT_TRUE(Report->PrepareReport());
    EXPECT_EQ(WindowsOpened(), 1);
}

TEST_F(PreviewPanel, AReportBeingDesignedOpensTheWindow) {
    Report->SetPreview(Panel);
    Report->SetComponentState(Report->ComponentState() + TComponentState{csDesigning});
    ASSERT_TRUE(Report->PrepareReport());
    EXPECT_EQ(WindowsOpened(), 1);
    EXPECT_EQ(Panel->AllPages(), 0);
}

TEST_F(PreviewPanel, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    Panel->SetAlign(alNone);
    Panel->SetBounds(20, 20, 600, 400);
    Panel->Connect(Report);
    Host->Show();
    Panel->OnePage();
    ui::SaveSnapshot(Host.get(), String(folder) + "/preview-panel.png");
    Host->Hide();
}

} // namespace
