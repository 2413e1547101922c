// The scroll bar control's range and change events, and the wheel events of
// every control (one per notch, a fine wheel's parts added up).
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TScrollBar.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ScrollBar, EveryMoveOfThePositionFiresOnChangeOnce) {
    TScrollBar bar(nullptr);
    int changes = 0;
    bar.OnChange = [&](TObject*) { ++changes; };
    bar.SetMax(500);
    EXPECT_EQ(changes, 0); // the range alone moves nothing
    bar.SetPosition(200);
    bar.SetPosition(200);
    EXPECT_EQ(changes, 1);
    bar.SetMax(100); // the position follows the shrinking range
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_EQ(changes, 2);
    bar.SetPosition(-7);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(changes, 3);
}

TEST(ScrollBar, UsersKeysMoveBySmallAndLargeChange) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 300);
    auto* bar = new TScrollBar(&form);
    bar->SetParent(&form);
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->Width(), 16);
    bar->SetParams(0, 0, 1000);
    bar->SetSmallChange(10);
    bar->SetLargeChange(200);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    form.Show();
    ui::SimulateKey(bar, VK_DOWN);
    EXPECT_EQ(bar->Position(), 10);
    ui::SimulateKey(bar, VK_NEXT);
    EXPECT_EQ(bar->Position(), 210);
    EXPECT_EQ(changes, 2);
    form.Hide();
}

TEST(MouseWheel, OneEventPerNotchAndPartsOfANotchAddUp) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 200, 100);
    std::string log;
    panel->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint p, bool& handled) {
        log += "down@" + std::to_string(p.X) + "," + std::to_string(p.Y) + " ";
        handled = true;
    };
    panel->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool& handled) {
        log += "up ";
        handled = true;
    };
    form.Show();
    ui::SimulateWheel(panel, 5, 7, -240);
    EXPECT_EQ(log, "down@5,7 down@5,7 ");
    log.clear();
    ui::SimulateWheel(panel, 5, 5, 60); // half a notch: nothing yet
    EXPECT_EQ(log, "");
    ui::SimulateWheel(panel, 5, 5, 60);
    EXPECT_EQ(log, "up ");
    form.Hide();
}

} // namespace
