#include "platform/ui/ControlProperties.h"

#include "platform/graphics/GraphicsProperties.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TCustomAction.h"
#include "platform/ui/TSpeedButton.h"

#include <map>
#include <memory>

namespace ui {

std::optional<TRect> DefaultBounds(const TControl* Control) {
    static std::map<String, std::optional<TRect>> known;
    const String name = Control->ClassName();
    if (const auto it = known.find(name); it != known.end()) return it->second;
    std::unique_ptr<TPersistent> fresh(CreateRegisteredClass(name, nullptr));
    const auto* made = dynamic_cast<const TControl*>(fresh.get());
    return known[name] = made ? std::optional<TRect>(made->BoundsRect()) : std::nullopt;
}

namespace {

// Geometry differs from what a new control of the class has.
template <class G> std::function<bool(TObject*)> Moved(G Side) {
    return [Side](TObject* o) {
        auto* c = static_cast<TControl*>(o);
        const std::optional<TRect> fresh = DefaultBounds(c);
        return !fresh || Side(c->BoundsRect()) != Side(*fresh);
    };
}

// Not written while the control's action supplies it.
std::function<bool(TObject*)> Unlinked(bool (TActionLink::*Linked)() const) {
    return [Linked](TObject* o) {
        const TActionLink* link = static_cast<TControl*>(o)->ActionLink();
        return !link || !(link->*Linked)();
    };
}

} // namespace

void RegisterControlProperties() {
    static const bool registered = [] {
        graphics::RegisterGraphicsProperties();
        RegisterClass<TControl>(
            "TControl", "",
            {
                StoredWhen(IntProp<TControl>("Left", &TControl::Left, &TControl::SetLeft),
                           Moved([](const TRect& r) { return r.Left; })),
                StoredWhen(IntProp<TControl>("Top", &TControl::Top, &TControl::SetTop),
                           Moved([](const TRect& r) { return r.Top; })),
                StoredWhen(IntProp<TControl>("Width", &TControl::Width, &TControl::SetWidth),
                           Moved([](const TRect& r) { return r.Width(); })),
                StoredWhen(IntProp<TControl>("Height", &TControl::Height, &TControl::SetHeight),
                           Moved([](const TRect& r) { return r.Height(); })),
                RefProp<TControl>("Action", &TControl::Action, &TControl::SetAction),
                StoredWhen(StrProp<TControl>("Caption", &TControl::Caption, &TControl::SetCaption),
                           Unlinked(&TActionLink::IsCaptionLinked)),
                StoredWhen(BoolProp<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled, 1),
                           Unlinked(&TActionLink::IsEnabledLinked)),
                StoredWhen(ObjectProp<TControl>("Font", &TControl::Font),
                           [](TObject* o) { return !static_cast<TControl*>(o)->ParentFont(); }),
                StoredWhen(StrProp<TControl>("Hint", &TControl::Hint, &TControl::SetHint),
                           Unlinked(&TActionLink::IsHintLinked)),
                BoolProp<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, 1),
                BoolProp<TControl>("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint,
                                   1),
                BoolProp<TControl>("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, 0),
                StoredWhen(BoolProp<TControl>("Visible", &TControl::Visible, &TControl::SetVisible, 1),
                           Unlinked(&TActionLink::IsVisibleLinked)),
            });
        using S = TSpeedButton;
        RegisterClass<S>("TSpeedButton", "TControl",
                         {BoolProp<S>("AllowAllUp", &S::AllowAllUp, &S::SetAllowAllUp, 0),
                          IntProp<S>("GroupIndex", &S::GroupIndex, &S::SetGroupIndex, 0),
                          BoolProp<S>("Down", &S::Down, &S::SetDown, 0),
                          BoolProp<S>("Flat", &S::Flat, &S::SetFlat, 0), ObjectProp<S>("Glyph", &S::Glyph),
                          EnumProp<S>("Layout", &S::Layout, &S::SetLayout, blGlyphLeft,
                                      {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}),
                          IntProp<S>("Margin", &S::Margin, &S::SetMargin, -1),
                          IntProp<S>("NumGlyphs", &S::NumGlyphs, &S::SetNumGlyphs, 1),
                          IntProp<S>("Spacing", &S::Spacing, &S::SetSpacing, 4),
                          BoolProp<S>("Transparent", &S::Transparent, &S::SetTransparent, 1)});
        using A = TCustomAction;
        RegisterClass<TAction>("TAction", "",
                               {StrProp<A>("Caption", &A::Caption, &A::SetCaption),
                                BoolProp<A>("Checked", &A::Checked, &A::SetChecked, 0),
                                BoolProp<A>("Enabled", &A::Enabled, &A::SetEnabled, 1),
                                StrProp<A>("Hint", &A::Hint, &A::SetHint),
                                IntProp<A>("ImageIndex", &A::ImageIndex, &A::SetImageIndex, -1),
                                BoolProp<A>("Visible", &A::Visible, &A::SetVisible, 1)});
        return true;
    }();
    (void)registered;
}

} // namespace ui
