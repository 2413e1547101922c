#pragma once
// The report engine's own small controls: a speed button whose glyph shows
// gray while a flat button waits without the mouse over it, and the toolbar
// parts (button, separator, panel) that lie along the toolbar they are put
// on: left to right, or top to bottom on a toolbar in a vertical dock.
#include "platform/graphics/PixelBuffer.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"

namespace report {

// The waiting look of a glyph slice: the transparent colour becomes Face,
// every other pixel except those of Face turns gray
// ((77 red + 150 green + 29 blue) >> 8 in all three channels). Colours RGB.
graphics::PixelBuffer InactiveGlyph(const graphics::PixelBuffer& Slice, TColor Transparent, TColor Face);
// Top on a toolbar whose own parent lies along a left or right edge (a
// vertical dock), else left.
TAlign ToolbarAlign(const TControl* Toolbar);

} // namespace report

class TrpSpeedButton : public TSpeedButton {
public:
    explicit TrpSpeedButton(TComponent* AOwner);
    String ClassName() const override { return "TrpSpeedButton"; }

    // A flat button that shows enabled has its glyph gray until the mouse enters.
    bool GrayedInactive() const { return FGrayedInactive; }
    void SetGrayedInactive(bool v);
    // Whether the last paint used the gray waiting look.
    bool PaintedInactive() const { return FInactive; }

    // Enter and leave events and the hover look only for a flat button that shows enabled
    // (itself and every parent enabled).
    void MouseEnter() override;
    void MouseLeave() override;
    // Fires OnDblClick only while the button is down.
    void DblClick() override;
    // The caption's accelerator clicks a button that shows enabled.
    bool DialogChar(Word Key) override;

protected:
    void Paint() override;
    void DrawGlyph(TCanvas* Canvas, TPoint Pos, TSize Size) override;

private:
    bool FGrayedInactive = true;
    bool FInactive = false;
};

// A flat toolbar button.
class TrpTBButton : public TrpSpeedButton {
public:
    explicit TrpTBButton(TComponent* AOwner);
    String ClassName() const override { return "TrpTBButton"; }
    void SetParent(TWinControl* AParent) override;
};

// The gap between button groups, with an etched line across it.
class TrpTBSeparator : public TGraphicControl {
public:
    explicit TrpTBSeparator(TComponent* AOwner);
    String ClassName() const override { return "TrpTBSeparator"; }
    bool DrawBevel() const { return FDrawBevel; }
    void SetDrawBevel(bool v);
    void SetParent(TWinControl* AParent) override;

protected:
    void Paint() override;

private:
    bool FDrawBevel = true;
};

// A place on a toolbar for other controls.
class TrpTBPanel : public TPanel {
public:
    explicit TrpTBPanel(TComponent* AOwner);
    String ClassName() const override { return "TrpTBPanel"; }
    void SetParent(TWinControl* AParent) override;
};
