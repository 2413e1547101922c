#include "platform/graphics/RichTextQt.h"

#include "platform/core/CodePages.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/QtFont.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace graphics::rich {

namespace {

// Properties of the formats that keep what RTF said, so it is written back as read.
enum : int {
    pFontName = QTextFormat::UserProperty,
    pHalfPoints,
    pAutoColor,
    pAlign,
    pLeft,
    pRight,
    pFirst,
    pBefore,
    pAfter,
    pSpacing,
    pMultiple,
    pTabs
};

constexpr double kTwipsPerPixel = 15.0; // 1440 / 96

Integer PixelHeight(Integer halfPoints, double scale) {
    return static_cast<Integer>(Round(halfPoints / 2.0 * 96.0 / 72.0 * scale));
}

} // namespace

graphics::FontState FontOf(const rtf::CharFormat& f, double scale) {
    graphics::FontState s;
    s.Name = f.FontName;
    s.Height = -std::max<Integer>(1, PixelHeight(f.HalfPoints, scale));
    if (f.Bold) s.Style.Include(fsBold);
    if (f.Italic) s.Style.Include(fsItalic);
    if (f.Underline) s.Style.Include(fsUnderline);
    if (f.StrikeOut) s.Style.Include(fsStrikeOut);
    s.Color = f.Color;
    return s;
}

QTextCharFormat ToQt(const rtf::CharFormat& f) {
    QTextCharFormat q;
    q.setFont(graphics::ToQFont(FontOf(f, 1.0)));
    q.setProperty(pFontName, QString::fromStdString(f.FontName));
    q.setProperty(pHalfPoints, f.HalfPoints);
    q.setProperty(pAutoColor, f.AutoColor);
    q.setForeground(QColor(f.Color & 0xFF, (f.Color >> 8) & 0xFF, (f.Color >> 16) & 0xFF));
    return q;
}

rtf::CharFormat FromQt(const QTextCharFormat& q) {
    rtf::CharFormat f;
    if (q.hasProperty(pFontName)) f.FontName = q.stringProperty(pFontName).toStdString();
    if (q.hasProperty(pHalfPoints)) f.HalfPoints = q.intProperty(pHalfPoints);
    f.AutoColor = !q.hasProperty(pAutoColor) || q.boolProperty(pAutoColor);
    const QColor c = q.foreground().color();
    f.Color = f.AutoColor ? clBlack : static_cast<TColor>(c.red() | (c.green() << 8) | (c.blue() << 16));
    const QFont font = q.font();
    f.Bold = font.bold();
    f.Italic = font.italic();
    f.Underline = font.underline();
    f.StrikeOut = font.strikeOut();
    return f;
}

