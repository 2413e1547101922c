#pragma once
// The layout of a container's children: aligned ones first, in the order
// top, bottom, left, right, client, each group sorted by position; then the
// anchored ones relative to the container's size when their rules were taken.
class TWinControl;

namespace ui {

void AlignChildren(TWinControl* Parent);

} // namespace ui
