#pragma once
// The busy picture of the export's progress window: a sheet of paper travelling
// from a folder on the left to a folder on the right. Phase (0..Steps-1) says
// where the sheet is; the window moves it on as the export goes.
#include "platform/ui/TGraphicControl.h"

class TVgEBusyIndicator : public TGraphicControl {
public:
    static constexpr Integer Steps = 12;

    explicit TVgEBusyIndicator(TComponent* AOwner) : TGraphicControl(AOwner) {}
    String ClassName() const override { return "TVgEBusyIndicator"; }

    Integer Phase() const { return FPhase; }
    void SetPhase(Integer Value);
    void Advance() { SetPhase((FPhase + 1) % Steps); }

protected:
    void Paint() override;

private:
    void DrawFolder(Integer Left, Integer Top);
    Integer FPhase = 0;
};
