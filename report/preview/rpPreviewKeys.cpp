#include "report/preview/detail/rpPreviewKeys.h"

#include "platform/ui/VirtualKeys.h"

namespace report {

PreviewKeyAction PreviewKey(Word Key, TShiftState Shift, const PreviewKeyState& State) {
    using C = PreviewCommand;
    const bool ctrl = Shift.Contains(ssCtrl);
    auto used = [](C c) { return PreviewKeyAction{c, true}; };
    switch (Key) {
    case VK_UP:
        return used(C::LineUp);
    case VK_DOWN:
        return used(C::LineDown);
    case VK_LEFT:
        return used(C::LineLeft);
    case VK_RIGHT:
        return used(C::LineRight);
    case VK_PRIOR:
        return used(ctrl ? C::PrevPage : C::ScreenUp);
    case VK_NEXT:
        return used(ctrl ? C::NextPage : C::ScreenDown);
    case VK_SPACE:
        return used(C::ZoomMenu);
    case VK_ESCAPE:
        return used(C::Exit);
    case VK_HOME:
        return ctrl ? used(C::Top) : PreviewKeyAction{};
    case VK_END:
        return ctrl ? used(C::LastPage) : PreviewKeyAction{};
    default:
        break;
    }
    if (ctrl) {
        switch (Key & 0xFF) {
        case 'O':
            return used(C::Open);
        case 'S':
            return used(C::Save);
        case 'P':
            return used(State.CanPrint ? C::Print : C::None);
        case 'F':
            return used(C::Find);
        case 'E':
            return used(State.CanEdit ? C::Edit : C::None);
        default:
            return used(C::None);
        }
    }
    switch (Key) {
    case VK_F3:
        return used(State.HasSearchText ? C::FindNext : C::None);
    case VK_DELETE:
        return State.CanEdit ? used(C::DeletePage) : PreviewKeyAction{};
    case VK_INSERT:
        return State.CanEdit ? used(C::InsertPage) : PreviewKeyAction{};
    default:
        return {};
    }
}

} // namespace report
