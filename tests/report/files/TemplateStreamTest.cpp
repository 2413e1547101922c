// Whole templates: the header, page records, object records and values
// block; older versions; and what reading does with streams it cannot use.
#include "platform/core/Exceptions.h"
#include "platform/core/TFiler.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "tests/report/TemplateTestSupport.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/views/TrpPictureView.h"
#include "report/views/TrpRichView.h"
#include "report/views/TrpSubReportView.h"
#include "tests/support/ErrorOf.h"

namespace {

// The page record of an A4 portrait page with margins 36 and bottom 72.
void A4Page(ByteWriter& w) {
    w.I32(9).I32(2100).I32(2970).I32(36).I32(36).I32(36).I32(72).U8(0).U16(0).U16(0xFFFF).I32(1).I32(0);
}

// A version-23 header (no printer, no double pass) and one A4 page record.
ByteWriter OnePageTemplate() {
    ByteWriter w;
    w.U8(23).U16(0).U16(0).Str("").U8(255);
    A4Page(w);
    return w;
}

// A line record named "Line1" on page 0, read after the record under test.
void TrailingLine(ByteWriter& w) {
    w.U8(4)
        .U8(0)
        .Str("Line1")
        .Block(0, 0, 10, 0, 1, 8, 1, 0, 0, 0x1FFFFFFF)
        .I32(0)
        .Str("")
        .Memo({})
        .Memo({})
        .U16(0xFFFF);
}

TrpPage* AddA4Page(TrpReport& r) {
    r.Pages()->Add();
    TrpPage* p = r.Pages()->Pages(r.Pages()->Count() - 1);
    p->PaperWidth = 2100;
    p->PaperHeight = 2970;
    p->Margins = TRect(36, 36, 36, 72);
    return p;
}

void AddValue(TrpReport& r, const String& name, Byte typ = 0) {
    const Integer i = r.Values()->AddValue();
    r.Values()->Items.Put(i, name);
    r.Values()->GetValue(i)->Typ = typ;
}

// A report with one object of every kind on two pages and stored values.
void FillEveryKind(TrpReport& r) {
    r.PrintToDefault = true;
    r.DoublePass = true;
    TrpPage* p1 = AddA4Page(r);
    TrpPage* p2 = AddA4Page(r);
    p2->PrintToPrevPage = true;
    // Landscape A4, as the printer layer gives it back on reading.
    p2->Orientation = 1;
    p2->PaperWidth = 2970;
    p2->PaperHeight = 2100;
    p2->ColumnCount = 2;
    p2->ColumnGap = 15;

    auto* band = new TrpBandView();
    band->Name = "MasterData1";
    band->SetBandType(btMasterData);
    band->SetBounds(0, 100, 700, 20);
    band->FormatStr = "rpDBDataSet1";
    band->Flags = bfStretched | bfAllowSplit;
    p1->Add(band);

    auto* memo = new TrpMemoView();
    memo->Name = "Memo1";
    memo->SetBounds(10, 102, 300, 16);
    memo->Memo.Add("[letet_adatlap.Query1.\"letevo\"]");
    memo->Memo.Add("Ügyfél: [REGUSER]");
    memo->Script.Add("if [x] = 1 then Visible := False");
    memo->Font.SetName("Times New Roman");
    memo->Adjust = 2;
    memo->FrameTyp = FrameAll;
    memo->FrameWidth = 0.5f;
    memo->HighlightStr = "[SUM] > 10";
    p1->Add(memo);

    auto* line = new TrpLineView();
    line->Name = "Line1";
    line->SetBounds(10, 130, 500, 0);
    line->FrameStyle = fsDouble;
    line->FrameWidth = 20;
    p1->Add(line);

    auto* picture = new TrpPictureView();
    picture->Name = "Picture1";
    picture->SetBounds(400, 10, 64, 32);
    TBitmap bitmap(3, 2, pf24bit);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    picture->Picture.SetGraphic(&bitmap);
    p2->Add(picture);

    auto* sub = new TrpSubReportView();
    sub->Name = "SubReport1";
    sub->SubPage = 1;
    sub->Visible = false;
    p1->Add(sub);

    auto* rich = new TrpRichView();
    rich->Name = "Rich1";
    rich->SetBounds(10, 200, 600, 100);
    rich->RichText = "{\\rtf1\\ansi\\ansicpg1250 Alulírott [PNAME]}";
    p2->Add(rich);

    auto* empty = new TrpPictureView();
    empty->Name = "Picture2";
    p2->Add(empty);

    AddValue(r, "REGUSER");
    AddValue(r, "PNAME");
    const Integer bound = r.Values()->AddValue();
    r.Values()->Items.Put(bound, "SUM");
    TrpValue* v = r.Values()->GetValue(bound);
    v->Typ = 1;
    v->OtherKind = 3;
    v->DataSet = "Query1";
    v->Field = "osszeg";
    for (const char* line : {"TG", " REGUSER", " PNAME", " REGCIM"})
        r.Variables()->Add(line);
}

} // namespace

