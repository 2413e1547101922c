#include "report/views/TrpRichView.h"

#include "tests/report/views/ViewTestSupport.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/Utf8.h"
#include "platform/data/TFieldDefs.h"
#include "platform/graphics/TRichDocument.h"
#include "platform/ui/TApplication.h"
#include "report/views/detail/RichExpansion.h"
#include "report/engine/rpEngine.h"
#include "report/common/detail/rpStreamUtils.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

namespace {

// The text of the rich-text record Print wrote.
String PrintedText(TMemoryStream& stream) {
    stream.SetPosition(0);
    EXPECT_EQ(stream.ReadByte(), gtAddIn);
    EXPECT_EQ(rpReadString(&stream), "TrpRichView");
    TrpRichView read;
    read.StreamMode = smPrinting;
    read.LoadFromStream(&stream);
    TRichDocument doc;
    doc.Load(read.RichText);
    String text;
    for (Integer k = 0; k < doc.LineCount(); ++k)
        text += (k ? "\n" : "") + doc.Line(k);
    return text;
}

class RichView : public ViewDrawingTest {
protected:
    void SetUp() override {
        // Documents need fonts: the widget application comes first, as in the program.
        Application->Initialize();
        ViewDrawingTest::SetUp();
        rpInitEngine();
        Rich.SetBounds(10, 20, 300, 100);
        rpGetValue = [](const String& e, String& v) { v = e == "PNAME" ? "Kovács Ödön" : "[" + e + "]"; };
    }
    void TearDown() override {
        rpGetValue = nullptr;
        ViewDrawingTest::TearDown();
    }

    TrpRichView Rich;
};

const std::string kDeclaration = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 Arial;}}"
                                 "\\pard\\fs20 Alul\\'edrott \\b [PNAME]\\b0  kijelentem.\\par}";

} // namespace

TEST_F(RichView, EmptyTextMeasuresEight) {
    EXPECT_EQ(Rich.CalcHeight(), 8);
    Rich.RichText = "{\\rtf1 }";
    EXPECT_EQ(Rich.CalcHeight(), 8);
    EXPECT_EQ(Rich.MinHeight(), 8);
    Rich.Visible = false;
    EXPECT_EQ(Rich.CalcHeight(), 0);
}

TEST_F(RichView, InsertedValueKeepsTheBoldOfTheExpression) {
    Rich.RichText = kDeclaration;
    Rich.Prepare(false);
    TRichDocument& doc = rpRichShared();
    EXPECT_EQ(doc.Line(0), "Alulírott Kovács Ödön kijelentem.");
    EXPECT_TRUE(doc.CharFormatAt(10).Bold);
    EXPECT_TRUE(doc.CharFormatAt(20).Bold);
    EXPECT_FALSE(doc.CharFormatAt(0).Bold);
    EXPECT_FALSE(doc.CharFormatAt(22).Bold);
}

TEST_F(RichView, ValueHoldingBracketsIsNotExpandedAgain) {
    TRichDocument doc;
    doc.Load("{\\rtf1 [A] and [B]\\par [C]}");
    std::vector<String> asked;
    report::ExpandRich(doc, [&](const String& e) {
        asked.push_back(e);
        return e == "A" ? String("[X]\r\nnew") : "<" + e + ">";
    });
    EXPECT_EQ(asked, (std::vector<String>{"A", "B", "C"}));
    ASSERT_EQ(doc.LineCount(), 3);
    EXPECT_EQ(doc.Line(0), "[X]");
    EXPECT_EQ(doc.Line(1), "new and <B>");
    EXPECT_EQ(doc.Line(2), "<C>");
}

TEST_F(RichView, PrintWritesTheExpandedText) {
    Rich.RichText = kDeclaration;
    TMemoryStream stream;
    Rich.Print(&stream);
    EXPECT_EQ(PrintedText(stream), "Alulírott Kovács Ödön kijelentem.");
    EXPECT_EQ(Rich.RichText, kDeclaration); // the template is kept
}

namespace {

// The band engine's split of a rich text: parts of Height until nothing remains.
std::vector<String> Split(TrpRichView& rich, Integer height) {
    rich.CalcHeight();
    std::vector<String> parts;
    for (int guard = 0; guard < 100; ++guard) {
        rich.DrawMode = drPart;
        rich.Height = height;
        TMemoryStream stream;
        rich.Print(&stream);
        parts.push_back(PrintedText(stream));
        if (rich.RemainHeight() == 0) break;
    }
    return parts;
}

std::string Paragraphs(int n) {
    std::string s = "{\\rtf1\\fs20 ";
    for (int k = 1; k <= n; ++k)
        s += "Bekezd\\'e9s " + std::to_string(k) + " [PNAME]\\par ";
    return s + "}";
}

} // namespace

TEST_F(RichView, LongTextPrintsEachPartOnceAcrossPages) {
    Rich.RichText = Paragraphs(12);
    const Integer whole = Rich.CalcHeight();
    EXPECT_GT(whole, 100);
    const auto parts = Split(Rich, 60);
    ASSERT_GT(parts.size(), 2u);
    String joined;
    for (const String& p : parts) {
        EXPECT_FALSE(p.empty());
        joined += (joined.empty() ? "" : "\n") + p;
    }
    String expected;
    for (int k = 1; k <= 12; ++k)
        expected += (k > 1 ? "\n" : "") + String("Bekezdés ") + std::to_string(k) + " Kovács Ödön";
    EXPECT_EQ(joined, expected);
}

