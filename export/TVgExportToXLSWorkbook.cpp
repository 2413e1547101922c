// The compound workbook: a workbook-globals part and one worksheet of fixed
// sample cells in a stream "Book" of a compound document. The data source takes
// no part; failures reach the caller.
#include "export/TVgExportToXLS.h"

#include "platform/core/CodePages.h"
#include "platform/core/CompoundFile.h"
#include "platform/core/ScopeExit.h"

namespace {

void WordRecord(biff::RecordWriter& Out, Word Code, Word Value) {
    Out.Header(Code, 2);
    Out.Word16(Value);
}

} // namespace

void TVgExportToXLS::SaveToWorkbook() {
    if (FExcelVersion < exvExcel5)
        throw Exception("Version number for MS Excel workbook must be greater than 5");
    core::CompoundFileWriter file(FileName());
    std::string& book = file.CreateStream(FExcelVersion == exvExcel5 ? "Book" : "Workbook");
    FWorkbook = &book;
    auto done = core::ScopeExit([this] { FWorkbook = nullptr; });
    biff::RecordWriter out(book);

    if (FExcelVersion != exvExcel5) {
        // What a later-generation workbook should hold is not settled: its beginning only.
        out.Header(0x1C09, 6);
        out.Word16(0x0600);
        out.Word16(0x0005);
        out.Word16(0x0000);
        file.Commit();
        return;
    }

    // Workbook globals.
    out.Header(0x0809, 6);
    out.Word16(0x0500);
    out.Word16(0x0005);
    out.Word16(0x0000);
    out.Header(0x005C, 32);
    out.Byte8(0);
    out.Raw(std::string(30, ' '));
    out.Byte8(0);
    WordRecord(out, 0x0042, static_cast<Word>(GetACP()));
    WordRecord(out, 0x009C, 14);
    WordRecord(out, 0x0040, 0);
    WordRecord(out, 0x008D, 0);
    WordRecord(out, 0x0022, 0);
    WordRecord(out, 0x000E, 1);
    WordRecord(out, 0x01B7, 0);
    WordRecord(out, 0x00DA, 0);
    WriteFormats();
    out.Header(0x0085, 13);
    const std::size_t sheetPosition = book.size();
    out.Dword32(0);
    out.Byte8(0);
    out.Byte8(0);
    out.Byte8(6);
    out.Raw("Sheet1");
    out.Header(0x008C, 4);
    out.Word16(1);
    out.Word16(1);
    out.Eof();
    // Readers find the worksheet by the offset of its beginning in the stream.
    const auto offset = static_cast<std::uint32_t>(book.size());
    for (int i = 0; i < 4; ++i)
        book[sheetPosition + static_cast<std::size_t>(i)] = static_cast<char>((offset >> (8 * i)) & 0xFF);

    // The worksheet.
    out.Header(0x0809, 6);
    out.Word16(0x0500);
    out.Word16(0x0010);
    out.Word16(0x0000);
    for (Word column = 0; column < 3; ++column) {
        out.Header(0x007D, 12);
        for (Word value : {column, column, Word{200}, Word{0}, Word{0}, Word{0}})
            out.Word16(value);
    }
    WriteDimensions(2, 3);
    WriteData(nullptr, ctString, 0, 0, "aaaaa", taLeftJustify, nullptr, clWhite);
    WriteData(nullptr, ctDouble, 1, 0, "12,45", taRightJustify, nullptr, clWhite);
    WriteData(nullptr, ctInteger, 1, 1, "2", taRightJustify, nullptr, clWhite);
    WriteData(nullptr, ctString, 0, 1, "bbbbbb", taLeftJustify, nullptr, clWhite);
    out.Eof();
    file.Commit();
}
