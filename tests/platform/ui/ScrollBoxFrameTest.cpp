// A scroll box with a frame of its own: the room it keeps, what it paints,
// the corner between its bars, and the scroll steps it reports.
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TScrollBox.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Paints its frame red and its surface blue, and records each scroll step.
class FramedBox : public TScrollBox {
public:
    explicit FramedBox(TComponent* AOwner) : TScrollBox(AOwner) { SetBorderStyle(bsNone); }
    std::vector<std::pair<bool, Integer>> Steps;

protected:
    void PaintFrame(TCanvas* Canvas) override {
        Canvas->Brush()->SetColor(clRed);
        Canvas->FillRect(Rect(0, 0, Width(), Height()));
    }
    void PaintSurface(TCanvas* Canvas, const TRect& R) override {
        Canvas->Brush()->SetColor(clBlue);
        Canvas->FillRect(R);
    }
    void Scrolled(bool Vertical, Integer Code) override { Steps.emplace_back(Vertical, Code); }
};

class ScrollBoxFrame : public ::testing::Test {
protected:
    ScrollBoxFrame() {
        Form->SetBounds(0, 0, 400, 300);
        Box->SetParent(Form.get());
        Box->SetBounds(10, 10, 200, 150);
        auto* far = new TPanel(Box);
        far->SetParent(Box);
        far->SetBounds(300, 250, 50, 40); // beyond both edges: both bars show
        Form->Show();
        Application->ProcessMessages();
    }
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    FramedBox* Box = new FramedBox(Form.get());
};

TColor At(TBitmap& b, Integer x, Integer y) {
    return b.Canvas()->Pixels(x, y) & 0xFFFFFF;
}

TEST_F(ScrollBoxFrame, TheInsetHoldsTheFrameAndTheBarsLieInsideIt) {
    const TRect before = Box->ClientRect();
    Box->SetFrameInset(3);
    Application->ProcessMessages();
    const TRect inside = Box->ClientRect();
    EXPECT_EQ(inside.Width(), before.Width() - 6);
    EXPECT_EQ(inside.Height(), before.Height() - 6);
    const TRect corner = Box->ScrollCorner();
    ASSERT_FALSE(IsRectEmpty(corner));
    EXPECT_EQ(corner.Right, 200 - 3); // the bars end where the frame starts
    EXPECT_EQ(corner.Bottom, 150 - 3);
    TBitmap shot;
    ui::Snapshot(Box, &shot);
    EXPECT_EQ(At(shot, 0, 0), clRed);
    EXPECT_EQ(At(shot, 2, 75), clRed);
    EXPECT_EQ(At(shot, 3, 3), clBlue); // the visible part starts inside, painted over its colour
    Box->SetFrameInset(0);
    Application->ProcessMessages();
    EXPECT_EQ(Box->ClientRect(), before);
}

TEST_F(ScrollBoxFrame, StepsAndTheirEndAreReported) {
    const TRect corner = Box->ScrollCorner();
    ASSERT_FALSE(IsRectEmpty(corner));
    // The vertical bar's lower arrow, just above the corner.
    const TPoint arrow(corner.Left + corner.Width() / 2, corner.Top - 4);
    ui::SimulateDrag(Box, arrow, arrow);
    Application->ProcessMessages();
    EXPECT_EQ(Box->Steps, (std::vector<std::pair<bool, Integer>>{{true, SB_LINEDOWN}, {true, SB_ENDSCROLL}}));
    EXPECT_GT(Box->ScrollPos().Y, 0);
    Box->Steps.clear();
    const Integer before = Box->ScrollPos().Y;
    ui::SimulateWheel(Box, arrow.X, 50, -120); // on the bar
    EXPECT_GT(Box->ScrollPos().Y, before);
    Application->ProcessMessages();
    ASSERT_FALSE(Box->Steps.empty());
    EXPECT_TRUE(Box->Steps.front().first);
    EXPECT_EQ(Box->Steps.back(), std::make_pair(true, SB_ENDSCROLL)); // a wheel step is over at once
}

} // namespace
