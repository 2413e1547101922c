#pragma once
// Item styles of the gx controls: fill and outline colours, caption font, bevel
// and text effect, and (from TgxListBoxItemStyle on) a background gradient and a
// caption gradient. The speed buttons describe each of their looks with one.
#include "controls/buttons/GxTypes.h"
#include "controls/buttons/TGradient.h"
#include "controls/buttons/TgxBevel.h"
#include "platform/graphics/TFont.h"

#include <memory>

class TgxCustomListBoxItemStyle : public TPersistent {
public:
    TgxCustomListBoxItemStyle();
    ~TgxCustomListBoxItemStyle() override;
    String ClassName() const override { return "TgxCustomListBoxItemStyle"; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor DelineateColor() const { return FDelineateColor; }
    void SetDelineateColor(TColor Value);
    TFont* Font() const { return FFont.get(); }
    // Copies Value; always notifies. Changing the font's own properties does not.
    void SetFont(TFont* Value);
    TgxBevel* Bevel() const { return FBevel.get(); }
    TgxTextStyle TextStyle() const { return FTextStyle; }
    // Always notifies.
    void SetTextStyle(TgxTextStyle Value);

    // Caption relief colours: Color 60 lighter / 60 darker per channel.
    TColor HighlightColor() const;
    TColor ShadowColor() const;

    const TNotifyEvent& OnChanged() const { return FOnChanged; }
    // Stores the handler and hands it to the owned bevel (and gradient).
    virtual void SetOnChanged(TNotifyEvent Event);

protected:
    void Changed();

private:
    TColor FColor = clBlack;
    TColor FDelineateColor = clBlack;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TgxBevel> FBevel;
    TgxTextStyle FTextStyle = fstNone;
    TNotifyEvent FOnChanged;
};

class TgxListBoxItemStyle : public TgxCustomListBoxItemStyle {
public:
    TgxListBoxItemStyle();
    ~TgxListBoxItemStyle() override;
    String ClassName() const override { return "TgxListBoxItemStyle"; }

    TGradient* Gradient() const { return FGradient.get(); }
    // Not linked to OnChanged.
    TGradient* TextGradient() const { return FTextGradient.get(); }

    void SetOnChanged(TNotifyEvent Event) override;

private:
    std::unique_ptr<TGradient> FGradient;
    std::unique_ptr<TGradient> FTextGradient;
};

class TgxHintStyle : public TgxListBoxItemStyle {
public:
    String ClassName() const override { return "TgxHintStyle"; }
};

class TgxSpeedButtonStyle : public TgxListBoxItemStyle {
public:
    String ClassName() const override { return "TgxSpeedButtonStyle"; }
};

class TgxAskListBoxItemStyle : public TgxCustomListBoxItemStyle {
public:
    TgxAskListBoxItemStyle();
    ~TgxAskListBoxItemStyle() override;
    String ClassName() const override { return "TgxAskListBoxItemStyle"; }

    TColor BtnColor() const { return FBtnColor; }
    void SetBtnColor(TColor Value);
    TFont* BtnFont() const { return FBtnFont.get(); }
    void SetBtnFont(TFont* Value);
    TgxTextStyle BtnTextStyle() const { return FBtnTextStyle; }
    void SetBtnTextStyle(TgxTextStyle Value);

private:
    TColor FBtnColor = clBtnFace;
    std::unique_ptr<TFont> FBtnFont;
    TgxTextStyle FBtnTextStyle = fstNone;
};
