// The XML template writer: the document's shape, object attributes, scripts.
#include "platform/core/TMemoryStream.h"
#include "report/script/detail/FormatValue.h"
#include "tests/report/TemplateTestSupport.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpSubReportView.h"
#include "report/build/detail/rpXMLWriter.h"

namespace {

class XMLWriterTest : public TemplateTest {
protected:
    XMLWriterTest() {
        Report.Pages()->Clear();
        Report.Pages()->Add();
        Page = Report.Pages()->Pages(0);
        Page->Margins = TRect{36, 40, 700, 1000};
    }
    TrpMemoView* AddMemo(const String& Name) {
        auto* memo = new TrpMemoView;
        memo->Name = Name;
        Page->Add(memo);
        return memo;
    }
    String Document() {
        TMemoryStream s;
        SaveToRP3Stream(&Report, &s);
        const Bytes b = StreamBytes(s);
        return String(b.begin(), b.end());
    }
    TrpPage* Page = nullptr;
};

TEST(StrToXMLTest, EscapesMarkupAndLineBreaksOnly) {
    EXPECT_EQ(StrToXML("a\"b<c>&d\r\ne"), "a&#34;b&#60;c&#62;&#38;d&#13;&#10;e");
    EXPECT_EQ(StrToXML("árvíztűrő 'x'"), "árvíztűrő 'x'");
    EXPECT_EQ(StrToXML(""), "");
}

TEST(StreamToStringTest, UpperCaseHexFromTheStart) {
    TMemoryStream s;
    const Byte bytes[] = {0x00, 0xAB, 0x0F, 0xFF};
    s.WriteBuffer(bytes, 4);
    EXPECT_EQ(rpStreamToString(&s), "00AB0FFF");
    TMemoryStream empty;
    EXPECT_EQ(rpStreamToString(&empty), "");
}

TEST_F(XMLWriterTest, MemoRelativeToTheMarginWithFrameAndNoFill) {
    TrpMemoView* memo = AddMemo("Memo1");
    memo->SetBounds(10, 20, 100, 30);
    memo->FrameTyp = FrameAll;
    memo->FrameWidth = 1.5f;
    memo->Memo.Add("say \"hi\"");
    memo->Memo.Add("next");
    const String element = rpViewToRP3(&Report, memo);
    EXPECT_EQ(element.rfind("<TrpxMemoView Name=\"Memo1\" Left=\"10\" Top=\"20\" Width=\"100\" Height=\"30\" "
                            "Color=\"536870911\" Frame.Typ=\"15\" Frame.Width=\"1.5\"",
                            0),
              0u)
        << element;
    EXPECT_NE(element.find("Memo.text=\"say &#34;hi&#34;&#13;&#10;next&#13;&#10;\""), String::npos)
        << element;
    EXPECT_EQ(element.find("OnBeforePrint"), String::npos);

    const String doc = Document();
    EXPECT_NE(doc.find("<TrpxMemoView Name=\"Memo1\" Left=\"-26\""), String::npos) << doc;
    // The object's own position is back after writing.
    EXPECT_EQ(memo->Left, 10);
}

TEST_F(XMLWriterTest, FrameSidesAreRenumbered) {
    TrpMemoView* memo = AddMemo("M");
    const std::pair<Word, const char*> cases[] = {
        {FrameLeft, "1"}, {FrameRight, "2"}, {FrameTop, "4"}, {FrameBottom, "8"}, {0, "0"}};
    for (const auto& [typ, text] : cases) {
        memo->FrameTyp = typ;
        EXPECT_NE(rpViewToRP3(&Report, memo).find(String("Frame.Typ=\"") + text + "\""), String::npos) << typ;
    }
}

TEST_F(XMLWriterTest, MemoFontFlagsHighlightAndFormats) {
    TrpMemoView* memo = AddMemo("M");
    memo->Flags = flAutoWidth;
    memo->Font.SetName("Arial");
    memo->Font.SetStyle(TFontStyles{fsBold, fsStrikeOut});
    memo->HighlightStr = "[a] > 1";
    memo->Format = rpMakeFormat(1, 1, 2, ',');
    const String e = rpViewToRP3(&Report, memo);
    EXPECT_EQ(e.find("StretchMode"), String::npos);
    EXPECT_NE(e.find(" WordWrap=\"False\" AutoWidth=\"True\" Font.Name=\"Arial\""), String::npos) << e;
    EXPECT_NE(e.find("Font.Style=\"9\" LineSpacing=\"2\" CharSpacing=\"0\""), String::npos) << e;
    EXPECT_NE(e.find("Highlight.Condition=\"[a] &#62; 1\" Highlight.Font.Style=\"2\""), String::npos) << e;
    EXPECT_NE(e.find("DisplayFormat.Kind=\"fkNumeric\" DisplayFormat.DecimalSeparator=\",\" "
                     "DisplayFormat.FormatStr=\"%2.2f\""),
              String::npos)
        << e;

    memo->Format = rpMakeFormat(2, 3, 0, 0);
    EXPECT_NE(rpViewToRP3(&Report, memo).find("fkDateTime\" DisplayFormat.FormatStr=\"dd mmmm yyyy\""),
              String::npos);
    memo->Format = rpMakeFormat(3, 4, 0, 0);
    memo->FormatStr = "hh\"x";
    EXPECT_NE(rpViewToRP3(&Report, memo).find("DisplayFormat.FormatStr=\"hh&#34;x\""), String::npos);
    memo->Format = rpMakeFormat(4, 1, 0, 0);
    EXPECT_NE(rpViewToRP3(&Report, memo).find("fkBoolean\" DisplayFormat.FormatStr=\"No;Yes\""),
              String::npos);
    memo->Format = 0;
    EXPECT_EQ(rpViewToRP3(&Report, memo).find("DisplayFormat"), String::npos);
}

TEST_F(XMLWriterTest, BandsByTypeAndCrossBandsLeftOut) {
    auto* band = new TrpBandView;
    band->Name = "Band1";
    band->SetBounds(0, 50, 600, 20);
    band->SetBandType(btGroupHeader);
    band->Flags = bfStartNewPage | bfPrintOnFirstPage;
    band->FormatStr = "[a]<>\"b\"";
    Page->Add(band);
    EXPECT_EQ(rpViewToRP3(&Report, band),
              "<TrpxGroupHeader Name=\"Band1\" Top=\"50\" Height=\"20\" StartNewPage=\"True\" "
              "PrintOnLastPage=\"False\" Condition=\"[a]&#60;&#62;&#34;b&#34;\"");
    band->SetBandType(btDetailHeader);
    EXPECT_EQ(rpViewToRP3(&Report, band).rfind("<TrpxHeader ", 0), 0u);
    band->SetBandType(btCrossData);
    EXPECT_EQ(rpViewToRP3(&Report, band), "");
    band->SetBandType(btNone);
    EXPECT_EQ(rpViewToRP3(&Report, band), "");
    // A band without an element leaves no trace in the page.
    EXPECT_EQ(Document().find("Band1"), String::npos);
}

TEST_F(XMLWriterTest, SubReportLinksItsPage) {
    auto* sub = new TrpSubReportView;
    sub->Name = "Sub";
    sub->SubPage = 1;
    Page->Add(sub);
    const String e = rpViewToRP3(&Report, sub);
    EXPECT_EQ(e.rfind("<TrpxSubreport Name=\"Sub\"", 0), 0u) << e;
    EXPECT_TRUE(e.ends_with("\" Page=\"Page2\"")) << e;
}

TEST_F(XMLWriterTest, ScriptBecomesAnEventProcedure) {
    TrpMemoView* memo = AddMemo("M");
    memo->Script.Add("begin");
    memo->Script.Add("x := 1");
    memo->Script.Add("end");
    TrpMemoView* other = AddMemo("N");
    other->Script.Add("y := 2");
    const String doc = Document();
    const String expected = "procedure MOnBeforePrint(Sender: TrpxComponent);&#13;&#10;begin&#13;&#10;"
                            "  with M, Engine do&#13;&#10;  begin&#13;&#10;x := 1&#13;&#10;  end&#13;&#10;"
                            "end;&#13;&#10;&#13;&#10;"
                            "procedure NOnBeforePrint(Sender: TrpxComponent);&#13;&#10;begin&#13;&#10;"
                            "  with N, Engine do&#13;&#10;  begin&#13;&#10;y := 2&#13;&#10;  end&#13;&#10;"
                            "end;&#13;&#10;&#13;&#10;begin&#13;&#10;&#13;&#10;end.";
    EXPECT_NE(doc.find("ScriptText.text=\"" + expected + "\""), String::npos) << doc;
    EXPECT_NE(doc.find(" OnBeforePrint=\"MOnBeforePrint\" OnClick=\"MOnBeforePrint\" "
                       "OnActivate=\"MOnBeforePrint\""),
              String::npos);
}

TEST_F(XMLWriterTest, DocumentShapeAndEmptyPages) {
    Report.Pages()->Add();
    Report.Pages()->Pages(1)->PrintToPrevPage = true;
    AddMemo("M");
    const String doc = Document();
    EXPECT_EQ(
        doc.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TrpxReport ScriptLanguage=\"ReportScript\" "
                  "ScriptText.text=\"begin&#13;&#10;&#13;&#10;end.\" "
                  // no data sets, no variables
                  "Propdata=\"0844617461736574730E00095661726961626C65730E0000\">\r\n<TrpxReportPage "
                  "Name=\"Page1\" "
                  "Orientation=\"poPortrait\"",
                  0),
        0u)
        << doc;
    EXPECT_NE(doc.find("\"/>\r\n</TrpxReportPage>\r\n<TrpxReportPage Name=\"Page2\""), String::npos) << doc;
    EXPECT_NE(doc.find("PrintOnPreviousPage=\"True\"/>\r\n</TrpxReport>\r\n"), String::npos) << doc;
    EXPECT_EQ(doc.substr(doc.size() - 15), "</TrpxReport>\r\n");
    EXPECT_NE(doc.find(" LeftMargin=\"10\" "), String::npos) << doc; // 36 pixels
}

} // namespace
