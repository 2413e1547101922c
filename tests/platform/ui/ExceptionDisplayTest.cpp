// No exception crosses the event loop: it is shown by the application's
// default handler, or given to OnException.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TTimer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ExceptionDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        Application->SetTitle("Velmora 2.0");
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Target = new TGraphicControl(Form.get());
        Target->SetBounds(10, 10, 80, 20);
        Target->SetParent(Form.get());
        Form->Show();
    }
    void TearDown() override {
        Form->Hide();
        Application->OnException = nullptr;
    }
    std::unique_ptr<TForm> Form;
    TGraphicControl* Target = nullptr;
};

TEST_F(ExceptionDisplay, AClickHandlerThatThrowsShowsTheMessageInABox) {
    uitest::DialogRecorder boxes;
    bool after = false;
    Target->OnClick = [&](TObject*) {
        throw EDatabaseError("Database ./data/dornek.s3db does not exist");
        after = true;
    };
    ui::SimulateClick(Target, 5, 5);
    ASSERT_EQ(boxes.Requests.size(), 1u);
    const ui::DialogRequest& r = boxes.Requests[0];
    EXPECT_EQ(r.Kind, ui::DialogKind::MessageBox);
    EXPECT_EQ(r.Text, "Database ./data/dornek.s3db does not exist.");
    EXPECT_EQ(r.Caption, "Velmora 2.0");
    EXPECT_EQ(r.Icon, ui::DialogIcon::Stop);
    EXPECT_EQ(r.Buttons, std::vector<Integer>{IDOK});
    EXPECT_FALSE(after);
}

TEST_F(ExceptionDisplay, AFullStopIsAddedOnlyAfterALaterCharacter) {
    struct Row {
        const char* Message;
        const char* Shown;
    };
    const Row rows[] = {
        {"'8 év' is not a valid integer value", "'8 év' is not a valid integer value."},
        {"Already ends.", "Already ends."},
        {"Figyelmeztetés!", "Figyelmeztetés!"}, // '!' sorts below '.'
        {"Mi ez?", "Mi ez?."},                  // '?' sorts above '.'
        {"", ""},
    };
    for (const Row& row : rows) {
        uitest::DialogRecorder boxes;
        Target->OnClick = [&](TObject*) { throw Exception(row.Message); };
        ui::SimulateClick(Target, 5, 5);
        ASSERT_EQ(boxes.Requests.size(), 1u) << row.Message;
        EXPECT_EQ(boxes.Requests[0].Text, row.Shown);
    }
}

TEST_F(ExceptionDisplay, AbortIsSilent) {
    uitest::DialogRecorder boxes;
    Target->OnClick = [](TObject*) { throw EAbort("Operation aborted"); };
    ui::SimulateClick(Target, 5, 5);
    EXPECT_TRUE(boxes.Requests.empty());
}

TEST_F(ExceptionDisplay, ForeignExceptionsKeepTheirText) {
    uitest::DialogRecorder boxes;
    Target->OnMouseDown = [](TObject*, TMouseButton, TShiftState, Integer, Integer) {
        throw std::runtime_error("disk full");
    };
    ui::SimulateClick(Target, 5, 5);
    ASSERT_EQ(boxes.Requests.size(), 1u);
    EXPECT_EQ(boxes.Requests[0].Text, "disk full.");
}

TEST_F(ExceptionDisplay, OnExceptionReplacesTheBoxAndSeesTheSender) {
    uitest::DialogRecorder boxes;
    TObject* sender = nullptr;
    String message;
    Application->OnException = [&](TObject* s, const Exception& e) {
        sender = s;
        message = e.Message();
    };
    Target->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    ui::SimulateClick(Target, 5, 5);
    EXPECT_TRUE(boxes.Requests.empty());
    EXPECT_EQ(sender, Target);
    EXPECT_EQ(message, "'x' is not a valid integer value");
}

TEST_F(ExceptionDisplay, TheProgramRunsOnAfterTheMessage) {
    uitest::DialogRecorder boxes;
    int clicks = 0;
    Target->OnClick = [&](TObject*) {
        if (++clicks == 1) throw Exception("first");
    };
    ui::SimulateClick(Target, 5, 5);
    ui::SimulateClick(Target, 5, 5);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(boxes.Requests.size(), 1u);
}

TEST_F(ExceptionDisplay, ATimerHandlerThatThrowsIsShownToo) {
    uitest::DialogRecorder boxes;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        throw Exception("timer failed");
    };
    timer.Restart();
    EXPECT_TRUE(uitest::WaitFor([&] { return !boxes.Requests.empty(); }));
    EXPECT_EQ(boxes.Requests[0].Text, "timer failed.");
}

TEST_F(ExceptionDisplay, PaintThatThrowsIsShownAndTheLoopGoesOn) {
    struct TFaultyPaint : TGraphicControl {
        using TGraphicControl::TGraphicControl;
        int Painted = 0;
        void Paint() override {
            ++Painted;
            throw Exception("paint failed");
        }
    };
    uitest::DialogRecorder boxes;
    auto* c = new TFaultyPaint(Form.get());
    c->SetBounds(0, 50, 40, 40);
    c->SetParent(Form.get());
    c->Invalidate();
    EXPECT_TRUE(uitest::WaitFor([&] { return c->Painted > 0 && !boxes.Requests.empty(); }));
    ASSERT_FALSE(boxes.Requests.empty());
    EXPECT_EQ(boxes.Requests[0].Text, "paint failed.");
}

} // namespace
