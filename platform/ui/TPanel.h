#pragma once
// A raised (by default) container with a centred caption; its children are
// aligned inside the border and bevels.
#include "platform/data/TAlignment.h"
#include "platform/ui/TCustomControl.h"

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    String ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v);
    Integer BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(Integer v);
    Integer BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(Integer v);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) const override;

private:
    void Changed();

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    Integer FBevelWidth = 1;
    Integer FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
};
