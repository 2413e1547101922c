#include "platform/graphics/TRichDocument.h"

#include "platform/core/ScopeExit.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/detail/LongWordLayout.h"
#include "platform/graphics/QtFont.h"
#include "platform/graphics/RichTextQt.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextPlacement.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>

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
    // The paragraphs with a long word (LongWordLayout.h), by number, with the
    // places where their lines may end; found once for each revision.
    std::map<int, std::vector<int>> LongWords;
    Integer LongWordsRevision = -1;

    // With no page size the toolkit lays nothing out as the text changes: a
    // load or a run of replacements costs no layout until one is asked for.
    void Detach() {
        ++Revision;
        Table.clear();
        LaidWidth = -1;
        if (!Doc.pageSize().isNull()) Doc.setPageSize(QSizeF(0, 0));
    }

    // The document's layout takes each paragraph with a long word as unbroken
    // lines; the mark is a layout setting that no written text carries.
    void MarkLongWords() {
        if (LongWordsRevision == Revision) return;
        LongWords.clear();
        for (QTextBlock b = Doc.begin(); b.isValid(); b = b.next()) {
            std::vector<int> breaks = graphics::rich::LongWordBreaks(b);
            const bool marked = !breaks.empty();
            if (b.blockFormat().nonBreakableLines() != marked) {
                QTextBlockFormat format = b.blockFormat();
                format.setNonBreakableLines(marked);
                QTextCursor(b).setBlockFormat(format);
            }
            if (marked) LongWords.emplace(b.blockNumber(), std::move(breaks));
        }
        LongWordsRevision = Revision;
    }

    const std::vector<Line>& LaidOut(Integer Width) {
        if (LaidWidth == Width) return Table;
        Table.clear();
        MarkLongWords();
        Doc.setTextWidth(Width);
        // The toolkit lays a long text out in steps behind a timer: finish it now.
        (void)Doc.documentLayout()->documentSize();
        double reach = 0, shift = 0;
        for (QTextBlock b = Doc.begin(); b.isValid(); b = b.next()) {
            QTextLayout* layout = b.layout();
            if (!layout) continue;
            // A paragraph with a long word, broken into its lines here, pushes
            // down the ones the document's layout placed below it.
            const auto longWords = LongWords.find(b.blockNumber());
            const double grown = longWords == LongWords.end()
                                     ? 0
                                     : graphics::rich::LayOutLongWords(b, Width, longWords->second);
            const double base = layout->position().y() + shift;
            shift += grown;
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
    graphics::rich::ReadRtf(FImpl->Doc, Bytes);
}

std::string TRichDocument::SaveToRtf() const {
    return SaveToRtf(0, Length());
}

std::string TRichDocument::SaveToRtf(Integer From, Integer To) const {
    return graphics::rich::WriteRtf(FImpl->Doc, From, To);
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
    // As one change: a cursor moved outside one lays its paragraph out to know
    // where it stands, which in a long paragraph costs the paragraph's length.
    c.beginEditBlock();
    const core::ScopeExit done([&c] { c.endEditBlock(); });
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
    return graphics::rich::FromQt(c.charFormat());
}

rtf::ParaFormat TRichDocument::ParaFormatOf(Integer Index) const {
    return graphics::rich::FromQt(FImpl->Doc.findBlockByNumber(Index).blockFormat());
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
            const rtf::CharFormat f = graphics::rich::FromQt(run->Format);
            const graphics::FontState font = graphics::rich::FontOf(f, ScaleY);
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
