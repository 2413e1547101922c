#include "platform/graphics/TRichDocument.h"

#include "platform/core/CodePages.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/detail/QtFont.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextPlacement.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>

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

struct TRichDocument::Impl {
    QTextDocument Doc;
    QImage Device;
    Impl() : Device(1, 1, QImage::Format_RGB32) {
        graphics::EnsureGuiApplication();
        // The 96-dpi reference device: the same layout wherever it is drawn.
        Device.setDotsPerMeterX(3780);
        Device.setDotsPerMeterY(3780);
        Doc.documentLayout()->setPaintDevice(&Device);
        Doc.setDocumentMargin(0);
        QTextOption option = Doc.defaultTextOption();
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        Doc.setDefaultTextOption(option);
        Doc.setUndoRedoEnabled(false);
        Detach();
    }

    struct Line {
        Integer Start = 0; // first position
        Integer Next = 0;  // first position of the following line
        double Top = 0, Bottom = 0, Ascent = 0;
        // The lowest bottom of this line and all before it: what a fit measures.
        double Reach = 0;
        QTextBlock Block;
        int Index = 0; // within the block's layout
    };
    // Every line of the document laid out LaidWidth pixels wide; empty with
    // LaidWidth -1 after a change. Fit and Draw page through a long text many
    // times: the layout is made once for a width and kept until the text changes.
    std::vector<Line> Table;
    Integer LaidWidth = -1;
    Integer Revision = 0;

    // With no page size the toolkit lays nothing out as the text changes: a
    // load or a run of replacements costs no layout until one is asked for.
    void Detach() {
        ++Revision;
        Table.clear();
        LaidWidth = -1;
        if (!Doc.pageSize().isNull()) Doc.setPageSize(QSizeF(0, 0));
    }

    const std::vector<Line>& LaidOut(Integer Width) {
        if (LaidWidth == Width) return Table;
        Table.clear();
        Doc.setTextWidth(Width);
        // The toolkit lays a long text out in steps behind a timer: finish it now.
        (void)Doc.documentLayout()->documentSize();
        double reach = 0;
        for (QTextBlock b = Doc.begin(); b.isValid(); b = b.next()) {
            QTextLayout* layout = b.layout();
            if (!layout) continue;
            const double base = layout->position().y();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine tl = layout->lineAt(i);
                Line l;
                l.Start = b.position() + tl.textStart();
                l.Next = l.Start + tl.textLength() + (i + 1 == layout->lineCount() ? 1 : 0);
                l.Top = base + tl.y();
                l.Bottom = l.Top + tl.height();
                l.Ascent = tl.ascent();
                reach = std::max(reach, l.Bottom);
                l.Reach = reach;
                l.Block = b;
                l.Index = i;
                Table.push_back(l);
            }
        }
        LaidWidth = Width;
        return Table;
    }

    // The lines [First, Last) from the one holding From that fit in Height at
    // Width, and the top they are measured from.
    struct Span {
        std::size_t First = 0, Last = 0;
        double Top = 0;
    };
    Span Lines(Integer From, Integer Width, Integer Height, bool AtLeastOne) {
        const std::vector<Line>& table = LaidOut(Width);
        Span span;
        span.First =
            static_cast<std::size_t>(std::partition_point(table.begin(), table.end(),
                                                          [From](const Line& l) { return l.Next <= From; }) -
                                     table.begin());
        span.Last = span.First;
        if (span.First == table.size()) return span;
        span.Top = From == 0 ? 0 : table[span.First].Top;
        const double limit = span.Top + Height + 1e-6;
        span.Last = static_cast<std::size_t>(
            std::partition_point(table.begin() + static_cast<std::ptrdiff_t>(span.First), table.end(),
                                 [limit](const Line& l) { return l.Reach <= limit; }) -
            table.begin());
        if (span.Last == span.First && AtLeastOne) ++span.Last;
        return span;
    }
};

namespace {

// The runs of one paragraph, found once for all its lines on a page.
struct BlockRuns {
    struct Run {
        Integer Start = 0, End = 0;
        QTextCharFormat Format;
        QString Text;
    };
    int Block = -1;
    std::vector<Run> Runs;

    const std::vector<Run>& Of(const QTextBlock& b) {
        if (b.blockNumber() == Block) return Runs;
        Block = b.blockNumber();
        Runs.clear();
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            Runs.push_back(
                {frag.position(), frag.position() + frag.length(), frag.charFormat(), frag.text()});
        }
        return Runs;
    }
};

} // namespace

TRichDocument::TRichDocument() : FImpl(std::make_unique<Impl>()) {}

TRichDocument::~TRichDocument() = default;

void TRichDocument::Clear() {
    FImpl->Detach();
    FImpl->Doc.clear();
}

void TRichDocument::Load(std::string_view Bytes) {
    FImpl->Detach();
    FImpl->Doc.clear();
    // One change for the whole text, not one per run.
    QTextCursor batch(&FImpl->Doc);
    batch.beginEditBlock();
    core::ScopeExit done([&] { batch.endEditBlock(); });
    Builder builder(FImpl->Doc);
    rtf::ReadRtf(Bytes, builder);
}

std::string TRichDocument::SaveToRtf() const {
    return SaveToRtf(0, Length());
}

