// The date picker: value halves, the check box, and which changes count as
// the user's (OnChange, re-checking) and which do not.
#include "tests/platform/ui/UiTestSupport.h"

#include "platform/core/DateTime.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DateTimePicker : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 120);
        P = new TDateTimePicker(Form.get());
        P->SetBounds(10, 10, 186, 21);
        P->SetParent(Form.get());
        P->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        Application->ProcessMessages();
    }
    void TearDown() override { Form->Hide(); }

    std::unique_ptr<TForm> Form;
    TDateTimePicker* P = nullptr;
    int Changes = 0;
};

TEST_F(DateTimePicker, NewPickerShowsTodayCheckedWithoutBox) {
    EXPECT_EQ(P->Date(), Date());
    EXPECT_TRUE(P->Checked());
    EXPECT_FALSE(P->ShowCheckbox());
    EXPECT_EQ(P->Kind(), dtkDate);
}

TEST_F(DateTimePicker, DateAndTimeAreIndependentHalves) {
    P->SetDateTime(EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 0, 0));
    P->SetDate(EncodeDate(1970, 1, 1));
    EXPECT_EQ(P->Date(), EncodeDate(1970, 1, 1));
    EXPECT_NEAR(P->Time(), EncodeTime(13, 45, 0, 0), 1e-9);
    P->SetTime(EncodeTime(8, 0, 0, 0));
    EXPECT_EQ(P->Date(), EncodeDate(1970, 1, 1));
    EXPECT_NEAR(P->Time(), EncodeTime(8, 0, 0, 0), 1e-9);
}

TEST_F(DateTimePicker, DatesBeforeDayZeroKeepTheirTime) {
    // -1.25 is 1899-12-29 06:00: the fraction counts forward from midnight.
    P->SetDateTime(-1.25);
    EXPECT_EQ(P->Date(), -1.0);
    EXPECT_NEAR(P->Time(), 0.25, 1e-9);
    P->SetDate(EncodeDate(1850, 6, 1));
    EXPECT_EQ(P->Date(), EncodeDate(1850, 6, 1));
    EXPECT_NEAR(P->Time(), 0.25, 1e-9);
}

TEST_F(DateTimePicker, ChangesFromCodeFireNothingAndKeepChecked) {
    P->SetShowCheckbox(true);
    P->SetChecked(false);
    P->SetDate(EncodeDate(2001, 5, 6));
    P->SetKind(dtkTime);
    P->SetKind(dtkDate);
    EXPECT_EQ(Changes, 0);
    EXPECT_FALSE(P->Checked());
    EXPECT_EQ(P->Date(), EncodeDate(2001, 5, 6));
}

TEST_F(DateTimePicker, UserChangeChecksTheBoxAndFiresOnce) {
    P->SetShowCheckbox(true);
    P->SetDate(EncodeDate(1970, 1, 1));
    P->SetChecked(false);
    ui::SimulateKey(P, VK_UP);
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(P->Checked());
    EXPECT_NE(P->Date(), EncodeDate(1970, 1, 1));
}

TEST_F(DateTimePicker, UserChangeWithoutBoxLeavesCheckedAlone) {
    P->SetChecked(false); // hidden box: the stored state is kept
    ui::SimulateKey(P, VK_UP);
    EXPECT_EQ(Changes, 1);
    EXPECT_FALSE(P->Checked());
}

TEST_F(DateTimePicker, TimeKindEditsOnlyTheTime) {
    P->SetKind(dtkTime);
    P->SetDateTime(EncodeDate(2010, 3, 4) + EncodeTime(10, 0, 0, 0));
    ui::SimulateKey(P, VK_UP);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(P->Date(), EncodeDate(2010, 3, 4));
    EXPECT_NE(P->Time(), EncodeTime(10, 0, 0, 0));
}

TEST_F(DateTimePicker, DateKindKeepsTheTimeOfDay) {
    P->SetDateTime(EncodeDate(2010, 3, 4) + EncodeTime(10, 30, 0, 0));
    ui::SimulateKey(P, VK_UP);
    EXPECT_NEAR(P->Time(), EncodeTime(10, 30, 0, 0), 1e-9);
}

