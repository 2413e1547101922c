#include "grid/VgGridKeys.h"

#include "platform/ui/VirtualKeys.h"

namespace vg {

namespace {

bool MovesRecords(Word Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP ||
           Key == VK_DOWN;
}

// Keys after which a kept selection no longer stands for what the user looks at.
bool ClearsSelection(Word Key, const GridKeyState& S) {
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
        return S.RowSelect;
    case VK_END:
    case VK_HOME:
        return S.ColumnCount == 1 || S.RowSelect;
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    case VK_INSERT:
        return S.Modifiable && S.Editing;
    default:
        return false;
    }
}

} // namespace

GridKeyAction GridKey(Word Key, TShiftState Shift, const GridKeyState& S) {
    using C = GridKeyCommand;
    GridKeyAction a;
    a.Repaint = MovesRecords(Key);
    auto used = [&a](C c) {
        a.Command = c;
        a.Consumed = true;
        return a;
    };
    if (Shift.Contains(ssCtrl)) {
        if (a.Repaint) {
            a.Command = C::ClearSelection;
            return a;
        }
        if (Key == VK_LEFT && S.FixedCols > 0) return used(C::FirstScrollableColumn);
        if (Key == VK_DELETE) return used(!S.DeleteDisabled && S.Modifiable ? C::Delete : C::None);
        return a;
    }
    switch (Key) {
    case VK_SPACE:
        if (S.CheckBoxColumn) return used(C::ToggleCheckBox);
        break;
    case VK_HOME:
        if (S.FixedCols > 0 && S.ColumnCount > 1 && !S.RowSelect) return used(C::FirstScrollableColumn);
        break;
    case VK_LEFT:
        // Frozen columns are reached with the mouse only.
        if (S.FixedCols > 0 && !S.RowSelect && S.SelectedIndex <= S.FixedCols) return used(C::None);
        break;
    case VK_DOWN:
        return used(C::NextRow);
    case VK_INSERT:
        if (S.InsertDisabled) return used(C::None);
        break;
    default:
        break;
    }
    if (S.Browsing && Key == VK_RETURN && S.EnterLikeTab) {
        if (S.SelectedIndex < S.ColumnCount - 1) return used(C::NextColumn);
        return used(!S.InsertDisabled && S.Modifiable ? C::AppendRow : C::FirstScrollableColumn);
    }
    if (S.Browsing && Key == VK_UP) return used(C::PriorRow);
    if (ClearsSelection(Key, S)) {
        a.Command = C::ClearSelection;
        return a;
    }
    if (Key == VK_TAB && !Shift.Contains(ssAlt) && S.Tabs)
        return used(Shift.Contains(ssShift) ? C::TabBack : C::TabForward);
    return a;
}

} // namespace vg