QTextBlockFormat ToQt(const rtf::ParaFormat& p) {
    QTextBlockFormat q;
    static const Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify};
    q.setAlignment(kAlign[p.Align & 3]);
    q.setLeftMargin(p.LeftIndent / kTwipsPerPixel);
    q.setRightMargin(p.RightIndent / kTwipsPerPixel);
    q.setTextIndent(p.FirstIndent / kTwipsPerPixel);
    q.setTopMargin(p.SpaceBefore / kTwipsPerPixel);
    q.setBottomMargin(p.SpaceAfter / kTwipsPerPixel);
    if (p.LineSpacing != 0) {
        if (p.LineMultiple)
            q.setLineHeight(std::abs(p.LineSpacing) * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (p.LineSpacing > 0)
            q.setLineHeight(p.LineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
        else
            q.setLineHeight(-p.LineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    }
    QList<QTextOption::Tab> tabs;
    QList<QVariant> stored;
    for (const Integer t : p.Tabs) {
        tabs.append(QTextOption::Tab(t / kTwipsPerPixel, QTextOption::LeftTab));
        stored.append(t);
    }
    q.setTabPositions(tabs);
    q.setProperty(pAlign, int(p.Align));
    q.setProperty(pLeft, p.LeftIndent);
    q.setProperty(pRight, p.RightIndent);
    q.setProperty(pFirst, p.FirstIndent);
    q.setProperty(pBefore, p.SpaceBefore);
    q.setProperty(pAfter, p.SpaceAfter);
    q.setProperty(pSpacing, p.LineSpacing);
    q.setProperty(pMultiple, p.LineMultiple);
    q.setProperty(pTabs, stored);
    return q;
}

rtf::ParaFormat FromQt(const QTextBlockFormat& q) {
    rtf::ParaFormat p;
    if (!q.hasProperty(pAlign)) return p;
    p.Align = static_cast<rtf::Alignment>(q.intProperty(pAlign) & 3);
    p.LeftIndent = q.intProperty(pLeft);
    p.RightIndent = q.intProperty(pRight);
    p.FirstIndent = q.intProperty(pFirst);
    p.SpaceBefore = q.intProperty(pBefore);
    p.SpaceAfter = q.intProperty(pAfter);
    p.LineSpacing = q.intProperty(pSpacing);
    p.LineMultiple = q.boolProperty(pMultiple);
    for (const QVariant& v : q.property(pTabs).toList())
        p.Tabs.push_back(v.toInt());
    return p;
}

namespace {

// Builds the document from what the reader hands over.
class Builder : public rtf::Sink {
public:
    explicit Builder(QTextDocument& doc) : FCursor(&doc) {}
    void Text(const String& Text, const rtf::CharFormat& Format) override {
        Open();
        FCursor.insertText(QString::fromStdString(Text), ToQt(Format));
    }
    void EndParagraph(const rtf::ParaFormat& Format) override {
        Open();
        FCursor.setBlockFormat(ToQt(Format));
        FOpen = false;
    }

private:
    void Open() {
        if (FOpen) return;
        if (!FFirst) FCursor.insertBlock();
        FFirst = false;
        FOpen = true;
    }
    QTextCursor FCursor;
    bool FFirst = true;
    bool FOpen = false;
};

void AppendEscaped(std::string& out, const std::u32string& text) {
    for (const char32_t c : text) {
        if (c == U'\\' || c == U'{' || c == U'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == U'\t') {
            out += "\\tab ";
        } else if (c == 0x2028) {
            out += "\\line ";
        } else if (c == 0xA0) {
            out += "\\~";
        } else if (c >= 0x20 && c < 0x80) {
            out += static_cast<char>(c);
        } else {
            const int b = CharToCodePageByte(c, CP_WINDOWS_1250);
            if (b >= 0x80 && c >= 0x20) {
                static const char* hex = "0123456789abcdef";
                out += "\\'";
                out += hex[b >> 4];
                out += hex[b & 15];
            } else if (c <= 0xFFFF) {
                out += "\\u" + std::to_string(c >= 0x8000 ? Integer(c) - 65536 : Integer(c)) + "?";
            } else {
                const char32_t v = c - 0x10000;
                for (const char32_t u : {char32_t(0xD800 + (v >> 10)), char32_t(0xDC00 + (v & 0x3FF))})
                    out += "\\u" + std::to_string(Integer(u) - 65536) + "?";
            }
        }
    }
}

} // namespace

std::string WriteRtf(const QTextDocument& doc, Integer From, Integer To) {
    const Integer length = std::max(0, doc.characterCount() - 1);
    From = std::clamp(From, 0, length);
    To = std::clamp(To, From, length);
    std::vector<String> fonts{"Arial"};
    std::vector<TColor> colors;
    auto fontIndex = [&](const String& name) {
        auto it = std::find(fonts.begin(), fonts.end(), name);
        if (it == fonts.end()) it = fonts.insert(fonts.end(), name);
        return it - fonts.begin();
    };
    auto colorIndex = [&](TColor c) {
        auto it = std::find(colors.begin(), colors.end(), c);
        if (it == colors.end()) it = colors.insert(colors.end(), c);
        return it - colors.begin() + 1;
    };
    std::string body;
    // An empty last paragraph starts where the text ends: a range up to the end writes it too.
    const bool toEnd = To == length;
    if (To > From)
        for (QTextBlock b = doc.findBlock(From); b.isValid() && (b.position() < To || toEnd); b = b.next()) {
            const rtf::ParaFormat p = FromQt(b.blockFormat());
            body += "\\pard";
            static const char* kAlign[] = {"", "\\qr", "\\qc", "\\qj"};
            body += kAlign[p.Align & 3];
            auto num = [&](const char* w, Integer v) {
                if (v != 0) body += std::string(w) + std::to_string(v);
            };
            num("\\li", p.LeftIndent);
            num("\\ri", p.RightIndent);
            num("\\fi", p.FirstIndent);
            num("\\sb", p.SpaceBefore);
            num("\\sa", p.SpaceAfter);
            num("\\sl", p.LineSpacing);
            if (p.LineMultiple) body += "\\slmult1";
            for (const Integer t : p.Tabs)
                body += "\\tx" + std::to_string(t);
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment frag = it.fragment();
                const Integer start = std::max(From, frag.position());
                const Integer end = std::min(To, frag.position() + frag.length());
                if (start >= end) continue;
                const rtf::CharFormat f = FromQt(frag.charFormat());
                body += "\\plain\\f" + std::to_string(fontIndex(f.FontName)) + "\\fs" +
                        std::to_string(f.HalfPoints);
                if (!f.AutoColor) body += "\\cf" + std::to_string(colorIndex(f.Color));
                if (f.Bold) body += "\\b";
                if (f.Italic) body += "\\i";
                if (f.Underline) body += "\\ul";
                if (f.StrikeOut) body += "\\strike";
                body += ' ';
                AppendEscaped(body, core::Utf8ToU32(
                                        frag.text().mid(start - frag.position(), end - start).toStdString()));
            }
            body += "\\par\r\n";
        }
    std::string out = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl";
    for (std::size_t k = 0; k < fonts.size(); ++k) {
        out += "{\\f" + std::to_string(k) + "\\fnil\\fcharset238 ";
        AppendEscaped(out, core::Utf8ToU32(fonts[k]));
        out += ";}";
    }
    out += "}\r\n";
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (const TColor c : colors)
            out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) +
                   "\\blue" + std::to_string((c >> 16) & 0xFF) + ";";
        out += "}\r\n";
    }
    out += "\\uc1" + body + "}";
    return out;
}

void ReadRtf(QTextDocument& Doc, std::string_view Bytes) {
    Doc.clear();
    // One change for the whole text, not one per run.
    QTextCursor batch(&Doc);
    batch.beginEditBlock();
    core::ScopeExit done([&] { batch.endEditBlock(); });
    Builder builder(Doc);
    rtf::ReadRtf(Bytes, builder);
}

} // namespace graphics::rich
