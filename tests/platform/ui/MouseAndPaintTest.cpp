// Mouse events in the order handlers rely on, enter/leave notifications, and
// painting through the control's canvas.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct TTracer : TGraphicControl {
    using TGraphicControl::TGraphicControl;
    std::string Log;
    void Click() override {
        Log += "click,";
        TGraphicControl::Click();
    }
    void DblClick() override { Log += "dbl,"; }
    void MouseDown(TMouseButton b, TShiftState s, Integer x, Integer y) override {
        Log += std::string("down") + (s.Contains(ssDouble) ? "2" : "") + "(" + std::to_string(x) + "," +
               std::to_string(y) + "),";
        (void)b;
    }
    void MouseUp(TMouseButton, TShiftState, Integer, Integer) override { Log += "up,"; }
    void MouseEnter() override { Log += "enter,"; }
    void MouseLeave() override { Log += "leave,"; }
};

class Mouse : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        T = new TTracer(Form.get());
        T->SetBounds(20, 20, 60, 30);
        T->SetParent(Form.get());
        Form->Show();
    }
    void TearDown() override { Form->Hide(); }
    std::unique_ptr<TForm> Form;
    TTracer* T = nullptr;
};

TEST_F(Mouse, ClickComesBeforeTheRelease) {
    ui::SimulateClick(T, 7, 9);
    EXPECT_EQ(T->Log, "down(7,9),click,up,");
}

TEST_F(Mouse, ReleaseOutsideTheControlIsNoClick) {
    ui::SimulateClick(T, 70, 9); // wider than the control
    EXPECT_EQ(T->Log, "down(70,9),up,");
}

TEST_F(Mouse, RightButtonIsNoClick) {
    ui::SimulateClick(T, 5, 5, mbRight);
    EXPECT_EQ(T->Log, "down(5,5),up,");
}

TEST_F(Mouse, DoubleClickSequence) {
    ui::SimulateDblClick(T, 3, 4);
    EXPECT_EQ(T->Log, "down(3,4),click,up,dbl,down2(3,4),click,up,");
}

TEST_F(Mouse, EnterAndLeaveNotify) {
    ui::SimulateMouseEnter(T);
    ui::SimulateMouseLeave(T);
    EXPECT_EQ(T->Log, "enter,leave,");
}

TEST_F(Mouse, DisabledControlsGetNoClicks) {
    T->SetEnabled(false);
    ui::SimulateClick(T, 5, 5);
    EXPECT_EQ(T->Log, "");
}

TEST_F(Mouse, EnteringAControlPublishesItsLongHint) {
    T->SetHint("Keresés|Keresés indítása");
    String seen;
    Application->OnHint = [&](TObject*) { seen = Application->Hint(); };
    ui::SimulateMouseEnter(T);
    EXPECT_EQ(seen, "Keresés indítása");
    Application->OnHint = nullptr;
    EXPECT_EQ(GetShortHint(T->Hint()), "Keresés");
}

struct TBox : TCustomControl {
    using TCustomControl::TCustomControl;
    int Painted = 0;
    void Paint() override {
        ++Painted;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, 10, 10));
    }
};

TEST(Painting, PaintToDrawsWithTheControlsFontAndColour) {
    TForm form(nullptr);
    auto* box = new TBox(&form);
    box->SetParent(&form);
    box->Font()->SetName("Arial");
    box->SetColor(clYellow);
    TCanvas canvas(std::make_unique<graphics::RecordingCanvasBackend>(TSize(50, 50)));
    TColor brushAtStart = 0;
    String fontAtStart;
    struct TCheck : TCustomControl {
        using TCustomControl::TCustomControl;
        TColor* Brush;
        String* FontName;
        void Paint() override {
            *Brush = Canvas()->Brush()->Color();
            *FontName = Canvas()->Font()->Name();
        }
    };
    auto* check = new TCheck(&form);
    check->Brush = &brushAtStart;
    check->FontName = &fontAtStart;
    check->SetParent(&form);
    check->SetColor(clYellow);
    check->Font()->SetName("Arial");
    check->PaintTo(&canvas);
    EXPECT_EQ(brushAtStart, clYellow);
    EXPECT_EQ(fontAtStart, "Arial");
}

TEST(Painting, AShownControlPaintsThroughItsCanvas) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    auto* box = new TBox(&form);
    box->SetBounds(0, 0, 40, 40);
    box->SetParent(&form);
    form.Show();
    box->Invalidate();
    EXPECT_TRUE(uitest::WaitFor([&] { return box->Painted > 0; }));
    form.Hide();
}

TEST(Painting, CanvasOutsidePaintMeasuresWithTheFont) {
    TForm form(nullptr);
    auto* box = new TBox(&form);
    box->Font()->SetSize(8);
    const Integer small = box->Canvas()->TextWidth("Lekérdezés");
    box->Font()->SetSize(16);
    const Integer large = box->Canvas()->TextWidth("Lekérdezés");
    EXPECT_GT(small, 0);
    EXPECT_GT(large, small);
}

TEST(Timers, FireWhileEnabledAndStopWhenDisabled) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3) timer.SetEnabled(false);
    };
    timer.Restart();
    EXPECT_TRUE(uitest::WaitFor([&] { return ticks >= 3; }));
    uitest::WaitFor([] { return false; }, 30);
    EXPECT_EQ(ticks, 3);
}

TEST(Timers, ZeroIntervalNeverFires) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(0);
    uitest::WaitFor([] { return false; }, 30);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(timer.Enabled());
}

} // namespace
