// Toolbars dragged by mouse: pointer events go through the controls' own
// handlers, in screen coordinates worked out from where each control lies.
#include "tests/report/preview/DockFixture.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TDragFrame.h"

#include <gtest/gtest.h>

namespace {

class DockDragTest : public DockFixture {
protected:
    DockDragTest() { Bottom = MakeDock("BottomDock", alBottom); }
    ~DockDragTest() override { Application->ProcessMessages(); }
    // A press on the grip; Pointer follows the drag on the screen.
    void Press(TrpToolBar* Bar) {
        Pointer = Bar->DragBox()->ClientToScreen(TPoint(5, 5));
        Bar->DragBox()->MouseDown(mbLeft, {}, 5, 5);
    }
    void MoveBy(TrpToolBar* Bar, Integer DX, Integer DY) {
        Pointer = TPoint(Pointer.X + DX, Pointer.Y + DY);
        const TPoint p = Bar->ScreenToClient(Pointer);
        Bar->MouseMove({}, p.X, p.Y);
    }
    void Release(TrpToolBar* Bar) {
        const TPoint p = Bar->ScreenToClient(Pointer);
        Bar->MouseUp(mbLeft, {}, p.X, p.Y);
    }
    // The float window's events while it moves (it has the capture).
    void WindowMoveTo(TrpFloatWindow* Window, TPoint Screen) {
        Pointer = Screen;
        const TPoint p = Window->ScreenToClient(Screen);
        Window->MouseMove({}, p.X, p.Y);
    }
    void WindowRelease(TrpFloatWindow* Window) {
        const TPoint p = Window->ScreenToClient(Pointer);
        Window->MouseUp(mbLeft, {}, p.X, p.Y);
    }
    // A press on the float window's caption bar, 30 pixels in.
    void PressCaption(TrpFloatWindow* Window) {
        Pointer = TPoint(Window->Left() + 30, Window->ClientOrigin().Y - 5);
        const TPoint p = Window->ScreenToClient(Pointer);
        Window->MouseDown(mbLeft, {}, p.X, p.Y);
    }

    TrpDock* Bottom;
    TPoint Pointer;
};

TEST_F(DockDragTest, AlongTheRowTheToolbarFollowsPixelByPixel) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    Press(bar);
    EXPECT_TRUE(bar->Dragging());
    MoveBy(bar, 30, 0);
    EXPECT_EQ(bar->Left(), 30);
    MoveBy(bar, -7, 0);
    EXPECT_EQ(bar->Left(), 23);
    MoveBy(bar, 0, 25); // less than a row: stays in its row
    EXPECT_EQ(bar->Top(), 0);
    Release(bar);
    EXPECT_FALSE(bar->Dragging());
    MoveBy(bar, 40, 0); // not armed: nothing moves
    EXPECT_EQ(bar->Left(), 23);
    // The far end of the dock holds it back.
    Press(bar);
    MoveBy(bar, 500, 0);
    EXPECT_EQ(bar->Left(), Top->Width() - bar->Width());
    EXPECT_EQ(bar->Parent(), Top);
}

TEST_F(DockDragTest, TwentyPixelsOutIsHeldBackTwentyOneFloats) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    Press(bar);
    for (Integer i = 0; i < 20; ++i)
        MoveBy(bar, -1, 0);
    EXPECT_EQ(bar->Left(), 0);
    EXPECT_FALSE(bar->Floating());
    MoveBy(bar, -1, 0);
    ASSERT_TRUE(bar->Floating());
    EXPECT_EQ(Top->Height(), 1);
    // The float window sits at the pointer and carries on the drag.
    TrpFloatWindow* window = bar->GetFloatWindow();
    EXPECT_EQ(TPoint(window->Left(), window->Top()), Pointer);
    EXPECT_TRUE(window->Moving());
    EXPECT_TRUE(window->MouseCapture());
    EXPECT_FALSE(bar->Dragging());
    ASSERT_NE(window->DragFrame(), nullptr);
    EXPECT_TRUE(window->DragFrame()->Showing());
    EXPECT_EQ(window->DragFrame()->Bounds(), window->BoundsRect());
    // Released away from the docks: the window goes where the frame was.
    WindowMoveTo(window, TPoint(200, 200));
    EXPECT_EQ(TPoint(window->MoveFrame().Left, window->MoveFrame().Top), TPoint(200, 200));
    WindowRelease(window);
    EXPECT_FALSE(window->Moving());
    EXPECT_FALSE(window->MouseCapture());
    EXPECT_FALSE(window->DragFrame()->Showing());
    EXPECT_TRUE(bar->GetVisible());
}

