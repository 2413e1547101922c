// The preview's help button: shown for reports that ask for it; after it the
// next press in the window names a control and its topic shows in a note,
// which the next press or key closes without doing anything else.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/PreviewWindow.h"

#include "platform/core/ScopeExit.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TScrollBar.h"
#include "platform/ui/VirtualKeys.h"
#include "report/common/detail/TrpControls.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/preview/detail/rpPreviewHelp.h"

namespace {

class PreviewHelpTest : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        Band(btMasterData, 20, 1000, "3");
        Memo(0, 20, "Oldal [PAGE#]");
        ASSERT_TRUE(Report->PrepareReport());
    }
    void TearDown() override {
        Form.reset();
        BandEngineTest::TearDown();
    }
    TrpPreviewForm* Open(TrpPreviewButtons Buttons) {
        Report->PreviewButtons = Buttons;
        Form = OpenPreview(Report);
        return Form.get();
    }
    // The middle of Control in the window's client coordinates.
    TPoint MiddleOf(TControl* Control) const {
        TPoint p(Control->Width() / 2, Control->Height() / 2);
        for (TControl* c = Control; c != Form.get(); c = c->Parent())
            p = TPoint(p.X + c->Left(), p.Y + c->Top());
        return p;
    }
    // The press the window receives while it holds the mouse.
    void PressOn(TControl* Control) {
        const TPoint p = MiddleOf(Control);
        ui::SimulateClick(Form.get(), p.X, p.Y);
    }
    String NoteText() const {
        TPanel* note = Form->Help().Note();
        if (!note) return "<none>";
        return dynamic_cast<TLabel*>(note->Controls(0))->Caption();
    }

    std::unique_ptr<TrpPreviewForm> Form;
};

const TrpPreviewButtons All{pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbHelp, pbExit};

} // namespace

TEST_F(PreviewHelpTest, TheHelpButtonShowsWhenTheReportAsksForIt) {
    TrpPreviewForm* f = Open({pbZoom, pbHelp, pbExit});
    EXPECT_TRUE(f->HelpBtn->Visible());
    EXPECT_TRUE(f->rpTBSeparator3->Visible()); // after find or help
    EXPECT_EQ(f->HelpBtn->Hint(), "Show help");
    Open({pbZoom, pbExit});
    EXPECT_FALSE(Form->HelpBtn->Visible());
    EXPECT_FALSE(Form->rpTBSeparator3->Visible());
}

TEST_F(PreviewHelpTest, ThePressAfterTheButtonShowsTheTopicOfTheControlsTag) {
    TrpPreviewForm* f = Open(All);
    const struct {
        TControl* Control;
        Integer Context; // 0: no note
    } rows[] = {
        {f->ZoomBtn, 200},
        {f->LoadBtn, 201},
        {f->SaveBtn, 202},
        {f->PrintBtn, 203},
        {f->FindBtn, 204},
        {f->ExitBtn, 205},
        {f->Label1, 206},
        {f->PBox, 207},
        {f->VScrollBar, 0}, // a control without a
                            // help context
        {f->HelpBtn, 0},    // the help button itself
    };
    for (const auto& row : rows) {
        ui::SimulateClick(f->HelpBtn, 5, 5);
        ASSERT_EQ(Screen->Cursor(), crHelp) << row.Context;
        ASSERT_TRUE(f->MouseCapture());
        PressOn(row.Control);
        EXPECT_EQ(Screen->Cursor(), crDefault) << row.Context;
        EXPECT_FALSE(f->HelpBtn->Down());
        EXPECT_EQ(NoteText(), row.Context ? report::PreviewHelpTopic(row.Context) : String("<none>"))
            << row.Control->Name();
        // The note keeps the mouse until the next press closes it.
        EXPECT_EQ(f->MouseCapture(), row.Context != 0);
        if (row.Context) PressOn(f->PBox);
        EXPECT_EQ(NoteText(), "<none>");
        EXPECT_FALSE(f->MouseCapture());
    }
    EXPECT_EQ(report::PreviewHelpTopic(205), "Close preview: closes this window. Escape does the same.");
    EXPECT_EQ(report::PreviewHelpTopic(199), "");
    EXPECT_EQ(report::PreviewHelpTopic(208), "");
}

TEST_F(PreviewHelpTest, TheAnsweringPressesAndKeysDoNothingElse) {
    TrpPreviewForm* f = Open(All);
    // The press that asks about the close button does not close.
    ui::SimulateClick(f->HelpBtn, 5, 5);
    PressOn(f->ExitBtn);
    EXPECT_NE(f->Help().Note(), nullptr);
    // A key closes the note and is used up: the page does not turn.
    const Integer position = f->VScrollBar->Position();
    Word key = VK_NEXT;
    f->FormKeyDown(f, key, {});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(f->Help().Note(), nullptr);
    EXPECT_EQ(f->VScrollBar->Position(), position);
    // Escape while asking ends the help mode, not the preview.
    ui::SimulateClick(f->HelpBtn, 5, 5);
    key = VK_ESCAPE;
    f->FormKeyDown(f, key, {});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(f->ModalResult(), mrNone);
    // Without help, the keys work as before.
    key = VK_NEXT;
    f->FormKeyDown(f, key, {});
    EXPECT_EQ(key, 0);
    EXPECT_GT(f->VScrollBar->Position(), position);
    // Leaving the window while asking ends the help mode.
    ui::SimulateClick(f->HelpBtn, 5, 5);
    f->FormDeactivate(f);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_FALSE(f->MouseCapture());
}

TEST_F(PreviewHelpTest, TheNoteStaysInsideTheWindow) {
    TrpPreviewForm* f = Open(All);
    ui::SimulateClick(f->HelpBtn, 5, 5);
    const TPoint corner = MiddleOf(f->PBox);
    ui::SimulateClick(f, corner.X + f->PBox->Width() / 2 - 3, corner.Y + f->PBox->Height() / 2 - 3);
    TPanel* note = f->Help().Note();
    ASSERT_NE(note, nullptr);
    EXPECT_LE(note->Left() + note->Width(), f->ClientWidth());
    EXPECT_LE(note->Top() + note->Height(), f->ClientHeight());
    EXPECT_GE(note->Left(), 0);
    EXPECT_GT(note->Height(), 20); // the topic wraps onto several lines
}

// While the preview is the active window the application's help is the report
// users'; another window in front, and the preview's close, give it back.
TEST_F(PreviewHelpTest, TheReportUsersHelpHoldsWhileThePreviewIsActive) {
    Application->SetHelpFile("velmora.hlp");
    const core::ScopeExit helpBack([] { Application->SetHelpFile(""); });
    Report->ModalPreview = false;
    Report->ShowReport();
    auto* preview = dynamic_cast<TrpPreviewForm*>(Screen->ActiveForm());
    ASSERT_NE(preview, nullptr);
    std::vector<String> seen{Application->HelpFile()};
    TForm other(nullptr);
    other.Show();
    seen.push_back(Application->HelpFile());
    other.Hide();
    seen.push_back(Application->HelpFile());
    preview->ExitBtnClick(nullptr); // freed while it is the active window
    Application->ProcessMessages();
    seen.push_back(Application->HelpFile());
    EXPECT_EQ(seen, (std::vector<String>{"RPuser.hlp", "velmora.hlp", "RPuser.hlp", "velmora.hlp"}));
}
