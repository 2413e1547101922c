// Dock panels, toolbars docked and floating, and their placement in the
// settings store.
#include "tests/report/preview/DockFixture.h"
#include "report/preview/detail/rpDockPlacement.h"

#include "platform/core/TRegIniFile.h"
#include "platform/ui/ControlSnapshot.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using DockTest = DockFixture;

TEST_F(DockTest, EmptyDockIsOnePixelThick) {
    EXPECT_EQ(Top->Height(), 1);
    EXPECT_EQ(Left->Width(), 1);
}

TEST_F(DockTest, DockedToolbarTakesARowAndItsButtonsLength) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    EXPECT_EQ(bar->Parent(), Top);
    EXPECT_FALSE(bar->Floating());
    EXPECT_EQ(bar->Width(), 11 + 3 * 23 + 4);
    EXPECT_EQ(Top->Height(), 27);
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_TRUE(bar->DragBox()->Visible());
}

TEST_F(DockTest, SecondRowGoesWhenItsLastToolbarLeaves) {
    TrpToolBar* one = MakeBar("Bar1", Top);
    TrpToolBar* two = MakeBar("Bar2", Top);
    EXPECT_EQ(two->Top(), 26);
    EXPECT_EQ(Top->Height(), 53);
    one->FloatTo(100, 100);
    EXPECT_EQ(Top->Height(), 27); // the empty first row was removed
    EXPECT_EQ(two->Top(), 0);
    two->FloatTo(120, 120);
    EXPECT_EQ(Top->Height(), 1);
}

TEST_F(DockTest, VerticalDockTurnsTheToolbar) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    const Integer length = bar->Width();
    bar->AddToDock(Left);
    EXPECT_EQ(bar->ParentAlign(), 3);
    EXPECT_EQ(bar->Height(), length);
    EXPECT_EQ(bar->Width(), 26);
    EXPECT_EQ(Left->Width(), 27);
    EXPECT_EQ(Top->Height(), 1);
    // The buttons stack below the grip, each no longer than it was wide.
    Integer below = bar->DragBox()->Top() + bar->DragBox()->Height();
    for (Integer i = 0; i < bar->ControlCount(); ++i) {
        TControl* c = bar->Controls(i);
        if (c == bar->DragBox()) continue;
        EXPECT_LE(c->Height(), 24) << i; // not stretched along the toolbar
        EXPECT_GE(c->Top(), below) << i;
        below = c->Top() + c->Height();
    }
    // From a float window onto the vertical dock, too.
    bar->FloatTo(100, 100);
    bar->AddToDock(Left);
    for (Integer i = 0; i < bar->ControlCount(); ++i) {
        if (bar->Controls(i) == bar->DragBox()) continue;
        EXPECT_LE(bar->Controls(i)->Height(), 24) << i;
    }
}

TEST_F(DockTest, OrientationDecidesWhichDocksAccept) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->Orientation = toHorzOnly;
    EXPECT_TRUE(bar->Accepts(Top));
    EXPECT_FALSE(bar->Accepts(Left));
    bar->Orientation = toVertOnly;
    EXPECT_FALSE(bar->Accepts(Top));
    EXPECT_TRUE(bar->Accepts(Left));
}

TEST_F(DockTest, FloatingCarriesTheToolbarInAToolWindow) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    const Integer width = bar->Width();
    bar->FloatTo(150, 90);
    TrpFloatWindow* window = bar->GetFloatWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(bar->Parent(), window);
    EXPECT_EQ(window->Caption(), "Bar1");
    EXPECT_EQ(window->BorderStyle(), bsToolWindow);
    EXPECT_EQ(window->FormStyle(), fsStayOnTop);
    EXPECT_EQ(window->ClientWidth(), width - 11);
    EXPECT_EQ(window->Left(), 150);
    EXPECT_FALSE(bar->DragBox()->Visible());
    bar->FloatTo(10, 20); // only moves
    EXPECT_EQ(bar->GetFloatWindow(), window);
    EXPECT_EQ(window->Left(), 10);
    bar->SetVisible(false);
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(bar->GetVisible());
    bar->AddToDock(Top);
    EXPECT_EQ(bar->GetFloatWindow(), nullptr);
    EXPECT_EQ(bar->Parent(), Top);
    EXPECT_TRUE(bar->GetVisible());
}

