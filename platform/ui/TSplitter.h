#pragma once
// A bar between two aligned controls: dragging it resizes the control it
// sits against, between MinSize and what leaves MinSize to the rest.
#include "platform/ui/TGraphicControl.h"

class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);
    String ClassName() const override { return "TSplitter"; }

    Integer MinSize() const { return FMinSize; }
    void SetMinSize(Integer v) { FMinSize = std::max(v, 1); }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool v);
    // The control resized by dragging; null when none lies against the bar.
    TControl* ResizedControl() const;

    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

    TNotifyEvent OnMoved;

protected:
    void Paint() override;

private:
    TControl* FControl = nullptr;
    TPoint FDownPos;
    Integer FStartSize = 0;
    Integer FMaxSize = 0;
    Integer FMinSize = 30;
    bool FBeveled = false;
};
