#pragma once
// Text measurement behind a small interface, so that layout code (word wrap,
// ellipsis, alignment) can be tested with fixed metrics instead of real fonts.
#include "platform/core/Types.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFontStyles.h"

#include <vector>

namespace graphics {

// What a canvas knows about its selected font when it draws or measures.
struct FontState {
    String Name = "MS Sans Serif";
    Integer Height = -11; // negative: character height in pixels; positive: cell height
    TFontStyles Style;
    TColor Color = clWindowText;
    Byte Charset = 1;
    TFontPitch Pitch = fpDefault;
    Integer Orientation = 0; // escapement in tenths of a degree, counter-clockwise
};

struct TextMetrics {
    Integer Height = 0; // ascent + descent: the line step of DrawText
    Integer Ascent = 0;
    Integer Descent = 0;
    Integer InternalLeading = 0;
    Integer ExternalLeading = 0;
    Integer AveCharWidth = 0;
    // Pixels by which the marks of accented capitals (Ő, Ű, Á) reach above
    // Ascent at this size: text drawn from a control's top edge needs this
    // much room above its line, or "Ő" shows as "Ö".
    Integer AccentRise = 0;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Advance width of text in pixels, without character extra spacing.
    virtual Integer TextWidth(const FontState& font, const String& text) = 0;
    virtual TextMetrics Metrics(const FontState& font) = 0;
    // Where each character of text ends, in pixels from its start, as the font lays
    // the whole text out (kerning and fractional advances included); the last is
    // TextWidth(text). Each is rounded once, so the differences add up to the width.
    // Here from the widths of the text's beginnings.
    virtual std::vector<Integer> CharEnds(const FontState& font, const String& text);
};

// Every character CharWidth pixels wide, every line LineHeight high: for tests
// of text layout, independent of installed fonts.
class FixedTextMeasurer : public TextMeasurer {
public:
    explicit FixedTextMeasurer(Integer charWidth = 6, Integer lineHeight = 13, Integer ascent = 11)
        : FCharWidth(charWidth), FLineHeight(lineHeight), FAscent(ascent) {}
    Integer TextWidth(const FontState& font, const String& text) override;
    TextMetrics Metrics(const FontState& font) override;

private:
    Integer FCharWidth;
    Integer FLineHeight;
    Integer FAscent;
};

// While one lives, the real-font measurer keeps the widths of far more texts (up to about
// a million a face), so that measuring a text again, as a report's second pass does for
// every line of its first, costs a look-up; the last one to go trims the memory back.
class TextWidthHold {
public:
    TextWidthHold();
    ~TextWidthHold();
    TextWidthHold(const TextWidthHold&) = delete;
    TextWidthHold& operator=(const TextWidthHold&) = delete;
};

// Real fonts through the face table (FontFaces.h); needs the GUI application
// object, which it creates on first use when none exists.
TextMeasurer& DefaultTextMeasurer();

} // namespace graphics
