#pragma once
// The speed button whose look in each state comes from a complete style:
// Style (normal), StyleActive (mouse over) and StylePushed (pressed with the
// mouse over), each with fill, bevel, font, text effect and gradients.
#include "controls/buttons/TgxListBoxItemStyle.h"
#include "controls/buttons/TgxSpeedButton.h"

class TgxExtSpeedButton : public TgxSpeedButton {
public:
    explicit TgxExtSpeedButton(TComponent* AOwner);
    ~TgxExtSpeedButton() override;
    String ClassName() const override { return "TgxExtSpeedButton"; }

    TgxSpeedButtonStyle* Style() const { return FStyle.get(); }
    TgxSpeedButtonStyle* StyleActive() const { return FStyleActive.get(); }
    TgxSpeedButtonStyle* StylePushed() const { return FStylePushed.get(); }

    // Views of Style.Color and StyleActive.Color.
    TColor Color() const override;
    void SetColor(TColor Value) override;
    TColor ActiveColor() const override;
    void SetActiveColor(TColor Value) override;
    // Copies Value into the button's font and into Style's.
    void SetFont(TFont* Value) override;

    // The style the button paints with now.
    TgxSpeedButtonStyle* CurrentStyle() const;

    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void Paint() override;
    // Pressed and dragged off shows Style, back on StylePushed, at once.
    void ShowPressedHover() override { Repaint(); }

private:
    void StyleChanged(TObject* Sender);

    std::unique_ptr<TgxSpeedButtonStyle> FStyle;
    std::unique_ptr<TgxSpeedButtonStyle> FStyleActive;
    std::unique_ptr<TgxSpeedButtonStyle> FStylePushed;
};
