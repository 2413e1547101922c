#include "grid/TVgDBAccessNavigator.h"

#include "tests/grid/GridFixture.h"
#include "platform/data/TField.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/support/DialogRecorder.h"

using namespace gridtest;

namespace {

class NavigatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Data = MakeCases(20);
        Source.SetDataSet(Data.get());
        Nav.SetDataSource(&Source);
    }
    void Type(const String& Text) {
        Nav.RecNoEdit()->SetText(Text);
        Word key = VK_RETURN;
        Nav.RecNoEdit()->OnKeyDown(Nav.RecNoEdit(), key, TShiftState{});
    }

    std::unique_ptr<TMemDataSet> Data;
    TDataSource Source{nullptr};
    TVgDBAccessNavigator Nav{nullptr};
    DialogRecorder Recorder{ui::DialogHook{}};
};

TEST_F(NavigatorTest, NewNavigatorLaysOutEveryMember) {
    EXPECT_EQ(Nav.Width(), 241);
    EXPECT_EQ(Nav.Height(), 25);
    EXPECT_TRUE(Nav.ConfirmDelete());
    // First, Prior, edit (3 units), " of " and edit (1 + 3), Next, Last, New, Insert, Delete.
    EXPECT_EQ(Nav.ControlCount(), 10);
    EXPECT_EQ(Nav.GetButtonControl(sbaRecNo)->Left(), 40);
    EXPECT_EQ(Nav.GetButtonControl(sbaRecNo)->Width(), 60);
    EXPECT_EQ(Nav.GetButtonControl(sbaRecordCount)->Left(), 120);
    EXPECT_EQ(Nav.GetButtonControl(sbaNext)->Left(), 180);
    EXPECT_EQ(Nav.GetButtonControl(sbaDelete)->Left(), 260);
    EXPECT_EQ(Nav.RecordCountEdit()->Text(), "20");
    EXPECT_EQ(Nav.RecNoEdit()->Text(), "1");
}

TEST_F(NavigatorTest, OnlyVisibleButtonsAreBuilt) {
    Nav.SetVisibleButtons(TVgAButtonSet{sbaFirst, sbaNext});
    ASSERT_EQ(Nav.ControlCount(), 2);
    EXPECT_EQ(Nav.GetButtonControl(sbaFirst)->Left(), 0);
    EXPECT_EQ(Nav.GetButtonControl(sbaNext)->Left(), 20);
    EXPECT_EQ(Nav.GetButtonControl(sbaLast), nullptr);
}

TEST_F(NavigatorTest, ButtonsMoveAndTheEditFollows) {
    Nav.BtnClick(sbaLast);
    EXPECT_EQ(Data->RecNo(), 20);
    EXPECT_EQ(Nav.RecNoEdit()->Text(), "20");
    EXPECT_FALSE(Nav.GetButtonControl(sbaNext)->Enabled());
    EXPECT_TRUE(Nav.GetButtonControl(sbaFirst)->Enabled());
    Nav.BtnClick(sbaPrior);
    EXPECT_EQ(Nav.RecNoEdit()->Text(), "19");
    Nav.BtnClick(sbaFirst);
    EXPECT_FALSE(Nav.GetButtonControl(sbaPrior)->Enabled());
}

TEST_F(NavigatorTest, TypedNumberJumpsToAnyRecord) {
    Data->SetRecNo(10);
    Type("4");
    EXPECT_EQ(Data->RecNo(), 4);
    // Beyond the current record, up to the last one.
    Type("17");
    EXPECT_EQ(Data->RecNo(), 17);
    Type("20");
    EXPECT_EQ(Data->RecNo(), 20);
    Data->SetRecNo(10);
    for (const char* bad : {"0", "-3", "21"}) {
        Type(bad);
        EXPECT_EQ(Data->RecNo(), 10) << bad;
        EXPECT_EQ(Nav.RecNoEdit()->Text(), "10") << bad;
    }
    int asked = 0;
    Recorder.AnswerWith([&](const ui::DialogRequest&) {
        ++asked;
        return ui::DialogAnswer{};
    });
    Type("abc");
    EXPECT_EQ(Data->RecNo(), 10);
    EXPECT_EQ(Nav.RecNoEdit()->Text(), "abc");
    EXPECT_EQ(asked, 0);
}

