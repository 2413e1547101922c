#include "platform/graphics/TextMeasurer.h"

#include "platform/core/BlockIndex.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/FontFaces.h"
#include "platform/graphics/QtFont.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>
#include <map>
#include <tuple>

// The system font library keeps its configuration caches until the process
// ends; the leak checker of sanitizer builds is told so. Weak, so that another
// part of the program may supply a fuller list.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace graphics {

std::vector<Integer> TextMeasurer::CharEnds(const FontState& font, const String& text) {
    std::vector<Integer> ends;
    std::size_t at = 0;
    for (const char32_t c : core::Utf8ToU32(text)) {
        at += core::U32ToUtf8(std::u32string(1, c)).size();
        ends.push_back(TextWidth(font, text.substr(0, at)));
    }
    return ends;
}

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

namespace {

QFont BuildQFont(const FontState& font, Integer charExtra) {
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
        f.setPixelSize(11); // height 0: the default size
    }
    if (charExtra != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, charExtra);
    return f;
}

using FontKey = std::tuple<String, Integer, std::uint64_t, Byte, int, Integer>;

FontKey KeyOf(const FontState& font, Integer charExtra) {
    // Colour and orientation do not change the face; the painter applies them.
    return {font.Name, font.Height, font.Style.Bits(), font.Charset, int(font.Pitch), charExtra};
}

} // namespace

const QFont& ToQFont(const FontState& font, Integer charExtra) {
    EnsureGuiApplication();
    static std::map<FontKey, QFont> cache;
    const FontKey key = KeyOf(font, charExtra);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, BuildQFont(font, charExtra)).first;
    return it->second;
}

const QFontMetrics& FontMetricsOf(const FontState& font) {
    static std::map<FontKey, QFontMetrics> cache;
    const FontKey key = KeyOf(font, 0);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, QFontMetrics(ToQFont(font))).first;
    return it->second;
}

int AccentRise(const QFontMetrics& metrics) {
    const QRect marks = metrics.tightBoundingRect(QStringLiteral(u"ÁÉÍÓÖŐÚÜŰ"));
    return std::max(0, -marks.top() - metrics.ascent());
}

namespace {

int WidthHolds = 0;

// The widths of one face's texts, in the shared block memory and hash index.
class WidthTable {
public:
    std::size_t Size() const { return FEntries.size(); }

    // The width remembered for Text, or -1.
    Integer Find(const String& Text, std::uint64_t Hash) const {
        for (std::size_t slot = FSlots.First(Hash); FSlots.At(slot) != 0; slot = FSlots.Next(slot)) {
            const Entry& e = FEntries[FSlots.At(slot) - 1];
            if (e.Hash == Hash && e.Size == Text.size() && std::memcmp(e.Text, Text.data(), Text.size()) == 0)
                return e.Width;
        }
        return -1;
    }

    // Remembers a width that Find did not know.
    void Add(const String& Text, std::uint64_t Hash, Integer Width) {
        if (Text.size() > UINT32_MAX) return;
        char* at = FBytes.Take(Text.size());
        std::memcpy(at, Text.data(), Text.size());
        FEntries.push_back({Hash, at, static_cast<std::uint32_t>(Text.size()), Width});
        FSlots.Put(FSlots.FreeSlot(Hash), static_cast<std::uint32_t>(FEntries.size() - 1), FEntries.size(),
                   [this](std::size_t k) { return FEntries[k].Hash; });
    }

    // Forgets every text, keeping the room made for them when Keep says so.
    void Clear(bool Keep) {
        if (Keep)
            FEntries.clear();
        else
            std::vector<Entry>().swap(FEntries);
        FSlots.Clear(Keep);
        FBytes.Clear(Keep);
    }

private:
    struct Entry {
        std::uint64_t Hash;
        const char* Text;
        std::uint32_t Size;
        Integer Width;
    };

