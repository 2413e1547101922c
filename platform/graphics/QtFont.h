#pragma once
// For the painting, window and printer layers: turning a font state into a Qt
// font, and the GUI application object that fonts need.
#include "platform/graphics/TextMeasurer.h"

class QFont;
class QFontMetrics;

namespace graphics {

// Creates a QGuiApplication when no application object exists yet. A program
// that wants a full widget application must create it before drawing text.
void EnsureGuiApplication();

// The installed face for the font's name, its pixel size from Height,
// styles, no antialiasing; character extra spacing as letter spacing.
// Fonts are built once per description and kept: looking faces up is slow.
const QFont& ToQFont(const FontState& font, Integer charExtra = 0);
// The metrics of ToQFont(font), kept the same way.
const QFontMetrics& FontMetricsOf(const FontState& font);
// Pixels by which the marks of accented capitals (Ő, Ű, Á) reach above the
// ascent of the font these metrics describe (TextMetrics::AccentRise).
int AccentRise(const QFontMetrics& metrics);

} // namespace graphics
