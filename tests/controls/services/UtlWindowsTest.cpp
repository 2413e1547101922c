#include "controls/services/UtlWindows.h"

#include "controls/services/TUtlApplication.h"
#include "platform/os/InstanceChannel.h"
#include "platform/ui/TApplication.h"
#include "platform/core/ScopeExit.h"
#include "platform/os/TickCount.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A 800 × 600 screen whose work area leaves a 40-pixel bar at the bottom.
class WindowsTest : public ::testing::Test {
protected:
    TUtlScreenMetrics screen{800, 600, TRect(0, 0, 800, 560)};
    void SetUp() override { UtlSetScreenMetrics(&screen); }
    void TearDown() override { UtlSetScreenMetrics(nullptr); }
};

String InstanceName(const char* what) {
    return String(what) + "-" + std::to_string(::getpid());
}

} // namespace

TEST(UtlWindowsTest, CentringArithmeticClampsToTheScreen) {
    const TSize screen(800, 600);
    EXPECT_EQ(utl::CenterChildPos(TRect(100, 100, 500, 400), TSize(200, 100), screen), TPoint(200, 200));
    // Past the right and bottom edges: pulled back inside.
    EXPECT_EQ(utl::CenterChildPos(TRect(600, 500, 800, 600), TSize(300, 200), screen), TPoint(500, 400));
    // Past the left edge: 0.
    EXPECT_EQ(utl::CenterChildPos(TRect(-50, 0, 50, 100), TSize(300, 50), screen), TPoint(0, 25));
    // A child larger than the screen lands at 0, 0.
    EXPECT_EQ(utl::CenterChildPos(TRect(0, 0, 800, 600), TSize(900, 700), screen), TPoint(0, 0));
    EXPECT_EQ(utl::CenterScreenPos(TSize(200, 300), screen, false), TPoint(300, 150));
    EXPECT_EQ(utl::CenterScreenPos(TSize(200, 300), screen, true), TPoint(300, 100));
    EXPECT_EQ(utl::CenterScreenPos(TSize(1000, 300), screen, false), TPoint(0, 150));
}

TEST(UtlWindowsTest, PositionsInARectangle) {
    const TSize screen(800, 600), window(100, 50);
    const TRect r(100, 100, 401, 301); // 301 × 201
    struct Row {
        TUtlDlgPosition Position;
        TPoint At;
    };
    const Row rows[] = {
        {bpCustom, {100, 100}},      {bpTopLeft, {100, 100}},    {bpTopCenter, {200, 100}},
        {bpTopRight, {301, 100}},    {bpCenterLeft, {100, 175}}, {bpCenter, {200, 175}},
        {bpCenterRight, {301, 175}}, {bpBottomLeft, {100, 251}}, {bpBottomCenter, {200, 251}},
        {bpBottomRight, {301, 251}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(utl::PositionPos(r, window, row.Position, screen), row.At) << "position " << row.Position;
    // Off the screen's bottom-right corner: pulled back; negatives become 0.
    EXPECT_EQ(utl::PositionPos(TRect(750, 580, 900, 700), window, bpTopLeft, screen), TPoint(700, 550));
    EXPECT_EQ(utl::PositionPos(TRect(-30, -30, 0, 0), window, bpBottomRight, screen), TPoint(0, 0));
}

TEST_F(WindowsTest, FormsAreMovedWithoutResizing) {
    TForm parent(nullptr), child(nullptr);
    parent.SetBounds(100, 100, 400, 300);
    child.SetBounds(0, 0, 200, 100);
    EXPECT_EQ(UtlCenterChild(&parent, &child, false), 0);
    EXPECT_EQ(child.BoundsRect(), TRect(200, 200, 400, 300));
    EXPECT_EQ(child.Position(), poDefault);
    UtlCenterForm(&child);
    EXPECT_EQ(child.BoundsRect(), TRect(300, 250, 500, 350));
    UtlCenterWindow(&child, true);
    EXPECT_EQ(child.BoundsRect(), TRect(300, 166, 500, 266));
    UtlPositionWindow(&child, TRect(0, 0, 800, 560), bpBottomRight, false);
    EXPECT_EQ(child.BoundsRect(), TRect(600, 460, 800, 560));
    UtlCenterChildWindow(&parent, &child, false);
    EXPECT_EQ(child.BoundsRect(), TRect(200, 200, 400, 300));
}

TEST_F(WindowsTest, ChildWindowsAreMovedInTheirParentsCoordinates) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    TPanel panel(&form);
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 100, 50);
    const TPoint origin = form.ClientOrigin();
    UtlPositionWindow(&panel, Bounds(origin.X + 10, origin.Y + 20, 300, 200), bpTopLeft, false);
    EXPECT_EQ(panel.BoundsRect(), TRect(10, 20, 110, 70));
}

