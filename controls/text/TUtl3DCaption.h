#pragma once
// How a caption gets a three-dimensional look: style, light and shadow colours
// and depths, the light's orientation, extra character spacing and the
// disabled look; TUtlFxCaption adds a rotation and a position. Controls own
// one and hand it to the UTL text drawing, which performs the effect.
#include "controls/common/TUtlObject.h"
#include "platform/graphics/TColor.h"

enum TUtlDisabledStyle { dsAuto, dsStandard, ds3d, dsNone };
enum TUtlThreeDOrientation { toBottomLeft, toBottomRight, toTopLeft, toTopRight };
enum TUtlThreeDStyle {
    tdNone,
    tdSunken,
    tdRaised,
    tdSunkenShadow,
    tdRaisedShadow,
    tdPColorSunken,
    tdPColorRaised,
    tdShadow,
    tdOutline,
    tdExtrude,
    tdExtrudeEnh
};
using TUtlAngle = Word;

class TUtl3DCaption : public TUtlObject {
public:
    String ClassName() const override { return "TUtl3DCaption"; }

    TUtlDisabledStyle DisabledStyle() const { return FDisabledStyle; }
    void SetDisabledStyle(TUtlDisabledStyle Value);
    // Index 0 the light depth, 1 the shadow depth.
    Byte GetDepth(Integer Index) const { return Index == 0 ? FLightDepth : FShadowDepth; }
    void SetDepth(Integer Index, Byte Value);
    Byte LightDepth() const { return FLightDepth; }
    void SetLightDepth(Byte Value) { SetDepth(0, Value); }
    Byte ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(Byte Value) { SetDepth(1, Value); }
    // Index 0 the light colour, 1 the shadow colour.
    TColor GetColor(Integer Index) const { return Index == 0 ? FLightColor : FShadowColor; }
    void SetColor(Integer Index, TColor Value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor Value) { SetColor(0, Value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value) { SetColor(1, Value); }
    TUtlThreeDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUtlThreeDOrientation Value);
    TUtlThreeDStyle Style() const { return FStyle; }
    void SetStyle(TUtlThreeDStyle Value);
    Integer Tracing() const { return FTracing; }
    void SetTracing(Integer Value);

    // From a caption of the same class: every property, one notification.
    void Assign(TPersistent* Source) override;
    // The style's name in braces, "{raised}"; "{Disabled}" for tdNone.
    String GetSetStr() const override;

    // Pixels the style adds to the text's right and bottom edge when measured for drawing.
    Integer Growth() const;
    // What the font queries (UtlGet3DTextWidth, UtlGet3DTextHeight) add: the
    // same, except nothing for the outline and the extruded styles.
    Integer FontGrowth() const;

protected:
    // Copies every property through the setters (Assign brackets it).
    virtual void CopyFrom(const TUtl3DCaption& From);

private:
    TUtlDisabledStyle FDisabledStyle = dsAuto;
    Byte FLightDepth = 1;
    Byte FShadowDepth = 1;
    TColor FLightColor = clBtnHighlight;
    TUtlThreeDOrientation FOrientation = toTopLeft;
    TColor FShadowColor = clBtnShadow;
    TUtlThreeDStyle FStyle = tdNone;
    Integer FTracing = 0;
};

class TUtlFxCaption : public TUtl3DCaption {
public:
    String ClassName() const override { return "TUtlFxCaption"; }

    TUtlAngle Angle() const { return FAngle; }
    // 360 is stored as 0.
    void SetAngle(TUtlAngle Value);
    Word GetPos(Integer Index) const { return Index == 0 ? FPosX : FPosY; }
    void SetPos(Integer Index, Word Value);
    Word PosX() const { return FPosX; }
    void SetPosX(Word Value) { SetPos(0, Value); }
    Word PosY() const { return FPosY; }
    void SetPosY(Word Value) { SetPos(1, Value); }
    // Both positions with one notification.
    void SetPosXY(Word X, Word Y);

    // The base summary with the rotation: "{raised, rot: 45}", "{ rot: 90}".
    String GetSetStr() const override;

protected:
    // Source is a TUtlFxCaption: Assign copies only between equal classes.
    void CopyFrom(const TUtl3DCaption& From) override;

private:
    TUtlAngle FAngle = 0;
    Word FPosX = 0;
    Word FPosY = 0;
};
