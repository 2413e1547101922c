#include "platform/graphics/TRichDocument.h"

#include "platform/core/ScopeExit.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/detail/LongWordLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kTwoParagraphs = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 Arial;}}"
                                   "{\\colortbl ;\\red0\\green0\\blue255;}"
                                   "\\pard\\qc\\fs20 Els\\'f5 \\b f\\'e9lk\\'f6v\\'e9r\\b0\\par"
                                   "\\pard\\qj\\li300\\tx720\\cf1\\i m\\'e1sodik\\tab sor\\par}";

std::string Words(int n) {
    std::string s = "{\\rtf1\\fs20 ";
    for (int k = 0; k < n; ++k)
        s += "word" + std::to_string(k) + " ";
    return s + "}";
}

} // namespace

TEST(RichDocument, LinesPositionsAndFormats) {
    TRichDocument doc;
    doc.Load(kTwoParagraphs);
    ASSERT_EQ(doc.LineCount(), 2);
    EXPECT_EQ(doc.Line(0), "Első félkövér");
    EXPECT_EQ(doc.Line(1), "második\tsor");
    EXPECT_EQ(doc.LineStart(1), 14); // 13 characters and the paragraph end
    EXPECT_EQ(doc.Length(), 14 + 11);
    EXPECT_EQ(doc.LineAt(14), 1);
    EXPECT_FALSE(doc.CharFormatAt(0).Bold);
    EXPECT_TRUE(doc.CharFormatAt(5).Bold);
    EXPECT_EQ(doc.CharFormatAt(15).Color, clBlue);
    EXPECT_EQ(doc.ParaFormatOf(0).Align, rtf::alCenter);
    EXPECT_EQ(doc.ParaFormatOf(1).LeftIndent, 300);
}

TEST(RichDocument, WrittenRtfReadsBackTheSame) {
    TRichDocument doc, again;
    doc.Load(kTwoParagraphs);
    const std::string rtf = doc.SaveToRtf();
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1250", 0), 0u);
    EXPECT_NE(rtf.find("Els\\'f5"), std::string::npos);
    again.Load(rtf);
    ASSERT_EQ(again.LineCount(), 2);
    EXPECT_EQ(again.Line(0), doc.Line(0));
    EXPECT_EQ(again.Line(1), doc.Line(1));
    for (Integer p = 0; p < doc.Length(); ++p)
        EXPECT_EQ(again.CharFormatAt(p), doc.CharFormatAt(p)) << p;
    EXPECT_EQ(again.ParaFormatOf(1), doc.ParaFormatOf(1));
    EXPECT_EQ(again.SaveToRtf(), rtf);
    // Characters outside the code page travel as \u escapes.
    doc.Load("{\\rtf1 \\u1046?\\u8364?}");
    again.Load(doc.SaveToRtf());
    EXPECT_EQ(again.Line(0), "Ж€");
}

TEST(RichDocument, EmptyDocument) {
    TRichDocument doc;
    doc.Load("");
    EXPECT_EQ(doc.Length(), 0);
    TRichDocument again;
    again.Load(doc.SaveToRtf());
    EXPECT_EQ(again.Length(), 0);
    EXPECT_EQ(doc.Fit(0, 100, 0), 0);
}

TEST(RichDocument, ReplaceTakesTheFormatOfTheFirstReplacedCharacter) {
    TRichDocument doc;
    doc.Load("{\\rtf1 Name: \\b [PNAME]\\b0  end}");
    doc.Replace(6, 7, "Kovács\r\nÖdön");
    ASSERT_EQ(doc.LineCount(), 2);
    EXPECT_EQ(doc.Line(0), "Name: Kovács");
    EXPECT_EQ(doc.Line(1), "Ödön end");
    EXPECT_TRUE(doc.CharFormatAt(6).Bold);
    EXPECT_TRUE(doc.CharFormatAt(doc.LineStart(1)).Bold);
    EXPECT_FALSE(doc.CharFormatAt(0).Bold);
    doc.Delete(0, 6);
    EXPECT_EQ(doc.Line(0), "Kovács");
}

