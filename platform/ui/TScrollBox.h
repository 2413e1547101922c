#pragma once
// A container that scrolls: its children keep their positions on a surface as
// large as they need, and scroll bars appear when the surface outgrows the box.
#include "platform/ui/TWinControl.h"

class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* AOwner);
    String ClassName() const override { return "TScrollBox"; }

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    // The visible part: the box less its border and scroll bars.
    TRect ClientRect() const override;
    // Scroll position of the surface.
    TPoint ScrollPos() const;
    void ScrollInView(TControl* Control);

    QWidget* ContainerWidget() const override { return FSurface; }

protected:
    void ControlBoundsChanged(TControl* Child) override;
    void Resize() override;
    void ColorChanged() override;

private:
    void UpdateRange();

    QWidget* FSurface = nullptr;
    TBorderStyle FBorderStyle = bsSingle;
};
