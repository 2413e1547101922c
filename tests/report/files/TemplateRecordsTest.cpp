// Golden bytes of every object record in design mode, written by the views
// and compared with the record spelt out field by field.
#include "platform/graphics/TBitmap.h"
#include "tests/report/StreamBytes.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/views/TrpPictureView.h"
#include "report/views/TrpRichView.h"
#include "report/views/TrpSubReportView.h"

#include <gtest/gtest.h>

namespace {

Bytes Record(TrpView& v) {
    TMemoryStream s;
    v.SaveToStream(&s);
    return StreamBytes(s);
}

// The common record of a view named Name at (10, 20, 30, 40) with the
// defaults of its class.
ByteWriter Common(const std::string& name, Word flags, Word frameTyp, std::int32_t format = 0x22C) {
    ByteWriter w;
    w.Str(name)
        .Block(10, 20, 30, 40, flags, frameTyp, 1, 0, 0, 0x1FFFFFFF)
        .I32(format)
        .Str("")
        .Memo({})
        .Memo({})
        .U16(0xFFFF);
    return w;
}

template <typename V> void Place(V& v, const char* name) {
    v.Name = name;
    v.SetBounds(10, 20, 30, 40);
}

} // namespace

TEST(TemplateRecords, LineAndBandAreTheCommonRecord) {
    TrpLineView line;
    Place(line, "Line1");
    EXPECT_EQ(Record(line), Common("Line1", 1, 4).Out);
    TrpBandView band;
    Place(band, "Band1");
    band.SetBandType(btMasterData);
    band.FormatStr = "rpDBDataSet1";
    ByteWriter w;
    w.Str("Band1")
        .Block(10, 20, 30, 40, 48, 5, 1, 0, 0, 0x1FFFFFFF)
        .I32(0)
        .Str("rpDBDataSet1")
        .Memo({})
        .Memo({})
        .U16(0xFFFF);
    EXPECT_EQ(Record(band), w.Out);
}

TEST(TemplateRecords, CommonFieldsInOrder) {
    TrpLineView v;
    Place(v, "Vonal");
    v.Flags = 0x8001;
    v.FrameTyp = 15;
    v.FrameWidth = 1.5f;
    v.FrameColor = 0x00FF00;
    v.FrameStyle = fsDouble;
    v.FillColor = 0xC0C0C0;
    v.Format = 0x01020400;
    v.FormatStr = "#,##0";
    v.Memo.Add("[PAGE#]");
    v.Script.Add("a");
    v.Script.Add("b");
    v.Visible = false;
    ByteWriter w;
    w.Str("Vonal")
        .Block(10, 20, 30, 40, 0x8001, 15, 1500, 0x00FF00, 5, 0xC0C0C0)
        .I32(0x01020400)
        .Str("#,##0")
        .Memo({"[PAGE#]"})
        .Memo({"a", "b"})
        .U16(0);
    EXPECT_EQ(Record(v), w.Out);
}

TEST(TemplateRecords, PrintModeLeavesOutTheDesignFields) {
    TrpLineView v;
    Place(v, "Line1");
    v.Memo.Add("x");
    v.StreamMode = smPrinting;
    ByteWriter w;
    w.Block(10, 20, 30, 40, 1, 4, 1, 0, 0, 0x1FFFFFFF).Memo({"x"});
    EXPECT_EQ(Record(v), w.Out);
}

TEST(TemplateRecords, MemoAddsFontAdjustCharsetAndHighlight) {
    TrpMemoView m;
    Place(m, "Memo1");
    m.Font.SetName("Times New Roman");
    m.Font.SetSize(12);
    TFontStyles style;
    style.Include(fsBold);
    style.Include(fsUnderline);
    m.Font.SetStyle(style);
    m.Font.SetColor(0x000080);
    m.Font.SetCharset(238);
    m.Adjust = 6;
    m.HighlightStr = "[x] > 0";
    ByteWriter w = Common("Memo1", 3, 0);
    w.Str("Times New Roman").I32(12).U16(6).I32(0x80).I32(6).U16(238);
    w.U16(2).I32(0).I32(0xFFFFFF).Str("[x] > 0");
    EXPECT_EQ(Record(m), w.Out);

    m.StreamMode = smPrinting;
    ByteWriter p;
    p.Block(10, 20, 30, 40, 3, 0, 1, 0, 0, 0x1FFFFFFF)
        .Memo({})
        .Str("Times New Roman")
        .I32(12)
        .U16(6)
        .I32(0x80)
        .I32(6)
        .U16(238);
    EXPECT_EQ(Record(m), p.Out);
}

TEST(TemplateRecords, SubReportAddsItsPageIndex) {
    TrpSubReportView v;
    Place(v, "SubReport1");
    v.SubPage = 2;
    ByteWriter w = Common("SubReport1", 1, 0);
    w.I32(2);
    EXPECT_EQ(Record(v), w.Out);
}

TEST(TemplateRecords, PictureCarriesKindEndPositionAndGraphic) {
    TrpPictureView v;
    Place(v, "Picture1");
    ByteWriter empty = Common("Picture1", 5, 0);
    const auto at = static_cast<std::int32_t>(empty.Out.size());
    empty.U8(0).I32(at + 5);
    EXPECT_EQ(Record(v), empty.Out);

    TBitmap bitmap(2, 1, pf24bit);
    v.Picture.SetGraphic(&bitmap);
    TMemoryStream bmp;
    bitmap.SaveToStream(&bmp);
    ByteWriter full = Common("Picture1", 5, 0);
    full.U8(1).I32(at + 5 + static_cast<std::int32_t>(bmp.Size())).Raw(StreamBytes(bmp));
    EXPECT_EQ(Record(v), full.Out);
}

TEST(TemplateRecords, RichTextCarriesAHasTextByteEndPositionAndTheRtf) {
    TrpRichView v;
    Place(v, "Rich1");
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg1250 x}";
    v.RichText = rtf;
    ByteWriter w = Common("Rich1", 1, 0);
    const auto at = static_cast<std::int32_t>(w.Out.size());
    w.U8(1).I32(at + 5 + static_cast<std::int32_t>(rtf.size())).Raw(rtf);
    EXPECT_EQ(Record(v), w.Out);

    v.RichText.clear();
    ByteWriter e = Common("Rich1", 1, 0);
    e.U8(0).I32(at + 5);
    EXPECT_EQ(Record(v), e.Out);
}

TEST(TemplateRecords, CoordinatesFarBeyondAnyPageAreCutOnReading) {
    ByteWriter w;
    w.Str("Line1")
        .Block(2147483647, -2147483647 - 1, 5, 6, 1, 4, 1, 0, 0, 0)
        .I32(0)
        .Str("")
        .Memo({})
        .Memo({})
        .U16(0);
    TMemoryStream s;
    LoadBytes(s, w.Out);
    TrpLineView v;
    v.LoadFromStream(&s);
    EXPECT_EQ(v.Left, 1 << 29);
    EXPECT_EQ(v.Top, -(1 << 29));
    EXPECT_EQ(v.Width, 5);
}
