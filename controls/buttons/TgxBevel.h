#pragma once
// Bevel descriptions of the gx controls: cuts, sides and boldness, the extended
// bevel with pen and offset, the fixed box styles and bevel-line patterns.
// Setters notify through OnChange.
#include "controls/buttons/GxTypes.h"
#include "platform/core/TPersistent.h"
#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/TColor.h"

class TgxBevel : public TPersistent {
public:
    TgxBevel();
    String ClassName() const override { return "TgxBevel"; }

    TBevelCut Inner() const { return FInner; }
    void SetInner(TBevelCut Value);
    TBevelCut Outer() const { return FOuter; }
    void SetOuter(TBevelCut Value);
    TgxSides Sides() const { return FSides; }
    void SetSides(TgxSides Value);
    bool Bold() const { return FBold; }
    void SetBold(bool Value);

    // Vertical bevel lines: per cut that is not bvNone, one for each of the
    // left and right sides present. Bold does not count.
    Integer BordersWidth() const;
    // The same with the top and bottom sides.
    Integer BordersHeight() const;

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    TBevelCut FInner = bvNone;
    TBevelCut FOuter = bvNone;
    TgxSides FSides = gxAllSides;
    bool FBold = false;
};

class TgxExtBevel : public TgxBevel {
public:
    String ClassName() const override { return "TgxExtBevel"; }

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    TPenStyle BevelPenStyle() const { return FBevelPenStyle; }
    void SetBevelPenStyle(TPenStyle Value);
    Word BevelPenWidth() const { return FBevelPenWidth; }
    void SetBevelPenWidth(Word Value);
    Word InteriorOffset() const { return FInteriorOffset; }
    void SetInteriorOffset(Word Value);

private:
    bool FActive = true;
    TPenStyle FBevelPenStyle = psSolid;
    Word FBevelPenWidth = 1;
    Word FInteriorOffset = 0;
};

// Box style colours; every setter notifies, changed or not.
class TgxCustomBoxStyle : public TgxBevel {
public:
    String ClassName() const override { return "TgxCustomBoxStyle"; }

    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle Value) {
        FPenStyle = Value;
        Changed();
    }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value) {
        FHighlightColor = Value;
        Changed();
    }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value) {
        FShadowColor = Value;
        Changed();
    }

private:
    TPenStyle FPenStyle = psSolid;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
};

class TgxCustomTextBoxStyle : public TgxCustomBoxStyle {
public:
    String ClassName() const override { return "TgxCustomTextBoxStyle"; }

    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) {
        FTextColor = Value;
        Changed();
    }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) {
        FBackgroundColor = Value;
        Changed();
    }

private:
    TColor FTextColor = clBlack;
    TColor FBackgroundColor = clWindow;
};

class TgxTextBoxStyle : public TgxCustomTextBoxStyle {
public:
    String ClassName() const override { return "TgxTextBoxStyle"; }
};

// A pattern of bevel lines; every setter notifies, changed or not.
class TgxBevelLines : public TPersistent {
public:
    TgxBevelLines();
    String ClassName() const override { return "TgxBevelLines"; }

    Cardinal Count() const { return FCount; }
    void SetCount(Cardinal Value) {
        FCount = Value;
        Changed();
    }
    Cardinal Step() const { return FStep; }
    void SetStep(Cardinal Value) {
        FStep = Value;
        Changed();
    }
    TgxOrigin Origin() const { return FOrigin; }
    void SetOrigin(TgxOrigin Value) {
        FOrigin = Value;
        Changed();
    }
    TBevelCut Style() const { return FStyle; }
    void SetStyle(TBevelCut Value) {
        FStyle = Value;
        Changed();
    }
    bool Bold() const { return FBold; }
    void SetBold(bool Value) {
        FBold = Value;
        Changed();
    }
    Byte Thickness() const { return FThickness; }
    void SetThickness(Byte Value) {
        FThickness = Value;
        Changed();
    }
    bool IgnoreBorder() const { return FIgnoreBorder; }
    void SetIgnoreBorder(bool Value) {
        FIgnoreBorder = Value;
        Changed();
    }

    TNotifyEvent OnChange;

private:
    void Changed() {
        if (OnChange) OnChange(this);
    }

    Cardinal FCount = 0;
    Cardinal FStep = 0;
    TgxOrigin FOrigin = forLeftTop;
    TBevelCut FStyle = bvLowered;
    bool FBold = false;
    Byte FThickness = 1;
    bool FIgnoreBorder = false;
};
