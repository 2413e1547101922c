#include "controls/TgxLabelColors.h"

#include "controls/GxColors.h"

void CalcShadowAndHighlightColors(TColor Color, TgxLabelColors* LabelColors) {
    if (!LabelColors) return;
    if (LabelColors->AutoShadow()) LabelColors->FShadow = DecColor(Color, LabelColors->ColorShadowShift());
    if (LabelColors->AutoHighlight())
        LabelColors->FHighlight = IncColor(Color, LabelColors->ColorHighlightShift());
}
