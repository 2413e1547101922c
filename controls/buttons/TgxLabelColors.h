#pragma once
// Colour sets of the gx labels and group boxes, and the label text styles per
// state. Setters notify when the value changes (the group box's own four colours
// notify always).
#include "controls/buttons/GxTypes.h"
#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"

class TgxLabelTextStyles : public TPersistent {
public:
    TgxLabelTextStyles();
    String ClassName() const override { return "TgxLabelTextStyles"; }

    TgxTextStyle Passive() const { return FPassive; }
    void SetPassive(TgxTextStyle Value) { Store(FPassive, Value); }
    TgxTextStyle Active() const { return FActive; }
    void SetActive(TgxTextStyle Value) { Store(FActive, Value); }
    TgxTextStyle Disabled() const { return FDisabled; }
    void SetDisabled(TgxTextStyle Value) { Store(FDisabled, Value); }

    TNotifyEvent OnChange;

private:
    void Store(TgxTextStyle& field, TgxTextStyle value) {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange(this);
    }

    TgxTextStyle FPassive = fstRaised;
    TgxTextStyle FActive = fstRaised;
    TgxTextStyle FDisabled = fstPushed;
};

class TgxCustomTextColors : public TPersistent {
public:
    TgxCustomTextColors();
    String ClassName() const override { return "TgxCustomTextColors"; }

    TColor Text() const { return FText; }
    void SetText(TColor Value) { Store(FText, Value); }
    TColor TextDisabled() const { return FTextDisabled; }
    void SetTextDisabled(TColor Value) { Store(FTextDisabled, Value); }
    TColor Delineate() const { return FDelineate; }
    void SetDelineate(TColor Value) { Store(FDelineate, Value); }
    TColor Background() const { return FBackground; }
    void SetBackground(TColor Value) { Store(FBackground, Value); }
    TColor Highlight() const { return FHighlight; }
    void SetHighlight(TColor Value) { Store(FHighlight, Value); }
    TColor Shadow() const { return FShadow; }
    void SetShadow(TColor Value) { Store(FShadow, Value); }

    TNotifyEvent OnChange;

protected:
    void Store(TColor& field, TColor value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() {
        if (OnChange) OnChange(this);
    }

private:
    friend void CalcShadowAndHighlightColors(TColor Color, class TgxLabelColors* LabelColors);

    TColor FText = clBlack;
    TColor FTextDisabled = clGray;
    TColor FDelineate = clWhite;
    TColor FBackground = clBtnFace;
    TColor FHighlight = clBtnHighlight;
    TColor FShadow = clBtnShadow;
};

class TgxSimleLabelColors : public TgxCustomTextColors {
public:
    String ClassName() const override { return "TgxSimleLabelColors"; }
};

class TgxCustomLabelColors : public TgxCustomTextColors {
public:
    String ClassName() const override { return "TgxCustomLabelColors"; }

    TColor TextActive() const { return FTextActive; }
    void SetTextActive(TColor Value) { Store(FTextActive, Value); }
    TColor DelineateActive() const { return FDelineateActive; }
    void SetDelineateActive(TColor Value) { Store(FDelineateActive, Value); }
    bool AutoHighlight() const { return FAutoHighlight; }
    void SetAutoHighlight(bool Value) { StoreValue(FAutoHighlight, Value); }
    bool AutoShadow() const { return FAutoShadow; }
    void SetAutoShadow(bool Value) { StoreValue(FAutoShadow, Value); }
    TColor BackgroundActive() const { return FBackgroundActive; }
    void SetBackgroundActive(TColor Value) { Store(FBackgroundActive, Value); }
    Byte ColorHighlightShift() const { return FColorHighlightShift; }
    void SetColorHighlightShift(Byte Value) { StoreValue(FColorHighlightShift, Value); }
    Byte ColorShadowShift() const { return FColorShadowShift; }
    void SetColorShadowShift(Byte Value) { StoreValue(FColorShadowShift, Value); }

private:
    template <typename T> void StoreValue(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }

    TColor FTextActive = clBlack;
    TColor FDelineateActive = clWhite;
    bool FAutoHighlight = false;
    bool FAutoShadow = false;
    TColor FBackgroundActive = clBtnFace;
    Byte FColorHighlightShift = 40;
    Byte FColorShadowShift = 60;
};

class TgxLabelColors : public TgxCustomLabelColors {
public:
    String ClassName() const override { return "TgxLabelColors"; }
};

class TgxGrBoxColors : public TgxCustomLabelColors {
public:
    String ClassName() const override { return "TgxGrBoxColors"; }

    TColor Caption() const { return FCaption; }
    void SetCaption(TColor Value) {
        FCaption = Value;
        Changed();
    }
    TColor CaptionActive() const { return FCaptionActive; }
    void SetCaptionActive(TColor Value) {
        FCaptionActive = Value;
        Changed();
    }
    TColor Client() const { return FClient; }
    void SetClient(TColor Value) {
        FClient = Value;
        Changed();
    }
    TColor ClientActive() const { return FClientActive; }
    void SetClientActive(TColor Value) {
        FClientActive = Value;
        Changed();
    }

private:
    TColor FCaption = clBtnFace;
    TColor FCaptionActive = clBtnFace;
    TColor FClient = clBtnFace;
    TColor FClientActive = clBtnFace;
};

// Shadow and Highlight of LabelColors from Color, shifted by its shift values,
// as far as AutoShadow / AutoHighlight ask; written without a notice.
void CalcShadowAndHighlightColors(TColor Color, TgxLabelColors* LabelColors);
