#include "platform/ui/AlignLayout.h"

#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TWinControl.h"

#include <algorithm>

namespace ui {

namespace {

// Within one alignment the control nearer the edge it sticks to goes first;
// equal positions keep the child order.
bool Before(TAlign align, const TControl* a, const TControl* b) {
    switch (align) {
    case alTop:
        return a->Top() < b->Top();
    case alBottom:
        return a->Top() + a->Height() > b->Top() + b->Height();
    case alLeft:
        return a->Left() < b->Left();
    case alRight:
        return a->Left() + a->Width() > b->Left() + b->Width();
    default:
        return false;
    }
}

TRect Place(TAlign align, const TControl* c, TRect& room) {
    const Integer w = std::max(room.Width(), 0), h = std::max(room.Height(), 0);
    TRect r;
    switch (align) {
    case alTop:
        r = Bounds(room.Left, room.Top, w, c->Height());
        room.Top += c->Height();
        break;
    case alBottom:
        r = Bounds(room.Left, room.Bottom - c->Height(), w, c->Height());
        room.Bottom -= c->Height();
        break;
    case alLeft:
        r = Bounds(room.Left, room.Top, c->Width(), h);
        room.Left += c->Width();
        break;
    case alRight:
        r = Bounds(room.Right - c->Width(), room.Top, c->Width(), h);
        room.Right -= c->Width();
        break;
    default:
        r = Bounds(room.Left, room.Top, w, h);
        break;
    }
    return r;
}

TRect Anchored(const TControl* c, TPoint rules, TPoint original, TPoint size) {
    Integer left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
    const TAnchors a = c->Anchors();
    if (original.X > 0) {
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                width = size.X - (original.X - rules.X);
            else
                left = rules.X + (size.X - original.X);
        } else if (!a.Contains(akLeft)) {
            left = MulDiv(rules.X, size.X, original.X) - width / 2;
        }
    }
    if (original.Y > 0) {
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                height = size.Y - (original.Y - rules.Y);
            else
                top = rules.Y + (size.Y - original.Y);
        } else if (!a.Contains(akTop)) {
            top = MulDiv(rules.Y, size.Y, original.Y) - height / 2;
        }
    }
    return Bounds(left, top, width, height);
}

} // namespace

void AlignChildren(TWinControl* Parent) {
    TRect room;
    Parent->AdjustClientRect(room);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> group;
        for (TControl* c : Parent->FControls)
            if (c->Align() == align && c->Visible()) group.push_back(c);
        std::stable_sort(group.begin(), group.end(),
                         [align](const TControl* a, const TControl* b) { return Before(align, a, b); });
        for (TControl* c : group)
            c->PlaceBy(Place(align, c, room));
    }
    const TPoint size{Parent->ClientWidth(), Parent->ClientHeight()};
    for (TControl* c : Parent->FControls) {
        if (c->Align() != alNone || c->Anchors() == TAnchors{akLeft, akTop}) continue;
        c->PlaceBy(Anchored(c, c->FAnchorRules, c->FOriginalParentSize, size));
    }
}

} // namespace ui
