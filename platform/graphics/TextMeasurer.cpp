#include "platform/graphics/TextMeasurer.h"

#include "platform/core/Utf8.h"
#include "platform/graphics/FontFaces.h"
#include "platform/graphics/QtFont.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>

#include <cmath>

namespace graphics {

Integer FixedTextMeasurer::TextWidth(const FontState&, const String& text) {
    return Integer(core::Utf8Length(text)) * FCharWidth;
}

TextMetrics FixedTextMeasurer::Metrics(const FontState&) {
    TextMetrics m;
    m.Height = FLineHeight;
    m.Ascent = FAscent;
    m.Descent = FLineHeight - FAscent;
    m.AveCharWidth = FCharWidth;
    return m;
}

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "velmora";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

QFont ToQFont(const FontState& font, Integer charExtra) {
    EnsureGuiApplication();
    QFont f(QString::fromStdString(ResolveFontFace(font.Name)));
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setBold(font.Style.Contains(fsBold));
    f.setItalic(font.Style.Contains(fsItalic));
    f.setUnderline(font.Style.Contains(fsUnderline));
    f.setStrikeOut(font.Style.Contains(fsStrikeOut));
    if (font.Pitch == fpFixed) f.setFixedPitch(true);
    if (font.Height < 0) {
        f.setPixelSize(-font.Height);
    } else if (font.Height > 0) {
        // A positive height is the whole cell: scale the em so ascent + descent fits it.
        f.setPixelSize(font.Height);
        QFontMetrics m(f);
        const int cell = m.ascent() + m.descent();
        if (cell > 0) f.setPixelSize(std::max(1, int(std::lround(double(font.Height) * font.Height / cell))));
    } else {
        f.setPixelSize(11);  // height 0: the default size
    }
    if (charExtra != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, charExtra);
    return f;
}

namespace {

class QtTextMeasurer : public TextMeasurer {
public:
    Integer TextWidth(const FontState& font, const String& text) override {
        QFontMetrics m(ToQFont(font));
        return m.horizontalAdvance(QString::fromStdString(text));
    }
    TextMetrics Metrics(const FontState& font) override {
        QFont f = ToQFont(font);
        QFontMetrics m(f);
        TextMetrics t;
        t.Ascent = m.ascent();
        t.Descent = m.descent();
        t.Height = t.Ascent + t.Descent;
        t.InternalLeading = std::max(0, t.Height - f.pixelSize());
        t.ExternalLeading = std::max(0, m.leading());
        t.AveCharWidth = m.averageCharWidth();
        return t;
    }
};

} // namespace

TextMeasurer& DefaultTextMeasurer() {
    static QtTextMeasurer measurer;
    return measurer;
}

} // namespace graphics
