#pragma once
// A text on the form. With AutoSize the bounds follow the text (the right
// edge stays put when right-aligned); "&" marks an accelerator unless
// ShowAccelChar is off.
#include "platform/data/TAlignment.h"
#include "platform/ui/TGraphicControl.h"

class TWinControl;

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    String ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool v);
    // The control that gets the focus by the accelerator.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* v);
    bool DialogChar(Word Key) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustBounds();
    // With DT_CALCRECT the extent includes the room the font's accented
    // capitals need above the line (their marks rise above the ascent).
    void DrawLabelText(TRect& Rect, Cardinal Flags);
    Integer AccentRise();

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};
