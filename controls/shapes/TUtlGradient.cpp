#include "controls/shapes/TUtlGradient.h"

#include "platform/core/TFiler.h"

#include <algorithm>

TUtlGradient::TUtlGradient() {
    InitPalette();
}

TUtlGradient::~TUtlGradient() {
    if (FPalette) DeleteObject(FPalette);
}

void TUtlGradient::SetColorCount(TUtlColorCount Value) {
    SetAndChange(FColorCount, std::clamp<TUtlColorCount>(Value, 2, 236));
}

void TUtlGradient::SetColor(TColor Value) {
    SetAndChange(FColor, Value);
}
void TUtlGradient::SetEndColor(TColor Value) {
    SetAndChange(FEndColor, Value);
}
void TUtlGradient::SetPaletteRealize(bool Value) {
    SetAndChange(FPaletteRealize, Value);
}
void TUtlGradient::SetStyle(TUtlGradientStyle Value) {
    SetAndChange(FStyle, Value);
}
void TUtlGradient::SetTwoColors(bool Value) {
    SetAndChange(FTwoColors, Value);
}

void TUtlGradient::InitPalette() {
    if (FPalette) {
        DeleteObject(FPalette);
        FPalette = nullptr;
    }
    FColors.clear();
    if (FTwoColors) {
        UtlGradientCreateColorList(FColor, FEndColor, Byte(std::min<Integer>(FColorCount, 255)), &FColors,
                                   true);
    } else if (FColorList.size() >= 2) {
        // Each later segment starts where the previous one ended.
        const Byte s = Byte(FColorCount / FColorList.size());
        UtlGradientCreateColorList(FColorList[0], FColorList[1], s, &FColors, true);
        for (std::size_t i = 1; i + 1 < FColorList.size(); ++i)
            UtlGradientCreateColorList(FColorList[i], FColorList[i + 1], s, &FColors, false);
    }
    if (FPaletteRealize) FPalette = UtlGradientCreatePalette(&FColors);
}

void TUtlGradient::Change() {
    InitPalette();
    TUtlObject::Change();
}

void TUtlGradient::PaintGradient(TCanvas* Canvas, const TRect& Rect) {
    UtlGradientPaintExt(Canvas, Rect, FStyle, &FColors, FPalette, FPaletteRealize ? ugfPalette : 0, 0);
}

void TUtlGradient::SetRealPalette(TCanvas* Canvas) {
    if (!FPaletteRealize || !Canvas) return;
    SelectPalette(Canvas, FPalette, false);
    RealizePalette(Canvas);
}

void TUtlGradient::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlGradient*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FColorCount = from->FColorCount;
    FColor = from->FColor;
    FEndColor = from->FEndColor;
    FPaletteRealize = from->FPaletteRealize;
    FStyle = from->FStyle;
    FTwoColors = from->FTwoColors;
    FColorList = from->FColorList;
    EndUpdate(true); // Change rebuilds the colours
}

String TUtlGradient::GetSetStr() const {
    static const char* const names[] = {"horizontal",    "vertical",      "square",      "elliptic",
                                        "top left",      "top right",     "bottom left", "bottom right",
                                        "top left diag", "top right diag"};
    return String(names[FStyle]) + ", Col: " + std::to_string(FColorCount) +
           (FTwoColors ? ", 2 col mode" : ", mult. col mode");
}

void TUtlGradient::DefineProperties(TFiler* Filer) {
    Filer->DefineProperty(
        "ColorList",
        [this](TReader* r) {
            FColorList.clear();
            r->ReadListBegin();
            while (!r->EndOfList())
                FColorList.push_back(TColor(r->ReadInteger()));
            r->ReadListEnd();
            InitPalette();
        },
        [this](TWriter* w) {
            w->WriteListBegin();
            for (TColor c : FColorList)
                w->WriteInteger(Int64(std::int32_t(c)));
            w->WriteListEnd();
        },
        !FColorList.empty());
}
