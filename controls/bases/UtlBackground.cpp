#include "controls/bases/UtlBackground.h"

#include "controls/bases/TUtlFormShape.h"
#include "controls/drawing/UtlBitmaps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TCustomForm.h"

namespace utl {

TUtlBackgroundProvider* BackgroundOf(TWinControl* Parent) {
    if (!Parent) return nullptr;
    if (auto* provider = dynamic_cast<TUtlBackgroundProvider*>(Parent)) return provider;
    if (auto* form = dynamic_cast<TCustomForm*>(Parent))
        for (Integer i = 0; i < form->ComponentCount(); ++i)
            if (auto* shape = dynamic_cast<TUtlFormShape*>(form->Components(i))) return shape;
    return nullptr;
}

bool DrawBackgroundArea(TBitmap* Background, TCanvas* Canvas, const TRect& R, TPoint P) {
    if (!Background || Background->Empty() || !Canvas || IsRectEmpty(R)) return false;
    UtlFillTexture(Canvas, R, Background, TPoint(std::max(P.X, 0), std::max(P.Y, 0)));
    return true;
}

} // namespace utl
