// The worksheet writer's steps of the cell-file pipeline.
#include "export/TVgExportToXLS.h"

#include "export/BiffCells.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/data/TField.h"
#include "platform/graphics/TFont.h"

#include <algorithm>

TVgExportToXLS::TVgExportToXLS(TComponent* AOwner) : TVgExportToCellFile(AOwner) {
    SetTableType(teXLS);
    FExcelVersion = exvExcel5;
}

TVgExportToXLS::~TVgExportToXLS() = default;

std::string& TVgExportToXLS::Target() {
    return FWorkbook != nullptr ? *FWorkbook : Output();
}

void TVgExportToXLS::InternalBeforeProcess() {
    TVgExportToCellFile::InternalBeforeProcess();
    FFontTable.clear();
    FFontStream.clear();
    FPictures.clear();
}

void TVgExportToXLS::InternalAfterProcess() {
    FFontTable.clear();
    FFontStream.clear();
    FPictures.clear();
    TVgExportToCellFile::InternalAfterProcess();
}

void TVgExportToXLS::WriteFileBegin() {
    TVgExportToCellFile::WriteFileBegin();
    if (!HasOutput()) return;
    Word code = 0x0809;
    switch (FExcelVersion) {
    case exvExcel2:
        code = 0x0009;
        break;
    case exvExcel3:
        code = 0x0209;
        break;
    case exvExcel4:
        code = 0x0409;
        break;
    case exvExcel5:
        code = 0x0809;
        break;
    case exvExcel7:
    case exvExcel8:
        code = 0;
        break;
    case exvExcel9:
        code = 0x1C09;
        break;
    }
    biff::RecordWriter out(Output());
    out.Bof(code);
    // Readers take LABEL text in this code page only when the file names it.
    out.CodePage(biff::TextCodePage);
    WriteFormats();
}

void TVgExportToXLS::WriteFormats() {
    const auto formats =
        biff::StandardFormats(FormatSettings.CurrencyString, FormatSettings.CurrencyFormat,
                              FormatSettings.ShortDateFormat, FormatSettings.ShortTimeFormat);
    for (const biff::FormatEntry& format : formats)
        WriteFormat(format.Index, format.Text, true);
}

void TVgExportToXLS::WriteFormat(Integer Index, const String& FormatText, bool WithIndex) {
    if (!HasOutput() && FWorkbook == nullptr) return;
    biff::RecordWriter out(Target());
    if (WithIndex) {
        out.Format(FExcelVersion, static_cast<Word>(Index), FormatText);
        return;
    }
    std::string text;
    biff::AppendCodePageText(text, FormatText, 255);
    out.Header(0x0043, static_cast<Word>(text.size()));
    out.Raw(text);
}

void TVgExportToXLS::WriteDimensions(Integer Rows, Integer Cols) {
    if (!HasOutput() && FWorkbook == nullptr) return;
    // A full worksheet's 65536 rows do not fit the 16-bit count; the last row does.
    biff::RecordWriter(Target()).Dimensions(static_cast<Word>(std::min(Rows, 0xFFFF)), Cols);
}

void TVgExportToXLS::WriteColWidth(Integer Col, Integer Width) {
    if (HasOutput()) biff::RecordWriter(Output()).ColWidth(Col, Width);
}

void TVgExportToXLS::WriteRowStart(bool IsTitle) {
    TVgExportToCellFile::WriteRowStart(IsTitle);
    // Footer lines past the limit are dropped instead, so the file still ends
    // with its fonts and end record.
    if (InDataSection() && Statistic()->CurrentRow() >= biff::MaxRows)
        StopAtRowLimit("MS Excel spreadsheet can not contain more than 65536 rows", biff::MaxRows);
}

