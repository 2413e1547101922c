#pragma once
// A captioned frame around other controls; aligned children keep clear of
// the caption line and the frame.
#include "platform/ui/TWinControl.h"

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* AOwner);
    String ClassName() const override { return "TGroupBox"; }

protected:
    void TextChanged() override;
    void AdjustClientRect(TRect& Rect) const override;
};
