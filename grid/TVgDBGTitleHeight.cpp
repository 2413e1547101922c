#include "grid/TVgDBGTitleHeight.h"

#include "grid/TVgDBGrid.h"

void TVgDBGTitleHeight::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TVgDBGTitleHeight*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FKind = src->FKind;
    FLineCount = src->FLineCount;
    FPixelCount = src->FPixelCount;
    Changed();
}

void TVgDBGTitleHeight::SetKind(TVgDBGTitleHeightKind Value) {
    if (Value == FKind) return;
    FKind = Value;
    Changed();
}

void TVgDBGTitleHeight::SetLineCount(Integer Value) {
    if (Value == FLineCount) return;
    FLineCount = Value;
    Changed();
}

void TVgDBGTitleHeight::SetPixelCount(Integer Value) {
    if (Value == FPixelCount) return;
    FPixelCount = Value;
    Changed();
}

void TVgDBGTitleHeight::Changed() {
    if (FGrid) FGrid->SetTitlesHeight();
}
