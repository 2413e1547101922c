#pragma once
// The data grid's own keys, looked at before the platform grid's: which
// command a key runs and whether the platform grid still gets the key.
#include "platform/ui/UiTypes.h"

namespace vg {

enum class GridKeyCommand {
    None,
    // Drops the multi-row selection unless it is kept; the key moves on.
    ClearSelection,
    FirstScrollableColumn,
    Delete,
    ToggleCheckBox,
    // One record down (appending at the end where allowed) or up; Shift
    // extends the selection.
    NextRow,
    PriorRow,
    NextColumn,
    // Appends a record and goes to its first scrollable column.
    AppendRow,
    TabForward,
    TabBack
};

struct GridKeyAction {
    GridKeyCommand Command = GridKeyCommand::None;
    // The platform grid does not see the key.
    bool Consumed = false;
    // A record move: the whole grid is painted again.
    bool Repaint = false;
};

// The grid while the key arrives. Modifiable: the grid is not read-only and
// the dataset can modify. Browsing: the dataset is in browse state.
struct GridKeyState {
    bool RowSelect = false;
    bool Tabs = false;
    bool Editing = false;
    bool Modifiable = false;
    bool Browsing = false;
    bool EnterLikeTab = false;
    bool InsertDisabled = false;
    bool DeleteDisabled = false;
    // The selected column shows check boxes.
    bool CheckBoxColumn = false;
    Integer FixedCols = 0;
    Integer ColumnCount = 0;
    Integer SelectedIndex = 0;
};

GridKeyAction GridKey(Word Key, TShiftState Shift, const GridKeyState& State);

} // namespace vg
