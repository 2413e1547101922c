#pragma once
// The colour dialog: Execute shows Color and, when confirmed, Color takes the choice.
#include "platform/core/TComponent.h"
#include "platform/graphics/TColor.h"

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TColorDialog"; }

    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }
    bool Execute();

private:
    TColor FColor = clBlack;
};
