#include "platform/graphics/detail/LongWordLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace graphics::rich {

namespace {

Integer limit = 1000;

// The document's layout keeps lengths in 64ths of a pixel, cut toward zero.
int Fixed(qreal v) {
    return static_cast<int>(v * 64);
}

qreal Real(int v) {
    return v / 64.0;
}

// What a line adds below it, where its bottom reaches and how far it is
// raised, in 64ths, by the paragraph's line spacing.
struct Spacing {
    int Advance = 0, Bottom = 0, Raise = 0;
};

Spacing SpacingOf(const QTextBlockFormat& f, const QTextLine& line, qreal scaling) {
    Spacing s;
    s.Advance = Fixed(f.lineHeight(qCeil(line.ascent() + line.descent() + line.leading()), scaling));
    s.Bottom = Fixed(f.lineHeight(line.height(), scaling));
    if (f.lineHeightType() == QTextBlockFormat::FixedHeight)
        s.Raise = Fixed(line.ascent() + qMax(line.leading(), qreal(0))) - s.Advance * 4 / 5;
    else if (f.lineHeightType() == QTextBlockFormat::MinimumHeight)
        s.Raise = Fixed(line.height()) - s.Advance;
    return s;
}

// How far below its top the lines of Layout end, in 64ths.
int Extent(const QTextLayout& layout, const QTextBlockFormat& f, qreal scaling) {
    int y = 0, bottom = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const Spacing s = SpacingOf(f, layout.lineAt(i), scaling);
        bottom = y + s.Bottom;
        y += s.Advance;
    }
    return std::max(y, bottom);
}

} // namespace

Integer LongWordLimit() {
    return limit;
}

Integer SetLongWordLimit(Integer Limit) {
    return std::exchange(limit, Limit);
}

std::vector<int> LongWordBreaks(const QTextBlock& Block) {
    const QString text = Block.text();
    const int n = static_cast<int>(text.size());
    if (n <= limit) return {};
    // The toolkit ends a word before a blank that is no no-break space, an
    // object, the text's end or a line-break opportunity of the Unicode rules,
    // which the finder knows too.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    std::vector<int> breaks;
    int last = 0, widest = 0;
    for (int p = 1; p <= n; ++p) {
        const QChar c = p < n ? text[p] : QChar();
        finder.setPosition(p);
        const bool ends = p == n || (c.isSpace() && c.decompositionTag() != QChar::NoBreak) ||
                          c == QChar::ObjectReplacementCharacter || finder.isAtBoundary();
        if (!ends) continue;
        widest = std::max(widest, p - last);
        last = p;
        breaks.push_back(p);
    }
    if (widest <= limit) return {};
    return breaks;
}

double LayOutLongWords(const QTextBlock& Block, Integer Width, const std::vector<int>& Breaks) {
    QTextLayout* layout = Block.layout();
    const QTextBlockFormat format = Block.blockFormat();
    const QPaintDevice* device = Block.document()->documentLayout()->paintDevice();
    const qreal scaling = device && device->logicalDpiY() != 96 ? device->logicalDpiY() / 96.0 : 1;
    const int before = Extent(*layout, format, scaling);
    QTextOption option = layout->textOption();
    auto wrap = [&](QTextOption::WrapMode mode) {
        if (option.wrapMode() == mode) return;
        option.setWrapMode(mode);
        layout->setTextOption(option);
    };
    // How far from From the first word of a line beginning there reaches.
    auto firstWord = [&Breaks](int From) {
        const auto next = std::upper_bound(Breaks.begin(), Breaks.end(), From);
        return next == Breaks.end() ? 0 : *next - From;
    };
    // The room between the margins, the first line's indented, as the document's layout takes it.
    const int width = Fixed(Width);
    const int left = std::max(0, Fixed(format.leftMargin()));
    const int right = std::min(width, width - Fixed(format.rightMargin()));
    const int indent = Fixed(format.textIndent());
    const bool leftToRight = option.textDirection() != Qt::RightToLeft;
    const int top = Fixed(layout->position().y());
    int y = top, bottom = 0;
    bool first = true, wordsOnly = false;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        int from = left, to = right;
        if (first && leftToRight)
            from += indent;
        else if (first)
            to -= indent;
        first = false;
        const qreal room = Real(to - from);
        if (wordsOnly) {
            wrap(QTextOption::WordWrap);
        } else if (firstWord(line.textStart()) <= limit) {
            wrap(QTextOption::WrapAtWordBoundaryOrAnywhere);
        } else {
            // The toolkit would measure the whole word, find that it does not
            // fit, and break it anywhere: the last step alone does the same.
            wrap(QTextOption::WrapAnywhere);
        }
        line.setLineWidth(room);
        // Not even one character fits: the document's layout lets the line
        // be as wide as it is and breaks the rest of the paragraph by words only.
        if (Fixed(line.naturalTextWidth()) > to - from) {
            wrap(QTextOption::WrapAnywhere);
            line.setLineWidth(std::max(line.naturalTextWidth(), room));
            wordsOnly = true;
        }
        const Spacing s = SpacingOf(format, line, scaling);
        line.setPosition(QPointF(Real(from), Real(y - top - s.Raise)));
        bottom = y + s.Bottom;
        y += s.Advance;
    }
    layout->endLayout();
    return Real(std::max(y, bottom) - top - before);
}

} // namespace graphics::rich
