#pragma once
// Items whose owner draws them: the state of the item being drawn and the
// event that draws it. The control fills the item's rectangle in the brush
// its state asks for (the highlight when selected) before the event runs.
#include "platform/core/TSet.h"
#include "platform/graphics/TRect.h"

#include <functional>

class TWinControl;

enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// Index: the item; Rect: its rectangle on the control's canvas, valid while the event runs.
using TDrawItemEvent =
    std::function<void(TWinControl* Control, Integer Index, const TRect& Rect, TOwnerDrawState State)>;