TEST(RichDocument, FitTakesWholeLinesAndAtLeastOneWhenAsked) {
    TRichDocument doc;
    doc.Load(Words(60));
    const Integer all = doc.Fit(0, 200, 100000);
    EXPECT_EQ(all, doc.Length());
    const Integer first = doc.Fit(0, 200, 40);
    EXPECT_GT(first, 0);
    EXPECT_LT(first, doc.Length());
    EXPECT_EQ(doc.Fit(0, 200, 1), 0);          // not even one line
    EXPECT_GT(doc.Fit(0, 200, 1, true), 0);    // one line after all
    EXPECT_GT(doc.Fit(first, 200, 40), first); // the rest goes on from there
    EXPECT_EQ(doc.Fit(doc.Length(), 200, 0), doc.Length());
}

TEST(RichDocument, ALongDocumentIsLaidOutToItsEndAndAgainAfterAChange) {
    TRichDocument doc;
    std::string rtf = "{\\rtf1\\fs20 ";
    for (int k = 0; k < 3000; ++k)
        rtf += "sor " + std::to_string(k) + "\\par ";
    doc.Load(rtf + "}");
    // Page by page to the last paragraph, no page empty.
    auto pages = [&doc] {
        int n = 0;
        for (Integer from = 0, next; from < doc.Length(); from = next, ++n) {
            next = doc.Fit(from, 200, 1000);
            if (next <= from) return -1;
        }
        return n;
    };
    const int before = pages();
    EXPECT_GT(before, 30);
    // Longer paragraphs at the top need more pages; a shorter text fewer.
    doc.Replace(0, 0, std::string(2000, 'x') + " ");
    EXPECT_GT(pages(), before);
    doc.Delete(100, doc.Length() - 100);
    EXPECT_EQ(doc.Fit(0, 200, 1000), doc.Length());
}

TEST(RichDocument, DrawPutsWordsAtTheirPlacesAndScales) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    // Real widths, as the layout has them: each word is one output at scale 1.
    canvas->SetMeasurer(&graphics::DefaultTextMeasurer());
    TRichDocument doc;
    doc.Load("{\\rtf1\\fs20 ab cd\\par\\qr ef\\par}");
    EXPECT_EQ(doc.Draw(canvas.get(), 0, 300, 1000, TPoint(10, 20), 1, 1), doc.Length());
    auto calls = rec->Calls("TextOut");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].rfind("TextOut 10,", 0), 0u) << calls[0];
    EXPECT_NE(calls[2].find("\"ef\""), String::npos);
    // Right-aligned: far to the right in a 300-pixel layout.
    const Integer xRight = std::stoi(calls[2].substr(8));
    EXPECT_GT(xRight, 10 + 250);
    // At twice the scale every word starts at twice its place.
    rec->Log.clear();
    doc.Draw(canvas.get(), 0, 300, 1000, TPoint(10, 20), 2, 2);
    calls = rec->Calls("TextOut");
    const auto e = std::find_if(calls.begin(), calls.end(),
                                [](const String& c) { return c.find("\"e") != String::npos; });
    ASSERT_NE(e, calls.end());
    EXPECT_NEAR(std::stoi(e->substr(8)) - 10, 2 * (xRight - 10), 1);
}

// Every paragraph, an empty last one too, is written and read back.
TEST(RichDocument, ParagraphsSurviveWritingAndReadingAgain) {
    const struct {
        const char* Rtf;
        std::vector<String> Lines;
    } cases[] = {
        {"{\\rtf1 a\\par}", {"a"}},                   // a closed paragraph adds no empty one
        {"{\\rtf1 a\\par\\par}", {"a", ""}},          // an empty last paragraph
        {"{\\rtf1 a\\par\\par\\par}", {"a", "", ""}}, // two of them
        {"{\\rtf1 \\par\\par}", {"", ""}},            // nothing but empty paragraphs
        {"{\\rtf1 a\\par\\par b}", {"a", "", "b"}},   // an empty paragraph inside
    };
    for (const auto& c : cases) {
        TRichDocument doc, again;
        doc.Load(c.Rtf);
        again.Load(doc.SaveToRtf());
        for (const TRichDocument* d : {&doc, &again}) {
            std::vector<String> lines;
            for (Integer k = 0; k < d->LineCount(); ++k)
                lines.push_back(d->Line(k));
            EXPECT_EQ(lines, c.Lines) << c.Rtf << (d == &doc ? " read" : " written and read again");
        }
    }
}

