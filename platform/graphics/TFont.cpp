#include "platform/graphics/TFont.h"

#include "platform/graphics/SystemMetrics.h"

#include <limits>
#include <typeinfo>

namespace {

// -v, with the one value that has no negative (the lowest) kept at the highest.
Integer Negated(Integer v) {
    return v == std::numeric_limits<Integer>::min() ? std::numeric_limits<Integer>::max() : -v;
}

} // namespace

void TFont::Assign(TPersistent* Source) {
    // A font is mostly assigned a plain font: its exact type spares the cast's search.
    auto* f = Source && typeid(*Source) == typeid(TFont) ? static_cast<TFont*>(Source)
                                                         : dynamic_cast<TFont*>(Source);
    if (f) {
        if (f == this) return;
        FState = f->FState;
        // A font of a device of another resolution (a printer's canvas) keeps
        // its resolution and takes the point size, so text prints at its size.
        if (FPixelsPerInch != f->FPixelsPerInch)
            FState.Height = Negated(MulDiv(f->Size(), FPixelsPerInch, 72));
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetName(const String& v) {
    // An empty name would leave the backend guessing; the platform ignores it too.
    if (v.empty() || v == FState.Name) return;
    FState.Name = v;
    Changed();
}

Integer TFont::Size() const {
    return Negated(MulDiv(FState.Height, 72, FPixelsPerInch));
}

void TFont::SetSize(Integer v) {
    SetHeight(Negated(MulDiv(v, FPixelsPerInch, 72)));
}

void TFont::SetHeight(Integer v) {
    if (v == FState.Height) return;
    FState.Height = v;
    Changed();
}

void TFont::SetStyle(TFontStyles v) {
    if (v == FState.Style) return;
    FState.Style = v;
    Changed();
}

void TFont::SetColor(TColor v) {
    if (v == FState.Color) return;
    FState.Color = v;
    Changed();
}

void TFont::SetCharset(TFontCharset v) {
    if (v == FState.Charset) return;
    FState.Charset = v;
    Changed();
}

void TFont::SetPitch(TFontPitch v) {
    if (v == FState.Pitch) return;
    FState.Pitch = v;
    Changed();
}

void TFont::SetOrientation(Integer v) {
    if (v == FState.Orientation) return;
    FState.Orientation = v;
    Changed();
}
