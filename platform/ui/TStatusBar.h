#pragma once
// The line of panels at the foot of a window; the last panel reaches the
// right edge. With SimplePanel one text fills the whole bar.
#include "platform/data/TAlignment.h"
#include "platform/ui/TCustomControl.h"

#include <memory>
#include <vector>

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TPersistent {
public:
    explicit TStatusPanel(TStatusBar* Owner) : FOwner(Owner) {}
    String ClassName() const override { return "TStatusPanel"; }

    const String& Text() const { return FText; }
    void SetText(const String& v);
    Integer Width() const { return FWidth; }
    void SetWidth(Integer v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel v);

private:
    void Changed();
    TStatusBar* FOwner;
    String FText;
    Integer FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
};

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;
    String ClassName() const override { return "TStatusBar"; }

    Integer PanelCount() const { return Integer(FPanels.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TStatusPanel* Panels(Integer Index) const;
    TStatusPanel* AddPanel();
    void ClearPanels();
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool v);
    const String& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const String& v);
    // Where panel Index is drawn.
    TRect PanelRect(Integer Index) const;

protected:
    void Paint() override;

private:
    std::vector<std::unique_ptr<TStatusPanel>> FPanels;
    bool FSimplePanel = false;
    String FSimpleText;
};
