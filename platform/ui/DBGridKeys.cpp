#include "platform/ui/DBGridKeys.h"

#include "platform/ui/VirtualKeys.h"

namespace ui {

DBGridKeyAction DBGridKey(Word Key, TShiftState Shift, const DBGridKeyState& S) {
    using C = DBGridKeyCommand;
    const bool ctrl = Shift.Contains(ssCtrl);
    auto used = [](C c) { return DBGridKeyAction{c, true}; };
    switch (Key) {
    case VK_UP:
        return used(S.Inserting && !S.Modified && S.Eof ? C::CancelInsert : C::PriorRecord);
    case VK_DOWN:
        // An untouched new record stays where it is.
        if (S.Inserting && !S.Modified) return used(C::None);
        return used(S.CanAddRecords ? C::NextRecordOrAppend : C::NextRecord);
    case VK_PRIOR:
        return used(C::PriorScreen);
    case VK_NEXT:
        return used(C::NextScreen);
    case VK_HOME:
        return used(ctrl ? C::FirstRecord : C::FirstColumn);
    case VK_END:
        return used(ctrl ? C::LastRecord : C::LastColumn);
    case VK_LEFT:
        return used(S.RowSelect ? C::None : C::PriorColumn);
    case VK_RIGHT:
        return used(S.RowSelect ? C::None : C::NextColumn);
    case VK_TAB:
        if (!S.Tabs || Shift.Contains(ssAlt)) return {};
        return used(Shift.Contains(ssShift) ? C::TabBack : C::TabForward);
    case VK_ESCAPE:
        return used(S.EditorMode && S.EditorModified ? C::RevertEditor : C::CancelEditor);
    case VK_RETURN:
        return used(S.EditorMode ? C::PostEditor : C::ShowEditor);
    case VK_F2:
        return used(S.EditorMode ? C::HideEditor : C::ShowEditor);
    case VK_INSERT:
        return used(S.CanAddRecords ? C::Insert : C::None);
    default:
        return {};
    }
}

} // namespace ui
