#pragma once
// Check-style UTL buttons: TUtlButtonControl lays out a glyph from a
// four-frame sheet and a caption with a 3D effect and a focus marker;
// TUtlRadioButton is the radio button, one of its siblings checked at a time.
#include "controls/text/TUtl3DCaption.h"
#include "controls/bases/TUtlCustomControl.h"
#include "controls/text/TUtlGlyphTextLayout.h"
#include "controls/shapes/UtlGraphTypes.h"

#include <memory>

// The link of a button control to its action: Checked follows the action
// only while the control shows the action's value, and following it raises
// no Click.
class TUtlButtonActionLink : public TControlActionLink {
public:
    explicit TUtlButtonActionLink(TControl* Client) : TControlActionLink(Client) {}
    String ClassName() const override { return "TUtlButtonActionLink"; }

    bool IsCheckedLinked() const override;
    void SetChecked(bool Value) override;
};

class TUtlButtonControl : public TUtlCustomPanel {
public:
    explicit TUtlButtonControl(TComponent* AOwner);
    ~TUtlButtonControl() override;
    String ClassName() const override { return "TUtlButtonControl"; }

    TUtlGlyphTextLayout* Alignment() const { return FAlignment.get(); }
    TUtl3DCaption* Font3D() const { return FFont3D.get(); }
    // Index 0 AutoSize (then CorrectBounds), 1 GlyphTransparent, 2 GlyphFlat (a new standard glyph).
    void SetBool(Integer Index, bool Value);
    bool AutoSize() const { return FAutoSize; }
    bool GlyphTransparent() const { return FGlyphTransparent; }
    bool GlyphFlat() const { return FGlyphFlat; }
    bool UseBitmap() const { return FUseBitmap; }
    void SetUseBitmap(bool Value) { FUseBitmap = Value; }
    TUtlGlyphTextFocusStyle FocusStyle() const { return FFocusStyle; }
    void SetFocusStyle(TUtlGlyphTextFocusStyle Value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value);
    bool UseFocusColor() const { return FUseFocusColor; }
    void SetUseFocusColor(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    Byte GlyphSize() const { return FGlyphSize; }
    void SetGlyphSize(Byte Value);
    TColor GlyphTransparentColor() const { return FGlyphTransparentColor; }
    void SetGlyphTransparentColor(TColor Value);
    // The glyph sheet of four frames and the width of one.
    TBitmap* GlyphSheet() const { return FGlyph.get(); }
    Integer FrameWidth() const { return FFrameWidth; }
    // The image list's palette for the glyph when the list supplies the glyph
    // (owned by the list); none for the standard glyph.
    HPALETTE GetPalette() const;

    virtual bool GetChecked() const { return false; }
    virtual void SetChecked(bool Value) {}
    bool Checked() const { return GetChecked(); }
    virtual bool CanModify() const { return !FReadOnly; }
    // With AutoSize: the control takes the size of its content.
    virtual void CorrectBounds();

    TControlActionLinkClass GetActionLinkClass() const override {
        return &NewActionLink<TUtlButtonActionLink>;
    }

    // Unless loading: CorrectBounds, then a repaint.
    void GetChange(TObject* Sender) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoExit() override;
    // A control read with AutoSize takes the size of what was read with it.
    void Loaded() override;
    // The whole content moves with the size (it is laid out in the control).
    void Resize() override;
    // Paints the control through DrawItem (with UseBitmap off screen) on Canvas.
    void PaintToControl(TCanvas* Canvas, Integer State);

protected:
    virtual void CreateStandardGlyph() {}
    // Draws (Flag) or measures the content; answers the focus rectangle
    // (measuring: the content's extent).
    virtual TRect DrawItem(TCanvas* Canvas, bool Flag, Integer State) = 0;
    void DrawFocus(TCanvas* Canvas, const TRect& Rect);
    void DrawContent(TCanvas* Canvas) override { PaintToControl(Canvas, 0); }
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void SetFrameWidth(Integer Value) { FFrameWidth = Value; }
    bool InClick() const { return FInClick; }
    // Also takes over a TCustomAction's Checked, unless CheckDefaults and the
    // control is checked already; without a Click.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    // Runs F with the in-click flag set.
    template <typename F> void InClickDo(F&& f) {
        FInClick = true;
        f();
        FInClick = false;
    }

private:
    friend class TUtlButtonActionLink;

    std::unique_ptr<TUtlGlyphTextLayout> FAlignment;
    bool FAutoSize = false;
    bool FUseBitmap = false;
    bool FInClick = false;
    bool FGlyphFlat = false;
    std::unique_ptr<TUtl3DCaption> FFont3D;
    TUtlGlyphTextFocusStyle FFocusStyle = fcText;
    TColor FFocusColor = clGray;
    bool FUseFocusColor = false;
    bool FReadOnly = false;
    std::unique_ptr<TBitmap> FGlyph;
    Integer FFrameWidth = 0;
    Byte FGlyphSize = 13;
    TColor FGlyphTransparentColor = clOlive;
    bool FUpdateNow = false;
    bool FGlyphTransparent = true;
};

class TUtlRadioButton : public TUtlButtonControl {
public:
    explicit TUtlRadioButton(TComponent* AOwner);
    String ClassName() const override { return "TUtlRadioButton"; }

    bool GetChecked() const override { return FChecked; }
    // Checking unchecks the other radio buttons of the same parent and, unless
    // the control checks itself, fires Click.
    void SetChecked(bool Value) override;
    bool DialogChar(Word Key) override;
    void DoEnter() override;
    void GetIMLChange(TObject* Sender) override;

protected:
    void CreateStandardGlyph() override;
    void DoFlatChanged() override;
    TRect DrawItem(TCanvas* Canvas, bool Flag, Integer State) override;

private:
    void UpdateFrameWidth();

    bool FChecked = false;
};