TEST_F(WindowsTest, TargetRectangles) {
    EXPECT_EQ(UtlDlgGetTargetRect(brScreen), TRect(0, 0, 800, 600));
    EXPECT_EQ(UtlDlgGetTargetRect(brScreenWorkArea), TRect(0, 0, 800, 560));
    // Without a main form the screen stands in.
    EXPECT_EQ(UtlDlgGetTargetRect(brMainForm), TRect(0, 0, 800, 600));
}

TEST(UtlWindowsTest, IsChildFollowsTheParentChain) {
    TForm form(nullptr);
    TPanel outer(&form), inner(&form);
    outer.SetParent(&form);
    inner.SetParent(&outer);
    EXPECT_TRUE(UtlIsChild(&inner, &inner));
    EXPECT_TRUE(UtlIsChild(&inner, &form));
    EXPECT_FALSE(UtlIsChild(&outer, &inner));
    EXPECT_FALSE(UtlIsChild(nullptr, &form));
}

// Only lower bounds: a loaded machine makes any wait longer.
TEST(UtlWindowsTest, WaitOfZeroReturnsAtOnceAndAWaitSleeps) {
    const Int64 start = GetTickCount64();
    UtlWait(0);
    UtlWait(30);
    EXPECT_GE(GetTickCount64() - start, 30);
}

TEST(UtlWindowsTest, ExplodeFramesGrowFromTheStartPoint) {
    const TRect form(100, 100, 300, 200);
    const auto frames = utl::ExplodeFrames(form, TPoint(0, 0), 4);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0], TRect(25, 25, 75, 50));
    EXPECT_EQ(frames[1], TRect(50, 50, 150, 100));
    EXPECT_EQ(frames[3], form);
    // Fewer than four steps animate forty.
    EXPECT_EQ(utl::ExplodeFrames(form, TPoint(0, 0), 2).size(), 40u);
    const auto two = utl::ExplodeFrames2(form, TPoint(0, 0), true, 10, 20, 5);
    ASSERT_EQ(two.size(), 10u);
    EXPECT_EQ(two[4], TRect(190, 145, 210, 155)); // the band at the form's centre
    EXPECT_EQ(two[9], form);
    EXPECT_EQ(utl::ExplodeFrames2(form, TPoint(0, 0), false, 10, 20, 5).size(), 5u);
}

TEST(UtlWindowsTest, ExplodeAndPreviousInstanceLeaveTheApplicationAsItWas) {
    TForm form(nullptr);
    form.SetBounds(10, 10, 100, 80);
    UtlExplodeFormExt(&form, 0, 0, 1, 4); // no screen to draw on offscreen: returns
    EXPECT_FALSE(UtlActivatePrevInstance());
}

TEST(PrevInstanceTest, TheEarlierCopyBringsItsMainFormForwardAndSaysSo) {
    // Two copies of the program as two services objects of one lock: the
    // first holds it and listens, the second is the one in place and asks.
    TUtlApplication first(nullptr, InstanceName("activation"));
    TUtlApplication second(nullptr, InstanceName("activation"));
    TUtlApplication* saved = UtlApplication;
    core::ScopeExit restore([&] { UtlApplication = saved; });
    UtlApplication = &second;
    ASSERT_TRUE(second.PrevInstance());
    TForm* main = nullptr;
    Application->CreateForm(main);
    core::ScopeExit gone([&] { delete main; });
    ASSERT_EQ(Application->MainForm(), main);
    EXPECT_FALSE(UtlActivatePrevInstance()); // hidden: nothing to bring forward
    main->Show();
    main->SetWindowState(wsMinimized);
    EXPECT_TRUE(UtlActivatePrevInstance());
    EXPECT_EQ(main->WindowState(), wsNormal); // restored
    UtlApplication = &first;                  // the first copy has no earlier one to ask
    EXPECT_FALSE(UtlActivatePrevInstance());
    EXPECT_FALSE(AskInstanceToActivate(InstanceName("nobody"), 200));
}

TEST(PrevInstanceStartTest, AListenerMadeBeforeTheWindowLayerListensOnceItStarts) {
    // The program makes its services object first: a fresh process shows it.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TUtlApplication first(nullptr, InstanceName("early"));
            TForm* main = nullptr;
            Application->CreateForm(main);
            main->Show();
            TUtlApplication second(nullptr, InstanceName("early"));
            UtlApplication = &second;
            std::exit(UtlActivatePrevInstance() ? 6 : 1);
        },
        ::testing::ExitedWithCode(6), "");
}
