// Caption buttons by border style, forms that draw their own frame, the drag
// frame and mouse capture.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TDragFrame.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(BorderIcons, TheBorderStyleDecidesWhichButtonsShow) {
    const TBorderIcons all{biSystemMenu, biMinimize, biMaximize, biHelp};
    struct Row {
        TFormBorderStyle Style;
        TBorderIcons Asked, Shown;
        const char* Why;
    } rows[] = {
        {bsSizeable,
         {biSystemMenu, biMinimize, biMaximize},
         {biSystemMenu, biMinimize, biMaximize},
         "default"},
        {bsSizeable, {biSystemMenu, biMaximize}, {biSystemMenu, biMaximize}, "no minimise box"},
        {bsSingle, {biSystemMenu, biMinimize}, {biSystemMenu, biMinimize}, "single frame"},
        {bsSizeable, {biMinimize, biMaximize}, {}, "no system menu: no buttons at all"},
        {bsNone, all, {}, "no frame"},
        {bsDialog, all, {biSystemMenu, biHelp}, "dialogs: close and help"},
        {bsToolWindow, all, {biSystemMenu}, "tool window: close only"},
        {bsSizeToolWin, all, {biSystemMenu}, "sizeable tool window: close only"},
        {bsSizeable, all, {biSystemMenu, biMinimize, biMaximize}, "help not beside minimise or maximise"},
        {bsSizeable, {biSystemMenu, biHelp}, {biSystemMenu, biHelp}, "help alone"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ShownBorderIcons(r.Style, r.Asked), r.Shown) << r.Why;
}

TEST(BorderIcons, DefaultAndSetting) {
    TForm form(nullptr);
    EXPECT_EQ(form.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize}));
    form.SetBorderIcons({biSystemMenu, biMaximize});
    EXPECT_EQ(form.BorderIcons(), (TBorderIcons{biSystemMenu, biMaximize}));
}

bool Near(TColor A, TColor B) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((A >> shift) & 0xFF) - int((B >> shift) & 0xFF)) > 8) return false;
    return true;
}

class OwnFrameForm : public ::testing::Test {
protected:
    OwnFrameForm() {
        Form.SetBorderStyle(bsToolWindow);
        Form.SetBorderIcons({biSystemMenu});
        Form.SetBounds(30, 40, 200, 80);
        Form.SetCaption("Tools");
        Form.OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer X, Integer Y) {
            Presses.push_back(TPoint(X, Y));
        };
    }
    TForm Form{nullptr};
    std::vector<TPoint> Presses;
};

TEST_F(OwnFrameForm, KeepsTheClientAreaOfItsBorderStyle) {
    const TRect before = Form.ClientRect();
    Form.SetOwnFrame(true);
    EXPECT_TRUE(Form.OwnFrame());
    EXPECT_EQ(Form.ClientRect(), before);
    EXPECT_EQ(Form.Width(), 200);
    EXPECT_EQ(Form.Height(), 80);
}

TEST_F(OwnFrameForm, DrawsItsCaptionBarAndCloseBox) {
    Form.SetOwnFrame(true);
    Form.Show();
    TBitmap shot;
    ui::Snapshot(&Form, &shot);
    ASSERT_EQ(shot.Width(), 200);
    ASSERT_EQ(shot.Height(), 80);
    // The caption bar starts in the active-caption colour; the client area is face.
    const Integer frame = (Form.Width() - Form.ClientWidth()) / 2;
    const Integer captionTop = frame + 2;
    EXPECT_TRUE(Near(shot.Canvas()->Pixels(frame + 1, captionTop), ColorToRGB(clActiveCaption)));
    EXPECT_EQ(shot.Canvas()->Pixels(100, Form.Height() - frame - 5), ColorToRGB(clBtnFace));
    // The close box is a face-coloured square near the right end of the bar.
    EXPECT_EQ(shot.Canvas()->Pixels(Form.Width() - frame - 4, captionTop + 2), ColorToRGB(clBtnFace));
    // Without the system menu there is no close box: the bar goes on to the end.
    Form.SetBorderIcons({});
    ui::Snapshot(&Form, &shot);
    EXPECT_NE(shot.Canvas()->Pixels(Form.Width() - frame - 4, captionTop + 2), ColorToRGB(clBtnFace));
}

TEST_F(OwnFrameForm, ACaptionPressReachesTheFormAboveItsClientArea) {
    Form.SetOwnFrame(true);
    Form.Show();
    const Integer frame = (Form.Width() - Form.ClientWidth()) / 2;
    const Integer caption = Form.Height() - Form.ClientHeight() - 2 * frame;
    // Window coordinates: the caption bar's middle, then inside the client area.
    ui::SimulateClick(&Form, 40, frame + caption / 2);
    ui::SimulateClick(&Form, 40, frame + caption + 10);
    ASSERT_EQ(Presses.size(), 2u);
    EXPECT_EQ(Presses[0], TPoint(40 - frame, -(caption - caption / 2)));
    EXPECT_EQ(Presses[1], TPoint(40 - frame, 10));
}

