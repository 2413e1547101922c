#pragma once
// Two small classes of the library's types: a windowed control whose painting
// and window recreation other library code may call, and a bare control the
// library uses only to reach a control's font.
#include "platform/ui/TWinControl.h"

class TCanvas;

class TPublicWinControl : public TWinControl {
public:
    explicit TPublicWinControl(TComponent* AOwner) : TWinControl(AOwner) {}
    String ClassName() const override { return "TPublicWinControl"; }

    // The inherited painting of the control's face onto DC, open to the library.
    void PaintWindow(TCanvas* DC) override { TWinControl::PaintWindow(DC); }
    // The inherited window recreation, open to the library.
    void RecreateWnd() { TWinControl::RecreateWnd(); }
};

class TShowFont : public TControl {
public:
    explicit TShowFont(TComponent* AOwner) : TControl(AOwner) {}
    String ClassName() const override { return "TShowFont"; }
};
