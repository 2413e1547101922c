// Which command each key gives the data grid, in the states that change it.
#include "platform/ui/DBGridKeys.h"

#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

using ui::DBGridKey;
using ui::DBGridKeyState;
using C = ui::DBGridKeyCommand;

DBGridKeyState With(void (*Change)(DBGridKeyState&)) {
    DBGridKeyState s;
    s.Tabs = s.CanAddRecords = true;
    if (Change) Change(s);
    return s;
}

TEST(DBGridKeys, KeyTable) {
    const TShiftState none, ctrl{ssCtrl}, shift{ssShift}, alt{ssAlt};
    const DBGridKeyState plain = With(nullptr);
    const DBGridKeyState newAtEnd = With([](DBGridKeyState& s) { s.Inserting = s.Eof = true; });
    const DBGridKeyState typedAtEnd =
        With([](DBGridKeyState& s) { s.Inserting = s.Eof = s.Modified = true; });
    const DBGridKeyState newInside = With([](DBGridKeyState& s) { s.Inserting = true; });
    const DBGridKeyState readOnly = With([](DBGridKeyState& s) { s.CanAddRecords = false; });
    const DBGridKeyState rowSelect = With([](DBGridKeyState& s) { s.RowSelect = true; });
    const DBGridKeyState noTabs = With([](DBGridKeyState& s) { s.Tabs = false; });
    const DBGridKeyState editor = With([](DBGridKeyState& s) { s.EditorMode = true; });
    const DBGridKeyState typed = With([](DBGridKeyState& s) { s.EditorMode = s.EditorModified = true; });
    struct Row {
        Word Key;
        TShiftState Shift;
        const DBGridKeyState& State;
        C Command;
        bool Consumed;
        const char* Why;
    } rows[] = {
        {VK_UP, none, plain, C::PriorRecord, true, "Up moves one record"},
        {VK_UP, none, newAtEnd, C::CancelInsert, true, "Up drops an untouched new record at the end"},
        {VK_UP, none, typedAtEnd, C::PriorRecord, true, "a typed new record is kept, the move posts it"},
        {VK_UP, none, newInside, C::PriorRecord, true, "a new record inside the list is left by moving"},
        {VK_DOWN, none, plain, C::NextRecordOrAppend, true,
         "Down at the end appends where records may be added"},
        {VK_DOWN, none, readOnly, C::NextRecord, true, "a read-only grid only moves"},
        {VK_DOWN, none, newInside, C::None, true, "an untouched new record stays put"},
        {VK_DOWN, none, typedAtEnd, C::NextRecordOrAppend, true, "a typed new record is posted by the move"},
        {VK_PRIOR, none, plain, C::PriorScreen, true, "Page Up moves a screen"},
        {VK_NEXT, none, plain, C::NextScreen, true, "Page Down moves a screen"},
        {VK_HOME, none, plain, C::FirstColumn, true, "Home goes to the first column"},
        {VK_HOME, ctrl, plain, C::FirstRecord, true, "Ctrl+Home goes to the first record"},
        {VK_END, none, plain, C::LastColumn, true, "End goes to the last column"},
        {VK_END, ctrl, plain, C::LastRecord, true, "Ctrl+End goes to the last record"},
        {VK_LEFT, none, plain, C::PriorColumn, true, "Left moves a column"},
        {VK_RIGHT, none, plain, C::NextColumn, true, "Right moves a column"},
        {VK_LEFT, none, rowSelect, C::None, true, "whole rows have no columns to move to"},
        {VK_RIGHT, none, rowSelect, C::None, true, "whole rows have no columns to move to"},
        {VK_TAB, none, plain, C::TabForward, true, "Tab moves a column, wrapping to the next record"},
        {VK_TAB, shift, plain, C::TabBack, true, "Shift+Tab moves back"},
        {VK_TAB, none, noTabs, C::None, false, "without dgTabs Tab leaves the grid"},
        {VK_TAB, alt, plain, C::None, false, "Alt+Tab is never the grid's"},
        {VK_ESCAPE, none, typed, C::RevertEditor, true, "Escape first takes back the typed text"},
        {VK_ESCAPE, none, editor, C::CancelEditor, true, "then it closes the editor and cancels"},
        {VK_ESCAPE, none, plain, C::CancelEditor, true, "without an editor it cancels the record"},
        {VK_RETURN, none, editor, C::PostEditor, true, "Enter in the editor posts"},
        {VK_RETURN, none, plain, C::ShowEditor, true, "Enter opens the editor"},
        {VK_F2, none, editor, C::HideEditor, true, "F2 closes the editor without posting"},
        {VK_F2, none, plain, C::ShowEditor, true, "F2 opens the editor"},
        {VK_INSERT, none, plain, C::Insert, true, "Insert adds a record"},
        {VK_INSERT, none, readOnly, C::None, true, "Insert on a read-only grid is swallowed"},
        {'A', none, plain, C::None, false, "letters go to the editor"},
        {VK_DELETE, ctrl, plain, C::None, false, "Ctrl+Delete is left to the grid above"},
    };
    for (const Row& r : rows) {
        const auto a = DBGridKey(r.Key, r.Shift, r.State);
        EXPECT_EQ(a.Command, r.Command) << r.Why;
        EXPECT_EQ(a.Consumed, r.Consumed) << r.Why;
    }
}

} // namespace
