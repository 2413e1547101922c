#pragma once
// The three bevel colours of the gx controls (dark shadow, highlight, shadow)
// and the library's global switches. A Tgx3DColors on a form replaces the
// system's 3D colours for the whole library while it lives.
#include "platform/core/TComponent.h"
#include "platform/graphics/TColor.h"

class Tgx3DLocalColors;

struct TgxGlobalData {
    // While true, gradients paint nothing.
    bool GradientsOff = false;
    // The scheme bevels are painted with; null means the system colours.
    Tgx3DLocalColors* Colors3D = nullptr;
};

extern TgxGlobalData gxGlobalData;

class Tgx3DLocalColors : public TComponent {
public:
    // Raises Exception "Cannot create more than one instance of Tgx3DLocalColors
    // component" when AOwner already holds a Tgx3DColors.
    explicit Tgx3DLocalColors(TComponent* AOwner);
    // Resets the library to the system colours, whether or not this was the scheme.
    ~Tgx3DLocalColors() override;
    String ClassName() const override { return "Tgx3DLocalColors"; }

    TColor DkShadow() const { return FDkShadow; }
    void SetDkShadow(TColor Value) { FDkShadow = Value; }
    TColor Highlight() const { return FHighlight; }
    void SetHighlight(TColor Value) { FHighlight = Value; }
    TColor Shadow() const { return FShadow; }
    void SetShadow(TColor Value) { FShadow = Value; }

    void SetDefaults();
    // Shadow and highlight from one base colour, 60 per channel darker / lighter.
    void CreateAuto3DColors(TColor Color);
    // Makes this the global scheme, remembering the previous one (one level).
    void MakeGlobal();
    // Restores the scheme saved by the last MakeGlobal; a saved scheme destroyed
    // since then restores the system colours (null) instead.
    void MakeLocal();

private:
    TColor FDkShadow = cl3DDkShadow;
    TColor FHighlight = clBtnHighlight;
    TColor FShadow = clBtnShadow;
    Byte FShadowShift = 60;
    Byte FHighlightShift = 60;
    Tgx3DLocalColors* FPrevious = nullptr;
};

class Tgx3DColors : public Tgx3DLocalColors {
public:
    // Becomes the global scheme.
    explicit Tgx3DColors(TComponent* AOwner);
    String ClassName() const override { return "Tgx3DColors"; }
};

// The colour a bevel paints with for each of the three roles, resolved to RGB.
TColor gx3DDkShadowColor();
TColor gx3DHighlightColor();
TColor gx3DShadowColor();
