#pragma once
// The pen a canvas draws lines and outlines with.
#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

class TPen : public TGraphicsObject {
public:
    String ClassName() const override { return "TPen"; }
    void Assign(TPersistent* Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle v);
    Integer Width() const { return FWidth; }
    // Width 0 is kept and draws one pixel wide, as the platform's pens do;
    // a negative width is ignored.
    void SetWidth(Integer v);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode v);

private:
    TColor FColor = clBlack;
    TPenStyle FStyle = psSolid;
    Integer FWidth = 1;
    TPenMode FMode = pmCopy;
};