    std::vector<Entry> FEntries;
    core::HashSlots FSlots;
    core::ByteBlocks FBytes{std::size_t{256} << 10};
};

bool SameFace(const FontKey& Key, const FontState& Font) {
    return std::get<1>(Key) == Font.Height && std::get<2>(Key) == Font.Style.Bits() &&
           std::get<3>(Key) == Font.Charset && std::get<4>(Key) == int(Font.Pitch) && std::get<5>(Key) == 0 &&
           std::get<0>(Key) == Font.Name;
}

class QtTextMeasurer : public TextMeasurer {
public:
    // Shaping a text costs far more than looking it up: a report measures every line
    // it lays out at least twice, and the same names, dates and titles recur on every
    // page. The widths of a face are kept until a few thousand texts are (many more
    // under a TextWidthHold).
    Integer TextWidth(const FontState& font, const String& text) override {
        if (!FLastWidths || !SameFace(FLastKey, font)) {
            FLastKey = KeyOf(font, 0);
            FLastWidths = &FWidths[FLastKey];
        }
        const std::uint64_t hash = std::hash<std::string_view>()(text);
        const Integer known = FLastWidths->Find(text, hash);
        if (known >= 0) return known;
        if (FLastWidths->Size() >= (WidthHolds > 0 ? HeldWidths : KeptWidths)) FLastWidths->Clear(true);
        const Integer width = FontMetricsOf(font).horizontalAdvance(QString::fromStdString(text));
        // A negative advance is no width to remember: Find's answer for none.
        if (width >= 0) FLastWidths->Add(text, hash, width);
        return width;
    }
    // One layout of the whole text, read at every character's end.
    std::vector<Integer> CharEnds(const FontState& font, const String& text) override {
        const QString qs = QString::fromStdString(text);
        QTextLayout layout(qs, ToQFont(font));
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        std::vector<Integer> ends;
        int at = 0;
        for (const char32_t c : core::Utf8ToU32(text)) {
            at += c > 0xFFFF ? 2 : 1;
            ends.push_back(line.isValid() ? Integer(std::lround(line.cursorToX(at))) : 0);
        }
        // The text's own width has the last word, so that the ends agree with it.
        if (!ends.empty()) ends.back() = TextWidth(font, text);
        return ends;
    }
    TextMetrics Metrics(const FontState& font) override {
        const FontKey key = KeyOf(font, 0);
        auto it = FCache.find(key);
        if (it == FCache.end()) it = FCache.emplace(key, Compute(font)).first;
        return it->second;
    }

    // Drops the faces' memories that grew beyond the usual size.
    void Trim() {
        for (auto& [key, widths] : FWidths)
            if (widths.Size() > KeptWidths) widths.Clear(false);
    }

private:
    static TextMetrics Compute(const FontState& font) {
        const QFont& f = ToQFont(font);
        const QFontMetrics& m = FontMetricsOf(font);
        TextMetrics t;
        t.Ascent = m.ascent();
        t.Descent = m.descent();
        t.Height = t.Ascent + t.Descent;
        t.InternalLeading = std::max(0, t.Height - f.pixelSize());
        t.ExternalLeading = std::max(0, m.leading());
        t.AveCharWidth = m.averageCharWidth();
        t.AccentRise = AccentRise(m);
        return t;
    }

    static constexpr std::size_t KeptWidths = 4096;
    static constexpr std::size_t HeldWidths = std::size_t{1} << 20;

    std::map<FontKey, TextMetrics> FCache;
    std::map<FontKey, WidthTable> FWidths;
    WidthTable* FLastWidths = nullptr;
    FontKey FLastKey;
};

QtTextMeasurer& Measurer() {
    static QtTextMeasurer measurer;
    return measurer;
}

} // namespace

TextMeasurer& DefaultTextMeasurer() {
    return Measurer();
}

TextWidthHold::TextWidthHold() {
    ++WidthHolds;
}

TextWidthHold::~TextWidthHold() {
    if (--WidthHolds == 0) Measurer().Trim();
}

} // namespace graphics
