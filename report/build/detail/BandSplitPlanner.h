#pragma once
// Where the objects of a band that may split across pages go, page by page:
// plain numbers in, placements out. TrpBand::DrawPageBreak draws what it plans.
//
// Coordinates are the band's: 0 is the band's top on the current page. A box
// that does not fit stays pending and its top moves up by the page's room,
// so on the next page a box continued from this one has a negative top.
#include "platform/core/Types.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace report {

// One object of the band.
struct SplitBox {
    // Place and size as measured for this record (a stretched object reaches the band's foot).
    Integer Top = 0;
    Integer Height = 0;
    Integer Left = 0;
    Integer Width = 0;
    // Place and height in the template: what a continued box grew beyond its
    // template height moves the boxes wholly below it that overlap it horizontally.
    Integer TemplateTop = 0;
    Integer TemplateHeight = 0;
    // A stretchable box prints its content in parts, at least MinHeight (its
    // first line block) at a time; any other box is drawn whole or clipped once.
    bool Stretches = false;
    Integer MinHeight = 0;
};

// One draw on the current page. Part: only the part of the content that fits
// Height, the rest staying for a later part.
struct SplitPlacement {
    std::size_t Box = 0;
    Integer Top = 0;
    Integer Height = 0;
    bool Part = false;
};

// The room on a page: the band's height from its top to the column footer (or the
// page's foot), less the clearance kept above it.
Integer SplitRoom(Integer SpaceToFooter);

class BandSplitPlanner {
public:
    // What is left of a continued box's content, with its gaps above and below.
    // Asked only when that rest is placed, just before, so a box that measures
    // by running its script runs it no more often than it draws.
    using RemainFn = std::function<Integer(std::size_t Box)>;
    using PlaceFn = std::function<void(const SplitPlacement&)>;

    explicit BandSplitPlanner(std::vector<SplitBox> Boxes);

    // True while a box still waits for a page.
    bool Pending() const;
    // Places on a page with Room (SplitRoom) what goes there, in drawing order:
    // first the boxes starting on it (whole, a part, or clipped to the room when
    // taller than a fresh page), then the boxes continued from earlier pages.
    // Fresh: nothing was drawn on the page or column before the band. Answers
    // the lowest bottom placed. A box that no page could ever take (nothing
    // placed on a fresh page, nothing below it) is given up rather than making
    // page after page.
    Integer PlanPage(Integer Room, bool Fresh, const RemainFn& Remain, const PlaceFn& Place);
    // The height of Box's content printed in parts so far.
    Integer Printed(std::size_t Box) const { return FPrinted[Box]; }

private:
    // Moves the pending boxes under a continued box down by what it grew.
    void PushBelow(std::size_t Box, Integer Grown);

    std::vector<SplitBox> FBoxes;
    std::vector<Integer> FTop;
    std::vector<Integer> FPrinted;
    std::vector<bool> FPending;
};

} // namespace report
