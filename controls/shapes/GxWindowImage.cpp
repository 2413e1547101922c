#include "controls/shapes/GxWindowImage.h"

#include "controls/common/UtlCanvasGuard.h"
#include "platform/ui/WindowPainting.h"

void GetWindowImageFrom(TControl* Control, Integer X, Integer Y, bool DrawSelf, bool Recursive, TCanvas* DC) {
    if (!Control || !DC) return;
    if (DrawSelf) ui::PaintWindowOnly(Control, DC, TPoint(X, Y));
    auto* parent = dynamic_cast<TWinControl*>(Control);
    if (!parent) return;
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child == Control) break;
        if (dynamic_cast<TWinControl*>(child))
            GetWindowImageFrom(child, X + child->Left(), Y + child->Top(), Recursive, Recursive, DC);
        else if (child->Visible())
            ui::PaintWindowOnly(child, DC, TPoint(X + child->Left(), Y + child->Top()));
    }
}

void GetWindowImage(TControl* Control, bool DrawSelf, bool Recursive, TCanvas* DC) {
    GetWindowImageFrom(Control, 0, 0, DrawSelf, Recursive, DC);
}

void GetParentImageRect(TControl* Control, const TRect& Rect, TCanvas* DC) {
    if (!Control || !DC || !Control->Parent()) return;
    TRect area;
    if (!IntersectRect(area, Rect, Control->BoundsRect())) return;
    TWinControl* parent = Control->Parent();
    const TPoint origin = Control->BoundsRect().TopLeft();
    utl::CanvasGuard guard(DC);
    OffsetRect(area, -origin.X, -origin.Y);
    DC->IntersectClipRect(area);
    ui::PaintWindowOnly(parent, DC, TPoint(-origin.X, -origin.Y));
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == Control) break;
        TRect meets;
        if (dynamic_cast<TWinControl*>(sibling) || !sibling->Visible() ||
            !IntersectRect(meets, sibling->BoundsRect(),
                           TRect(area.Left + origin.X, area.Top + origin.Y, area.Right + origin.X,
                                 area.Bottom + origin.Y)))
            continue;
        ui::PaintWindowOnly(sibling, DC, TPoint(sibling->Left() - origin.X, sibling->Top() - origin.Y));
    }
}
