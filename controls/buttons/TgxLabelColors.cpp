#include "controls/buttons/TgxLabelColors.h"

#include "controls/buttons/GxColors.h"
#include "controls/buttons/GxProperties.h"

void CalcShadowAndHighlightColors(TColor Color, TgxLabelColors* LabelColors) {
    if (!LabelColors) return;
    if (LabelColors->AutoShadow()) LabelColors->FShadow = DecColor(Color, LabelColors->ColorShadowShift());
    if (LabelColors->AutoHighlight())
        LabelColors->FHighlight = IncColor(Color, LabelColors->ColorHighlightShift());
}

TgxLabelTextStyles::TgxLabelTextStyles() {
    gx::RegisterProperties();
}

TgxCustomTextColors::TgxCustomTextColors() {
    gx::RegisterProperties();
}
