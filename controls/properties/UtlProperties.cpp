#include "controls/common/UtlProperties.h"

#include "controls/text/TUtl3DCaption.h"
#include "controls/shapes/TUtlAlphaObject.h"
#include "controls/shapes/TUtlBevel.h"
#include "controls/shapes/TUtlBitmapEffectObject.h"
#include "controls/buttons/TUtlButtonControl.h"
#include "controls/lists/TUtlContainer.h"
#include "controls/bases/TUtlCustomScrollBox.h"
#include "controls/services/TUtlDateTime.h"
#include "controls/shapes/TUtlFillObject.h"
#include "controls/bases/TUtlFormShape.h"
#include "controls/text/TUtlGlyphTextLayout.h"
#include "controls/shapes/TUtlGradient.h"
#include "controls/shapes/TUtlRegion.h"
#include "controls/shapes/TUtlShadow.h"
#include "controls/shapes/TUtlShape.h"
#include "controls/services/TUtlStarter.h"
#include "controls/shapes/TUtlTeeth.h"
#include "controls/services/TUtlTimerPool.h"
#include "platform/graphics/GraphicsProperties.h"
#include "platform/ui/ControlProperties.h"
#include "platform/ui/TPopupMenu.h"

namespace utl {

namespace {

const std::vector<String> BevelStyleNames = {"bvNone",        "bvLowered", "bvRaised", "bvFrameLowered",
                                             "bvFrameRaised", "bvNormal",  "bvShadow"};
const std::vector<String> AlignmentNames = {"agTopLeft",    "agTopCenter",    "agTopRight",
                                            "agCenterLeft", "agCenter",       "agCenterRight",
                                            "agBottomLeft", "agBottomCenter", "agBottomRight"};
const std::vector<String> ShadowStyleNames = {"hssNone", "hssSolid", "hssTracing"};

// A list reference of the global container travels as "Internal" instead.
template <class T> TPropInfo ImageListProp() {
    return StoredWhen(RefProp<T>("ImageList", &T::ImageList, &T::SetImageList), [](TObject* o) {
        const TUtlCustomImageList* list = static_cast<T*>(o)->ImageList();
        return list && !UtlIsGlobalIdent(list);
    });
}

void RegisterBevels() {
    using B = TUtlBevel;
    auto color = [](Integer Index, const char* Name, TColor Default) {
        return ColorProp<B>(
            Name, [Index](B* b) { return b->GetColor(Index); },
            [Index](B* b, TColor v) { b->SetColor(Index, v); }, Default);
    };
    RegisterClass<B>(
        "TUtlBevel", "",
        {EnumProp<B>("StyleInner", &B::StyleInner, &B::SetStyleInner, 0, BevelStyleNames),
         EnumProp<B>("StyleOuter", &B::StyleOuter, &B::SetStyleOuter, 0, BevelStyleNames),
         IntProp<B>("WidthInner", &B::WidthInner, &B::SetWidthInner, 1),
         IntProp<B>("WidthOuter", &B::WidthOuter, &B::SetWidthOuter, 1), color(0, "BorderColor", clBtnFace),
         IntProp<B>("BorderInnerWidth", &B::BorderInnerWidth, &B::SetBorderInnerWidth, 0),
         IntProp<B>("BorderWidth", &B::BorderWidth, &B::SetBorderWidth, 0),
         SetProp<B>("BorderSides", &B::BorderSides, &B::SetBorderSides, 15,
                    {"fsBottom", "fsLeft", "fsRight", "fsTop"}),
         EnumProp<B>("EdgeStyle", &B::EdgeStyle, &B::SetEdgeStyle, etEtched,
                     {"etRaisedInner", "etRaisedOuter", "etSunkenInner", "etSunkenOuter", "etBump",
                      "etEtched", "etRaised", "etSunken"}),
         color(1, "LightColor", clBtnHighlight),
         EnumProp<B>("Mode", &B::Mode, &B::SetMode, bmCustom,
                     {"bmCustom", "bmStandard", "bmEdge", "bmWindows"}),
         color(2, "ShadowColor", clBtnShadow),
         EnumProp<B>("StandardStyle", &B::StandardStyle, &B::SetStandardStyle, lsSingleLowered,
                     {"lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb",
                      "lsRaisedExt", "lsLoweredExt", "lsFrameInset", "lsFrameOffset", "lsWindowBorder",
                      "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised", "lsDoubleLowered"})});
    using S = TUtlSimpleBevel;
    RegisterClass<S>(
        "TUtlSimpleBevel", "",
        {IntProp<S>("Width", &S::Width, &S::SetWidth, 2),
         EnumProp<S>("Style", &S::Style, &S::SetStyle, sbNormal, {"sbNormal", "sbInset", "sbOffset"}),
         ColorProp<S>("Color", &S::Color, &S::SetColor, clBlack),
         ColorProp<S>("LightColor", &S::LightColor, &S::SetLightColor, clBtnHighlight),
         ColorProp<S>("ShadowColor", &S::ShadowColor, &S::SetShadowColor, clBtnShadow)});
}

void RegisterFills() {
    using G = TUtlGradient;
    RegisterClass<G>(
        "TUtlGradient", "",
        {IntProp<G>("ColorCount", &G::ColorCount, &G::SetColorCount, 16),
         ColorProp<G>("Color", &G::Color, &G::SetColor, clBlue),
         ColorProp<G>("EndColor", &G::EndColor, &G::SetEndColor, clBlack),
         BoolProp<G>("PaletteRealize", &G::PaletteRealize, &G::SetPaletteRealize, 0),
         EnumProp<G>("Style", &G::Style, &G::SetStyle, gstVertical,
                     {"gstHorizontal", "gstVertical", "gstSquare", "gstElliptic", "gstTopLeft", "gstTopRight",
                      "gstBottomLeft", "gstBottomRight", "gstTopLeftDiagonal", "gstTopRightDiagonal"}),
         BoolProp<G>("TwoColors", &G::TwoColors, &G::SetTwoColors, 1)});
    const std::vector<String> fillStyles = {"sfNone",   "sfBrushBitmap", "sfBrush",
                                            "sfBitmap", "sfBitmapList",  "sfGradient"};
    using F = TUtlShapeFill;
    RegisterClass<F>("TUtlShapeFill", "",
                     {ObjectProp<F>("Bitmap", &F::Bitmap),
                      EnumProp<F>("Style", &F::Style, &F::SetStyle, sfBrush, fillStyles),
                      ObjectProp<F>("Gradient", &F::Gradient),
                      EnumProp<F>("TileMode", &F::TileMode, &F::SetTileMode, tmTile,
                                  {"tmNone", "tmCenter", "tmStretch", "tmTile"})});
    using O = TUtlFillObject;
    RegisterClass<O>("TUtlFillObject", "TUtlShapeFill",
                     {EnumProp<O>("Alignment", &O::Alignment, &O::SetAlignment, agTopLeft, AlignmentNames),
                      IntProp<O>("OffsetX", &O::OffsetX, &O::SetOffsetX, 0),
                      IntProp<O>("OffsetY", &O::OffsetY, &O::SetOffsetY, 0),
                      ObjectProp<O>("Brush", &O::Brush),
                      SetProp<O>("Options", &O::Options, &O::SetOptions,
                                 TUtlFillOptions{foFillInner, foGrUseBitmap}.Bits(),
                                 {"foFillInner", "foQuickDraw", "foGrUseBitmap"}),
                      EnumProp<O>("Style", &O::Style, &O::SetStyle, sfNone, fillStyles)});
    using A = TUtlAlphaObject;
    RegisterClass<A>("TUtlAlphaObject", "",
                     {ImageListProp<A>(), FloatProp<A>("Strength", &A::Strength, &A::SetStrength, 0.6),
                      IntProp<A>("ImageIndex", &A::ImageIndex, &A::SetImageIndex, 0),
                      IntProp<A>("ListIndex", &A::ListIndex, &A::SetListIndex, 0),
                      ObjectProp<A>("FillObject", &A::FillObject)});
    using E = TUtlBitmapEffectObject;
    auto flag = [](Integer Index, const char* Name) {
        return BoolProp<E>(
            Name, [Index](E* e) { return e->GetBool(Index); },
            [Index](E* e, bool v) { e->SetBool(Index, v); }, 0);
    };
    RegisterClass<E>("TUtlBitmapEffectObject", "",
                     {ObjectProp<E>("AlphaBlend", &E::AlphaBlend), flag(3, "Invert"), flag(4, "Buffered"),
                      flag(2, "GrayScale"), flag(0, "FlipVertical"), flag(1, "FlipHorizontal"),
                      IntProp<E>("Brightness", &E::Brightness, &E::SetBrightness, 0)});
}

void RegisterShapes() {
    using S = TUtlShadow;
    RegisterClass<S>("TUtlShadow", "",
                     {ColorProp<S>("Color", &S::Color, &S::SetColor, clBtnShadow),
                      IntProp<S>("Depth", &S::Depth, &S::SetDepth, 6),
                      EnumProp<S>("Style", &S::Style, &S::SetStyle, hssSolid, ShadowStyleNames)});
    RegisterClass<TUtlRgnShadow>("TUtlRgnShadow", "TUtlShadow",
                                 {EnumProp<S>("Style", &S::Style, &S::SetStyle, hssNone, ShadowStyleNames)});
    using P = TUtlShape;
    RegisterClass<P>(
        "TUtlShape", "",
        {ObjectProp<P>("Bevel", &P::Bevel), ObjectProp<P>("Brush", &P::Brush),
         IntProp<P>("RoundPercent", &P::RoundPercent, &P::SetRoundPercent, 33),
         ObjectProp<P>("Shadow", &P::Shadow),
         EnumProp<P>("Shape", &P::Shape, &P::SetShape, stRectangle,
                     {"stEllipse", "stRectangle", "stRoundRect", "stDirectUp", "stDirectRight",
                      "stDirectDown", "stDirectLeft", "stDiamond", "stComb", "stOctagon", "stStar"}),
         BoolProp<P>("Square", &P::Square, &P::SetSquare, 0)});
    using T = TUtlTeeth;
    RegisterClass<T>("TUtlTeeth", "",
                     {IntProp<T>("Count", &T::Count, &T::SetCount, 10),
                      EnumProp<T>("Direction", &T::Direction, &T::SetDirection, tdRight,
                                  {"tdRight", "tdDown", "tdLeft", "tdUp"}),
                      IntProp<T>(
                          "Height", &T::Height, [](T* t, Integer v) { t->SetInteger(1, v); }, 0),
                      BoolProp<T>(
                          "Offset", &T::Offset, [](T* t, bool v) { t->SetBoolean(0, v); }, 1),
                      BoolProp<T>(
                          "SetPerCount", &T::SetPerCount, [](T* t, bool v) { t->SetBoolean(1, v); }, 1),
                      IntProp<T>(
                          "Width", &T::Width, [](T* t, Integer v) { t->SetInteger(0, v); }, 10)});
}

void RegisterRegions() {
    using B = TUtlRegionBorder;
    RegisterClass<B>("TUtlRegionBorder", "",
                     {EnumProp<B>("Style", &B::Style, &B::SetStyle, rbSingle,
                                  {"rbNone", "rbLowered", "rbRaised", "rbSingle", "rbSingleRaised",
                                   "rbSingleLowered", "rbRaisedpsb", "rbLoweredpsb"}),
                      ColorProp<B>("LightColor", &B::LightColor, &B::SetLightColor, clBtnHighlight),
                      ColorProp<B>("ShadowColor", &B::ShadowColor, &B::SetShadowColor, clBtnShadow),
                      ColorProp<B>("SingleColor", &B::SingleColor, &B::SetSingleColor, clBlack)});
    // Points travel as the region's own "PointList" property.
    using R = TUtlRegion;
    RegisterClass<R>("TUtlRegion", "",
                     {EnumProp<R>("Shape", &R::Shape, &R::SetShape, rsRoundRect,
                                  {"rsRect", "rsRoundRect", "rsBitmap", "rsNoseRect", "rsRoundNoseRect",
                                   "rsElliptic", "rsStar", "rsRoundShield", "rsSharpShield", "rsDiamond",
                                   "rsOctagon", "rsComb", "rsHalfRound", "rsUserRegion", "rsThinkBubble",
                                   "rsRoundThinkBubble", "rsEllipticThinkBubble", "rsPointList"}),
                      EnumProp<R>("ExtPos", &R::ExtPos, &R::SetExtPos, epLeftTop,
                                  {"epLeftTop", "epTopLeft", "epTopRight", "epRightTop", "epRightBottom",
                                   "epBottomRight", "epBottomLeft", "epLeftBottom"}),
                      ObjectProp<R>("Mask", &R::Mask), IntProp<R>("RoundX", &R::RoundX, &R::SetRoundX, 20),
                      IntProp<R>("RoundY", &R::RoundY, &R::SetRoundY, 20),
                      ObjectProp<R>("Shadow", &R::Shadow)});
    RegisterClass<TUtlBorderRegion>("TUtlBorderRegion", "TUtlRegion", {ObjectProp<R>("Border", &R::Border)});
}

void RegisterCaptionsAndLayouts() {
    using C = TUtl3DCaption;
    RegisterClass<C>(
        "TUtl3DCaption", "",
        {EnumProp<C>("DisabledStyle", &C::DisabledStyle, &C::SetDisabledStyle, dsAuto,
                     {"dsAuto", "dsStandard", "ds3d", "dsNone"}),
         IntProp<C>("LightDepth", &C::LightDepth, &C::SetLightDepth, 1),
         IntProp<C>("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth, 1),
         ColorProp<C>("LightColor", &C::LightColor, &C::SetLightColor, clBtnHighlight),
         EnumProp<C>("Orientation", &C::Orientation, &C::SetOrientation, toTopLeft,
                     {"toBottomLeft", "toBottomRight", "toTopLeft", "toTopRight"}),
         ColorProp<C>("ShadowColor", &C::ShadowColor, &C::SetShadowColor, clBtnShadow),
         EnumProp<C>("Style", &C::Style, &C::SetStyle, tdNone,
                     {"tdNone", "tdSunken", "tdRaised", "tdSunkenShadow", "tdRaisedShadow", "tdPColorSunken",
                      "tdPColorRaised", "tdShadow", "tdOutline", "tdExtrude", "tdExtrudeEnh"}),
         IntProp<C>("Tracing", &C::Tracing, &C::SetTracing, 0)});
    using X = TUtlFxCaption;
    RegisterClass<X>("TUtlFxCaption", "TUtl3DCaption",
                     {IntProp<X>("Angle", &X::Angle, &X::SetAngle, 0),
                      IntProp<X>("PosX", &X::PosX, &X::SetPosX, 0),
                      IntProp<X>("PosY", &X::PosY, &X::SetPosY, 0)});
    using L = TUtlGlyphTextLayout;
    RegisterClass<L>("TUtlGlyphTextLayout", "",
                     {EnumProp<L>("Alignment", &L::Alignment, &L::SetAlignment, agTopLeft, AlignmentNames),
                      EnumProp<L>("AlignText2Glyph", &L::AlignText2Glyph, &L::SetAlignText2Glyph, taRight,
                                  {"taLeft", "taLeftTop", "taRight", "taRightTop", "taTop", "taTopLeft",
                                   "taBottom", "taBottomLeft"}),
                      IntProp<L>("OffsetX", &L::OffsetX, &L::SetOffsetX, 0),
                      IntProp<L>("OffsetY", &L::OffsetY, &L::SetOffsetY, 0),
                      IntProp<L>("Spacing", &L::Spacing, &L::SetSpacing, 2)});
    using B = TUtlButtonLayout;
    RegisterClass<B>("TUtlButtonLayout", "TUtlGlyphTextLayout",
                     {EnumProp<L>("Alignment", &L::Alignment, &L::SetAlignment, agCenter, AlignmentNames),
                      BoolProp<B>("Arrow", &B::Arrow, &B::SetArrow, 0),
                      ColorProp<B>("ArrowColor", &B::ArrowColor, &B::SetArrowColor, clBlack),
                      IntProp<B>("ArrowIndent", &B::ArrowIndent, &B::SetArrowIndent, 3),
                      EnumProp<B>("ArrowPosition", &B::ArrowPosition, &B::SetArrowPosition, apRightText,
                                  {"apRightText", "apLeftText", "apRightGlyph", "apLeftGlyph"}),
                      IntProp<B>("ArrowSize", &B::ArrowSize, &B::SetArrowSize, 3)});
}

void RegisterComponents() {
    using R = TUtlRadioButton;
    auto flag = [](Integer Index, const char* Name, bool (R::*Get)() const, Int64 Default) {
        return BoolProp<R>(
            Name, Get, [Index](R* r, bool v) { r->SetBool(Index, v); }, Default);
    };
    // Ctl3D is written only once the control no longer takes its parent's.
    auto ownCtl3D = [](TObject* o) { return !static_cast<TWinControl*>(o)->ParentCtl3D(); };
    RegisterClass<R>("TUtlRadioButton", "TControl",
                     {StrProp<R>("About", &R::About, &R::SetAbout), ObjectProp<R>("Alignment", &R::Alignment),
                      flag(0, "AutoSize", &R::AutoSize, 0),
                      StoredWhen(BoolProp<R>("Checked", &R::Checked, &R::SetChecked, 0),
                                 [](TObject* o) {
                                     const TActionLink* link = static_cast<R*>(o)->ActionLink();
                                     return !link || !link->IsCheckedLinked();
                                 }),
                      ColorProp<R>("Color", &R::Color, &R::SetColor, clBtnFace),
                      StoredWhen(BoolProp<R>("Ctl3D", &R::Ctl3D, &R::SetCtl3D, NoDefault), ownCtl3D),
                      BoolProp<R>("Enabled", &R::Enabled, &R::SetEnabled, 1),
                      BoolProp<R>("Flat", &R::Flat, &R::SetFlat, 0),
                      ColorProp<R>("FocusColor", &R::FocusColor, &R::SetFocusColor, clGray),
                      EnumProp<R>("FocusStyle", &R::FocusStyle, &R::SetFocusStyle, fcText,
                                  {"fcControl", "fcText", "fcGlyph", "fcGlyphText", "fcNone"}),
                      StoredWhen(ObjectProp<R>("Font", &R::Font),
                                 [](TObject* o) { return !static_cast<R*>(o)->ParentFont(); }),
                      ObjectProp<R>("Font3D", &R::Font3D),
                      flag(1, "GlyphTransparent", &R::GlyphTransparent, 1),
                      ColorProp<R>("GlyphTransparentColor", &R::GlyphTransparentColor,
                                   &R::SetGlyphTransparentColor, clOlive),
                      flag(2, "GlyphFlat", &R::GlyphFlat, 0),
                      IntProp<R>("GlyphSize", &R::GlyphSize, &R::SetGlyphSize, 13), ImageListProp<R>(),
                      IntProp<R>(
                          "ImageIndex", &R::ImageIndex, [](R* r, Integer v) { r->SetIndex(0, v); }, 0),
                      IntProp<R>(
                          "ListIndex", &R::ListIndex, [](R* r, Integer v) { r->SetIndex(1, v); }, 0),
                      // The button brings its own colour: a new one has no parent colour.
                      BoolProp<R>("ParentColor", &R::ParentColor, &R::SetParentColor, 0),
                      BoolProp<R>("ParentCtl3D", &R::ParentCtl3D, &R::SetParentCtl3D, 1),
                      BoolProp<R>("ParentFont", &R::ParentFont, &R::SetParentFont, 1),
                      BoolProp<R>("ReadOnly", &R::ReadOnly, &R::SetReadOnly, 0),
                      BoolProp<R>("Transparent", &R::Transparent, &R::SetTransparent, 0),
                      BoolProp<R>("UseBitmap", &R::UseBitmap, &R::SetUseBitmap, 0),
                      BoolProp<R>("UseFocusColor", &R::UseFocusColor, &R::SetUseFocusColor, 0)});
    // BorderStyle is published read-only: nothing to stream. The colour is
    // written once the box no longer takes its parent's.
    using B = TUtlCustomScrollBox;
    RegisterClass<B>("TUtlCustomScrollBox", "TControl",
                     {StrProp<B>("About", &B::About, &B::SetAbout),
                      EnumProp<B>("Align", &B::Align, &B::SetAlign, alNone,
                                  {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}),
                      SetProp<B>("Anchors", &B::Anchors, &B::SetAnchors, TAnchors{akLeft, akTop}.Bits(),
                                 {"akLeft", "akTop", "akRight", "akBottom"}),
                      StoredWhen(ColorProp<B>("Color", &B::Color, &B::SetColor, NoDefault),
                                 [](TObject* o) { return !static_cast<B*>(o)->ParentColor(); }),
                      StoredWhen(BoolProp<B>("Ctl3D", &B::Ctl3D, &B::SetCtl3D, NoDefault), ownCtl3D),
                      BoolProp<B>("ParentColor", &B::ParentColor, &B::SetParentColor, 1),
                      BoolProp<B>("ParentCtl3D", &B::ParentCtl3D, &B::SetParentCtl3D, 1),
                      RefProp<B>("PopupMenu", &B::PopupMenu, &B::SetPopupMenu),
                      IntProp<B>("TabOrder", &B::TabOrder, &B::SetTabOrder, -1),
                      BoolProp<B>("TabStop", &B::TabStop, &B::SetTabStop, 0)});
    using F = TUtlFormShape;
    RegisterClass<F>("TUtlFormShape", "",
                     {StrProp<F>("About", &F::About, &F::SetAbout),
                      BoolProp<F>("Enabled", &F::Enabled, &F::SetEnabled, 1),
                      ObjectProp<F>("Region", &F::Region),
                      BoolProp<F>("ShowFormCaption", &F::ShowFormCaption, &F::SetShowFormCaption, 1),
                      BoolProp<F>("FormDragable", &F::FormDragable, &F::SetFormDragable, 1),
                      BoolProp<F>("UseRgnBitmap", &F::UseRgnBitmap, &F::SetUseRgnBitmap, 1),
                      ObjectProp<F>("FillObject", &F::FillObject), ImageListProp<F>(),
                      IntProp<F>("ListIndex", &F::ListIndex, &F::SetListIndex, 0),
                      IntProp<F>("ImageIndex", &F::ImageIndex, &F::SetImageIndex, 0)});
}

void RegisterServices() {
    // The year and the month go first: read in the published order (day,
    // month, year), a 29 February of a leap year would meet 1990's February
    // on the way and be refused.
    using D = TUtlDateTime;
    RegisterClass<D>("TUtlDateTime", "",
                     {IntProp<D>("Year", &D::Year, &D::SetYear, 1990),
                      IntProp<D>("Month", &D::Month, &D::SetMonth, 1),
                      IntProp<D>("Day", &D::Day, &D::SetDay, 1), IntProp<D>("Hour", &D::Hour, &D::SetHour, 0),
                      IntProp<D>("Minute", &D::Minute, &D::SetMinute, 0),
                      IntProp<D>("Second", &D::Second, &D::SetSecond, 0)});
    using P = TUtlTimerPool;
    RegisterClass<P>("TUtlTimerPool", "",
                     {StrProp<P>("About", &P::About, &P::SetAbout),
                      IntProp<P>("MinInterval", &P::MinInterval, &P::SetInterval, 1000),
                      EventProp("OnTimer")});
    using S = TUtlStarter;
    RegisterClass<S>("TUtlStarter", "",
                     {StrProp<S>("About", &S::About, &S::SetAbout),
                      EnumProp<S>("StartOperation", &S::StartOperation, &S::SetStartOperation, smOpen,
                                  {"smOpen", "smPrint", "smExplore", "smEdit", "smProperties"}),
                      EnumProp<S>("StartOption", &S::StartOption, &S::SetStartOption, soSW_SHOW,
                                  {"soSW_HIDE", "soSW_MAXIMIZE", "soSW_MINIMIZE", "soSW_RESTORE", "soSW_SHOW",
                                   "soSW_SHOWMAXIMIZED", "soSW_SHOWMINIMIZED", "soSW_SHOWMINNOACTIVE",
                                   "soSW_SHOWNA", "soSW_SHOWNORMAL"}),
                      StrProp<S>("Command", &S::Command, &S::SetCommand),
                      StrProp<S>("Parameters", &S::Parameters, &S::SetParameters),
                      StrProp<S>("DefaultDir", &S::DefaultDir, &S::SetDefaultDir),
                      BoolProp<S>("AutoStart", &S::AutoStart, &S::SetAutoStart, 0),
                      ObjectProp<S>("StartTime", &S::StartTime),
                      BoolProp<S>("Wait", &S::Wait, &S::SetWait, 0), EventProp("OnBeforeStart"),
                      EventProp("OnAfterStart"), EventProp("OnError"), EventProp("OnFinished")});
}

} // namespace

void RegisterProperties() {
    static const bool registered = [] {
        ui::RegisterControlProperties();
        RegisterBevels();
        RegisterFills();
        RegisterShapes();
        RegisterRegions();
        RegisterCaptionsAndLayouts();
        RegisterComponents();
        RegisterServices();
        return true;
    }();
    (void)registered;
}

} // namespace utl
