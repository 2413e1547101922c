#pragma once
// A bar that fills from Min to Max as Position grows.
#include "platform/ui/TWinControl.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* AOwner);
    String ClassName() const override { return "TProgressBar"; }

    Integer Min() const { return FMin; }
    // Position is kept inside the new range.
    void SetMin(Integer v);
    Integer Max() const { return FMax; }
    void SetMax(Integer v);
    // Clamped to Min..Max.
    Integer Position() const { return FPosition; }
    void SetPosition(Integer v);
    Integer Step() const { return FStep; }
    void SetStep(Integer v) { FStep = v; }
    // Position += Step; past Max it starts again from Min (the export dialog keeps stepping).
    void StepIt();
    // Position += Delta, clamped.
    void StepBy(Integer Delta) { SetPosition(FPosition + Delta); }
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation v);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool v) { FSmooth = v; }

private:
    void UpdateBar();

    Integer FMin = 0;
    Integer FMax = 100;
    Integer FPosition = 0;
    Integer FStep = 10;
    TProgressBarOrientation FOrientation = pbHorizontal;
    bool FSmooth = false;
};
