#pragma once
// Dragging inside a control with the mouse: how a drag starts, and the two
// events that accept and take a drop.
#include "platform/core/Types.h"

#include <functional>

class TObject;

// dmAutomatic: a left press and a move past the drag threshold start a drag.
enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Pixels the pointer moves with the button held before a drag starts.
constexpr Integer DragThreshold = 5;

// Sender: the control under the pointer; Source: the dragged control. Accept
// starts true; a drop lands only where the last answer was true, and never
// on a control without OnDragOver.
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, Integer X, Integer Y,
                                          TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, Integer X, Integer Y)>;