TEST_F(DockDragTest, AToolbarThatCannotFloatStaysOnItsDock) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->CanFloat = false;
    Press(bar);
    MoveBy(bar, -60, 0);
    MoveBy(bar, 0, -52);
    MoveBy(bar, 0, 80);
    EXPECT_FALSE(bar->Floating());
    EXPECT_EQ(bar->Parent(), Top);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_EQ(Top->Height(), 27);
}

TEST_F(DockDragTest, AcrossTheDockTheToolbarGoesRowByRow) {
    TrpToolBar* one = MakeBar("Bar1", Top);
    TrpToolBar* two = MakeBar("Bar2", Top);
    ASSERT_EQ(two->Top(), 26);
    ASSERT_EQ(Top->Height(), 53);
    Press(two);
    MoveBy(two, 0, -20);
    EXPECT_EQ(two->Top(), 26);
    // Up a row, onto the first toolbar: pushed past it; the empty row goes.
    MoveBy(two, 0, -6);
    EXPECT_EQ(two->Top(), 0);
    EXPECT_EQ(two->Left(), one->Width());
    EXPECT_EQ(Top->Height(), 27);
    // Down again: the dock grows a row to take it.
    MoveBy(two, 0, 26);
    EXPECT_EQ(two->Top(), 26);
    EXPECT_EQ(Top->Height(), 53);
    EXPECT_FALSE(two->Floating());
}

TEST_F(DockDragTest, ALoneToolbarDraggedIntoTheFormFloats) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    Press(bar);
    MoveBy(bar, 0, 26);
    EXPECT_TRUE(bar->Floating());
    EXPECT_EQ(Top->Height(), 1);
    EXPECT_TRUE(bar->GetFloatWindow()->Moving());
}

TEST_F(DockDragTest, ABottomDockGrowsUpwardForANewRow) {
    TrpToolBar* one = MakeBar("Bar1", Bottom);
    TrpToolBar* two = MakeBar("Bar2", Bottom);
    ASSERT_EQ(Bottom->Height(), 53);
    const Integer bottomEdge = Bottom->Top() + Bottom->Height();
    // Down into the first row (next to the other), then up again.
    Press(two);
    MoveBy(two, 0, 26);
    EXPECT_EQ(Bottom->Height(), 27);
    EXPECT_EQ(Bottom->Top() + Bottom->Height(), bottomEdge);
    EXPECT_EQ(two->Top(), one->Top());
    MoveBy(two, 0, -26);
    EXPECT_EQ(Bottom->Height(), 53);
    EXPECT_EQ(Bottom->Top() + Bottom->Height(), bottomEdge);
    // Rows count from the dock's outer edge: the new row lies above.
    EXPECT_EQ(two->Top(), 1);
    EXPECT_EQ(one->Top(), 27);
    // Down out of the dock's outer edge: floats.
    MoveBy(two, 0, 26);
    MoveBy(two, 0, 26);
    EXPECT_TRUE(two->Floating());
}

TEST_F(DockDragTest, NoRoomInTheRowRefusesTheMove) {
    TrpToolBar* one = MakeBar("Bar1", Top);
    TrpToolBar* two = MakeBar("Bar2", Top);
    TrpToolBar* three = MakeBar("Bar3", Top);
    one->SetLeft(0);
    two->SetBounds(150, 0, two->Width(), two->Height());
    Top->AdjustBounds();
    ASSERT_EQ(three->Top(), 26);
    EXPECT_FALSE(three->MoveTo(70, 0)); // the gap 84..150 is too short
    EXPECT_EQ(three->Top(), 26);
    EXPECT_EQ(three->Left(), 0);
    EXPECT_TRUE(three->MoveTo(300, 0));
    EXPECT_EQ(three->Left(), 300);
    EXPECT_EQ(three->Top(), 0);
}

TEST_F(DockDragTest, AHorizontalToolbarAddedToARightDockLiesInIt) {
    TrpDock* right = MakeDock("RightDock", alRight);
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->AddToDock(right);
    EXPECT_EQ(bar->Width(), 26);
    EXPECT_EQ(right->Width(), 27);
    EXPECT_EQ(bar->Left(), 1);
    EXPECT_EQ(bar->Top(), 0);
}

