// The RTF export filter: the document frame, row paragraphs with their font,
// style and colour codes, text escapes, the font and colour tables, and
// pictures as framed metafiles in hexadecimal lines.
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TMetafile.h"
#include "tests/support/MetafileBuilder.h"
#include "report/files/detail/RtfEncoding.h"
#include "tests/report/StreamBytes.h"
#include "report/views/TrpMemoView.h"
#include "report/views/TrpPictureView.h"
#include "report/files/TrpRTFExportFilter.h"

#include <gtest/gtest.h>

namespace {

String Written(TMemoryStream& s) {
    const Bytes b = StreamBytes(s);
    return String(b.begin(), b.end());
}

const String Opening = "{\\rtf1\\ansi\\ansicpg1250\r\n";

// A memo with the given font, as the filter reads it from a view.
struct FontedMemo : TrpMemoView {
    FontedMemo(const String& name, Integer size, TFontStyles style = {}, TColor color = clBlack) {
        Font.SetName(name);
        Font.SetSize(size);
        Font.SetStyle(style);
        Font.SetColor(color);
    }
};

// The text split at CR LF; the last line is what follows the last line end.
std::vector<String> SplitLines(const String& text) {
    std::vector<String> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find("\r\n", at)) != String::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    lines.push_back(text.substr(at));
    return lines;
}

// The paragraph lines of a one-page document (between the tables and the end).
std::vector<String> BodyLines(const String& doc) {
    const std::vector<String> lines = SplitLines(doc);
    // Opening, font table and colour table lead; "\par}" closes.
    return std::vector<String>(lines.begin() + 3, lines.end() - 1);
}

TEST(RTFExportTest, EmptyDocumentsAreExactly) {
    const String empty = Opening + "{\\fonttbl}\r\n{\\colortbl;}\r\n\\par}";
    {
        TMemoryStream s;
        TrpRTFExportFilter f(&s, 16);
        EXPECT_EQ(Written(s), ""); // the tables are known only at the end
        f.OnEndDoc();
        EXPECT_EQ(Written(s), empty);
        f.OnEndDoc(); // a second end writes nothing
        EXPECT_EQ(Written(s), empty);
    }
    {
        // Empty pages write no rows; pages after the first begin with a page break.
        TMemoryStream s;
        TrpRTFExportFilter f(&s, 16);
        for (int page = 0; page < 3; ++page) {
            f.OnBeginPage();
            f.OnEndPage();
        }
        f.OnEndDoc();
        EXPECT_EQ(Written(s), Opening + "{\\fonttbl}\r\n{\\colortbl;}\r\n\\page\r\n\\page\r\n\\par}");
    }
}

TEST(RTFExportTest, RowsBecomeParagraphsWithTabStops) {
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    FontedMemo plain("Arial", 10), bold("Arial", 10, {fsBold});
    f.OnBeginPage();
    f.OnText(130, 0, "Date", &bold);
    f.OnText(0, 0, "Name", &plain);
    f.OnText(65, 40, "Third", &plain); // 2.5 rows round to even: row 2
    f.OnEndPage();
    f.OnEndDoc();
    const String doc = Written(s);
    EXPECT_EQ(doc.substr(0, Opening.size()), Opening);
    EXPECT_NE(doc.find("{\\fonttbl{\\f0 Arial}}\r\n{\\colortbl;\\red0\\green0\\blue0;}\r\n"), String::npos);
    // 130 page pixels are 2000 twips; the second item's only code is the bold.
    EXPECT_EQ(BodyLines(doc),
              (std::vector<String>{"\\pard\\tx0\\tx2000{\\tab\\f0\\fs20\\cf1 Name\\tab\\b Date\\par}",
                                   "\\pard{\\par}", "\\pard\\tx1000{\\tab\\f0\\fs20\\cf1 Third\\par}"}));
}

