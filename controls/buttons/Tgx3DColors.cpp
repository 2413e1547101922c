#include "controls/buttons/Tgx3DColors.h"

#include "controls/buttons/GxColors.h"
#include "controls/buttons/GxProperties.h"
#include "platform/core/Exceptions.h"

#include <algorithm>
#include <vector>

TgxGlobalData gxGlobalData;

namespace {

// Every scheme alive, so that a destroyed one can be struck from the others'
// saved previous scheme: MakeLocal must never bring back a freed scheme.
std::vector<Tgx3DLocalColors*>& LiveSchemes() {
    static std::vector<Tgx3DLocalColors*> schemes;
    return schemes;
}

} // namespace

Tgx3DLocalColors::Tgx3DLocalColors(TComponent* AOwner) : TComponent(AOwner) {
    gx::RegisterProperties();
    // Checked here rather than in the scheme's Notification: a constructor that
    // fails after the base is built still leaves the owner's list cleanly.
    for (Integer i = 0; AOwner && i < AOwner->ComponentCount(); ++i) {
        TComponent* other = AOwner->Components(i);
        if (other != this && dynamic_cast<Tgx3DColors*>(other))
            throw Exception("Cannot create more than one instance of Tgx3DLocalColors component");
    }
    SetDefaults();
    LiveSchemes().push_back(this);
}

Tgx3DLocalColors::~Tgx3DLocalColors() {
    auto& live = LiveSchemes();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    for (Tgx3DLocalColors* other : live)
        if (other->FPrevious == this) other->FPrevious = nullptr;
    gxGlobalData.Colors3D = nullptr;
}

void Tgx3DLocalColors::SetDefaults() {
    FDkShadow = cl3DDkShadow;
    FHighlight = clBtnHighlight;
    FShadow = clBtnShadow;
    FShadowShift = 60;
    FHighlightShift = 60;
}

void Tgx3DLocalColors::CreateAuto3DColors(TColor Color) {
    FShadow = DecColor(Color, FShadowShift);
    FHighlight = IncColor(Color, FHighlightShift);
}

void Tgx3DLocalColors::MakeGlobal() {
    FPrevious = gxGlobalData.Colors3D;
    gxGlobalData.Colors3D = this;
}

void Tgx3DLocalColors::MakeLocal() {
    gxGlobalData.Colors3D = FPrevious;
}

Tgx3DColors::Tgx3DColors(TComponent* AOwner) : Tgx3DLocalColors(AOwner) {
    gxGlobalData.Colors3D = this;
}

TColor gx3DDkShadowColor() {
    return ColorToRGB(gxGlobalData.Colors3D ? gxGlobalData.Colors3D->DkShadow()
                                            : GetSysColor(COLOR_3DDKSHADOW));
}

TColor gx3DHighlightColor() {
    return ColorToRGB(gxGlobalData.Colors3D ? gxGlobalData.Colors3D->Highlight()
                                            : GetSysColor(COLOR_BTNHIGHLIGHT));
}

TColor gx3DShadowColor() {
    return ColorToRGB(gxGlobalData.Colors3D ? gxGlobalData.Colors3D->Shadow() : GetSysColor(COLOR_BTNSHADOW));
}
