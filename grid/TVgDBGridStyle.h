#pragma once
// The grid's colour scheme: the odd/even row colours chosen by a named style
// or set by hand, a background bitmap, five gradients (bands, titles, footer,
// wallpaper, grouping rows) and the filter strip's colour.
#include "grid/VgUtils.h"
#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"

#include <memory>

class TBitmap;
class TVgDBGrid;

enum TVgGridStyle {
    gsNormal,
    gsCustom,
    gsPriceList,
    gsMSMoney,
    gsBrick,
    gsDesert,
    gsEggplant,
    gsLilac,
    gsMaple,
    gsMarine,
    gsRose,
    gsSpruce,
    gsWheat,
    gsSoftWheat,
    gsSoftRose,
    gsAquaBlue,
    gsSoftMaple,
    gsSoftLilac,
    gsSoftDesert,
    gsSoftEggPlant,
    gsSoftBrick,
    gsSoftSpruce,
    gsSoftYellowGreen,
    gsSoftGray
};

class TVgGradientDraw : public TPersistent {
public:
    explicit TVgGradientDraw(TVgDBGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return "TVgGradientDraw"; }
    void Assign(TPersistent* Source) override;

    TVgGradientDirection Direction() const { return FDirection; }
    void SetDirection(TVgGradientDirection Value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor Value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor Value);
    // Paints Rect with this gradient (nothing for fdNone).
    void Draw(TCanvas* Canvas, const TRect& Rect) const;

private:
    void Changed();

    TVgDBGrid* FGrid;
    TVgGradientDirection FDirection = fdNone;
    TColor FStartColor = 0xFFFFFF;
    TColor FEndColor = 0xDDDDDD;
};

class TVgDBGridStyle : public TPersistent {
public:
    enum TGradientIndex { giBands, giTitle, giFooter, giWallpaper, giGrouping };

    explicit TVgDBGridStyle(TVgDBGrid* AGrid);
    ~TVgDBGridStyle() override;
    String ClassName() const override { return "TVgDBGridStyle"; }
    void Assign(TPersistent* Source) override;

    TVgGridStyle Style() const { return FStyle; }
    // A new style sets its colour pair (gsCustom keeps the colours) and repaints.
    void SetStyle(TVgGridStyle Value);
    TColor OddColor() const { return FOddColor; }
    // A new colour makes the style gsCustom.
    void SetOddColor(TColor Value);
    TColor EvenColor() const { return FEvenColor; }
    void SetEvenColor(TColor Value);
    TBitmap* Background() const { return FBackground.get(); }
    void SetBackground(TBitmap* Value);
    TColor FilterColor() const { return FFilterColor; }
    void SetFilterColor(TColor Value) { FFilterColor = Value; }
    TVgGradientDraw* Gradient(TGradientIndex Index) const { return FGradients[Index].get(); }
    void SetGradient(TGradientIndex Index, TVgGradientDraw* Value) { FGradients[Index]->Assign(Value); }
    TVgGradientDraw* Bands() const { return Gradient(giBands); }
    TVgGradientDraw* Title() const { return Gradient(giTitle); }
    TVgGradientDraw* Footer() const { return Gradient(giFooter); }
    TVgGradientDraw* Wallpaper() const { return Gradient(giWallpaper); }
    TVgGradientDraw* Grouping() const { return Gradient(giGrouping); }

private:
    void Repaint();

    TVgDBGrid* FGrid;
    TVgGridStyle FStyle = gsNormal;
    // Unset until the grid gives its colour, which makes the style custom.
    TColor FOddColor = clNone;
    TColor FEvenColor = clNone;
    std::unique_ptr<TBitmap> FBackground;
    TColor FFilterColor = clInfoBk;
    std::unique_ptr<TVgGradientDraw> FGradients[5];
};