void TVgExportToXLS::WriteData(TField* Field, TCellType CellType, Integer ARow, Integer ACol,
                               const String& Text, TAlignment Alignment, TFont* Font, TColor Color) {
    if (ACol > biff::MaxColumn) return;
    TVgExportToCellFile::WriteData(Field, CellType, ARow, ACol, Text, Alignment, Font, Color);
    if (ARow < 0 || ARow >= biff::MaxRows || ACol < 0 || (!HasOutput() && FWorkbook == nullptr)) return;
    // A picture cell writes no cell record: its picture goes into the list.
    const bool blobField = Field != nullptr && Field->IsBlob();
    if (CellType == ctGraphic || (blobField && Field->DataType() == ftGraphic && !Field->IsNull())) {
        auto picture = std::make_unique<TXLSPicture>(static_cast<Word>(ARow), static_cast<Word>(ACol));
        picture->Fill(blobField ? Field : nullptr, Text);
        FPictures.push_back(std::move(picture));
        return;
    }
    const TVgOptions options = Options();
    // A field cell whose text was left to the writer: its value decides the cell where it
    // can, else the field's text is read as any other cell's.
    const bool leftText = CellTextLeft(Field);
    String fieldText;
    biff::CellValue cell;
    TFieldData value;
    if (!(leftText && Field->GetData(value) && biff::FieldValueCell(CellType, value, cell))) {
        if (leftText) fieldText = GetFieldStr(Field);
        cell = biff::ConvertCell(CellType, leftText ? fieldText : Text, options.Contains(soFieldMask),
                                 options.Contains(soExportBlankValues));
    }
    if (cell.Kind == biff::CellKind::None) return;
    biff::CellAttributes attributes;
    attributes.FormatIndex = biff::FormatIndexOf(cell.Type);
    if (options.Contains(soColorsFonts))
        attributes.FontIndex = static_cast<Byte>(std::max(GetFontFromTable(Font), 0));
    attributes.Alignment = biff::AlignmentByte(Alignment);
    biff::RecordWriter out(Target());
    biff::WriteCell(out, static_cast<Word>(ARow), static_cast<Word>(ACol), cell, attributes,
                    leftText ? fieldText : Text);
}

Integer TVgExportToXLS::GetFontFromTable(TFont* Font) {
    if (Font == nullptr) return -1;
    if (FFontTable.empty()) {
        auto arial = std::make_unique<TFont>();
        arial->SetName("Arial");
        arial->SetSize(8);
        FFontTable.push_back(std::move(arial));
    }
    for (std::size_t i = 0; i < FFontTable.size(); ++i) {
        const TFont& entry = *FFontTable[i];
        if (entry.Name() == Font->Name() && entry.Style() == Font->Style() && entry.Size() == Font->Size())
            return static_cast<Integer>(i);
    }
    if (FFontTable.size() >= 4) return -1;
    auto copy = std::make_unique<TFont>();
    copy->Assign(Font);
    FFontTable.push_back(std::move(copy));
    return static_cast<Integer>(FFontTable.size() - 1);
}

Integer TVgExportToXLS::GetXLSIndexByColor(TColor Color) {
    return biff::PaletteIndex(ColorToRGB(Color));
}

void TVgExportToXLS::WriteFont(TFont* Font) {
    Word style = 0;
    if (Font->Style().Contains(fsBold)) style |= 0x0001;
    if (Font->Style().Contains(fsItalic)) style |= 0x0002;
    if (Font->Style().Contains(fsUnderline)) style |= 0x0004;
    if (Font->Style().Contains(fsStrikeOut)) style |= 0x0008;
    biff::RecordWriter(FFontStream)
        .Font(FExcelVersion, static_cast<Word>(Font->Size() * 20), style, GetXLSIndexByColor(Font->Color()),
              Font->Name());
}

void TVgExportToXLS::WriteFileEnd() {
    TVgExportToCellFile::WriteFileEnd();
    if (HasOutput()) {
        Word id = 0;
        for (const auto& picture : FPictures)
            biff::AppendPictureObject(Output(), *picture, ++id);
    }
    for (const auto& font : FFontTable)
        WriteFont(font.get());
    FFontTable.clear();
    const bool pictures = std::any_of(FPictures.begin(), FPictures.end(),
                                      [](const auto& p) { return p->GetPictureType() != 0; });
    if (pictures) biff::AppendContinued(FFontStream, biff::rcDrawingGroup, biff::DrawingGroupBody(FPictures));
    FPictures.clear();
    if (!HasOutput()) return;
    Output().append(FFontStream);
    FFontStream.clear();
    biff::RecordWriter(Output()).Eof();
}
