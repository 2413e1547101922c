// Report templates read from their text description: what each statement puts into
// the template, that the engine's stream keeps it, and the message of every line that
// cannot be read.
#include "platform/core/Exceptions.h"
#include "report/script/detail/FormatValue.h"
#include "tests/report/TemplateTestSupport.h"
#include "report/build/detail/TemplateText.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpRichView.h"
#include "report/common/detail/rpStreamUtils.h"
#include "tests/support/ErrorOf.h"

namespace {

const char* const Sample = R"(# a list with a total
report doublepass printtodefault
page margins=36,36,36,72
variables TG REGUSER PNAME

band ReportTitle 36 64
memo 36 0 440 22 font="Times New Roman" size=14 bold italic color=$2C367E | [PNAME]
line 36 58 680 0 frame=t framecolor=8271404

band MasterData 110 24 source=rpDBDataSet5 stretched printifempty
memo 36 4 90 17 align=right valign=center fixed nowrap | [Q."a"]|b
  memo 130 4 496 17 underline frame=lb framewidth=2 fill=$FFFFFF format=thousands | first\nsecond
)";

// The lines of a list joined by "|".
String Lines(const TStrings& List) {
    String out;
    for (Integer i = 0; i < List.Count(); ++i)
        out += (i ? "|" : "") + List.Get(i);
    return out;
}

class TemplateTextTest : public TemplateTest {
protected:
    TrpView* Object(Integer i) { return Report.Pages()->Pages(0)->Object(i); }
    template <class T> T* As(Integer i) { return dynamic_cast<T*>(Object(i)); }
    String Error(const String& text) {
        return ErrorOf<EConvertError>([&] { report::ReadTemplateText(Report, text); });
    }
};

TEST_F(TemplateTextTest, ReportPageAndVariables) {
    report::ReadTemplateText(Report, Sample);
    EXPECT_TRUE(Report.DoublePass);
    EXPECT_TRUE(Report.PrintToDefault);
    ASSERT_EQ(Report.Pages()->Count(), 1);
    TrpPage* page = Report.Pages()->Pages(0);
    EXPECT_EQ(page->PaperSize, 9);
    EXPECT_EQ(page->PaperWidth, 2100);
    EXPECT_EQ(page->PaperHeight, 2970);
    EXPECT_EQ(page->Orientation, 0);
    EXPECT_EQ(page->Margins, TRect(36, 36, 36, 72));
    EXPECT_EQ(Lines(*Report.Variables()), "TG| REGUSER| PNAME");
    // Every variable is an unbound value, answered by the report's value event.
    ASSERT_EQ(Report.Values()->Items.Count(), 2);
    EXPECT_EQ(Report.Values()->Items.Get(1), "PNAME");
    EXPECT_EQ(Report.Values()->GetValue(1)->Typ, 0);
}

TEST_F(TemplateTextTest, BandsSpanThePageAndObjectsCountFromTheirBand) {
    report::ReadTemplateText(Report, Sample);
    ASSERT_EQ(Report.Pages()->Pages(0)->ObjectCount(), 6);
    auto* title = As<TrpBandView>(0);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->GetBandType(), btReportTitle);
    EXPECT_EQ(title->Flags, 0);
    EXPECT_EQ(TRect(title->Left, title->Top, title->Width, title->Height), TRect(0, 36, 752, 64));
    auto* data = As<TrpBandView>(3);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->GetBandType(), btMasterData);
    EXPECT_EQ(data->FormatStr, "rpDBDataSet5");
    EXPECT_EQ(data->Flags, bfStretched | bfPrintIfDetailEmpty);
    // Within the band at 110: 4 down is 114.
    EXPECT_EQ(Object(4)->Top, 114);
    EXPECT_EQ(Object(5)->Left, 130);
    auto* line = As<TrpLineView>(2);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Top, 94);
    EXPECT_EQ(line->FrameTyp, FrameTop);
    EXPECT_EQ(line->FrameColor, 8271404);
}