TEST_F(TemplateTest, WholeTemplateGoldenBytes) {
    Report.PrintToDefault = true;
    Report.DoublePass = true;
    TrpPage* page = AddA4Page(Report);
    auto* line = new TrpLineView();
    line->Name = "Line1";
    line->SetBounds(10, 20, 300, 0);
    page->Add(line);
    AddValue(Report, "REGUSER");
    for (const char* l : {"TG", " REGUSER", " PNAME"})
        Report.Variables()->Add(l);

    ByteWriter w;
    w.U8(23).U16(0xFFFF).U16(0xFFFF).Str("");
    w.U8(255);
    A4Page(w);
    w.U8(4)
        .U8(0)
        .Str("Line1")
        .Block(10, 20, 300, 0, 1, 4, 1, 0, 0, 0x1FFFFFFF)
        .I32(0x22C)
        .Str("")
        .Memo({})
        .Memo({})
        .U16(0xFFFF);
    w.U8(254).I32(1).U8(0).I32(0).U8(0).U8(0).U8(7).Raw("REGUSER").Memo({"TG", " REGUSER", " PNAME"});
    EXPECT_EQ(Save(Report), w.Out);
}

TEST_F(TemplateTest, EveryObjectKindSurvivesARoundTrip) {
    FillEveryKind(Report);
    const Bytes saved = Save(Report);
    TrpReport copy(nullptr);
    Load(copy, saved);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Shape(copy), "2: 4 3");
    EXPECT_EQ(Save(copy), saved); // byte for byte

    EXPECT_TRUE(copy.PrintToDefault);
    EXPECT_TRUE(copy.DoublePass);
    TrpPage* p2 = copy.Pages()->Pages(1);
    EXPECT_TRUE(p2->PrintToPrevPage);
    EXPECT_EQ(p2->Orientation, 1);
    EXPECT_EQ(p2->ColumnGap, 15);
    EXPECT_EQ(copy.Pages()->Pages(0)->Margins, TRect(36, 36, 36, 72));

    auto* band = dynamic_cast<TrpBandView*>(copy.FindObject("masterdata1"));
    ASSERT_TRUE(band);
    EXPECT_EQ(band->GetBandType(), btMasterData);
    EXPECT_EQ(band->FormatStr, "rpDBDataSet1");
    auto* memo = dynamic_cast<TrpMemoView*>(copy.FindObject("Memo1"));
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Memo.Get(1), "Ügyfél: [REGUSER]");
    EXPECT_EQ(memo->Script.Get(0), "if [x] = 1 then Visible := False");
    EXPECT_EQ(memo->Font.Name(), "Times New Roman");
    EXPECT_FLOAT_EQ(memo->FrameWidth, 0.5f);
    EXPECT_EQ(memo->HighlightStr, "[SUM] > 10");
    EXPECT_FLOAT_EQ(copy.FindObject("Line1")->FrameWidth, 20.0f);
    EXPECT_FALSE(copy.FindObject("SubReport1")->Visible);
    EXPECT_EQ(dynamic_cast<TrpSubReportView*>(copy.FindObject("SubReport1"))->SubPage, 1);
    auto* picture = dynamic_cast<TrpPictureView*>(copy.FindObject("Picture1"));
    ASSERT_TRUE(picture && dynamic_cast<TBitmap*>(picture->Picture.Graphic()));
    EXPECT_EQ(picture->Picture.Width(), 3);
    EXPECT_EQ(picture->Picture.Bitmap()->Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(dynamic_cast<TrpPictureView*>(copy.FindObject("Picture2"))->Picture.Graphic(), nullptr);
    auto* rich = dynamic_cast<TrpRichView*>(copy.FindObject("Rich1"));
    ASSERT_TRUE(rich);
    EXPECT_EQ(rich->Typ, 10);
    EXPECT_EQ(rich->RichText, "{\\rtf1\\ansi\\ansicpg1250 Alulírott [PNAME]}");

    ASSERT_EQ(copy.Values()->Items.Count(), 3);
    TrpValue* sum = copy.Values()->FindVariable("sum");
    ASSERT_TRUE(sum);
    EXPECT_EQ(sum->Typ, 1);
    EXPECT_EQ(sum->OtherKind, 3);
    EXPECT_EQ(sum->DataSet, "Query1");
    EXPECT_EQ(sum->Field, "osszeg");
    EXPECT_EQ(copy.Variables()->Count(), 4);
    EXPECT_EQ(copy.Variables()->Get(3), " REGCIM");
}

