// Which of its own commands the data grid runs for a key before the platform
// grid, and which keys it leaves to the platform grid.
#include "grid/VgGridKeys.h"

#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

using vg::GridKey;
using vg::GridKeyState;
using C = vg::GridKeyCommand;

// An editable grid of four columns in browse state, on the second column.
GridKeyState With(void (*Change)(GridKeyState&)) {
    GridKeyState s;
    s.Tabs = s.Editing = s.Modifiable = s.Browsing = s.EnterLikeTab = true;
    s.ColumnCount = 4;
    s.SelectedIndex = 1;
    if (Change) Change(s);
    return s;
}

TEST(GridKeys, KeyTable) {
    const TShiftState none, ctrl{ssCtrl}, shift{ssShift}, alt{ssAlt};
    const GridKeyState plain = With(nullptr);
    const GridKeyState frozen = With([](GridKeyState& s) { s.FixedCols = 1; });
    const GridKeyState pastFrozen = With([](GridKeyState& s) { s.FixedCols = 1, s.SelectedIndex = 2; });
    const GridKeyState rowSelect = With([](GridKeyState& s) { s.RowSelect = true; });
    const GridKeyState oneColumn = With([](GridKeyState& s) { s.ColumnCount = 1, s.SelectedIndex = 0; });
    const GridKeyState locked = With([](GridKeyState& s) { s.InsertDisabled = s.DeleteDisabled = true; });
    const GridKeyState readOnly = With([](GridKeyState& s) { s.Modifiable = false; });
    const GridKeyState editing = With([](GridKeyState& s) { s.Browsing = false; });
    const GridKeyState lastColumn = With([](GridKeyState& s) { s.SelectedIndex = 3; });
    const GridKeyState lastLocked =
        With([](GridKeyState& s) { s.SelectedIndex = 3, s.InsertDisabled = true; });
    const GridKeyState plainEnter = With([](GridKeyState& s) { s.EnterLikeTab = false; });
    const GridKeyState checkBox = With([](GridKeyState& s) { s.CheckBoxColumn = true; });
    const GridKeyState noTabs = With([](GridKeyState& s) { s.Tabs = false; });
    struct Row {
        Word Key;
        TShiftState Shift;
        const GridKeyState& State;
        C Command;
        bool Consumed;
        const char* Why;
    } rows[] = {
        {VK_NEXT, ctrl, plain, C::ClearSelection, false,
         "Ctrl with a record key drops the selection, then moves"},
        {VK_HOME, ctrl, frozen, C::ClearSelection, false,
         "Ctrl+Home reaches the first record past frozen columns"},
        {VK_LEFT, ctrl, frozen, C::FirstScrollableColumn, true,
         "Ctrl+Left jumps to the first scrollable column"},
        {VK_LEFT, ctrl, plain, C::None, false, "without frozen columns Ctrl+Left is the platform's"},
        {VK_DELETE, ctrl, plain, C::Delete, true, "Ctrl+Delete deletes the record"},
        {VK_DELETE, ctrl, locked, C::None, true, "with deleting disabled it is swallowed"},
        {VK_DELETE, ctrl, readOnly, C::None, true, "a read-only grid swallows it"},
        {VK_TAB, ctrl, plain, C::None, false, "Ctrl+Tab is never a column move here"},
        {VK_SPACE, none, checkBox, C::ToggleCheckBox, true, "space ticks a check box like a click"},
        {VK_SPACE, none, plain, C::None, false, "space in a text column reaches the editor"},
        {VK_HOME, none, frozen, C::FirstScrollableColumn, true, "Home stops at the first scrollable column"},
        {VK_HOME, none, plain, C::None, false, "Home without frozen columns is the platform's"},
        {VK_HOME, none, oneColumn, C::ClearSelection, false, "with one column Home moves records"},
        {VK_END, none, rowSelect, C::ClearSelection, false, "on whole rows End moves records"},
        {VK_LEFT, none, frozen, C::None, true, "Left never enters a frozen column"},
        {VK_LEFT, none, pastFrozen, C::None, false, "Left beyond the first scrollable column moves"},
        {VK_LEFT, none, rowSelect, C::ClearSelection, false, "Left on whole rows drops the selection"},
        {VK_RIGHT, none, plain, C::None, false, "Right moves a column through the platform grid"},
        {VK_DOWN, none, plain, C::NextRow, true, "Down is the grid's own, appending at the end"},
        {VK_DOWN, shift, editing, C::NextRow, true, "also from a record being edited"},
        {VK_UP, none, plain, C::PriorRow, true, "Up is the grid's own in browse state"},
        {VK_UP, none, editing, C::None, false, "while editing the platform drops an untouched new record"},
        {VK_INSERT, none, locked, C::None, true, "with inserting disabled Insert is swallowed"},
        {VK_INSERT, none, plain, C::ClearSelection, false, "Insert drops the selection, then inserts"},
        {VK_INSERT, none, readOnly, C::None, false, "a read-only grid keeps the selection"},
        {VK_RETURN, none, plain, C::NextColumn, true, "Enter moves to the next column"},
        {VK_RETURN, none, lastColumn, C::AppendRow, true, "on the last column it appends a record"},
        {VK_RETURN, none, lastLocked, C::FirstScrollableColumn, true, "or wraps when inserting is disabled"},
        {VK_RETURN, none, editing, C::None, false, "while editing Enter posts through the platform"},
        {VK_RETURN, none, plainEnter, C::None, false, "without eoENTERlikeTAB Enter is the platform's"},
        {VK_ESCAPE, none, plain, C::ClearSelection, false, "Escape drops the selection, then cancels"},
        {VK_PRIOR, none, plain, C::ClearSelection, false, "Page Up drops the selection, then pages"},
        {VK_TAB, none, plain, C::TabForward, true, "Tab moves a column"},
        {VK_TAB, shift, plain, C::TabBack, true, "Shift+Tab moves back"},
        {VK_TAB, alt, plain, C::None, false, "Alt+Tab is not the grid's"},
        {VK_TAB, none, noTabs, C::None, false, "without dgTabs Tab leaves the grid"},
        {'A', none, plain, C::None, false, "letters go to the editor"},
    };
    for (const Row& r : rows) {
        const auto a = GridKey(r.Key, r.Shift, r.State);
        EXPECT_EQ(a.Command, r.Command) << r.Why;
        EXPECT_EQ(a.Consumed, r.Consumed) << r.Why;
    }
    // Every record key repaints the grid, with Ctrl too; column keys do not.
    EXPECT_TRUE(GridKey(VK_UP, none, plain).Repaint);
    EXPECT_TRUE(GridKey(VK_END, ctrl, plain).Repaint);
    EXPECT_TRUE(GridKey(VK_HOME, none, frozen).Repaint);
    EXPECT_FALSE(GridKey(VK_RIGHT, none, plain).Repaint);
    EXPECT_FALSE(GridKey(VK_TAB, none, plain).Repaint);
}

} // namespace
