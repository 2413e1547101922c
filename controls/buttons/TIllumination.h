#pragma once
// Small persistent values of the gx controls: a two-way alignment, a point and
// the illumination (alignment plus shadow depth). Setters notify when the value changes.
#include "controls/buttons/GxTypes.h"
#include "platform/core/TPersistent.h"

class T2DAlign : public TPersistent {
public:
    T2DAlign();
    String ClassName() const override { return "T2DAlign"; }

    TgxHorAlign Horizontal() const { return FHorizontal; }
    void SetHorizontal(TgxHorAlign Value);
    TgxVertAlign Vertical() const { return FVertical; }
    void SetVertical(TgxVertAlign Value);

    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }

private:
    TgxHorAlign FHorizontal = fhaLeft;
    TgxVertAlign FVertical = fvaTop;
};

class TIllumination : public T2DAlign {
public:
    String ClassName() const override { return "TIllumination"; }

    Integer ShadowDepth() const { return FShadowDepth; }
    // Negative values become 0.
    void SetShadowDepth(Integer Value);

private:
    Integer FShadowDepth = 2;
};

class TPointClass : public TPersistent {
public:
    TPointClass();
    String ClassName() const override { return "TPointClass"; }

    Integer X() const { return FX; }
    void SetX(Integer Value);
    Integer Y() const { return FY; }
    void SetY(Integer Value);

    TNotifyEvent OnChange;

private:
    Integer FX = 0;
    Integer FY = 0;
};
