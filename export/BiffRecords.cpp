// Record encoding of the worksheet stream. Lengths are computed from what the
// body will hold, so a header never disagrees with its body.
#include "export/BiffRecords.h"

#include "platform/core/CodePages.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace biff {

std::array<FormatEntry, 36> StandardFormats(const String& CurrencyString, Byte CurrencyFormat,
                                            const String& ShortDate, const String& ShortTime) {
    String currency;
    switch (CurrencyFormat) {
    case 0:
        currency = CurrencyString + "00.00";
        break;
    case 1:
        currency = CurrencyString + " 00.00";
        break;
    case 2:
        currency = "00.00 " + CurrencyString;
        break;
    default:
        currency = "00.00" + CurrencyString;
        break;
    }
    return {{
        {0, "General"},
        {1, "0"},
        {2, "0.00"},
        {3, "#,##0"},
        {4, "#,##0.00"},
        {5, "($#,##0_);($#,##0)"},
        {6, "($#,##0_);[Red]($#,##0)"},
        {7, currency},
        {8, "$#,##0.00_);[Red]($#,##0.00)"},
        {9, "0%"},
        {10, "0.00%"},
        {11, "0.00E+00"},
        {12, "# ?/?"},
        {13, "# ?\?/??"},
        {14, ShortDate},
        {15, "d-mmm-yy"},
        {16, "d-mmm"},
        {17, "mmm-yy"},
        {18, ShortTime},
        {19, "h:mm:ss AM/PM"},
        {20, "h:mm"},
        {21, "h:mm:ss"},
        {22, ShortDate},
        {37, "(#,##0_);(#,##0)"},
        {38, "(#,##0_);[Red](#,##0)"},
        {39, "(#,##0.00_);(#,##0.00)"},
        {40, "(#,##0.00_);[Red](#,##0.00)"},
        {41, "_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)"},
        {42, "_($* #,##0_);_($* (#,##0);_($* \"-\"_);_(@_)"},
        {43, "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"?\?_);_(@_)"},
        {44, "_($* #,##0.00_);_($* (#,##0.00);_($* \"-\"?\?_);_(@_)"},
        {45, "mm:ss"},
        {46, "[h]:mm:ss"},
        {47, "mm:ss.0"},
        {48, "##0.0E+0"},
        {49, "@"},
    }};
}

Integer PaletteIndex(TColor Rgb) {
    switch (Rgb) {
    case 0x000000:
        return 1;
    case 0xFF0000:
        return 2;
    case 0xFFFF00:
        return 3;
    case 0x00FF00:
        return 4;
    case 0xFF00FF:
        return 5;
    case 0x0000FF:
        return 6;
    case 0x00FFFF:
        return 7;
    case 0xFFFFFF:
        return 8;
    case 0x800000:
        return 9;
    case 0x808000:
        return 10;
    case 0x008000:
        return 11;
    case 0x800080:
        return 12;
    case 0x000080:
        return 13;
    case 0x008080:
        return 14;
    case 0x808080:
        return 15;
    case 0xC0C0C0:
        return 16;
    default:
        return 0;
    }
}

std::size_t AppendCodePageText(std::string& Out, std::string_view Utf8Text, std::size_t MaxChars) {
    return AppendUtf8AsCodePage(Out, Utf8Text, TextCodePage, MaxChars);
}

void RecordWriter::Header(Word Code, Word Length) {
    Word16(Code);
    Word16(Length);
}

void RecordWriter::Word16(Word Value) {
    const char bytes[2] = {static_cast<char>(Value & 0xFF), static_cast<char>(Value >> 8)};
    FOut.append(bytes, 2);
}

void RecordWriter::Dword32(std::uint32_t Value) {
    Word16(static_cast<Word>(Value & 0xFFFF));
    Word16(static_cast<Word>(Value >> 16));
}

void RecordWriter::Double64(double Value) {
    static_assert(std::endian::native == std::endian::little, "the file format is little-endian");
    char bytes[8];
    std::memcpy(bytes, &Value, sizeof bytes);
    FOut.append(bytes, sizeof bytes);
}

void RecordWriter::Bof(Word Code) {
    if (Code != 0) Header(Code, 6);
    Word16(0x0000);
    Word16(0x0010);
    Word16(0x0DBB);
}

