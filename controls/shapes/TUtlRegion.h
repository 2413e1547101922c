#pragma once
// A window outline as a property object: one of eighteen shapes, built into a
// region for a rectangle, with a drop shadow, applied to its owner control's
// window, and with a border painted along it. TUtlBorderRegion publishes the
// border.
#include "controls/common/TUtlObject.h"
#include "controls/shapes/TUtlPointList.h"
#include "controls/shapes/TUtlRegionMask.h"
#include "controls/shapes/TUtlShadow.h"
#include "controls/shapes/UtlRegionFrames.h"
#include "platform/graphics/TCanvas.h"

#include <memory>

class TWinControl;

enum TUtlRegionShape {
    rsRect,
    rsRoundRect,
    rsBitmap,
    rsNoseRect,
    rsRoundNoseRect,
    rsElliptic,
    rsStar,
    rsRoundShield,
    rsSharpShield,
    rsDiamond,
    rsOctagon,
    rsComb,
    rsHalfRound,
    rsUserRegion,
    rsThinkBubble,
    rsRoundThinkBubble,
    rsEllipticThinkBubble,
    rsPointList
};

class TUtlRegionBorder : public TUtlObject {
public:
    String ClassName() const override { return "TUtlRegionBorder"; }

    TUtlRegionBorderStyle Style() const { return FStyle; }
    void SetStyle(TUtlRegionBorderStyle Value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    TColor SingleColor() const { return FSingleColor; }
    void SetSingleColor(TColor Value);
    void Assign(TPersistent* Source) override;

private:
    TUtlRegionBorderStyle FStyle = rbSingle;
    TColor FLightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    TColor FSingleColor = clBlack;
};

class TUtlRegion : public TUtlObject {
public:
    // Owner receives the region (may be null; not owned).
    explicit TUtlRegion(TWinControl* Owner = nullptr);
    ~TUtlRegion() override;
    String ClassName() const override { return "TUtlRegion"; }

    TUtlRegionShape Shape() const { return FShape; }
    // rsPointList rebuilds the stored region data from the points first.
    void SetShape(TUtlRegionShape Value);
    TUtlExtPos ExtPos() const { return FExtPos; }
    void SetExtPos(TUtlExtPos Value);
    Integer RoundX() const { return FRoundX; }
    Integer RoundY() const { return FRoundY; }
    // A change is signalled only for the rounded shapes.
    void SetRoundX(Integer Value);
    void SetRoundY(Integer Value);
    TUtlRegionBorder* Border() const { return FBorder.get(); }
    void SetBorder(TUtlRegionBorder* Value) { FBorder->Assign(Value); }
    TUtlRegionMask* Mask() const { return FMask.get(); }
    void SetMask(TUtlRegionMask* Value) { FMask->Assign(Value); }
    TUtlRgnShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(TUtlRgnShadow* Value) { FShadow->Assign(Value); }
    TUtlPointList* Points() const { return FPoints.get(); }
    Integer BubbleCount() const { return FBubbleCount; }
    void SetBubbleCount(Integer Value) { FBubbleCount = Value; }
    TPoint Offset() const { return FOffset; }
    void SetOffset(TPoint Value) { FOffset = Value; }
    bool NoShadow() const { return FNoShadow; }
    void SetNoShadow(bool Value) { FNoShadow = Value; }
    TWinControl* OwnerControl() const { return FOwner; }
    void SetOwnerControl(TWinControl* Value) { FOwner = Value; }
    const std::vector<Byte>& UserRegionData() const { return FUserData; }

    // Builds the region of Shape for R (moved by the offset; narrowed by the shadow).
    virtual void CreateRegion(const TRect& R);
    // The built region becomes the plain rectangle R.
    void CreateSpecialRectRgn(const TRect& R);
    // The region last built; null when none.
    const TRegion* BuiltRegion() const { return FBuilt.get(); }
    // The built region, with its shadow unless NoShadow; null when none.
    std::unique_ptr<TRegion> ResultRegion() const;
    // Gives the result to the owner control's window.
    void SetRegion();
    // Takes the window's region away.
    void FreeRegion();
    // Paints the shadow (R narrows by its depth).
    void DrawShadow(TCanvas* Canvas, TRect& R);
    // Paints the shadow and the border along the outline.
    virtual void PaintRegionShape(TCanvas* Canvas, const TRect& R);
    // Stores a copy of Rgn's region data.
    void SetUserRgn(HRGN Rgn);
    // Points := the given points; stores the polygon's region data.
    void SetUserPolygonRgn(const std::vector<TPoint>& Points);
    void GetPointListChange(TObject* Sender);
    static void DeleteHandle(HRGN& Rgn);

    // Shape, RoundX, RoundY, Shadow, ExtPos, border and Mask with one change.
    void Assign(TPersistent* Source) override;
    // "PointList": the points as x, y pairs.
    void DefineProperties(TFiler* Filer) override;

private:
    void StorePolygon();
    void FrameOutline(TCanvas* Canvas, const TRect& R);

    TUtlRegionShape FShape = rsRoundRect;
    std::unique_ptr<TUtlRegionBorder> FBorder;
    std::unique_ptr<TUtlRegionMask> FMask;
    Integer FBubbleCount = 4;
    Integer FRoundX = 20;
    Integer FRoundY = 20;
    std::unique_ptr<TRegion> FBuilt;
    std::unique_ptr<TRegion> FApplied;
    TWinControl* FOwner = nullptr;
    std::vector<Byte> FUserData;
    TUtlExtPos FExtPos = epLeftTop;
    std::unique_ptr<TUtlRgnShadow> FShadow;
    TPoint FOffset;
    bool FNoShadow = false;
    std::unique_ptr<TUtlPointList> FPoints;
};

class TUtlBorderRegion : public TUtlRegion {
public:
    using TUtlRegion::TUtlRegion;
    String ClassName() const override { return "TUtlBorderRegion"; }
};
