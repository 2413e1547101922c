#pragma once
// A speed button painted from colours: a fill, a hover fill, a bevel and a
// one-pixel frame; with DefaultStyle, the platform speed button's own look. It
// keeps the platform button's grouping, Down, Flat, glyph and click, tracks
// hover and press, enables a linked control together with itself, and hands
// its ModalResult to its form on click.
#include "controls/buttons/GxTypes.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/UiTypes.h"

class TgxSpeedButton : public TSpeedButton {
public:
    explicit TgxSpeedButton(TComponent* AOwner);
    ~TgxSpeedButton() override;
    String ClassName() const override { return "TgxSpeedButton"; }

    TColor Color() const override { return FColor; }
    void SetColor(TColor Value) override;
    virtual TColor ActiveColor() const { return FActiveColor; }
    // Stored without a repaint.
    virtual void SetActiveColor(TColor Value) { FActiveColor = Value; }
    // Enabled and disabled together with the button; forgotten when it is destroyed.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);
    // Kept for the form resource; not painted. Forgotten when it is destroyed.
    TControl* CaptionLabel() const { return FCaptionLabel; }
    void SetCaptionLabel(TControl* Value);
    bool Frame() const { return FFrame; }
    void SetFrame(bool Value);
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor Value);
    // Paints as the platform's speed button; colours, styles and frame do not apply.
    bool DefaultStyle() const { return FDefaultStyle; }
    void SetDefaultStyle(bool Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    // Also enables or disables Control.
    void SetEnabled(bool v) override;

    bool MouseIn() const { return FMouseIn; }
    bool Pushed() const { return FPushed; }

    // Hover and press are tracked only while the button shows enabled: a button on a
    // disabled panel is drawn disabled and takes no hover either.
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // While pressed, the pointer leaving or re-entering the button switches MouseIn:
    // the window layer sends no leave or enter while a mouse button is held.
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    // OnClick, then the ModalResult hand-over to the form the button sits on.
    // The platform button clicks on a release inside it (after its group has
    // been updated), while the pressed look is still current.
    void Click() override;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    // Glyph at the position shared by both looks; CaptionWidth is measured with
    // the canvas font.
    void PaintGlyph(Integer CaptionWidth);
    void SetMouseIn(bool Value) { FMouseIn = Value; }
    // Shows a change of MouseIn made while pressed; a queued repaint here.
    virtual void ShowPressedHover() { Invalidate(); }

private:
    bool FMouseIn = false;
    bool FPushed = false;
    TControl* FControl = nullptr;
    bool FFrame = true;
    TControl* FCaptionLabel = nullptr;
    bool FDefaultStyle = false;
    TModalResult FModalResult = mrNone;
    TColor FFrameColor = clBlack;
    TColor FColor;
    TColor FActiveColor;
};
