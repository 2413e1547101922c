// The up-down buttons: stepping within, past and around the range, the
// associated box's text both ways, and which half of the control is which button.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TUpDown.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class UpDown : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        U = new TUpDown(Form.get());
        U->SetParent(Form.get());
        U->OnClick = [this](TObject*, TUDBtnType b) { Log += b == btNext ? "next," : "prev,"; };
    }
    void TearDown() override { Form->Hide(); }

    std::unique_ptr<TForm> Form;
    TUpDown* U = nullptr;
    std::string Log;
};

TEST_F(UpDown, StepsStopAtTheEnds) {
    U->SetMax(3);
    U->SetIncrement(2);
    U->Step(btNext);
    EXPECT_EQ(U->Position(), 2);
    U->Step(btNext);
    EXPECT_EQ(U->Position(), 3);
    U->Step(btPrev);
    U->Step(btPrev);
    EXPECT_EQ(U->Position(), 0);
    EXPECT_EQ(Log, "next,next,prev,prev,");
}

TEST_F(UpDown, WrapGoesToTheOtherEnd) {
    U->SetMin(1);
    U->SetMax(12);
    U->SetWrap(true);
    U->SetPosition(12);
    U->Step(btNext);
    EXPECT_EQ(U->Position(), 1);
    U->Step(btPrev);
    EXPECT_EQ(U->Position(), 12);
}

TEST_F(UpDown, ReversedRangeStepsTowardMax) {
    U->SetMin(10);
    U->SetMax(0);
    EXPECT_EQ(U->Position(), 10); // pulled up by Min while Max was still 100
    U->SetPosition(5);
    U->Step(btNext);
    EXPECT_EQ(U->Position(), 4);
}

TEST_F(UpDown, ChangingMayRefuseTheStep) {
    U->OnChanging = [](TObject*, bool& allow) { allow = false; };
    U->Step(btNext);
    EXPECT_EQ(U->Position(), 0);
    EXPECT_EQ(Log, "");
}

TEST_F(UpDown, AssociateShowsThousandsAndIsReadBack) {
    auto* e = new TEdit(Form.get());
    e->SetBounds(10, 10, 80, 21);
    e->SetParent(Form.get());
    U->SetMax(100000);
    U->SetAssociate(e);
    U->SetPosition(12345);
    EXPECT_EQ(e->Text(), "12 345");
    e->SetText("500"); // typed by the user
    U->Step(btNext);
    EXPECT_EQ(U->Position(), 501);
    EXPECT_EQ(e->Text(), "501");
    e->SetText("sok"); // not a number: the last position stays
    U->Step(btNext);
    EXPECT_EQ(U->Position(), 502);
    U->SetThousands(false);
    U->SetPosition(2000);
    EXPECT_EQ(e->Text(), "2000");
}

TEST_F(UpDown, AssociateGivesUpItsRightEnd) {
    auto* e = new TEdit(Form.get());
    e->SetBounds(10, 10, 80, 21);
    e->SetParent(Form.get());
    U->SetAssociate(e);
    EXPECT_EQ(e->Width(), 80 - U->Width());
    EXPECT_EQ(U->Left(), 10 + e->Width());
    EXPECT_EQ(U->Top(), 10);
    EXPECT_EQ(U->Height(), 21);
    delete e;
    EXPECT_EQ(U->Associate(), nullptr);
    U->SetPosition(3); // no box left to write to
}

TEST_F(UpDown, UpperHalfIsNextLowerHalfPrev) {
    U->SetBounds(10, 10, 15, 24);
    Form->Show();
    U->SetPosition(50);
    ui::SimulateClick(U, 7, 3);
    EXPECT_EQ(U->Position(), 51);
    ui::SimulateClick(U, 7, 20);
    ui::SimulateClick(U, 7, 20);
    EXPECT_EQ(U->Position(), 49);
    EXPECT_EQ(Log, "next,prev,prev,");
}

TEST_F(UpDown, DisabledButtonsDoNotStep) {
    U->SetBounds(10, 10, 15, 24);
    Form->Show();
    U->SetEnabled(false);
    ui::SimulateClick(U, 7, 3);
    EXPECT_EQ(U->Position(), 0);
    EXPECT_EQ(Log, "");
}

} // namespace