TEST_F(TemplateTextTest, MemoOptions) {
    report::ReadTemplateText(Report, Sample);
    auto* heading = As<TrpMemoView>(1);
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->Font.Name(), "Times New Roman");
    EXPECT_EQ(heading->Font.Size(), 14);
    EXPECT_EQ(rpGetFontStyle(heading->Font.Style()), 3);
    // $RRGGBB is written red first; the colour value keeps red in its low byte.
    EXPECT_EQ(heading->Font.Color(), 8271404);
    EXPECT_EQ(heading->Flags, flStretched | flWordWrap);
    EXPECT_EQ(Lines(heading->Memo), "[PNAME]");

    auto* key = As<TrpMemoView>(4);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->Adjust, 1 | 8);
    EXPECT_EQ(key->Flags, 0);
    // Only the first "|" starts the text.
    EXPECT_EQ(Lines(key->Memo), "[Q.\"a\"]|b");

    auto* name = As<TrpMemoView>(5);
    ASSERT_TRUE(name);
    EXPECT_EQ(rpGetFontStyle(name->Font.Style()), 4);
    EXPECT_EQ(name->FrameTyp, FrameLeft | FrameBottom);
    EXPECT_EQ(name->FrameWidth, 2.0f);
    EXPECT_EQ(name->FillColor, 0xFFFFFF);
    EXPECT_EQ(name->Format, rpMakeFormat(1, 3, 0, ','));
    EXPECT_EQ(name->Memo.Count(), 2);
    EXPECT_EQ(name->Memo.Get(1), "second");
}

TEST_F(TemplateTextTest, TheEnginesStreamKeepsWhatWasRead) {
    report::ReadTemplateText(Report, Sample);
    const Bytes written = Save(Report);
    TrpReport loaded(nullptr);
    Load(loaded, written);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Shape(loaded), "1: 6");
    EXPECT_TRUE(loaded.DoublePass);
    EXPECT_EQ(Lines(*loaded.Variables()), Lines(*Report.Variables()));
    auto* name = dynamic_cast<TrpMemoView*>(loaded.Pages()->Pages(0)->Object(5));
    ASSERT_TRUE(name);
    EXPECT_EQ(Lines(name->Memo), "first|second");
    EXPECT_EQ(Save(loaded), written);
}

TEST_F(TemplateTextTest, ReadingAgainReplacesTheTemplate) {
    report::ReadTemplateText(Report, Sample);
    report::ReadTemplateText(Report, "page\nvariables X Y\n");
    EXPECT_EQ(Shape(Report), "1: 0");
    EXPECT_FALSE(Report.DoublePass);
    EXPECT_EQ(Report.Values()->Items.Count(), 1);
    EXPECT_EQ(Lines(*Report.Variables()), "X| Y");
}

TEST_F(TemplateTextTest, RichTextComesFromTheNamedFile) {
    const String text = "page\nband MasterFooter 100 200\nrich 36 10 680 150 file=decl.rtf frame=b\n";
    std::vector<String> asked;
    report::ReadTemplateText(Report, text, [&](const String& name) {
        asked.push_back(name);
        return std::string("{\\rtf1\\ansi\\ansicpg1250 Nyilatkozat\\par}");
    });
    EXPECT_EQ(asked, std::vector<String>{"decl.rtf"});
    auto* rich = As<TrpRichView>(1);
    ASSERT_TRUE(rich);
    EXPECT_EQ(rich->Top, 110);
    EXPECT_EQ(rich->FrameTyp, FrameBottom);
    EXPECT_EQ(rich->RichText, "{\\rtf1\\ansi\\ansicpg1250 Nyilatkozat\\par}");

    // It survives the engine's stream as the add-in record.
    TrpReport loaded(nullptr);
    Load(loaded, Save(Report));
    auto* read = dynamic_cast<TrpRichView*>(loaded.Pages()->Pages(0)->Object(1));
    ASSERT_TRUE(read);
    EXPECT_NE(read->RichText.find("Nyilatkozat"), std::string::npos);

    const String band = "page\nband MasterFooter 100 200\n";
    EXPECT_EQ(Error(band + "rich 0 0 10 10\n"), "Line 3: rich needs file=NAME");
    EXPECT_EQ(Error(band + "rich 0 0 10 10 file=a.rtf\n"), "Line 3: no file can be read here: a.rtf");
    EXPECT_EQ(ErrorOf<EConvertError>([&] {
                  report::ReadTemplateText(
                      Report, band + "rich 0 0 10 10 file=a.rtf\n",
                      [](const String&) -> std::string { throw EFOpenError("Cannot open a.rtf"); });
              }),
              "Line 3: Cannot open a.rtf");
}

