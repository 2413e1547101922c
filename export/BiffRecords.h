#pragma once
// The worksheet records of the spreadsheet file, framed and encoded into a byte
// buffer: a 16-bit code, a 16-bit body length, the body; every value
// little-endian. Text arrives as UTF-8 and is written in code page 1250 bytes.
// Nothing here knows of fields, fonts or components; the writer and its tests
// build on these routines alone.
#include "platform/core/Types.h"
#include "platform/graphics/TColor.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The file-format generations the writer knows; the export always uses exvExcel5.
enum TVgExportXLSVersion : Byte {
    exvExcel2,
    exvExcel3,
    exvExcel4,
    exvExcel5,
    exvExcel7,
    exvExcel8,
    exvExcel9
};

namespace biff {

constexpr Word rcBlank = 0x0001, rcInteger = 0x0002, rcNumber = 0x0003, rcLabel = 0x0004, rcEof = 0x000A,
               rcFormat2 = 0x001E, rcColWidth = 0x0024, rcFont = 0x0031, rcCodePage = 0x0042,
               rcDimensions = 0x0200, rcFont3 = 0x0231, rcFormat4 = 0x041E;

// The code page of LABEL and FORMAT text, and the CODEPAGE record's value.
constexpr Word TextCodePage = 1250;

// Rows and columns a worksheet holds.
constexpr Integer MaxRows = 65536;
constexpr Integer MaxColumn = 255;

// The three attribute bytes that follow row and column in a cell record.
struct CellAttributes {
    Byte FormatIndex = 0; // bits 0-5 of byte 1
    Byte FontIndex = 0;   // bits 6-7 of byte 1
    Byte Alignment = 0;   // byte 2: 1 left, 2 centre, 3 right
};

// One FORMAT entry: its index and its text.
struct FormatEntry {
    Word Index;
    String Text;
};

// The 36 number formats every file begins with, in file order. Entry 7 is the
// currency format built from CurrencyString and CurrencyFormat (0 "C00.00",
// 1 "C 00.00", 2 "00.00 C", other "00.00C"); 14 and 22 are ShortDate, 18 ShortTime.
std::array<FormatEntry, 36> StandardFormats(const String& CurrencyString, Byte CurrencyFormat,
                                            const String& ShortDate, const String& ShortTime);

// The 16-colour palette index of an RGB colour (0x00BBGGRR): black 1 ... silver 16;
// 0 for any colour outside the palette.
Integer PaletteIndex(TColor Rgb);

// Appends records to a byte buffer it does not own.
class RecordWriter {
public:
    explicit RecordWriter(std::string& Out) : FOut(Out) {}

    // Framing and raw values.
    void Header(Word Code, Word Length);
    void Byte8(Byte Value) { FOut.push_back(static_cast<char>(Value)); }
    void Word16(Word Value);
    void Dword32(std::uint32_t Value);
    void Double64(double Value);
    void Raw(std::string_view Bytes) { FOut.append(Bytes); }

    // Beginning of a worksheet: Code (0x0809 for BIFF5), length 6, the body
    // 0x0000, 0x0010, 0x0DBB. Code 0 writes the body without a header.
    void Bof(Word Code);
    void CodePage(Word Page);
    // FORMAT with its index (0x041E) from exvExcel4 on, else without (0x001E).
    void Format(TVgExportXLSVersion Version, Word Index, std::string_view Utf8Text);
    // Cols is capped at 255 first; the body is 0, Rows, 0, Cols - 1, 0.
    void Dimensions(Word Rows, Integer Cols);
    // Nothing when Width < 1 or Col > 255; a width of 10 becomes 12, widths above
    // 255 are clamped to 255 so that the 1/256 units fit their 16 bits.
    void ColWidth(Integer Col, Integer Width);
    void Blank(Word Row, Word Col, CellAttributes Attr);
    void Integer16(Word Row, Word Col, CellAttributes Attr, Word Value);
    void Number(Word Row, Word Col, CellAttributes Attr, double Value);
    // Text is cut to 255 characters and written in code page 1250 bytes.
    void Label(Word Row, Word Col, CellAttributes Attr, std::string_view Utf8Text);
    // FONT (0x0231 with a colour for exvExcel3/4, else 0x0031). Style bits: bold 1,
    // italic 2, underline 4, strike-out 8. ColorIndex below 2 writes 0x7FFF.
    void Font(TVgExportXLSVersion Version, Word HeightTwips, Word StyleBits, Integer ColorIndex,
              std::string_view Utf8Name);
    void Eof() { Header(rcEof, 0); }

private:
    void CellHeader(Word Code, Word Length, Word Row, Word Col, CellAttributes Attr);
    std::string& FOut;
};

// UTF-8 text as code page 1250 bytes, at most MaxChars characters, appended to Out.
// Returns the number of bytes appended.
std::size_t AppendCodePageText(std::string& Out, std::string_view Utf8Text, std::size_t MaxChars);

} // namespace biff
