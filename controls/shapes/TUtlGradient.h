#pragma once
// A gradient definition of the UTL controls: two colours or a list of colour
// stops, a colour count and a style, built into a colour list (and a palette
// when asked) that paints through the UTL gradient routines.
#include "controls/common/TUtlObject.h"
#include "controls/drawing/UtlGradient.h"

#include <vector>

using TUtlColorCount = Word; // 2 .. 236

class TUtlGradient : public TUtlObject {
public:
    TUtlGradient();
    ~TUtlGradient() override;
    String ClassName() const override { return "TUtlGradient"; }

    TUtlColorCount ColorCount() const { return FColorCount; }
    // Held inside 2 .. 236.
    void SetColorCount(TUtlColorCount Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor Value);
    bool PaletteRealize() const { return FPaletteRealize; }
    void SetPaletteRealize(bool Value);
    TUtlGradientStyle Style() const { return FStyle; }
    void SetStyle(TUtlGradientStyle Value);
    bool TwoColors() const { return FTwoColors; }
    void SetTwoColors(bool Value);
    // The stops of the multi-colour mode.
    const std::vector<TColor>& ColorList() const { return FColorList; }
    // Replaces the stops without a change notice (the owner calls Change after).
    void SetColors(const std::vector<TColor>& List) { FColorList = List; }

    // The colours the gradient paints.
    const TUtlColorList& Colors() const { return FColors; }
    // The palette built for PaletteRealize; null otherwise.
    HPALETTE GetPalette() const { return FPalette; }
    void PaintGradient(TCanvas* Canvas, const TRect& Rect);
    // Selects and realises the palette (only with PaletteRealize).
    void SetRealPalette(TCanvas* Canvas);

    // Rebuilds the colours and the palette, then notifies.
    void Change() override;
    // Every property and the stops, with one change.
    void Assign(TPersistent* Source) override;
    // "vertical, Col: 16, 2 col mode".
    String GetSetStr() const override;
    // "ColorList": the stops as integers, when there are any.
    void DefineProperties(TFiler* Filer) override;

private:
    void InitPalette();

    TUtlColorCount FColorCount = 16;
    TColor FColor = clBlue;
    TUtlColorList FColors;
    TColor FEndColor = clBlack;
    bool FPaletteRealize = false;
    HPALETTE FPalette = nullptr;
    TUtlGradientStyle FStyle = gstVertical;
    std::vector<TColor> FColorList;
    bool FTwoColors = true;
};