namespace {

// Where each height cuts a text from each line start on, and what each page draws.
std::vector<String> Pages(const std::string& Rtf, Integer Width) {
    TRichDocument doc;
    doc.Load(Rtf);
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    canvas->SetMeasurer(&graphics::DefaultTextMeasurer());
    std::vector<String> out;
    for (Integer from = 0; from < doc.Length();) {
        for (Integer h = 0; h <= 60; h += 3)
            out.push_back(std::to_string(from) + "+" + std::to_string(h) + ": " +
                          std::to_string(doc.Fit(from, Width, h)));
        const Integer next = doc.Draw(canvas.get(), from, Width, 60, TPoint(0, 0), 1, 1);
        out.insert(out.end(), rec->Log.begin(), rec->Log.end());
        rec->Log.clear();
        from = std::max(next, doc.Fit(from, Width, 60, true));
    }
    return out;
}

} // namespace

// A paragraph holding a word too long for the toolkit's own line breaking is
// broken into lines by the document: the same lines, places and heights. The
// limit is lowered so that the toolkit can lay the same text out in time.
TEST(RichDocument, ALongWordIsLaidOutAsTheToolkitWouldLayItOut) {
    std::string word;
    for (int k = 0; k < 400; ++k)
        word += static_cast<char>('a' + k % 26);
    const char* formats[] = {
        "",                        // plain
        "\\li300\\ri200\\fi-150",  // indents, the first line out to the left
        "\\fi400\\qc",             // centred, first line indented
        "\\qj\\sb120\\sa240",      // justified, space around
        "\\qr\\sl400",             // at least 20 points a line
        "\\sl-300",                // exactly 15 points a line
        "\\sl480\\slmult1\\tx720", // double spacing, a tab stop
        "\\li3000",                // an indent wider than the narrow page
    };
    const Integer widths[] = {
        7,   // narrower than some letters
        90,  // a few words a line
        400, // a whole sentence a line
    };
    const Integer limit = graphics::rich::LongWordLimit();
    const core::ScopeExit back([limit] { graphics::rich::SetLongWordLimit(limit); });
    for (const char* f : formats) {
        const std::string rtf = std::string("{\\rtf1\\fs20 Az els\\'f5 bekezd\\'e9s.\\par\\pard") + f +
                                " Egy r\\'f6vid sz\\'f3 " + word + " \\b ut\\'e1na\\b0\\tab m\\'e9g\\line " +
                                word.substr(0, 150) + "-" + word +
                                "\\par\\pard\\sb100\\fs28 A v\\'e9ge.\\par}";
        for (const Integer width : widths) {
            graphics::rich::SetLongWordLimit(1 << 30);
            const std::vector<String> toolkit = Pages(rtf, width);
            graphics::rich::SetLongWordLimit(100);
            EXPECT_EQ(Pages(rtf, width), toolkit) << f << " at " << width;
        }
    }
}

// A stored or imported text may hold a long run without a blank: past the
// long-word limit the document breaks it into lines itself, every line as full
// as the first. (Its speed over a megabyte is bench/'s rich_long_word_s.)
TEST(RichDocument, AWordPastTheLongWordLimitIsCutIntoFullLines) {
    constexpr Integer letters = 20000;
    ASSERT_GT(letters, graphics::rich::LongWordLimit());
    TRichDocument doc;
    doc.Load("{\\rtf1\\fs20 " + std::string(letters, 'w') + " v\\'e9ge\\par}");
    EXPECT_EQ(doc.Fit(0, 200, 1000000000), doc.Length());
    const Integer perLine = doc.Fit(0, 200, 1, true);
    ASSERT_GT(perLine, 5);
    ASSERT_LT(perLine, 100);
    std::vector<Integer> starts;
    for (Integer from = 0, next; from < doc.Length(); from = next) {
        starts.push_back(from);
        next = doc.Fit(from, 200, 1, true);
        ASSERT_GT(next, from);
    }
    const Integer wordLines = (letters + perLine - 1) / perLine;
    ASSERT_GE(Integer(starts.size()), wordLines);
    EXPECT_LE(Integer(starts.size()), wordLines + 1); // "vége" after the word's rest or on a line of its own
    for (Integer k = 0; k < wordLines; ++k)
        ASSERT_EQ(starts[std::size_t(k)], k * perLine) << "line " << k;
    // A page takes whole lines, and the next page as many again.
    const Integer firstPage = doc.Fit(0, 200, 1000);
    EXPECT_EQ(firstPage % perLine, 0);
    EXPECT_EQ(doc.Fit(firstPage, 200, 1000) - firstPage, firstPage);
}
