#pragma once
// The office's two looks of the styled speed buttons: light (toolbars, filter
// strips) and dark (navigation columns), in the house colours. The application's
// forms set them; the control library's tests render them.
#include "platform/graphics/TColor.h"

class TgxExtSpeedButton;

namespace looks {

inline constexpr TColor LightButtonColor = 14868705; // pale grey
inline constexpr TColor HouseBlue = 8271404;         // the dark blue of text and frames
inline constexpr TColor DarkButtonHover = 9261143;
inline constexpr TColor DarkButtonActiveColor = 14089726;
inline constexpr TColor PushedButtonColor = 16118772;

// Font "MS Sans Serif" height -11, bevel inner raised (lowered while pushed), outer
// none, no default style, no modal result.
void ApplyLightLook(TgxExtSpeedButton* Button);
void ApplyDarkLook(TgxExtSpeedButton* Button);

} // namespace looks