void RecordWriter::CodePage(Word Page) {
    Header(rcCodePage, 2);
    Word16(Page);
}

void RecordWriter::Format(TVgExportXLSVersion Version, Word Index, std::string_view Utf8Text) {
    std::string text;
    AppendCodePageText(text, Utf8Text, 255);
    const auto length = static_cast<Word>(text.size());
    if (Version >= exvExcel4) {
        Header(rcFormat4, static_cast<Word>(length + 3));
        Word16(Index);
    } else {
        Header(rcFormat2, static_cast<Word>(length + 1));
    }
    Byte8(static_cast<Byte>(length));
    Raw(text);
}

void RecordWriter::Dimensions(Word Rows, Integer Cols) {
    Cols = std::min(Cols, MaxColumn);
    Header(rcDimensions, 10);
    Word16(0);
    Word16(Rows);
    Word16(0);
    Word16(static_cast<Word>(Cols - 1));
    Word16(0);
}

void RecordWriter::ColWidth(Integer Col, Integer Width) {
    if (Width < 1 || Col > MaxColumn) return;
    if (Width == 10) Width = 12;
    Width = std::min(Width, 255);
    Header(rcColWidth, 4);
    Byte8(static_cast<Byte>(Col));
    Byte8(static_cast<Byte>(Col));
    Word16(static_cast<Word>(Width * 256));
}

void RecordWriter::CellHeader(Word Code, Word Length, Word Row, Word Col, CellAttributes Attr) {
    // One append per cell: a sheet of cells is mostly these eleven bytes.
    const char bytes[11] = {static_cast<char>(Code & 0xFF),
                            static_cast<char>(Code >> 8),
                            static_cast<char>(Length & 0xFF),
                            static_cast<char>(Length >> 8),
                            static_cast<char>(Row & 0xFF),
                            static_cast<char>(Row >> 8),
                            static_cast<char>(Col & 0xFF),
                            static_cast<char>(Col >> 8),
                            0,
                            static_cast<char>((Attr.FormatIndex & 0x3F) | ((Attr.FontIndex & 0x03) << 6)),
                            static_cast<char>(Attr.Alignment)};
    FOut.append(bytes, sizeof bytes);
}

void RecordWriter::Blank(Word Row, Word Col, CellAttributes Attr) {
    CellHeader(rcBlank, 7, Row, Col, Attr);
}

void RecordWriter::Integer16(Word Row, Word Col, CellAttributes Attr, Word Value) {
    CellHeader(rcInteger, 9, Row, Col, Attr);
    Word16(Value);
}

void RecordWriter::Number(Word Row, Word Col, CellAttributes Attr, double Value) {
    CellHeader(rcNumber, 15, Row, Col, Attr);
    Double64(Value);
}

void RecordWriter::Label(Word Row, Word Col, CellAttributes Attr, std::string_view Utf8Text) {
    // The header's length is patched once the text's byte count is known.
    const std::size_t at = FOut.size();
    CellHeader(rcLabel, 0, Row, Col, Attr);
    const std::size_t lengthAt = FOut.size();
    Byte8(0);
    const std::size_t n = AppendCodePageText(FOut, Utf8Text, 255);
    FOut[lengthAt] = static_cast<char>(n);
    const auto length = static_cast<Word>(8 + n);
    FOut[at + 2] = static_cast<char>(length & 0xFF);
    FOut[at + 3] = static_cast<char>(length >> 8);
}

void RecordWriter::Font(TVgExportXLSVersion Version, Word HeightTwips, Word StyleBits, Integer ColorIndex,
                        std::string_view Utf8Name) {
    std::string name;
    AppendCodePageText(name, Utf8Name, 255);
    const bool withColor = Version == exvExcel3 || Version == exvExcel4;
    Header(withColor ? rcFont3 : rcFont, static_cast<Word>(name.size() + (withColor ? 7 : 5)));
    Word16(HeightTwips);
    Word16(StyleBits);
    if (withColor) {
        if (ColorIndex >= 2)
            Word16(static_cast<Word>(ColorIndex));
        else
            Word16(0x7FFF);
    }
    Byte8(static_cast<Byte>(name.size()));
    Raw(name);
}

} // namespace biff