TEST_F(TemplateTest, LoadingReplacesThePagesAndMakesTheReportCurrent) {
    FillEveryKind(Report);
    const Bytes saved = Save(Report);
    CurReport = nullptr;
    Load(Report, saved);
    EXPECT_EQ(CurReport, &Report);
    EXPECT_EQ(Shape(Report), "2: 4 3");
}

namespace {

// An old memo record (no name, script or visibility; 0-terminated texts).
void OldMemo(ByteWriter& w, Word charset) {
    w.U8(0).U8(0);
    w.Block(5, 6, 70, 8, 1, 15, 2, 0, 0, 0xFFFFFF).I32(0x22C).Str22("#0").Memo22({"N\xE9v:", "[PNAME]"});
    w.Str22("Arial").I32(9).U16(2).I32(0xFF).I32(1).U16(charset);
    w.U16(1).I32(0).I32(0xFFFFFF).Str22("");
}

Bytes OldTemplate(Byte version, bool withVersionByte) {
    ByteWriter w;
    if (withVersionByte) w.U8(version);
    w.U16(0x0011).U16(0).Str22("HP LaserJet");
    w.U8(255).I32(9).I32(2100).I32(2970).I32(0).I32(0).I32(0).I32(0).U8(0);
    w.Raw(Bytes{1, 2, 3, 4, 5, 6}); // the 6 bytes older pages carry
    w.U16(0).U16(0xFFFF).I32(1).I32(0);
    OldMemo(w, 238);
    w.U8(4).U8(0).Block(0, 50, 100, 0, 1, 4, 1, 0, 0, 0x1FFFFFFF).I32(0x22C).Str22("").Memo22({});
    w.U8(254).I32(0).Memo22({"TG", " REGUSER"});
    return w.Out;
}

} // namespace

TEST_F(TemplateTest, Version22GeneratesNamesAndReadsTheOlderEncodings) {
    Load(Report, OldTemplate(22, true));
    EXPECT_TRUE(Messages.empty());
    ASSERT_EQ(Shape(Report), "1: 2");
    EXPECT_TRUE(Report.PrintToDefault);
    EXPECT_FALSE(Report.DoublePass);
    auto* memo = dynamic_cast<TrpMemoView*>(Report.Pages()->Pages(0)->Object(0));
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Name, "Memo1");
    EXPECT_EQ(memo->FormatStr, "#0");
    EXPECT_EQ(memo->Memo.Count(), 2);
    EXPECT_EQ(memo->Memo.Get(0), "Név:");
    EXPECT_EQ(memo->Font.Charset(), 0); // the stored 238 gives way to the default
    EXPECT_EQ(memo->Font.Size(), 9);
    EXPECT_EQ(memo->Flags, 1); // no word wrap added after version 21
    EXPECT_TRUE(memo->Visible);
    EXPECT_EQ(memo->Script.Count(), 0);
    EXPECT_EQ(Report.Pages()->Pages(0)->Object(1)->Name, "Line1");
    EXPECT_EQ(Report.Variables()->Get(1), " REGUSER");
}

TEST_F(TemplateTest, Version21AlsoGivesEveryMemoWordWrap) {
    Load(Report, OldTemplate(21, true));
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Report.Pages()->Pages(0)->Object(0)->Flags, 3);
}

TEST_F(TemplateTest, AStreamBeginningBelow21HasNoVersionByte) {
    // The first byte, 17, is the low byte of the PrintToDefault word.
    const Bytes headerless = OldTemplate(0, false);
    ASSERT_EQ(headerless[0], 17);
    Load(Report, headerless);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Shape(Report), "1: 2");
    EXPECT_TRUE(Report.PrintToDefault);
    EXPECT_EQ(Report.Pages()->Pages(0)->Object(0)->Flags, 3); // read as version 21
}

