// Check marks of the check list: kept per line, changed by code silently and
// by the user with OnClickCheck.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCheckListBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CheckListBox : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        L = new TCheckListBox(Form.get());
        L->SetBounds(10, 10, 200, 120);
        L->SetParent(Form.get());
        L->Items()->Add("ev  :  Év");
        L->Items()->Add("szam  :  Szám");
        L->Items()->Add("nev  :  Név");
        L->OnClickCheck = [this](TObject*) { ++Clicks; };
    }
    void TearDown() override { Form->Hide(); }

    std::unique_ptr<TForm> Form;
    TCheckListBox* L = nullptr;
    int Clicks = 0;
};

TEST_F(CheckListBox, TheChosenLineKeepsItsBoxOnTheListBackground) {
    L->SetChecked(1, true);
    L->SetItemIndex(1);
    TBitmap picture;
    ui::Snapshot(L, &picture);
    const TRect line = L->ItemRect(1);
    const Integer y = (line.Top + line.Bottom) / 2;
    TCanvas* c = picture.Canvas();
    EXPECT_EQ(ColorToRGB(c->Pixels(line.Left + 1, y)), ColorToRGB(clWindow));
    EXPECT_EQ(ColorToRGB(c->Pixels(line.Right - 4, y)), ColorToRGB(clHighlight)); // behind the text
    bool mark = false, highlightInBox = false;
    for (Integer x = line.Left; x < line.Left + 16; ++x)
        for (Integer yy = line.Top; yy < line.Bottom; ++yy) {
            const TColor px = ColorToRGB(c->Pixels(x, yy));
            mark = mark || px == clBlack;
            highlightInBox = highlightInBox || px == ColorToRGB(clHighlight);
        }
    EXPECT_TRUE(mark);
    EXPECT_FALSE(highlightInBox);
}

TEST_F(CheckListBox, NewLinesAreUnchecked) {
    for (Integer i = 0; i < 3; ++i)
        EXPECT_FALSE(L->Checked(i));
    L->Items()->Insert(0, "leiras");
    EXPECT_EQ(L->State(0), cbUnchecked);
}

TEST_F(CheckListBox, MarksBelongToTheirLines) {
    L->SetChecked(0, true);
    L->SetState(2, cbGrayed);
    EXPECT_TRUE(L->Checked(0));
    EXPECT_FALSE(L->Checked(1));
    EXPECT_EQ(L->State(2), cbGrayed);
    L->Items()->Delete(0);
    EXPECT_FALSE(L->Checked(0));
    EXPECT_EQ(L->State(1), cbGrayed);
    EXPECT_EQ(Clicks, 0); // the program's changes are no clicks
}

TEST_F(CheckListBox, IndexOutsideTheListRaises) {
    EXPECT_EQ(ErrorOf<EListError>([&] { L->Checked(3); }), "List index out of bounds (3)");
    EXPECT_EQ(ErrorOf<EListError>([&] { L->SetChecked(-1, true); }), "List index out of bounds (-1)");
}

TEST_F(CheckListBox, SpaceTogglesTheCurrentLine) {
    Form->Show();
    L->SetItemIndex(1);
    ui::SimulateKey(L, VK_SPACE, {}, " ");
    EXPECT_TRUE(L->Checked(1));
    EXPECT_EQ(Clicks, 1);
    ui::SimulateKey(L, VK_SPACE, {}, " ");
    EXPECT_FALSE(L->Checked(1));
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CheckListBox, GreyIsAUserStepOnlyWhenAllowed) {
    Form->Show();
    L->SetItemIndex(0);
    ui::SimulateKey(L, VK_SPACE, {}, " ");
    ui::SimulateKey(L, VK_SPACE, {}, " ");
    EXPECT_EQ(L->State(0), cbUnchecked);
    L->SetAllowGrayed(true);
    ui::SimulateKey(L, VK_SPACE, {}, " "); // unchecked, grey, checked, unchecked
    EXPECT_EQ(L->State(0), cbGrayed);
    ui::SimulateKey(L, VK_SPACE, {}, " ");
    EXPECT_EQ(L->State(0), cbChecked);
}

} // namespace