TEST(RTFExportTest, StylesAreSwitchedOnAndOffPerItem) {
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    FontedMemo bold("Arial", 10, {fsBold}), plain("Arial", 10),
        italicUnder("Arial", 10, {fsItalic, fsUnderline}), boldOnly("Arial", 10, {fsBold});
    f.OnBeginPage();
    f.OnText(0, 0, "a", &bold);
    f.OnText(13, 0, "b", &plain);
    f.OnText(26, 0, "c", &italicUnder);
    f.OnText(39, 0, "d", &boldOnly);
    f.OnText(0, 16, "e", &plain); // a new row starts plain: nothing to switch off
    f.OnEndPage();
    f.OnEndDoc();
    EXPECT_EQ(BodyLines(Written(s)),
              (std::vector<String>{
                  "\\pard\\tx0\\tx200\\tx400\\tx600{\\tab\\f0\\fs20\\b\\cf1 a\\tab\\b0 b\\tab\\i\\ul "
                  "c\\tab\\i0\\b\\ul0 d\\par}",
                  "\\pard\\tx0{\\tab\\f0\\fs20\\cf1 e\\par}"}));
}

TEST(RTFExportTest, FontsAndColoursAreNumberedInFirstUse) {
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    FontedMemo red("Times New Roman", 12, {}, 0x0000FF), white("Arial", 8, {}, clWhite),
        window("Arial", 8, {}, clWindow), highlight("Arial", 8, {}, clHighlight),
        again("Times New Roman", 12, {}, 0x0000FF);
    f.OnBeginPage();
    f.OnText(0, 0, "r", &red);
    f.OnText(0, 16, "w", &white);
    f.OnText(13, 16, "v", &window);    // a system colour resolving to white: black too
    f.OnText(26, 16, "h", &highlight); // resolved to its RGB value
    f.OnText(0, 32, "t", &again);
    f.OnEndPage();
    f.OnEndDoc();
    const String doc = Written(s);
    const TColor hl = ColorToRGB(clHighlight);
    EXPECT_NE(doc.find("{\\fonttbl{\\f0 Times New Roman}{\\f1 Arial}}\r\n{\\colortbl;\\red255\\green0\\blue0;"
                       "\\red0\\green0\\blue0;\\red" +
                       std::to_string(GetRValue(hl)) + "\\green" + std::to_string(GetGValue(hl)) + "\\blue" +
                       std::to_string(GetBValue(hl)) + ";}\r\n"),
              String::npos);
    EXPECT_EQ(BodyLines(doc), (std::vector<String>{
                                  "\\pard\\tx0{\\tab\\f0\\fs24\\cf1 r\\par}",
                                  "\\pard\\tx0\\tx200\\tx400{\\tab\\f1\\fs16\\cf2 w\\tab v\\tab\\cf3 h\\par}",
                                  "\\pard\\tx0{\\tab\\f0\\fs24\\cf1 t\\par}"}));
}