TEST_F(TemplateTest, AVersionAbove23IsRefusedAndThePagesStay) {
    FillEveryKind(Report);
    Load(Report, {24, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Messages, std::vector<String>{UnsupportedMessage});
    EXPECT_EQ(Shape(Report), "2: 4 3");
}

TEST_F(TemplateTest, UnreadableStreamsEndInOneEmptyPageAndTheMessage) {
    struct Row {
        const char* Why;
        Bytes Stream;
    };
    auto header = [] {
        ByteWriter w;
        w.U8(23).U16(0).U16(0).Str("");
        return w;
    };
    ByteWriter unknownCode = header();
    unknownCode.U8(255);
    A4Page(unknownCode);
    unknownCode.U8(100);
    ByteWriter noPage = header();
    noPage.U8(4).U8(0);
    ByteWriter pastLastPage = header();
    pastLastPage.U8(255);
    A4Page(pastLastPage);
    pastLastPage.U8(4).U8(1);
    ByteWriter unknownClass = header();
    unknownClass.U8(255);
    A4Page(unknownClass);
    unknownClass.U8(10).Str("TrpChartView").U8(0);
    auto pictureEnd = [&](std::int32_t end) {
        ByteWriter w = header();
        w.U8(255);
        A4Page(w);
        w.U8(1).U8(0).Str("P").Block(0, 0, 1, 1, 5, 0, 1, 0, 0, 0).I32(0).Str("").Memo({}).Memo({}).U16(0);
        w.U8(0).I32(end == -1 ? static_cast<std::int32_t>(w.Out.size()) - 1 : end);
        return w.Out;
    };
    std::vector<Row> rows = {
        {"empty stream", {}},
        {"truncated header", {23, 0}},
        {"unknown record code", unknownCode.Out},
        {"object before any page", noPage.Out},
        {"page index past the last page", pastLastPage.Out},
        {"unregistered add-in class", unknownClass.Out},
        {"picture end past the stream", pictureEnd(100000)},
        {"picture end before the graphic", pictureEnd(-1)},
    };
    for (Byte code = 5; code <= 9; ++code) {
        ByteWriter w = header();
        w.U8(255);
        A4Page(w);
        w.U8(code).U8(0);
        rows.push_back({"unused object code", w.Out});
    }
    for (const Row& row : rows) {
        Messages.clear();
        FillEveryKind(Report);
        Load(Report, row.Stream);
        EXPECT_EQ(Messages, std::vector<String>{UnsupportedMessage}) << row.Why;
        EXPECT_EQ(Shape(Report), "1: 0") << row.Why;
    }
}

TEST_F(TemplateTest, EveryTruncationOfATemplateLoadsOrFailsCleanly) {
    FillEveryKind(Report);
    const Bytes full = Save(Report);
    for (std::size_t n = 0; n < full.size(); ++n) {
        Messages.clear();
        TrpReport r(nullptr);
        Load(r, Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n)));
        if (!Messages.empty()) {
            ASSERT_EQ(Messages, std::vector<String>{UnsupportedMessage}) << n;
            ASSERT_EQ(Shape(r), "1: 0") << n;
        }
    }
}

TEST_F(TemplateTest, FramedMemoRecordsBecomeMemosInAnyLetterCase) {
    ByteWriter w = OnePageTemplate();
    w.U8(10).Str("trpFramedMemoView").U8(0);
    w.Str("Keret")
        .Block(1, 2, 3, 4, 3, 15, 1, 0, 0, 0x1FFFFFFF)
        .I32(0x22C)
        .Str("")
        .Memo({"x"})
        .Memo({})
        .U16(0xFFFF);
    w.Str("Arial").I32(10).U16(0).I32(0).I32(0).U16(0).U16(2).I32(0).I32(0xFFFFFF).Str("");
    w.Raw(Bytes{9, 9, 9, 9, 9, 9, 9, 9}); // the framed memo's own 8 bytes
    TrailingLine(w);
    Load(Report, w.Out);
    EXPECT_TRUE(Messages.empty());
    ASSERT_EQ(Shape(Report), "1: 2");
    auto* memo = dynamic_cast<TrpMemoView*>(Report.Pages()->Pages(0)->Object(0));
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Typ, 0);
    EXPECT_EQ(memo->Name, "Keret");
    EXPECT_EQ(Report.Pages()->Pages(0)->Object(1)->Name, "Line1");
}

TEST_F(TemplateTest, ReadingContinuesAtThePicturesStoredEndPosition) {
    TBitmap bitmap(1, 1, pf24bit);
    TMemoryStream bmp;
    bitmap.SaveToStream(&bmp);
    ByteWriter w = OnePageTemplate();
    w.U8(1)
        .U8(0)
        .Str("Picture1")
        .Block(0, 0, 10, 10, 5, 0, 1, 0, 0, 0x1FFFFFFF)
        .I32(0)
        .Str("")
        .Memo({})
        .Memo({})
        .U16(0xFFFF);
    // The bitmap is followed by bytes it does not read; the end position skips them.
    const auto end = static_cast<std::int32_t>(w.Out.size() + 5 + bmp.Size() + 7);
    w.U8(1).I32(end).Raw(StreamBytes(bmp)).Raw(Bytes(7, 0xEE));
    TrailingLine(w);
    Load(Report, w.Out);
    EXPECT_TRUE(Messages.empty());
    ASSERT_EQ(Shape(Report), "1: 2");
    EXPECT_EQ(Report.Pages()->Pages(0)->Object(1)->Name, "Line1");
}

