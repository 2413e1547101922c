#include "controls/buttons/GxProperties.h"

#include "controls/buttons/TGradient.h"
#include "controls/buttons/TIllumination.h"
#include "controls/buttons/Tgx3DColors.h"
#include "controls/buttons/TgxBevel.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "controls/buttons/TgxLabelColors.h"
#include "platform/graphics/GraphicsProperties.h"
#include "platform/ui/ControlProperties.h"

namespace gx {

namespace {

const std::vector<String> BevelCutNames = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const std::vector<String> TextStyleNames = {"fstNone",   "fstRaised", "fstRecessed",
                                            "fstPushed", "fstShadow", "fstVolumetric"};
const std::vector<String> SideNames = {"fsdLeft", "fsdTop", "fsdRight", "fsdBottom"};

bool Never(TObject*) {
    return false;
}

void RegisterBevels() {
    using B = TgxBevel;
    RegisterClass<B>("TgxBevel", "",
                     {EnumProp<B>("Inner", &B::Inner, &B::SetInner, bvNone, BevelCutNames),
                      EnumProp<B>("Outer", &B::Outer, &B::SetOuter, bvNone, BevelCutNames),
                      SetProp<B>("Sides", &B::Sides, &B::SetSides, gxAllSides.Bits(), SideNames),
                      BoolProp<B>("Bold", &B::Bold, &B::SetBold, 0)});
    using E = TgxExtBevel;
    RegisterClass<E>("TgxExtBevel", "TgxBevel",
                     {BoolProp<E>("Active", &E::Active, &E::SetActive, 1),
                      EnumProp<E>("BevelPenStyle", &E::BevelPenStyle, &E::SetBevelPenStyle, psSolid,
                                  graphics::PenStyleNames),
                      IntProp<E>("BevelPenWidth", &E::BevelPenWidth, &E::SetBevelPenWidth, 1),
                      IntProp<E>("InteriorOffset", &E::InteriorOffset, &E::SetInteriorOffset, 0)});
    using X = TgxTextBoxStyle;
    RegisterClass<X>(
        "TgxTextBoxStyle", "TgxBevel",
        {EnumProp<X>("PenStyle", &X::PenStyle, &X::SetPenStyle, psSolid, graphics::PenStyleNames),
         ColorProp<X>("TextColor", &X::TextColor, &X::SetTextColor, clBlack),
         ColorProp<X>("BackgroundColor", &X::BackgroundColor, &X::SetBackgroundColor, clWindow),
         ColorProp<X>("HighlightColor", &X::HighlightColor, &X::SetHighlightColor, clBtnHighlight),
         ColorProp<X>("ShadowColor", &X::ShadowColor, &X::SetShadowColor, clBtnShadow)});
    using L = TgxBevelLines;
    RegisterClass<L>(
        "TgxBevelLines", "",
        {IntProp<L>("Count", &L::Count, &L::SetCount, 0), IntProp<L>("Step", &L::Step, &L::SetStep, 0),
         EnumProp<L>("Origin", &L::Origin, &L::SetOrigin, forLeftTop, {"forLeftTop", "forRightBottom"}),
         EnumProp<L>("Style", &L::Style, &L::SetStyle, bvLowered, BevelCutNames),
         BoolProp<L>("Bold", &L::Bold, &L::SetBold, 0),
         IntProp<L>("Thickness", &L::Thickness, &L::SetThickness, 1),
         BoolProp<L>("IgnoreBorder", &L::IgnoreBorder, &L::SetIgnoreBorder, 0)});
}

void RegisterValues() {
    using A = T2DAlign;
    RegisterClass<A>("T2DAlign", "",
                     {EnumProp<A>("Horizontal", &A::Horizontal, &A::SetHorizontal, fhaLeft,
                                  {"fhaLeft", "fhaCenter", "fhaRight"}),
                      EnumProp<A>("Vertical", &A::Vertical, &A::SetVertical, fvaTop,
                                  {"fvaTop", "fvaCenter", "fvaBottom"})});
    RegisterClass<TIllumination>("TIllumination", "T2DAlign",
                                 {IntProp<TIllumination>("ShadowDepth", &TIllumination::ShadowDepth,
                                                         &TIllumination::SetShadowDepth, 2)});
    RegisterClass<TPointClass>("TPointClass", "",
                               {IntProp<TPointClass>("X", &TPointClass::X, &TPointClass::SetX, 0),
                                IntProp<TPointClass>("Y", &TPointClass::Y, &TPointClass::SetY, 0)});
    using S = TgxLabelTextStyles;
    RegisterClass<S>("TgxLabelTextStyles", "",
                     {EnumProp<S>("Passive", &S::Passive, &S::SetPassive, fstRaised, TextStyleNames),
                      EnumProp<S>("Active", &S::Active, &S::SetActive, fstRaised, TextStyleNames),
                      EnumProp<S>("Disabled", &S::Disabled, &S::SetDisabled, fstPushed, TextStyleNames)});
}

void RegisterLabelColors() {
    using C = TgxCustomLabelColors;
    const auto text = ColorProp<C>("Text", &C::Text, &C::SetText, clBlack);
    const auto textDisabled = ColorProp<C>("TextDisabled", &C::TextDisabled, &C::SetTextDisabled, clGray);
    const auto delineate = ColorProp<C>("Delineate", &C::Delineate, &C::SetDelineate, clWhite);
    const auto shadow = ColorProp<C>("Shadow", &C::Shadow, &C::SetShadow, clBtnShadow);
    const auto highlight = ColorProp<C>("Highlight", &C::Highlight, &C::SetHighlight, clBtnHighlight);
    const auto background = ColorProp<C>("Background", &C::Background, &C::SetBackground, clBtnFace);
    const auto textActive = ColorProp<C>("TextActive", &C::TextActive, &C::SetTextActive, clBlack);
    const auto delineateActive =
        ColorProp<C>("DelineateActive", &C::DelineateActive, &C::SetDelineateActive, clWhite);
    // The base-class accessors serve the simple colours too: they are TgxCustomTextColors'.
    using T = TgxCustomTextColors;
    RegisterClass<TgxSimleLabelColors>(
        "TgxSimleLabelColors", "",
        {ColorProp<T>("Delineate", &T::Delineate, &T::SetDelineate, clWhite),
         ColorProp<T>("Shadow", &T::Shadow, &T::SetShadow, clBtnShadow),
         ColorProp<T>("Highlight", &T::Highlight, &T::SetHighlight, clBtnHighlight),
         ColorProp<T>("Background", &T::Background, &T::SetBackground, clBtnFace)});
    RegisterClass<TgxLabelColors>(
        "TgxLabelColors", "",
        {text, textDisabled, delineate, shadow, highlight, background, textActive, delineateActive,
         BoolProp<C>("AutoHighlight", &C::AutoHighlight, &C::SetAutoHighlight, 0),
         BoolProp<C>("AutoShadow", &C::AutoShadow, &C::SetAutoShadow, 0),
         IntProp<C>("ColorHighlightShift", &C::ColorHighlightShift, &C::SetColorHighlightShift, 40),
         IntProp<C>("ColorShadowShift", &C::ColorShadowShift, &C::SetColorShadowShift, 60),
         ColorProp<C>("BackgroundActive", &C::BackgroundActive, &C::SetBackgroundActive, clBtnFace)});
    using G = TgxGrBoxColors;
    RegisterClass<G>("TgxGrBoxColors", "",
                     {text, delineate, shadow, highlight, textActive, delineateActive,
                      ColorProp<G>("Caption", &G::Caption, &G::SetCaption),
                      ColorProp<G>("CaptionActive", &G::CaptionActive, &G::SetCaptionActive),
                      ColorProp<G>("Client", &G::Client, &G::SetClient),
                      ColorProp<G>("ClientActive", &G::ClientActive, &G::SetClientActive)});
}

void RegisterGradients() {
    using T = TTwainColors;
    RegisterClass<T>("TTwainColors", "",
                     {ColorProp<T>("FromColor", &T::FromColor, &T::SetFromColor, clGray),
                      ColorProp<T>("ToColor", &T::ToColor, &T::SetToColor, clBlack)});
    using G = TGradient;
    RegisterClass<G>(
        "TGradient", "TTwainColors",
        {BoolProp<G>("Active", &G::Active, &G::SetActive, 0),
         BoolProp<G>("BufferedDraw", &G::BufferedDraw, &G::SetBufferedDraw, 0),
         EnumProp<G>("Orientation", &G::Orientation, &G::SetOrientation, fgdHorizontal,
                     {"fgdHorizontal", "fgdVertical", "fgdLeftBias", "fgdRightBias", "fgdRectangle",
                      "fgdHorzConvergent", "fgdVertConvergent"}),
         IntProp<G>("Steps", &G::Steps, &G::SetSteps, 255),
         IntProp<G>("PercentFilling", &G::PercentFilling, &G::SetPercentFilling, 100),
         EnumProp<G>("BrushStyle", &G::BrushStyle, &G::SetBrushStyle, bsSolid, graphics::BrushStyleNames)});
    using D = TThreeDGradient;
    RegisterClass<D>("TThreeDGradient", "TTwainColors",
                     {IntProp<D>("Depth", &D::Depth, &D::SetDepth, 16),
                      EnumProp<D>("GType", &D::GType, &D::SetGType, fgtFlat, {"fgtFlat", "fgt3D"})});
}

void RegisterItemStyles() {
    using C = TgxCustomListBoxItemStyle;
    RegisterClass<C>("TgxCustomListBoxItemStyle", "",
                     {ColorProp<C>("Color", &C::Color, &C::SetColor, clBlack),
                      ColorProp<C>("DelineateColor", &C::DelineateColor, &C::SetDelineateColor, clBlack),
                      ObjectProp<C>("Font", &C::Font), ObjectProp<C>("Bevel", &C::Bevel),
                      EnumProp<C>("TextStyle", &C::TextStyle, &C::SetTextStyle, fstNone, TextStyleNames)});
    using L = TgxListBoxItemStyle;
    RegisterClass<L>("TgxListBoxItemStyle", "TgxCustomListBoxItemStyle",
                     {ObjectProp<L>("Gradient", &L::Gradient)});
    RegisterClass<TgxHintStyle>("TgxHintStyle", "TgxListBoxItemStyle", {});
    RegisterClass<TgxSpeedButtonStyle>("TgxSpeedButtonStyle", "TgxListBoxItemStyle",
                                       {ObjectProp<L>("TextGradient", &L::TextGradient)});
    using A = TgxAskListBoxItemStyle;
    RegisterClass<A>(
        "TgxAskListBoxItemStyle", "TgxCustomListBoxItemStyle",
        {ColorProp<A>("BtnColor", &A::BtnColor, &A::SetBtnColor, clBtnFace),
         ObjectProp<A>("BtnFont", &A::BtnFont),
         EnumProp<A>("BtnTextStyle", &A::BtnTextStyle, &A::SetBtnTextStyle, fstNone, TextStyleNames)});
}

void RegisterComponents() {
    using L = Tgx3DLocalColors;
    RegisterClass<L>("Tgx3DLocalColors", "",
                     {ColorProp<L>("DkShadow", &L::DkShadow, &L::SetDkShadow, cl3DDkShadow),
                      ColorProp<L>("Highlight", &L::Highlight, &L::SetHighlight, clBtnHighlight),
                      ColorProp<L>("Shadow", &L::Shadow, &L::SetShadow, clBtnShadow)});
    RegisterClass<Tgx3DColors>("Tgx3DColors", "Tgx3DLocalColors", {});

    // Color and ActiveColor carry the published default 0; FrameColor,
    // DefaultStyle and ModalResult have none and are always written.
    using B = TgxSpeedButton;
    RegisterClass<B>("TgxSpeedButton", "TSpeedButton",
                     {BoolProp<B>("Enabled", &B::Enabled, &B::SetEnabled, 1),
                      ColorProp<B>("Color", &B::Color, &B::SetColor, 0),
                      ColorProp<B>("ActiveColor", &B::ActiveColor, &B::SetActiveColor, 0),
                      RefProp<B>("Control", &B::Control, &B::SetControl),
                      RefProp<B>("CaptionLabel", &B::CaptionLabel, &B::SetCaptionLabel),
                      BoolProp<B>("Frame", &B::Frame, &B::SetFrame, 1),
                      ColorProp<B>("FrameColor", &B::FrameColor, &B::SetFrameColor),
                      BoolProp<B>("DefaultStyle", &B::DefaultStyle, &B::SetDefaultStyle),
                      IntProp<B>("ModalResult", &B::ModalResult, &B::SetModalResult)});
    // The extended button's colours are views of its styles, written there.
    using E = TgxExtSpeedButton;
    RegisterClass<E>("TgxExtSpeedButton", "TgxSpeedButton",
                     {StoredWhen(ColorProp<E>("Color", &E::Color, &E::SetColor, 0), Never),
                      StoredWhen(ColorProp<E>("ActiveColor", &E::ActiveColor, &E::SetActiveColor, 0), Never),
                      ObjectProp<E>("Style", &E::Style), ObjectProp<E>("StyleActive", &E::StyleActive),
                      ObjectProp<E>("StylePushed", &E::StylePushed)});
}

} // namespace

void RegisterProperties() {
    static const bool registered = [] {
        ui::RegisterControlProperties();
        RegisterBevels();
        RegisterValues();
        RegisterLabelColors();
        RegisterGradients();
        RegisterItemStyles();
        RegisterComponents();
        return true;
    }();
    (void)registered;
}

} // namespace gx
