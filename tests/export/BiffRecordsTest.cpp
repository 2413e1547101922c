// Golden bytes of every record the worksheet writer emits.
#include "tests/export/BiffReader.h"

#include "export/BiffRecords.h"

#include <gtest/gtest.h>

namespace {

using exporttest::Hex;

template <class F> std::string Bytes(F&& write) {
    std::string out;
    biff::RecordWriter writer(out);
    write(writer);
    return Hex(out);
}

TEST(BiffRecords, FileFrameRecords) {
    EXPECT_EQ(Bytes([](auto& w) { w.Bof(0x0809); }), "09 08 06 00 00 00 10 00 BB 0D");
    // Versions without a header keep the six body bytes.
    EXPECT_EQ(Bytes([](auto& w) { w.Bof(0); }), "00 00 10 00 BB 0D");
    EXPECT_EQ(Bytes([](auto& w) { w.CodePage(1250); }), "42 00 02 00 E2 04");
    EXPECT_EQ(Bytes([](auto& w) { w.Eof(); }), "0A 00 00 00");
}

TEST(BiffRecords, FormatCarriesItsIndexFromTheFourthGeneration) {
    EXPECT_EQ(Bytes([](auto& w) { w.Format(exvExcel5, 14, "yyyy.MM.dd."); }),
              "1E 04 0E 00 0E 00 0B 79 79 79 79 2E 4D 4D 2E 64 64 2E");
    EXPECT_EQ(Bytes([](auto& w) { w.Format(exvExcel4, 1, "0"); }), "1E 04 04 00 01 00 01 30");
    EXPECT_EQ(Bytes([](auto& w) { w.Format(exvExcel2, 1, "0"); }), "1E 00 02 00 01 30");
    // The currency text is written in the file's code page.
    EXPECT_EQ(Bytes([](auto& w) { w.Format(exvExcel5, 7, "00.00Ő"); }),
              "1E 04 09 00 07 00 06 30 30 2E 30 30 D5");
}

TEST(BiffRecords, DimensionsCapColumnsAt255) {
    EXPECT_EQ(Bytes([](auto& w) { w.Dimensions(3, 4); }), "00 02 0A 00 00 00 03 00 00 00 03 00 00 00");
    EXPECT_EQ(Bytes([](auto& w) { w.Dimensions(0, 300); }), "00 02 0A 00 00 00 00 00 00 00 FE 00 00 00");
}

TEST(BiffRecords, ColumnWidths) {
    EXPECT_EQ(Bytes([](auto& w) { w.ColWidth(2, 7); }), "24 00 04 00 02 02 00 07");
    // A width of exactly 10 is stored as 12.
    EXPECT_EQ(Bytes([](auto& w) { w.ColWidth(0, 10); }), "24 00 04 00 00 00 00 0C");
    // Widths that would overflow the 16-bit 1/256 units are clamped to 255.
    EXPECT_EQ(Bytes([](auto& w) { w.ColWidth(1, 300); }), "24 00 04 00 01 01 00 FF");
    EXPECT_EQ(Bytes([](auto& w) { w.ColWidth(1, 0); }), "");
    EXPECT_EQ(Bytes([](auto& w) { w.ColWidth(256, 8); }), "");
}

TEST(BiffRecords, CellRecords) {
    EXPECT_EQ(Bytes([](auto& w) { w.Blank(1, 2, {0, 0, 1}); }), "01 00 07 00 01 00 02 00 00 00 01");
    EXPECT_EQ(Bytes([](auto& w) {
                  w.Integer16(0, 0, {1, 0, 3}, 255);
              }),
              "02 00 09 00 00 00 00 00 00 01 03 FF 00");
    EXPECT_EQ(Bytes([](auto& w) {
                  w.Number(1, 0, {2, 0, 3}, 1.5);
              }),
              "03 00 0F 00 01 00 00 00 00 02 03 00 00 00 00 00 00 F8 3F");
    // Font index 2 sits in bits 6-7 beside the format index.
    EXPECT_EQ(Bytes([](auto& w) {
                  w.Label(0, 1, {0, 2, 1}, "őűŐŰáé");
              }),
              "04 00 0E 00 00 00 01 00 00 80 01 06 F5 FB D5 DB E1 E9");
    EXPECT_EQ(Bytes([](auto& w) { w.Label(0, 0, {0, 0, 1}, ""); }), "04 00 08 00 00 00 00 00 00 00 01 00");
}

TEST(BiffRecords, LongLabelKeeps255Characters) {
    std::string out;
    biff::RecordWriter writer(out);
    String text;
    for (int i = 0; i < 300; ++i)
        text += "é"; // two UTF-8 bytes, one byte in the file
    writer.Label(0, 0, {}, text);
    ASSERT_EQ(out.size(), 4u + 263u);
    EXPECT_EQ(Hex(out.substr(0, 4)), "04 00 07 01");
    EXPECT_EQ(static_cast<Byte>(out[11]), 255);
    EXPECT_EQ(static_cast<Byte>(out.back()), 0xE9);
}

TEST(BiffRecords, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Bytes([](auto& w) { w.Label(0, 0, {}, "a€Ж"); }),
              "04 00 0B 00 00 00 00 00 00 00 00 03 61 80 3F");
}

