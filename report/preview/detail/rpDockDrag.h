#pragma once
// The arithmetic of dragging toolbars on docks, free of any window: where a
// moved toolbar may lie, when it leaves the dock to float, where a floating
// toolbar lands on a dock it is dragged over. Positions are measured along
// the dock from its start and across it from its outer edge (the form's
// border), so every dock side follows the same rules.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <vector>

namespace rpdock {

// A toolbar's extent on a dock.
struct Span {
    Integer Along = 0;
    Integer Across = 0;
    Integer Length = 0;
    Integer Thickness = 0;
};

enum class MoveResult {
    Placed,  // lies at the planned position
    Float,   // dragged more than 20 pixels out of the dock
    Refused, // no room: nothing moves
};

struct MovePlan {
    MoveResult Result = MoveResult::Refused;
    Integer Along = 0;
    Integer Across = 0;
};

// Movement from Last to Now rounded toward zero to a multiple of Step.
Integer DragStep(Integer Last, Integer Now, Integer Step);

// Where Bar (at its wanted position) may lie on a dock DockLength long among
// the other visible toolbars. Wanted more than 20 pixels before either edge,
// it floats (when CanFloat; otherwise it is held at 0). Then up to four
// passes: a negative position becomes 0, the end of the dock holds it back
// along the row, and a toolbar it overlaps pushes it past its end (when it
// lies before) or back before its start. A position that still needed a
// change in the second pass is refused.
MovePlan PlanMove(Span Bar, Integer DockLength, const std::vector<Span>& Others, bool CanFloat);

// Whether a placed toolbar ends beyond the dock's inner edge (so the dock
// has to grow a row to hold it).
inline bool BeyondInnerEdge(const Span& Bar, Integer DockThickness) {
    return Bar.Across + Bar.Thickness > DockThickness;
}

// Along position for a floating toolbar Length long dropped at Offset from
// the start of a dock DockLength long: Offset held in [0, DockLength - Length].
Integer DropAlong(Integer Offset, Integer DockLength, Integer Length);

} // namespace rpdock