TEST_F(RichView, EachPartKeepsItsParagraphsFormatAndTheTextIsExpandedOnce) {
    std::string text = "{\\rtf1\\fs20\\qc C\\'edm\\par\\pard ";
    for (int k = 1; k <= 12; ++k)
        text += "Bekezd\\'e9s " + std::to_string(k) + " [PNAME]\\par ";
    Rich.RichText = text + "}";
    Rich.CalcHeight();
    const Integer expanded = rpRichShared().Revision();
    std::vector<rtf::Alignment> aligns;
    for (int guard = 0; guard < 100; ++guard) {
        Rich.DrawMode = drPart;
        Rich.Height = 60;
        TMemoryStream stream;
        Rich.Print(&stream);
        stream.SetPosition(0);
        stream.ReadByte();
        rpReadString(&stream);
        TrpRichView part;
        part.StreamMode = smPrinting;
        part.LoadFromStream(&stream);
        TRichDocument doc;
        doc.Load(part.RichText);
        aligns.push_back(doc.ParaFormatOf(0).Align);
        if (Rich.RemainHeight() == 0) break;
    }
    ASSERT_GT(aligns.size(), 2u);
    EXPECT_EQ(aligns[0], rtf::alCenter);
    EXPECT_EQ(aligns[1], rtf::alLeft);
    // Part after part the same values: the shared text stays as expanded.
    EXPECT_EQ(rpRichShared().Revision(), expanded);
}

TEST_F(RichView, PartsLowerThanALineStillMoveOn) {
    Rich.RichText = Paragraphs(3);
    const auto parts = Split(Rich, 2);
    EXPECT_EQ(parts.size(), 3u);
}

TEST_F(RichView, HeightGrowsWithTheText) {
    Rich.RichText = Paragraphs(1);
    const Integer one = Rich.CalcHeight();
    Rich.RichText = Paragraphs(4);
    const Integer four = Rich.CalcHeight();
    EXPECT_GT(one, 8);
    EXPECT_NEAR(four, 4 * one, 4);
}

TEST_F(RichView, DrawsItsTextInsideTheFrame) {
    Rich.RichText = kDeclaration;
    Canvas->SetMeasurer(&graphics::DefaultTextMeasurer()); // widths as laid out: one output a word
    Rich.Draw(Canvas.get());
    const auto calls = Rec->Calls("TextOut");
    ASSERT_FALSE(calls.empty());
    EXPECT_NE(calls[0].find("\"Alulírott\""), String::npos) << calls[0];
    EXPECT_EQ(calls[0].rfind("TextOut 10,", 0), 0u) << calls[0]; // DRect's left edge
    EXPECT_EQ(Rich.CharTo, 29);                                  // the whole template text fits
}

TEST_F(RichView, AssignAndBlobCopyTheRichText) {
    Rich.RichText = kDeclaration;
    TrpRichView copy;
    copy.Assign(&Rich);
    EXPECT_EQ(copy.RichText, kDeclaration);
}

TEST_F(RichView, BlobFieldBytesBecomeTheRichText) {
    TMemDataSet query(nullptr);
    query.FieldDefs()->Add("nyilatkozat", ftBlob);
    query.AppendRow({String(kDeclaration)});
    query.Open();
    Rich.GetBlob(query.FieldByName("nyilatkozat"));
    EXPECT_EQ(Rich.RichText, kDeclaration);
    TMemDataSet empty(nullptr);
    empty.FieldDefs()->Add("nyilatkozat", ftBlob);
    empty.AppendRow({TFieldData()});
    empty.Open();
    Rich.GetBlob(empty.FieldByName("nyilatkozat"));
    EXPECT_EQ(Rich.RichText, ""); // a null blob clears it
}

// A stored text may hold one paragraph with any number of expressions: each
// value lands in its own expression's place, counted in characters, and the
// values are asked for in the text's order. (Its speed over 50,000 expressions
// is bench/'s rich_expand_s.)
TEST_F(RichView, AParagraphOfManyExpressionsPutsEachValueInItsPlace) {
    constexpr int count = 2000;
    std::string body;
    String expected;
    std::vector<String> names;
    for (int k = 0; k < count; ++k) {
        body += "\\'f5[" + std::to_string(k) + "]";
        expected += "őé" + std::to_string(k);
        names.push_back(std::to_string(k));
    }
    TRichDocument doc;
    doc.Load("{\\rtf1\\ansi\\ansicpg1250 " + body + "\\par}");
    EXPECT_EQ(report::RichExpressions(doc), names);
    std::vector<String> asked;
    report::ExpandRich(doc, [&asked](const String& e) {
        asked.push_back(e);
        return "é" + e;
    });
    EXPECT_EQ(asked, names);
    ASSERT_EQ(doc.LineCount(), 1);
    EXPECT_EQ(doc.Line(0), expected);
    EXPECT_EQ(doc.Length(), Integer(core::Utf8Length(expected)));
}
