#include "report/common/detail/rpStreamUtils.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStringList.h"
#include "tests/report/StreamBytes.h"
#include "report/common/detail/rpGlobals.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

Bytes WrittenMemo(std::initializer_list<String> lines) {
    TStringList list;
    for (const String& l : lines)
        list.Add(l);
    TMemoryStream s;
    rpWriteMemo(&s, &list);
    return StreamBytes(s);
}

std::vector<String> ReadMemo(const Bytes& b, void (*reader)(TStream*, TStrings*)) {
    TMemoryStream s;
    LoadBytes(s, b);
    TStringList list;
    reader(&s, &list);
    std::vector<String> out;
    for (Integer i = 0; i < list.Count(); ++i)
        out.push_back(list.Get(i));
    return out;
}

using Lines = std::vector<String>;

} // namespace

TEST(TemplateMemo, GoldenBytes) {
    EXPECT_EQ(WrittenMemo({}), (Bytes{0, 0, 0}));
    EXPECT_EQ(WrittenMemo({"abc"}), (Bytes{1, 0, 3, 0, 0x61, 0x62, 0x63, 0}));
    EXPECT_EQ(WrittenMemo({"a", ""}), (Bytes{2, 0, 1, 0, 0x61, 13, 0, 0, 0}));
    // Text goes into the stream in code page 1250.
    EXPECT_EQ(WrittenMemo({"ő"}), (Bytes{1, 0, 1, 0, 0xF5, 0}));
}

TEST(TemplateMemo, ReaderStopsAtTheZeroSeparatorWhateverTheCountSays) {
    EXPECT_EQ(ReadMemo({0, 0, 0}, rpReadMemo), Lines{});
    EXPECT_EQ(ReadMemo({2, 0, 1, 0, 'a', 13, 2, 0, 'b', 0xE9, 0}, rpReadMemo), (Lines{"a", "bé"}));
    EXPECT_EQ(ReadMemo({9, 0, 1, 0, 'a', 0}, rpReadMemo), Lines{"a"});
    EXPECT_EQ(ErrorOf<EReadError>([] { ReadMemo({2, 0, 1, 0, 'a', 13}, rpReadMemo); }), "Stream read error");
}

TEST(TemplateMemo, OldEncodingEndsLinesAt13AndKeepsOnlyNonEmptyPendingText) {
    EXPECT_EQ(ReadMemo({0}, rpReadMemo22), Lines{});
    EXPECT_EQ(ReadMemo({'a', 13, 'b', 13, 0}, rpReadMemo22), (Lines{"a", "b"}));
    EXPECT_EQ(ReadMemo({'a', 13, 'b', 0}, rpReadMemo22), (Lines{"a", "b"}));
    EXPECT_EQ(ReadMemo({'a', 13, 13, 0}, rpReadMemo22), (Lines{"a", ""}));
    EXPECT_EQ(ErrorOf<EReadError>([] { ReadMemo({'a', 13}, rpReadMemo22); }), "Stream read error");
}

TEST(TemplateString, GoldenBytesAndOldEncoding) {
    TMemoryStream s;
    rpWriteString(&s, "Ügy");
    EXPECT_EQ(StreamBytes(s), (Bytes{3, 0, 0xDC, 'g', 'y', 0}));
    s.SetPosition(0);
    EXPECT_EQ(rpReadString(&s), "Ügy");

    LoadBytes(s, {'A', 'r', 'i', 'a', 'l', 0, 'x'});
    EXPECT_EQ(rpReadString22(&s), "Arial");
    EXPECT_EQ(s.Position(), 6);
    // The trailing byte of the version-23 form is not checked.
    LoadBytes(s, {1, 0, 'q', 7});
    EXPECT_EQ(rpReadString(&s), "q");
}

TEST(TemplateString, VersionDispatchFollowsRpVersion) {
    const Byte saved = rpVersion;
    TMemoryStream s;
    LoadBytes(s, {'x', 0});
    rpVersion = 22;
    EXPECT_EQ(rpReadStringV(&s), "x");
    LoadBytes(s, {1, 0, 'y', 0});
    rpVersion = 23;
    EXPECT_EQ(rpReadStringV(&s), "y");
    rpVersion = saved;
}

TEST(TemplateString, OverlongTextIsCutAtTheLengthItsFieldCanHold) {
    TMemoryStream s;
    rpWriteString(&s, String(70000, 'x'));
    EXPECT_EQ(s.Size(), 2 + 65535 + 1);
    s.SetPosition(0);
    EXPECT_EQ(rpReadString(&s).size(), 65535u);

    s.Clear();
    rpWriteShortString(&s, String(300, 'y'));
    EXPECT_EQ(s.Size(), 1 + 255);
    s.SetPosition(0);
    EXPECT_EQ(rpReadShortString(&s), String(255, 'y'));
}

TEST(TemplateBoolean, AnyNonZeroWordIsTrueAndTrueIsWrittenAsFFFF) {
    TMemoryStream s;
    rpWriteBool(&s, true);
    rpWriteBool(&s, false);
    EXPECT_EQ(StreamBytes(s), (Bytes{0xFF, 0xFF, 0, 0}));
    LoadBytes(s, {1, 0, 0, 1, 0, 0});
    EXPECT_TRUE(rpReadBool(&s));
    EXPECT_TRUE(rpReadBool(&s));
    EXPECT_FALSE(rpReadBool(&s));
}

TEST(TemplateFrameWidth, EncodingAndDecoding) {
    struct Row {
        float Width;
        std::int32_t Stored;
        float ReadBack;
    };
    const Row rows[] = {
        {1.0f, 1, 1.0f},       // whole widths up to 10 are stored as they are
        {10.0f, 10, 10.0f},    //
        {0.0f, 0, 0.0f},       //
        {1.5f, 1500, 1.5f},    // fractions as thousandths
        {0.25f, 250, 0.25f},   //
        {20.0f, 20000, 20.0f}, // a whole width above 10 as thousandths, so it reads back as 20
        {10.5f, 10500, 10.5f}, //
        {0.005f, 0, 0.0f},     // too small for thousandths: the nearest whole width
        {0.0104f, 0, 0.0f},    //
        {0.011f, 11, 0.011f},  //
    };
    for (const Row& row : rows) {
        EXPECT_EQ(rpEncodeFrameWidth(row.Width), row.Stored) << row.Width;
        EXPECT_FLOAT_EQ(rpDecodeFrameWidth(row.Stored), row.ReadBack) << row.Width;
    }
    // Stored templates written by the old rule still read as they always did.
    EXPECT_FLOAT_EQ(rpDecodeFrameWidth(20), 0.02f);
    EXPECT_FLOAT_EQ(rpDecodeFrameWidth(-3), -3.0f);
}

TEST(TemplateFontStyle, WordBitsMapToTheFontStyleSet) {
    TFontStyles all;
    all.Include(fsItalic);
    all.Include(fsBold);
    all.Include(fsUnderline);
    EXPECT_EQ(rpSetFontStyle(7), all);
    EXPECT_TRUE(rpSetFontStyle(2).Contains(fsBold));
    EXPECT_FALSE(rpSetFontStyle(2).Contains(fsItalic));
    all.Include(fsStrikeOut); // not stored
    EXPECT_EQ(rpGetFontStyle(all), 7);
    EXPECT_EQ(rpGetFontStyle(rpSetFontStyle(4)), 4);
}