TEST_F(DockTest, PlacementOfADockedToolbarIsSavedAndRestored) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->AddToDock(Left);
    SaveToolbarPosition(bar);
    bar->AddToDock(Top);
    RestoreToolbarPosition(bar);
    EXPECT_EQ(bar->Parent(), Left);
    EXPECT_FALSE(bar->Floating());
    EXPECT_TRUE(bar->GetVisible());
    TRegIniFile reg(rpDockRootKey);
    EXPECT_EQ(reg.ReadString("ToolBar\\Bar1", "DockName", ""), "LeftDock");
}

TEST_F(DockTest, PlacementOfAFloatingHiddenToolbarIsSavedAndRestored) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    bar->FloatTo(140, 70);
    bar->SetVisible(false);
    SaveToolbarPosition(bar);
    bar->AddToDock(Top);
    bar->SetVisible(true);
    RestoreToolbarPosition(bar);
    ASSERT_TRUE(bar->Floating());
    EXPECT_EQ(bar->GetFloatWindow()->Left(), 140);
    EXPECT_EQ(bar->GetFloatWindow()->Top(), 70);
    EXPECT_FALSE(bar->GetVisible());
}

TEST_F(DockTest, UnknownDockNameKeepsTheParentAtTheStoredPosition) {
    TrpToolBar* bar = MakeBar("Bar1", Top);
    {
        TRegIniFile reg(rpDockRootKey);
        reg.WriteString("ToolBar\\Bar1", "DockName", "NoSuchDock");
        reg.WriteInteger("ToolBar\\Bar1", "XPosition", 30);
        reg.WriteInteger("ToolBar\\Bar1", "YPosition", 0);
    }
    RestoreToolbarPosition(bar);
    EXPECT_EQ(bar->Parent(), Top);
    EXPECT_EQ(bar->Left(), 30);
}

TEST_F(DockTest, FormPlacementIsSavedAndRestored) {
    Form.SetBounds(40, 50, 320, 240);
    Form.Show();
    SaveFormPosition(&Form);
    Form.SetBounds(0, 0, 100, 100);
    RestoreFormPosition(&Form);
    EXPECT_EQ(Form.Left(), 40);
    EXPECT_EQ(Form.Top(), 50);
    EXPECT_EQ(Form.Width(), 320);
    EXPECT_EQ(Form.Height(), 240);
    EXPECT_TRUE(Form.Visible());
    Form.Hide();
    SaveFormPosition(&Form);
    Form.Show();
    RestoreFormPosition(&Form);
    EXPECT_FALSE(Form.Visible());
}

TEST_F(DockTest, FloatingToolbarRendersOffscreen) {
    TrpToolBar* bar = MakeBar("Tools", Top);
    bar->FloatTo(50, 50);
    const String file = Dir.File("floating.png");
    ui::SaveSnapshot(bar->GetFloatWindow(), file);
    EXPECT_GT(std::filesystem::file_size(file), 200u);
    if (const char* keep = std::getenv("VELMORA_KEEP_SNAPSHOTS"))
        std::filesystem::copy_file(file, String(keep) + "/floating.png",
                                   std::filesystem::copy_options::overwrite_existing);
    const String docked = Dir.File("docked.png");
    TrpToolBar* other = MakeBar("Other", Top);
    ui::SaveSnapshot(other, docked);
    if (const char* keep = std::getenv("VELMORA_KEEP_SNAPSHOTS"))
        std::filesystem::copy_file(docked, String(keep) + "/docked.png",
                                   std::filesystem::copy_options::overwrite_existing);
}

} // namespace