TEST_F(TemplateTest, ADataManagerRecordEndsReading) {
    ByteWriter w = OnePageTemplate();
    w.U8(253).Raw(Bytes{1, 2, 3});
    Load(Report, w.Out);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Shape(Report), "1: 0");
}

TEST_F(TemplateTest, ReportFormPropertyHoldsTheTemplateOnlyWhenStoredInTheForm) {
    FillEveryKind(Report);
    TMemoryStream property;
    Report.WriteBinaryData(&property);
    EXPECT_EQ(StreamBytes(property), (Bytes{23, 0, 0, 0}));
    property.SetPosition(0);
    TrpReport notStored(nullptr);
    notStored.ReadBinaryData(&property);
    EXPECT_EQ(Shape(notStored), "0:");

    Report.SetStoreInDFM(true);
    const Bytes bare = Save(Report);
    property.Clear();
    property.WriteBuffer("\x01\x02", 2); // the form's bytes ahead of the property
    Report.WriteBinaryData(&property);
    const Bytes written = StreamBytes(property);
    // int32 23, int32 size, then the template as it stands on its own: its end
    // positions count from its own first byte.
    ASSERT_EQ(written.size(), 2 + 8 + bare.size());
    EXPECT_EQ(Bytes(written.begin() + 2, written.begin() + 10),
              (ByteWriter().I32(23).I32(static_cast<std::int32_t>(bare.size())).Out));
    EXPECT_EQ(Bytes(written.begin() + 10, written.end()), bare);

    TrpReport stored(nullptr);
    stored.SetStoreInDFM(true);
    property.SetPosition(2);
    stored.ReadBinaryData(&property);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Shape(stored), "2: 4 3");
    EXPECT_EQ(Save(stored), bare);
}

TEST_F(TemplateTest, AReportFormSizeBeyondTheStreamIsAReadError) {
    TMemoryStream property;
    LoadBytes(property, ByteWriter().I32(23).I32(1000).U8(23).Out);
    Report.SetStoreInDFM(true);
    EXPECT_EQ(ErrorOf<EReadError>([&] { Report.ReadBinaryData(&property); }), "Stream read error");
}

TEST_F(TemplateTest, TheFormResourceCarriesTheTemplateAsReportForm) {
    FillEveryKind(Report);
    Report.SetName("rpReport1");
    Report.SetStoreInDFM(true);
    const String text = FormObjectToText(TWriter().WriteComponent(&Report));
    EXPECT_NE(text.find("StoreInDFM = True"), String::npos);
    EXPECT_LT(text.find("StoreInDFM"), text.find("ReportForm = {"));

    TrpReport loaded(nullptr);
    TReader().ReadComponent(&loaded, TextToFormObject(text));
    EXPECT_TRUE(Messages.empty());
    EXPECT_TRUE(loaded.StoreInDFM());
    EXPECT_EQ(Shape(loaded), "2: 4 3");
    EXPECT_EQ(Save(loaded), Save(Report));
}

TEST_F(TemplateTest, MorePagesThanAnObjectRecordCanNameAreRefusedOnWriting) {
    for (Integer i = 0; i < 257; ++i)
        Report.Pages()->Add();
    TMemoryStream s;
    EXPECT_EQ(ErrorOf<EWriteError>([&] { Report.SaveToStream(&s); }), "A template holds at most 256 pages");
    EXPECT_EQ(s.Size(), 0); // nothing half-written
    Report.Pages()->Delete(256);
    Report.SaveToStream(&s);
    TrpReport copy(nullptr);
    Load(copy, StreamBytes(s));
    EXPECT_EQ(copy.Pages()->Count(), 256);
}

TEST_F(TemplateTest, AnUnknownPictureKindIsUnreadable) {
    ByteWriter w = OnePageTemplate();
    w.U8(1).U8(0).Str("P").Block(0, 0, 1, 1, 5, 0, 1, 0, 0, 0).I32(0).Str("").Memo({}).Memo({}).U16(0);
    w.U8(7).I32(static_cast<std::int32_t>(w.Out.size() + 4));
    Load(Report, w.Out);
    EXPECT_EQ(Messages, std::vector<String>{UnsupportedMessage});
    EXPECT_EQ(Shape(Report), "1: 0");
}
