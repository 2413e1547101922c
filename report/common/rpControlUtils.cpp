#include "report/common/rpControlUtils.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TWinControl.h"

void rpEnableControls(std::initializer_list<TControl*> Controls, bool Enable) {
    for (TControl* control : Controls) {
        if (auto* label = dynamic_cast<TLabel*>(control))
            label->Font()->SetColor(Enable ? clWindowText : clGrayText);
        else if (dynamic_cast<TWinControl*>(control))
            control->SetColor(Enable ? clWindow : clBtnFace);
        else
            continue;
        control->SetEnabled(Enable);
    }
}

TControl* rpControlAtPos(TWinControl* Parent, TPoint Pos) {
    for (Integer i = Parent->ControlCount() - 1; i >= 0; --i) {
        TControl* child = Parent->Controls(i);
        if (!child->Visible() || !PtInRect(child->BoundsRect(), Pos)) continue;
        auto* container = dynamic_cast<TWinControl*>(child);
        if (container && container->ControlCount() > 0) {
            if (TControl* inner =
                    rpControlAtPos(container, TPoint(Pos.X - child->Left(), Pos.Y - child->Top())))
                return inner;
            continue;
        }
        return child;
    }
    return nullptr;
}

String rpGetWindowsVersion() {
    return "NT";
}
