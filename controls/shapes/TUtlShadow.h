#pragma once
// A drop shadow: colour, depth and style. The region shadow starts switched off.
#include "controls/common/TUtlObject.h"
#include "controls/shapes/UtlGraphTypes.h"

class TUtlShadow : public TUtlObject {
public:
    TUtlShadow() = default;
    String ClassName() const override { return "TUtlShadow"; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TUtlShadowDepth Depth() const { return FDepth; }
    // Held inside 0 .. 40.
    void SetDepth(TUtlShadowDepth Value);
    TUtlShadowStyle Style() const { return FStyle; }
    void SetStyle(TUtlShadowStyle Value);
    // The depth that counts: 0 for hssNone.
    Integer Active() const { return FStyle == hssNone ? 0 : FDepth; }

    void Assign(TPersistent* Source) override;
    // "{Disabled}", or "{solid, 6}" / "{tracing, 6}".
    String GetSetStr() const override;

protected:
    explicit TUtlShadow(TUtlShadowStyle DefaultStyle) : FStyle(DefaultStyle) {}

private:
    TColor FColor = clBtnShadow;
    TUtlShadowDepth FDepth = 6;
    TUtlShadowStyle FStyle = hssSolid;
};

class TUtlRgnShadow : public TUtlShadow {
public:
    TUtlRgnShadow() : TUtlShadow(hssNone) {}
    String ClassName() const override { return "TUtlRgnShadow"; }
};