TEST(RTFExportTest, TextIsEscaped) {
    struct Row {
        String text, rtf;
    };
    const Row rows[] = {
        {"a\\b{c}", "a\\\\b\\{c\\}"},                 // group and escape characters
        {"őŐűŰáé", "\\'f5\\'d5\\'fb\\'db\\'e1\\'e9"}, // Hungarian letters by their code page byte
        {"€ 5", "\\'80 5"},                           // in the code page above 127
        {"a\tb", "a\\'09b"},                          // control characters as bytes
        {"Жx", "\\u1046?x"},                          // outside the code page: by code unit
        {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},  // beyond U+FFFF: a surrogate pair
        {"", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(report::RtfEscapedText(r.text), r.rtf) << r.text;

    // Items and font names pass through it.
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    FontedMemo odd("Font{x}", 10);
    f.OnBeginPage();
    f.OnText(0, 0, "}{\\par", &odd);
    f.OnEndPage();
    f.OnEndDoc();
    const String doc = Written(s);
    EXPECT_NE(doc.find("{\\f0 Font\\{x\\}}"), String::npos);
    EXPECT_NE(doc.find(" \\}\\{\\\\par\\par}"), String::npos);
}

TEST(RTFExportTest, TableLinesStayBelow255Characters) {
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    std::vector<std::unique_ptr<FontedMemo>> memos;
    f.OnBeginPage();
    for (int i = 0; i < 6; ++i) {
        // "{\fN " + 50 characters + "}" is 56 characters an entry.
        memos.push_back(std::make_unique<FontedMemo>(String(49, char('a' + i)) + "z", 10));
        f.OnText(0, i * 16, "x", memos.back().get());
    }
    f.OnEndPage();
    f.OnEndDoc();
    const String doc = Written(s);
    const auto entry = [](int i) {
        return "{\\f" + std::to_string(i) + " " + String(49, char('a' + i)) + "z}";
    };
    // 9 + 4 × 56 = 233; a fifth entry would reach 289.
    EXPECT_NE(doc.find("\r\n{\\fonttbl" + entry(0) + entry(1) + entry(2) + entry(3) + "\r\n" + entry(4) +
                       entry(5) + "}\r\n{\\colortbl;"),
              String::npos);
}

// A bitmap w × h of 24 bits, every pixel of one colour.
std::unique_ptr<TBitmap> Bitmap(Integer w, Integer h, TColor c) {
    auto b = std::make_unique<TBitmap>(w, h, pf24bit);
    b->Canvas()->Brush()->SetColor(c);
    b->Canvas()->FillRect(TRect(0, 0, w, h));
    return b;
}

String Hex(const std::vector<Byte>& bytes, std::size_t from) {
    static const char digits[] = "0123456789abcdef";
    String out;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

TEST(RTFExportTest, APictureIsAFramedMetafileInHexLines) {
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    TrpPictureView pic;
    pic.SetBounds(100, 50, 40, 30);
    auto bmp = Bitmap(40, 30, 0x3366CC);
    pic.Picture.SetGraphic(bmp.get());
    f.OnBeginPage();
    f.OnData(100, 50, &pic);
    f.OnEndPage();
    f.OnEndDoc();
    const String doc = Written(s);
    const std::vector<Byte> file = bmp->SaveToBytes();
    ASSERT_EQ(file.size(), 14u + 40 + 30 * 120);

    const std::size_t start = doc.find("\\pard\\phmrg");
    ASSERT_NE(start, String::npos);
    const std::vector<String> lines = SplitLines(doc.substr(start));
    ASSERT_EQ(lines.size(), 60u);
    // Twenty twips a pixel down and across the frame, 1.3 pixels a point along x,
    // hundredths of a millimetre for the goal size.
    EXPECT_EQ(lines[0],
              "\\pard\\phmrg\\posx1538\\posy1000\\absh600\\absw800{\\pict\\wmetafile8\\picw1059\\pich794 "
              "\\picbmp\\picbpp4");
    // 3,640 bytes of info and bits: a record of 1,834 words (0x72a), a file of 1,870 (0x74e).
    EXPECT_EQ(lines[1], "010009000003"
                        "4e070000"
                        "0000"
                        "2a070000"
                        "0000"
                        "050000000b0200000000"
                        "050000000c021e002800"
                        "05000000090200000000"
                        "050000000102ffffff00"
                        "0400000007010300"
                        "2a070000430f2000cc0000001e002800000000001e00280000000000");
    // 56 lines of 64 bytes, then 56 bytes run straight into the end record.
    const String bits = Hex(file, 14);
    for (std::size_t i = 0; i < 56; ++i)
        ASSERT_EQ(lines[2 + i], bits.substr(i * 128, 128)) << i;
    EXPECT_EQ(lines[58], bits.substr(56 * 128) + "030000000000}\\par");
    EXPECT_EQ(lines[59], "\\par}");
}

TEST(RTFExportTest, PicturesKeepTheirOrderAndPage) {
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    FontedMemo memo("Arial", 10);
    TrpPictureView a, b, c, empty;
    auto red = Bitmap(2, 2, 0x0000FF), green = Bitmap(3, 1, 0x00FF00), blue = Bitmap(1, 3, 0xFF0000);
    a.Picture.SetGraphic(red.get());
    b.Picture.SetGraphic(green.get());
    c.Picture.SetGraphic(blue.get());
    f.OnBeginPage();
    f.OnText(0, 0, "text", &memo);
    f.OnData(10, 0, &a);
    f.OnData(0, 0, &memo);  // not a picture
    f.OnData(0, 0, &empty); // no graphic
    f.OnData(20, 0, &b);
    f.OnEndPage();
    f.OnBeginPage();
    f.OnData(30, 0, &c);
    f.OnEndPage();
    f.OnEndDoc();
    const String doc = Written(s);
    std::vector<String> found;
    for (std::size_t at = doc.find("\\posx"); at != String::npos; at = doc.find("\\posx", at + 1))
        found.push_back(doc.substr(at, doc.find('\\', at + 1) - at));
    // Page pixels 10, 20 and 30 in twips; the first page's pictures are not repeated.
    EXPECT_EQ(found, (std::vector<String>{"\\posx154", "\\posx308", "\\posx462"}));
    // Pictures come before the page's rows, the second page after its break.
    EXPECT_LT(doc.find("\\posx308"), doc.find("\\tab\\f0"));
    EXPECT_LT(doc.find("\\page"), doc.find("\\posx462"));
    EXPECT_GT(doc.find("\\page"), doc.find("\\tab\\f0"));
}

TEST(RTFExportTest, AnOddBitmapIsPaddedToWholeWords) {
    // A file header and three bytes: two words of record after padding.
    std::vector<Byte> file(14, 0);
    file.insert(file.end(), {0xAB, 0xCD, 0xEF});
    const String group = report::RtfPictureGroup({0, 0, 1, 1, 1, 1}, file);
    // Record 2 + 14 = 16 words (0x10), file 52 (0x34).
    EXPECT_NE(group.find("\r\n010009000003340000000000100000000000"), String::npos);
    EXPECT_NE(group.find("\r\nabcdef00030000000000}\\par\r\n"), String::npos);
}

// A placeable metafile of one inch by half an inch: a framed white rectangle
// over the whole picture.
std::vector<Byte> PlaceableMetafile() {
    metafiletest::Wmf w(1440, 720, 1440);
    w.Record(0x041B, metafiletest::Shorts({720, 1440, 0, 0}));
    return w.Build();
}

TEST(RTFExportTest, OtherGraphicsBecomePlainBitmaps) {
    // A metafile drawn at its own size on white, kept as a 24-bit bitmap file.
    TMetafile meta;
    meta.LoadFromBytes(PlaceableMetafile());
    ASSERT_EQ(meta.Width(), 96);
    const std::vector<Byte> file = report::PlainBitmapFile(&meta);
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(file[14], 40); // a 40-byte info header
    EXPECT_EQ(file[28], 24); // bits a pixel
    EXPECT_EQ(file[30], 0);  // uncompressed
    TBitmap back;
    back.LoadFromBytes(file.data(), file.size());
    EXPECT_EQ(back.Width(), 96);
    EXPECT_EQ(back.Height(), 48);
    EXPECT_EQ(back.Canvas()->Pixels(10, 24), clWhite);
    EXPECT_EQ(back.Canvas()->Pixels(0, 0), clBlack); // the played frame

    // Through a picture view the converted bitmap reaches the document.
    TMemoryStream s;
    TrpRTFExportFilter f(&s, 16);
    TrpPictureView pic;
    pic.SetBounds(0, 0, 96, 48);
    pic.Picture.SetGraphic(&meta);
    f.OnBeginPage();
    f.OnData(0, 0, &pic);
    f.OnEndPage();
    f.OnEndDoc();
    EXPECT_NE(
        Written(s).find("\r\n" + Hex(std::vector<Byte>(file.begin() + 14, file.begin() + 78), 0) + "\r\n"),
        String::npos);

    // A plain bitmap keeps its own bytes; an empty graphic gives nothing.
    auto bmp = Bitmap(5, 4, clRed);
    EXPECT_EQ(report::PlainBitmapFile(bmp.get()), bmp->SaveToBytes());
    TBitmap none;
    EXPECT_TRUE(report::PlainBitmapFile(&none).empty());
    EXPECT_TRUE(report::PlainBitmapFile(nullptr).empty());
}

} // namespace