TEST_F(NavigatorTest, DeleteAsksUnlessConfirmDeleteIsOff) {
    std::vector<String> questions;
    Integer answer = mrCancel;
    Recorder.AnswerWith([&](const ui::DialogRequest& r) {
        questions.push_back(r.Text);
        return ui::DialogAnswer{answer, ""};
    });
    std::vector<TVgANavigateBtn> clicked;
    Nav.OnClick = [&](TObject*, TVgANavigateBtn b) { clicked.push_back(b); };
    Nav.BtnClick(sbaDelete);
    EXPECT_EQ(questions, (std::vector<String>{"Delete a record?"}));
    EXPECT_EQ(Data->RecordCount(), 20);
    EXPECT_EQ(clicked.size(), 1u); // also after a declined deletion
    answer = mrOk;
    Nav.BtnClick(sbaDelete);
    EXPECT_EQ(Data->RecordCount(), 19);
    Nav.SetConfirmDelete(false);
    Nav.BtnClick(sbaDelete);
    EXPECT_EQ(Data->RecordCount(), 18);
    EXPECT_EQ(questions.size(), 2u);
}

TEST_F(NavigatorTest, BeforeActionMayChangeOrVetoTheButton) {
    Nav.BeforeAction = [](TObject*, TVgANavigateBtn& b, bool& can) {
        if (b == sbaNext) b = sbaLast;
        if (b == sbaFirst) can = false;
    };
    Nav.BtnClick(sbaNext);
    EXPECT_EQ(Data->RecNo(), 20);
    Nav.BtnClick(sbaFirst);
    EXPECT_EQ(Data->RecNo(), 20);
}

TEST_F(NavigatorTest, AnEmptyDatasetDisablesMovesTheEditAndDelete) {
    auto empty = MakeCases(0);
    Source.SetDataSet(empty.get());
    for (TVgANavigateBtn b : {sbaFirst, sbaPrior, sbaNext, sbaLast, sbaRecNo, sbaDelete})
        EXPECT_FALSE(Nav.GetButtonControl(b)->Enabled()) << int(b);
    EXPECT_TRUE(Nav.GetButtonControl(sbaNew)->Enabled());
    Source.SetDataSet(Data.get());
}

TEST_F(NavigatorTest, ClosedDatasetOrDisabledNavigatorDisablesEverything) {
    Data->Close();
    for (Integer i = 0; i < Nav.ControlCount(); ++i)
        EXPECT_FALSE(Nav.Controls(i)->Enabled()) << i;
    Data->Open();
    EXPECT_TRUE(Nav.GetButtonControl(sbaNext)->Enabled());
    Nav.SetEnabled(false);
    EXPECT_FALSE(Nav.GetButtonControl(sbaNext)->Enabled());
}

TEST_F(NavigatorTest, KeysMoveTheFocusMarkAndSpaceClicks) {
    Word key = VK_RIGHT;
    Nav.KeyDown(key, TShiftState{});
    EXPECT_EQ(Nav.FocusedIndex(), Nav.ControlCount() - 1);
    key = VK_LEFT;
    Nav.KeyDown(key, TShiftState{});
    EXPECT_EQ(Nav.FocusedIndex(), 0);
    Data->SetRecNo(5);
    key = VK_SPACE;
    Nav.KeyDown(key, TShiftState{});
    EXPECT_EQ(Data->RecNo(), 1); // the focused child is First
}

TEST_F(NavigatorTest, RemovedDataSourceIsForgotten) {
    auto source = std::make_unique<TDataSource>(nullptr);
    source->SetDataSet(Data.get());
    Nav.SetDataSource(source.get());
    source.reset();
    EXPECT_EQ(Nav.DataSource(), nullptr);
    EXPECT_FALSE(Nav.GetButtonControl(sbaNext)->Enabled());
}

} // namespace