TEST_F(TemplateTextTest, LinesThatCannotBeRead) {
    const String band = "page\nband MasterData 100 40\n";
    struct Case {
        String Text;
        String Message;
    };
    const Case cases[] = {
        {"", "Line 1: no page"},
        {"# only a comment\n\n", "Line 3: no page"},
        {"report fast\n", "Line 1: unknown report option \"fast\""},
        {"page\npage\n", "Line 2: a template here holds one page"},
        {"page margins=1,2,3\n", "Line 1: margins need four numbers"},
        {"page margins=1,2,x,4\n", "Line 1: margin is not a whole number: \"x\""},
        {"page size=A5\n", "Line 1: unknown page option \"size\""},
        {"variables TG\n", "Line 1: variables need a category and at least one name"},
        {"page\nband Middle 100 40\n", "Line 2: unknown band type \"Middle\""},
        {"page\nband MasterData 100\n", "Line 2: band needs TYPE TOP HEIGHT"},
        {"page\nband MasterData 100 0\n", "Line 2: band outside the page"},
        {"page\nband MasterData 1060 40\n", "Line 2: band outside the page"},
        {band + "band MasterData 120 40\n", "Line 3: band overlaps the band above"},
        {band + "band MasterData 140 40 sticky\n", "Line 3: unknown band option \"sticky\""},
        {band + "band MasterData 140 40 source=\n", "Line 3: option source needs a value"},
        {"page\nmemo 0 0 10 10 | x\n", "Line 2: memo before any band"},
        {"memo 0 0 10 10 | x\n", "Line 1: memo before any band"},
        {band + "memo 0 41 10 10 | x\n", "Line 3: memo outside its band"},
        {band + "memo 700 0 60 10 | x\n", "Line 3: memo outside the page"},
        {band + "memo 0 0 -1 10 | x\n", "Line 3: a size below 0"},
        {band + "memo 0 0 10 | x\n", "Line 3: memo needs LEFT TOP WIDTH HEIGHT"},
        {band + "memo 0 0 10 ten | x\n", "Line 3: HEIGHT is not a whole number: \"ten\""},
        {band + "memo 0 0 10 10 size=99 | x\n", "Line 3: size outside 4..72"},
        {band + "memo 0 0 10 10 align=middle | x\n", "Line 3: align is left, right, center or justify"},
        {band + "memo 0 0 10 10 valign=middle | x\n", "Line 3: valign is top, center or bottom"},
        {band + "memo 0 0 10 10 color=$12345 | x\n", "Line 3: colour is not $RRGGBB: \"$12345\""},
        {band + "memo 0 0 10 10 frame=x | x\n", "Line 3: frame sides are l, t, r and b"},
        {band + "memo 0 0 10 10 format=money | x\n", "Line 3: format is thousands"},
        {band + "memo 0 0 10 10 blink | x\n", "Line 3: unknown option \"blink\""},
        {band + "memo 0 0 10 10 font=\"Times | x\n", "Line 3: unclosed double quote"},
        {band + "line 0 0 10 0 | x\n", "Line 3: only a memo has text"},
        {band + "| x\n", "Line 3: text without a statement"},
        {band + "circle 0 0 10 10\n", "Line 3: unknown statement \"circle\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Error(c.Text), c.Message) << c.Text;
}

} // namespace