TEST_F(OwnFrameForm, TheCloseBoxClosesOnReleaseOverIt) {
    Form.SetOwnFrame(true);
    Form.Show();
    const Integer frame = (Form.Width() - Form.ClientWidth()) / 2;
    const Integer caption = Form.Height() - Form.ClientHeight() - 2 * frame;
    ui::SimulateClick(&Form, Form.Width() - frame - 6, frame + caption / 2);
    EXPECT_FALSE(Form.Visible());
    EXPECT_TRUE(Presses.empty());
}

TEST_F(OwnFrameForm, WithoutTheCloseCommandTheBarHasNoCloseBoxToPress) {
    Form.SetOwnFrame(true);
    Form.SetWindowCommands({wcMove, wcSize});
    EXPECT_FALSE(Form.ShowsCloseBox());
    Form.Show();
    const Integer frame = (Form.Width() - Form.ClientWidth()) / 2;
    const Integer caption = Form.Height() - Form.ClientHeight() - 2 * frame;
    TBitmap shot;
    ui::Snapshot(&Form, &shot);
    EXPECT_NE(shot.Canvas()->Pixels(Form.Width() - frame - 4, frame + 4), ColorToRGB(clBtnFace));
    // A press where the box would be is a press on the caption bar.
    ui::SimulateClick(&Form, Form.Width() - frame - 6, frame + caption / 2);
    EXPECT_TRUE(Form.Visible());
    EXPECT_EQ(Presses.size(), 1u);
    Form.SetWindowCommands({wcMove, wcSize, wcClose});
    EXPECT_TRUE(Form.ShowsCloseBox());
}

TEST(ActivateOnShow, AToolWindowShowsWithoutBecomingActive) {
    TForm main(nullptr);
    main.Show();
    ASSERT_TRUE(main.Active());
    TForm tool(nullptr);
    tool.SetActivateOnShow(false);
    tool.Show();
    EXPECT_TRUE(tool.Visible());
    EXPECT_TRUE(main.Active());
    EXPECT_FALSE(tool.Active());
}

TEST(DragFrame, IsARingAroundItsRectangle) {
    ui::TDragFrame frame(4);
    EXPECT_FALSE(frame.Showing());
    EXPECT_FALSE(frame.Covers(TPoint(100, 100)));
    frame.Show(Rect(100, 50, 300, 150));
    EXPECT_TRUE(frame.Showing());
    EXPECT_EQ(frame.Bounds(), Rect(100, 50, 300, 150));
    EXPECT_TRUE(frame.Covers(TPoint(100, 50)));   // outer corner
    EXPECT_TRUE(frame.Covers(TPoint(103, 100)));  // last pixel of the left side
    EXPECT_FALSE(frame.Covers(TPoint(104, 100))); // inside shows what lies beneath
    EXPECT_TRUE(frame.Covers(TPoint(299, 149)));  // far corner
    EXPECT_FALSE(frame.Covers(TPoint(300, 150))); // outside
    EXPECT_TRUE(frame.Covers(TPoint(200, 146)));  // bottom side
    frame.Show(Rect(300, 150, 100, 50));          // corners given the other way round
    EXPECT_EQ(frame.Bounds(), Rect(100, 50, 300, 150));
    frame.Hide();
    EXPECT_FALSE(frame.Covers(TPoint(100, 50)));
}

TEST(DragFrame, AThinRectangleIsCoveredWhole) {
    ui::TDragFrame frame(4);
    frame.Show(Rect(0, 0, 6, 40));
    EXPECT_TRUE(frame.Covers(TPoint(3, 20)));
    frame.Show(Rect(0, 0, 0, 40)); // empty: nothing shows
    EXPECT_FALSE(frame.Showing());
}

TEST(MouseCapture, IsTakenAndLostWithVisibility) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    form.Show();
    panel->SetMouseCapture(true);
    EXPECT_TRUE(panel->MouseCapture());
    form.SetMouseCapture(true); // one control holds the capture at a time
    EXPECT_FALSE(panel->MouseCapture());
    EXPECT_TRUE(form.MouseCapture());
    form.SetMouseCapture(false);
    EXPECT_FALSE(form.MouseCapture());
    panel->SetMouseCapture(true);
    panel->Hide();
    EXPECT_FALSE(panel->MouseCapture());
    panel->Show();
    form.SetMouseCapture(true);
    form.Hide();
    EXPECT_FALSE(form.MouseCapture());
}

} // namespace
