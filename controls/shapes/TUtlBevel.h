#pragma once
// The frame of a UTL control: TUtlBevel draws custom inner and outer bevels
// with a border band, a standard border, a window edge or the window's own
// system edge, and tells its owner how much room the frame takes;
// TUtlSimpleBevel only describes a width, a look and three colours for owners
// that draw the edge themselves (the shapes).
#include "controls/common/TUtlObject.h"
#include "controls/drawing/UtlFrames.h"
#include "platform/core/TSet.h"
#include "platform/graphics/TCanvas.h"

enum TUtlBevelMode { bmCustom, bmStandard, bmEdge, bmWindows };
enum TUtlEdgeStyle {
    etRaisedInner,
    etRaisedOuter,
    etSunkenInner,
    etSunkenOuter,
    etBump,
    etEtched,
    etRaised,
    etSunken
};
enum TUtlFrameSide { fsBottom, fsLeft, fsRight, fsTop };
using TUtlFrameSides = TSet<TUtlFrameSide>;
enum TUtlSimpleBevelStyle { sbNormal, sbInset, sbOffset };
using TUtlBevelWidth = Byte;  // 0 .. 50
using TUtlBorderWidth = Byte; // 0 .. 255

class TUtlBevel : public TUtlObject {
public:
    TUtlBevel();
    String ClassName() const override { return "TUtlBevel"; }

    TUtlBevelStyle StyleInner() const { return FStyleInner; }
    // bvShadow couples both styles: setting one to it sets the other, leaving it resets the other to bvNone.
    void SetStyleInner(TUtlBevelStyle Value);
    TUtlBevelStyle StyleOuter() const { return FStyleOuter; }
    void SetStyleOuter(TUtlBevelStyle Value);
    TUtlBevelWidth WidthInner() const { return FWidthInner; }
    // Held inside 0 .. 50.
    void SetWidthInner(TUtlBevelWidth Value);
    TUtlBevelWidth WidthOuter() const { return FWidthOuter; }
    void SetWidthOuter(TUtlBevelWidth Value);
    TUtlBorderWidth BorderInnerWidth() const { return FBorderInnerWidth; }
    void SetBorderInnerWidth(TUtlBorderWidth Value);
    TUtlBorderWidth BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(TUtlBorderWidth Value);
    TUtlFrameSides BorderSides() const { return FBorderSides; }
    void SetBorderSides(TUtlFrameSides Value);
    TUtlEdgeStyle EdgeStyle() const { return FEdgeStyle; }
    void SetEdgeStyle(TUtlEdgeStyle Value);
    TUtlBevelMode Mode() const { return FMode; }
    // A change to or from bmWindows while the window carries the system edge
    // asks the owner to recreate its window.
    void SetMode(TUtlBevelMode Value);
    TUtlBorderStyle StandardStyle() const { return FStandardStyle; }
    void SetStandardStyle(TUtlBorderStyle Value);
    // Index 0 BorderColor, 1 LightColor, 2 ShadowColor.
    TColor GetColor(Integer Index) const;
    void SetColor(Integer Index, TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    TColor LightColor() const { return FLightColor; }
    TColor ShadowColor() const { return FShadowColor; }

    // Set by the owner when its window itself carries the system edge.
    bool SystemEdge() const { return FSystemEdge; }
    void SetSystemEdge(bool Value);

    // The frame's width on each side.
    Integer GetBevelExtend() const;
    // Recomputes the extents and notifies.
    void Change() override;
    // The client rectangle inside the frame of Rect, without painting.
    TRect ClientRect(const TRect& Rect) const;
    // Paints the frame; answers the rectangle left inside it. Transparent
    // leaves the border bands' pixels as they are.
    TRect PaintBevel(TCanvas* Canvas, const TRect& Rect, bool Transparent);
    // Whether the owner must recreate its window; clears the request.
    bool GetRecreateWnd();

    void Assign(TPersistent* Source) override;
    // "{Custom style}", "{Standard style}", "{Etged style}" or "{Windows style}".
    String GetSetStr() const override;

private:
    bool ShadowStyles() const { return FStyleInner == TUtlBevelStyle::bvShadow; }
    void Band(TCanvas* Canvas, TRect& R, Integer Width, bool Transparent) const;

    TUtlBevelStyle FStyleInner = TUtlBevelStyle::bvNone;
    TUtlBevelStyle FStyleOuter = TUtlBevelStyle::bvNone;
    TUtlBevelWidth FWidthInner = 1;
    TUtlBevelWidth FWidthOuter = 1;
    TColor FBorderColor = clBtnFace;
    TUtlBorderWidth FBorderInnerWidth = 0;
    TUtlBorderWidth FBorderWidth = 0;
    TUtlFrameSides FBorderSides{fsBottom, fsLeft, fsRight, fsTop};
    TUtlEdgeStyle FEdgeStyle = etEtched;
    Integer FBevelExtent = 0;
    Integer FClientExtent = 0;
    TColor FLightColor = clBtnHighlight;
    TUtlBevelMode FMode = bmCustom;
    TColor FShadowColor = clBtnShadow;
    TUtlBorderStyle FStandardStyle = lsSingleLowered;
    bool FSystemEdge = false;
    bool FRecreate = false;
};

class TUtlSimpleBevel : public TUtlObject {
public:
    String ClassName() const override { return "TUtlSimpleBevel"; }

    TUtlBevelWidth Width() const { return FWidth; }
    void SetWidth(TUtlBevelWidth Value);
    TUtlSimpleBevelStyle Style() const { return FStyle; }
    void SetStyle(TUtlSimpleBevelStyle Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);

    void Assign(TPersistent* Source) override;
    // "{Normal}", "{Inset}" or "{Offset}".
    String GetSetStr() const override;

private:
    TUtlBevelWidth FWidth = 2;
    TUtlSimpleBevelStyle FStyle = sbNormal;
    TColor FColor = clBlack;
    TColor FLightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
};