std::string TRichDocument::SaveToRtf(Integer From, Integer To) const {
    QTextDocument& doc = FImpl->Doc;
    From = std::clamp(From, 0, Length());
    To = std::clamp(To, From, Length());
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
    if (To > From)
        for (QTextBlock b = doc.findBlock(From); b.isValid() && b.position() < To; b = b.next()) {
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

Integer TRichDocument::Revision() const {
    return FImpl->Revision;
}

Integer TRichDocument::Length() const {
    return std::max(0, FImpl->Doc.characterCount() - 1);
}

Integer TRichDocument::LineCount() const {
    return FImpl->Doc.blockCount();
}

String TRichDocument::Line(Integer Index) const {
    return FImpl->Doc.findBlockByNumber(Index).text().toStdString();
}

Integer TRichDocument::LineStart(Integer Index) const {
    const QTextBlock b = FImpl->Doc.findBlockByNumber(Index);
    return b.isValid() ? b.position() : Length();
}

Integer TRichDocument::LineAt(Integer Pos) const {
    const QTextBlock b = FImpl->Doc.findBlock(std::clamp(Pos, 0, Length()));
    return b.isValid() ? b.blockNumber() : LineCount() - 1;
}

void TRichDocument::Replace(Integer Start, Integer Count, const String& Text) {
    const Integer length = Length();
    Start = std::clamp(Start, 0, length);
    Count = std::clamp(Count, 0, length - Start);
    FImpl->Detach();
    QTextCursor c(&FImpl->Doc);
    c.setPosition(Count > 0 ? Start + 1 : Start);
    const QTextCharFormat format = c.charFormat();
    c.setPosition(Start);
    c.setPosition(Start + Count, QTextCursor::KeepAnchor);
    QString text = QString::fromStdString(Text);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty())
        c.removeSelectedText();
    else
        c.insertText(text, format);
}

void TRichDocument::Delete(Integer Start, Integer Count) {
    Replace(Start, Count, String());
}

rtf::CharFormat TRichDocument::CharFormatAt(Integer Pos) const {
    QTextCursor c(&FImpl->Doc);
    c.setPosition(std::clamp(Pos + 1, 0, Length()));
    return FromQt(c.charFormat());
}

rtf::ParaFormat TRichDocument::ParaFormatOf(Integer Index) const {
    return FromQt(FImpl->Doc.findBlockByNumber(Index).blockFormat());
}

Integer TRichDocument::Fit(Integer From, Integer Width, Integer Height, bool AtLeastOneLine) const {
    if (From >= Length()) return Length();
    const Impl::Span span = FImpl->Lines(From, Width, Height, AtLeastOneLine);
    if (span.Last == span.First) return From;
    return std::min(FImpl->Table[span.Last - 1].Next, Length());
}

Integer TRichDocument::Draw(TCanvas* Canvas, Integer From, Integer Width, Integer Height, TPoint Origin,
                            double ScaleX, double ScaleY) const {
    if (From >= Length()) return Length();
    const Impl::Span span = FImpl->Lines(From, Width, Height, false);
    if (span.Last == span.First) return From;
    Canvas->Brush()->SetStyle(bsClear);
    BlockRuns runs;
    for (std::size_t n = span.First; n < span.Last; ++n) {
        const Impl::Line& line = FImpl->Table[n];
        const QTextLine textLine = line.Block.layout()->lineAt(line.Index);
        const double baseline = line.Top - span.Top + line.Ascent;
        const double left = line.Block.layout()->position().x();
        const auto& all = runs.Of(line.Block);
        auto run = std::partition_point(all.begin(), all.end(),
                                        [&line](const BlockRuns::Run& r) { return r.End <= line.Start; });
        for (; run != all.end() && run->Start < line.Next; ++run) {
            const Integer from = std::max(run->Start, line.Start), to = std::min(run->End, line.Next);
            if (from >= to) continue;
            const rtf::CharFormat f = FromQt(run->Format);
            const graphics::FontState font = FontOf(f, ScaleY);
            Canvas->Font()->SetName(font.Name);
            Canvas->Font()->SetHeight(font.Height);
            Canvas->Font()->SetStyle(font.Style);
            Canvas->Font()->SetColor(f.AutoColor ? clBlack : f.Color);
            Canvas->Brush()->SetStyle(bsClear);
            const Integer ascent = Canvas->Measurer().Metrics(Canvas->Font()->State()).Ascent;
            const Integer y = Origin.Y + static_cast<Integer>(std::lround(baseline * ScaleY)) - ascent;
            // Word by word, each at its laid-out place: alignment and
            // justification hold at any scale.
            const QString text = run->Text.mid(from - run->Start, to - from);
            qsizetype k = 0;
            while (k < text.size()) {
                while (k < text.size() && (text[k].isSpace() || text[k] == QChar::LineSeparator))
                    ++k;
                qsizetype e = k;
                while (e < text.size() && !text[e].isSpace() && text[e] != QChar::LineSeparator)
                    ++e;
                if (e > k) {
                    const int at = int(from - line.Block.position() + k);
                    auto scaledX = [&](int pos) {
                        return static_cast<Integer>(std::lround((left + textLine.cursorToX(pos)) * ScaleX));
                    };
                    const Integer x0 = scaledX(at), x1 = scaledX(at + int(e - k));
                    graphics::TextOutSpanning(Canvas, Origin.X + x0, y, text.mid(k, e - k).toStdString(),
                                              x1 - x0, nullptr);
                }
                k = e;
            }
        }
    }
    return std::min(FImpl->Table[span.Last - 1].Next, Length());
}