TEST_F(DockDragTest, TheCaptionMovesTheFloatWindowBehindAFrame) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->FloatTo(150, 120);
    TrpFloatWindow* window = bar->GetFloatWindow();
    EXPECT_TRUE(window->OwnFrame());
    EXPECT_EQ(window->BorderIcons(), TBorderIcons{biSystemMenu});
    EXPECT_FALSE(window->ActivateOnShow());
    // A press inside the toolbar area is no move.
    window->MouseDown(mbLeft, {}, 20, 5);
    EXPECT_FALSE(window->Moving());
    PressCaption(window);
    ASSERT_TRUE(window->Moving());
    EXPECT_EQ(window->DragFrame()->Bounds(), window->BoundsRect());
    WindowMoveTo(window, TPoint(Pointer.X + 50, Pointer.Y + 30));
    EXPECT_EQ(window->DragFrame()->Bounds(), Bounds(200, 150, window->Width(), window->Height()));
    EXPECT_EQ(window->Left(), 150); // the window waits for the release
    WindowRelease(window);
    EXPECT_EQ(window->Left(), 200);
    EXPECT_EQ(window->Top(), 150);
    EXPECT_FALSE(window->DragFrame()->Showing());
}

TEST_F(DockDragTest, AFloatWindowDraggedOverADockDocksAndTheDragGoesOn) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->FloatTo(150, 120);
    TrpFloatWindow* window = bar->GetFloatWindow();
    PressCaption(window);
    // Over the one-pixel top dock, 150 pixels along.
    WindowMoveTo(window, Form.ClientToScreen(TPoint(150, 0)));
    EXPECT_FALSE(bar->Floating());
    EXPECT_EQ(bar->Parent(), Top);
    EXPECT_EQ(bar->Left(), 150);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_EQ(Top->Height(), 27);
    EXPECT_TRUE(bar->Dragging());
    EXPECT_TRUE(bar->MouseCapture());
    Application->ProcessMessages(); // the float window goes
    MoveBy(bar, -40, 0);
    EXPECT_EQ(bar->Left(), 110);
    Release(bar);
    EXPECT_FALSE(bar->Dragging());
    EXPECT_FALSE(bar->MouseCapture());
}

TEST_F(DockDragTest, DroppedNearTheEndOfADockItLiesWhollyOnIt) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->FloatTo(150, 120);
    TrpFloatWindow* window = bar->GetFloatWindow();
    PressCaption(window);
    ASSERT_EQ(Left->Left(), 0);
    WindowMoveTo(window, Form.ClientToScreen(TPoint(1, 150)));
    EXPECT_TRUE(bar->Floating()); // the empty left dock is one pixel wide
    WindowMoveTo(window, Form.ClientToScreen(TPoint(0, Left->Top() + Left->Height() - 2)));
    ASSERT_EQ(bar->Parent(), Left);
    EXPECT_EQ(bar->Height(), 84);
    EXPECT_EQ(bar->Top(), Left->Height() - 84);
    Release(bar);
}

TEST_F(DockDragTest, AHorizontalOnlyToolbarStaysFloatingOverALeftDock) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->Orientation = toHorzOnly;
    bar->FloatTo(150, 120);
    TrpFloatWindow* window = bar->GetFloatWindow();
    PressCaption(window);
    WindowMoveTo(window, Form.ClientToScreen(TPoint(0, 150)));
    EXPECT_TRUE(bar->Floating());
    EXPECT_TRUE(window->Moving());
    EXPECT_TRUE(window->DragFrame()->Showing());
    WindowRelease(window);
    EXPECT_TRUE(bar->Floating());
}

TEST_F(DockDragTest, AMoveWhileFloatingDisarmsTheToolbar) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->FloatTo(150, 120);
    bar->MouseDown(mbLeft, {}, 20, 5);
    EXPECT_TRUE(bar->Dragging());
    bar->SetCursor(crDrag);
    bar->MouseMove({}, 40, 5);
    EXPECT_FALSE(bar->Dragging());
    EXPECT_EQ(bar->Cursor(), crDefault);
    EXPECT_TRUE(bar->MoveTo(0, 0)); // floating: nothing to do
    EXPECT_TRUE(bar->Floating());
}

TEST_F(DockDragTest, ARightButtonStartsNoDrag) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->MouseDown(mbRight, {}, 5, 5);
    EXPECT_FALSE(bar->Dragging());
}

} // namespace
