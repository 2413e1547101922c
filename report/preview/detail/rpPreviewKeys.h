#pragma once
// The preview's keyboard: which command a key runs and whether the key is
// used up (set to 0 so that the focused control does not act on it too).
#include "platform/ui/UiTypes.h"

namespace report {

enum class PreviewCommand {
    None,
    LineUp,
    LineDown,
    LineLeft,
    LineRight,
    ScreenUp,
    ScreenDown,
    PrevPage,
    NextPage,
    ZoomMenu,
    Exit,
    Top,
    LastPage,
    Open,
    Save,
    Print,
    Find,
    FindNext,
    Edit,
    DeletePage,
    InsertPage
};

struct PreviewKeyAction {
    PreviewCommand Command = PreviewCommand::None;
    bool Consumed = false;
};

// What holds while the key arrives: printing is offered, pages may be edited
// (a designer exists), a search text exists for find-next.
struct PreviewKeyState {
    bool CanPrint = false;
    bool CanEdit = false;
    bool HasSearchText = false;
};

// Letters are matched on the key code's low byte. Any unlisted key with Ctrl
// is used up without a command; Home and End without Ctrl pass through.
PreviewKeyAction PreviewKey(Word Key, TShiftState Shift, const PreviewKeyState& State);

} // namespace report
