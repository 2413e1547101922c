#pragma once
// Where the objects of a band that runs over pages go, page by page: plain
// numbers in, placements out. TrpBand::DrawPageBreak draws what it plans.
//
// Coordinates are the band's: 0 is the band's top on the current page. A box
// that does not fit stays pending and its top moves up by the page's room, so
// a box waiting for a later page has its place there once the tops have moved.
#include "platform/core/Types.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace report {

// One object of the band.
struct SplitBox {
    // Place and size as measured for this record. A growing box's height is
    // what its whole content needs.
    Integer Top = 0;
    Integer Height = 0;
    Integer Left = 0;
    Integer Width = 0;
    // Place and height in the template: a box wholly below another that
    // overlaps it horizontally keeps its distance from that box's end.
    Integer TemplateTop = 0;
    Integer TemplateHeight = 0;
    // A stretchable box prints its content in parts, at least MinHeight (its
    // first line block) at a time; any other box is drawn whole or clipped once.
    bool Stretches = false;
    // The box's height follows its content: once continued, it ends where its
    // content ends. Otherwise its own height bounds it and the rest is cut.
    bool Grows = false;
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
    // What is left of a growing box's content, with its gaps above and below; 0
    // when nothing is. Asked after a part of it is drawn and on each page it
    // continues on.
    using RemainFn = std::function<Integer(std::size_t Box)>;
    using PlaceFn = std::function<void(const SplitPlacement&)>;

    explicit BandSplitPlanner(std::vector<SplitBox> Boxes);

    // True while a box still waits for a page.
    bool Pending() const;
    // Places on a page with Room (SplitRoom) what goes there, in the boxes'
    // order. A box wholly below a box that is still to finish waits for it and
    // then keeps its template distance below the place where it ended. Fresh:
    // nothing was drawn on the page or column before the band; a box taller
    // than a fresh page is clipped to it. Answers the lowest bottom placed. A
    // box that no page could ever take (nothing placed on a fresh page, nothing
    // below it) is given up rather than making page after page.
    Integer PlanPage(Integer Room, bool Fresh, const RemainFn& Remain, const PlaceFn& Place);
    // The height of Box's content printed in parts so far.
    Integer Printed(std::size_t Box) const { return FPrinted[Box]; }

private:
    // A box still to finish that Box lies wholly below.
    bool Waits(std::size_t Box) const;
    // Box ended at End on this page: the boxes below it keep their distance from there.
    void Finish(std::size_t Box, Integer End);

    std::vector<SplitBox> FBoxes;
    // The boxes by template top: a box is planned after those it lies below.
    std::vector<std::size_t> FOrder;
    std::vector<Integer> FTop;
    std::vector<Integer> FPrinted;
    std::vector<bool> FStarted;
    std::vector<bool> FPending;
};

} // namespace report
