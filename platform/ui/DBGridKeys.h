#pragma once
// The data grid's keyboard: which command a key runs and whether the key is
// used up (set to 0, so that the form does not act on it too).
#include "platform/ui/UiTypes.h"

namespace ui {

enum class DBGridKeyCommand {
    None,
    // Drops an untouched new record at the end instead of moving up.
    CancelInsert,
    PriorRecord,
    NextRecord,
    // One record down; at the end a new record is appended.
    NextRecordOrAppend,
    PriorScreen,
    NextScreen,
    FirstRecord,
    LastRecord,
    FirstColumn,
    LastColumn,
    // The nearest visible column that way, where there is one.
    PriorColumn,
    NextColumn,
    // The nearest visible column that way, wrapping to the next or prior record.
    TabForward,
    TabBack,
    // The editor's text goes back to the field's.
    RevertEditor,
    // The editor closes and a record being edited is cancelled.
    CancelEditor,
    // The editor's text is written and a record being edited is posted, unless nobody
    // typed into it.
    PostEditor,
    // Where the current cell may be edited.
    ShowEditor,
    HideEditor,
    Insert
};

struct DBGridKeyAction {
    DBGridKeyCommand Command = DBGridKeyCommand::None;
    bool Consumed = false;
};

// The grid while the key arrives. CanAddRecords: editing is on, the grid is
// not read-only and the dataset can modify. Inserting, Modified and Eof are
// the dataset's; EditorModified: the open editor's text was changed.
struct DBGridKeyState {
    bool RowSelect = false;
    bool Tabs = false;
    bool CanAddRecords = false;
    bool Inserting = false;
    bool Modified = false;
    bool Eof = false;
    bool EditorMode = false;
    bool EditorModified = false;
};

DBGridKeyAction DBGridKey(Word Key, TShiftState Shift, const DBGridKeyState& State);

} // namespace ui
