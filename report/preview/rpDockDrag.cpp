#include "report/preview/detail/rpDockDrag.h"

#include <algorithm>

namespace rpdock {

namespace {

constexpr Integer FloatDistance = 20;
constexpr Integer MaxPasses = 4;

bool Overlaps(const Span& a, const Span& b) {
    return a.Along < b.Along + b.Length && b.Along < a.Along + a.Length &&
           a.Across < b.Across + b.Thickness && b.Across < a.Across + a.Thickness;
}

} // namespace

Integer DragStep(Integer Last, Integer Now, Integer Step) {
    if (Step <= 0) return 0;
    const Integer delta = Now - Last;
    // Integer division truncates toward zero on both sides of 0.
    return delta / Step * Step;
}

MovePlan PlanMove(Span Bar, Integer DockLength, const std::vector<Span>& Others, bool CanFloat) {
    // Only where the drag put the toolbar decides floating; a toolbar pushed
    // back by its neighbours has no room and stays where it was.
    if (CanFloat && (Bar.Along < -FloatDistance || Bar.Across < -FloatDistance))
        return {MoveResult::Float, Bar.Along, Bar.Across};
    Integer passes = 0;
    bool changed = true;
    while (changed && passes < MaxPasses) {
        ++passes;
        changed = false;
        if (Bar.Along < 0) {
            Bar.Along = 0;
            changed = true;
        }
        if (Bar.Across < 0) {
            Bar.Across = 0;
            changed = true;
        }
        if (Bar.Along + Bar.Length > DockLength && Bar.Along > 0) {
            Bar.Along = std::max<Integer>(DockLength - Bar.Length, 0);
            changed = true;
        }
        for (const Span& other : Others) {
            if (!Overlaps(Bar, other)) continue;
            Bar.Along = other.Along <= Bar.Along ? other.Along + other.Length : other.Along - Bar.Length;
            changed = true;
        }
    }
    if (passes >= 3) return {MoveResult::Refused, Bar.Along, Bar.Across};
    return {MoveResult::Placed, Bar.Along, Bar.Across};
}

Integer DropAlong(Integer Offset, Integer DockLength, Integer Length) {
    return std::max<Integer>(std::min(Offset, DockLength - Length), 0);
}

} // namespace rpdock