TEST(BiffRecords, Fonts) {
    EXPECT_EQ(Bytes([](auto& w) { w.Font(exvExcel5, 160, 0x0001, 6, "Arial"); }),
              "31 00 0A 00 A0 00 01 00 05 41 72 69 61 6C");
    // The third and fourth generations carry a colour index; below 2 it is 0x7FFF.
    EXPECT_EQ(Bytes([](auto& w) { w.Font(exvExcel3, 160, 0, 6, "Arial"); }),
              "31 02 0C 00 A0 00 00 00 06 00 05 41 72 69 61 6C");
    EXPECT_EQ(Bytes([](auto& w) { w.Font(exvExcel4, 200, 0x000C, 1, "X"); }),
              "31 02 08 00 C8 00 0C 00 FF 7F 01 58");
}

TEST(BiffRecords, StandardFormatsInFileOrder) {
    const auto formats = biff::StandardFormats("Ft", 3, "yyyy.MM.dd.", "h:mm");
    ASSERT_EQ(formats.size(), 36u);
    EXPECT_EQ(formats[0].Text, "General");
    EXPECT_EQ(formats[7].Text, "00.00Ft");
    EXPECT_EQ(formats[14].Index, 14);
    EXPECT_EQ(formats[14].Text, "yyyy.MM.dd.");
    EXPECT_EQ(formats[18].Text, "h:mm");
    EXPECT_EQ(formats[22].Text, "yyyy.MM.dd.");
    // After 22 the indexes jump to 37.
    EXPECT_EQ(formats[23].Index, 37);
    EXPECT_EQ(formats[28].Text, "_($* #,##0_);_($* (#,##0);_($* \"-\"_);_(@_)");
    EXPECT_EQ(formats[35].Index, 49);
    EXPECT_EQ(formats[35].Text, "@");
}

TEST(BiffRecords, CurrencyFormatFollowsThePosition) {
    EXPECT_EQ(biff::StandardFormats("Ft", 0, "", "")[7].Text, "Ft00.00");
    EXPECT_EQ(biff::StandardFormats("Ft", 1, "", "")[7].Text, "Ft 00.00");
    EXPECT_EQ(biff::StandardFormats("Ft", 2, "", "")[7].Text, "00.00 Ft");
    EXPECT_EQ(biff::StandardFormats("Ft", 3, "", "")[7].Text, "00.00Ft");
}

TEST(BiffRecords, PaletteIndexes) {
    EXPECT_EQ(biff::PaletteIndex(0x000000), 1);
    EXPECT_EQ(biff::PaletteIndex(0xFF0000), 2);  // blue
    EXPECT_EQ(biff::PaletteIndex(0x0000FF), 6);  // red
    EXPECT_EQ(biff::PaletteIndex(0x000080), 13); // maroon
    EXPECT_EQ(biff::PaletteIndex(0xC0C0C0), 16);
    EXPECT_EQ(biff::PaletteIndex(0x123456), 0);
}

} // namespace
