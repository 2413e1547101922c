#include "controls/buttons/GxColors.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace {

TColor Shift(TColor Color, int N) {
    const TColor c = ColorToRGB(Color);
    auto channel = [N](int v) { return Byte(std::clamp(v + N, 0, 255)); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

} // namespace

TColor IncColor(TColor Color, Byte N) {
    return Shift(Color, N);
}

TColor DecColor(TColor Color, Byte N) {
    return Shift(Color, -int(N));
}

void ChangeBitmapColor(TBitmap* Bitmap, TColor FromColor, TColor ToColor) {
    if (!Bitmap || (Bitmap->Width() == 0 && Bitmap->Height() == 0)) return;
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    graphics::PixelBuffer pixels = Bitmap->Pixels(Rect(0, 0, Bitmap->Width(), Bitmap->Height()));
    for (TColor& p : pixels.Pixels)
        if ((p & 0xFFFFFF) == from) p = to;
    Bitmap->PutPixels(0, 0, pixels);
}