TEST_F(DateTimePicker, SpaceTogglesTheBox) {
    P->SetShowCheckbox(true);
    ui::SimulateKey(P, VK_SPACE, {}, " ");
    EXPECT_FALSE(P->Checked());
    ui::SimulateKey(P, VK_SPACE, {}, " ");
    EXPECT_TRUE(P->Checked());
    EXPECT_EQ(Changes, 2);
}

TEST_F(DateTimePicker, SpaceWithoutBoxTogglesNothing) {
    ui::SimulateKey(P, VK_SPACE, {}, " ");
    EXPECT_TRUE(P->Checked());
    EXPECT_EQ(Changes, 0);
}

TEST_F(DateTimePicker, ClickOnTheBoxToggles) {
    P->SetShowCheckbox(true);
    Application->ProcessMessages();
    ui::SimulateClick(P, 5, 10);
    EXPECT_FALSE(P->Checked());
    EXPECT_EQ(Changes, 1);
    ui::SimulateClick(P, 150, 10); // over the date, not the box
    EXPECT_FALSE(P->Checked());
}

// A click anywhere on the box, beside the text or on the arrow too, leaves a shown date as it
// was: the box took a press between the text and the arrow for a step of the caret's field.
TEST_F(DateTimePicker, ClicksOnTheBoxLeaveTheDate) {
    const TDateTime day = EncodeDate(1946, 8, 22);
    P->SetDate(day);
    for (Integer y = 0; y < P->Height(); ++y)
        for (Integer x = 0; x < P->Width(); ++x) {
            ui::SimulateWindowMouse(P, TPoint(x, y), TPoint(x, y), mbLeft);
            ui::CloseActivePopup();
            ASSERT_EQ(P->Date(), day) << "click at " << x << "," << y;
        }
    EXPECT_EQ(Changes, 0);
}

TEST_F(DateTimePicker, DisabledPickerIgnoresTheBox) {
    P->SetShowCheckbox(true);
    P->SetEnabled(false);
    Application->ProcessMessages();
    ui::SimulateClick(P, 5, 10);
    EXPECT_TRUE(P->Checked());
    EXPECT_EQ(Changes, 0);
}

TEST_F(DateTimePicker, ExceptionInOnChangeReachesTheApplication) {
    uitest::DialogRecorder boxes;
    P->OnChange = [](TObject*) { throw Exception("picker failed"); };
    ui::SimulateKey(P, VK_UP);
    ASSERT_EQ(boxes.Requests.size(), 1u);
    EXPECT_EQ(boxes.Requests[0].Text, "picker failed.");
}

// Typing a date as a person does, key by key: digits, dots, the caret keys.
void TypeInto(TDateTimePicker* P, const char* Text) {
    for (; *Text; ++Text) {
        const char c = *Text;
        const Word key = c >= '0' && c <= '9' ? Word(c) : Word(0xBE); // the full stop key
        ui::SimulateKey(P, key, {}, String(1, c));
    }
}

struct TypedDate {
    const char* Keys;
    Word Year, Month, Day;
};

TEST_F(DateTimePicker, TypedDatesLandFieldByField) {
    const TypedDate cases[] = {
        {"1990.04.20", 1990, 4, 20}, // a separator right after a full field is not a second step
        {"19900420", 1990, 4, 20},   // full fields move on by themselves
        {"1990.4.20", 1990, 4, 20},  // a month that cannot grow moves on at once
        {"1990.1.20", 1990, 1, 20},  // "1" could still become 10-12: the dot moves on
        {"2024.02.29.", 2024, 2, 29},
    };
    for (const TypedDate& c : cases) {
        SCOPED_TRACE(c.Keys);
        P->SetDate(EncodeDate(1970, 1, 1));
        ui::SimulateKey(P, VK_HOME);
        TypeInto(P, c.Keys);
        EXPECT_EQ(P->Date(), EncodeDate(c.Year, c.Month, c.Day));
    }
}

TEST_F(DateTimePicker, DigitsTypedAtACaretReplaceTheWholeField) {
    // A click leaves a caret inside the year; the typed year must not be refused.
    P->SetDate(EncodeDate(1970, 1, 1));
    ui::SimulateKey(P, VK_HOME);
    ui::SimulateKey(P, VK_RIGHT);
    ui::SimulateKey(P, VK_RIGHT);
    TypeInto(P, "1985");
    EXPECT_EQ(P->Date(), EncodeDate(1985, 1, 1));
}

} // namespace
