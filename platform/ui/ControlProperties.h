#pragma once
// Form-resource streaming of TControl: the published properties every control
// shares, registered once for the classes whose own tables name TControl as
// their parent.
#include "platform/core/TypInfo.h"
#include "platform/graphics/TRect.h"

#include <optional>

class TControl;

namespace ui {

// Registers TControl: Left, Top, Width, Height (each written only when it
// differs from a new control of the same class), Action (by name), Caption,
// Enabled (True), Font (written only without ParentFont), Hint, ParentFont
// (True), ParentShowHint (True), ShowHint (False), Visible (True); Caption,
// Enabled, Hint and Visible are not written while the action supplies them.
// Also TSpeedButton: AllowAllUp (False), GroupIndex (0), Down (False), Flat
// (False), Glyph, Layout (blGlyphLeft), Margin (-1), NumGlyphs (1), Spacing
// (4), Transparent (True); and TAction: Caption, Checked (False), Enabled (True), Hint, ImageIndex
// (-1), Visible (True). Idempotent.
void RegisterControlProperties();

// The bounds a new control of Control's registered class starts with; none
// when its class cannot be made by name (its geometry is then always written).
std::optional<TRect> DefaultBounds(const TControl* Control);

} // namespace ui
