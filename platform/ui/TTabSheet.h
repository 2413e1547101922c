#pragma once
// One page of a page control; its caption is the tab's text.
#include "platform/ui/TWinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    String ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return FPageControl; }
    // Moves the sheet into the page control (null takes it out).
    void SetPageControl(TPageControl* v);
    // Position among the page control's sheets; -1 outside one.
    Integer PageIndex() const;
    void SetPageIndex(Integer v);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool v);

protected:
    void TextChanged() override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};
