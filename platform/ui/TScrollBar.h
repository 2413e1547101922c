#pragma once
// A scroll bar control: Position between Min and Max, moved by the arrows
// (SmallChange), the track (LargeChange) and the thumb. Every change of
// Position, by the user or by the program, fires OnChange.
#include "platform/ui/TWinControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;
    String ClassName() const override { return "TScrollBar"; }

    TScrollBarKind Kind() const { return FKind; }
    // Turns the bar and swaps its width and height.
    void SetKind(TScrollBarKind v);
    Integer Min() const { return FMin; }
    Integer Max() const { return FMax; }
    // Position is kept inside the new range (firing OnChange when it moves).
    void SetMin(Integer v) { SetParams(FPosition, v, std::max(v, FMax)); }
    void SetMax(Integer v) { SetParams(FPosition, std::min(FMin, v), v); }
    Integer Position() const { return FPosition; }
    // Clamped to Min..Max.
    void SetPosition(Integer v) { SetParams(v, FMin, FMax); }
    void SetParams(Integer APosition, Integer AMin, Integer AMax);
    Integer SmallChange() const { return FSmallChange; }
    void SetSmallChange(Integer v);
    Integer LargeChange() const { return FLargeChange; }
    void SetLargeChange(Integer v);
    Integer PageSize() const { return FPageSize; }
    void SetPageSize(Integer v);

    TNotifyEvent OnChange;

private:
    void UpdateBar();

    TScrollBarKind FKind = sbHorizontal;
    Integer FMin = 0;
    Integer FMax = 100;
    Integer FPosition = 0;
    Integer FSmallChange = 1;
    Integer FLargeChange = 1;
    Integer FPageSize = 0;
    bool FUpdating = false;
};
