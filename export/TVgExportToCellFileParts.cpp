// The file around the records: opening and closing files, header and footer
// lines, the title block, and the base write steps.
#include "export/TVgExportToCellFile.h"

#include "export/CellLayout.h"
#include "export/VgEColumns.h"

#include "platform/core/FileUtils.h"
#include "platform/core/SafeFileStream.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TFont.h"

#include <algorithm>

namespace {

// Bytes are handed to the file every so many rows, so a long export reaches the
// disk as it goes.
constexpr Integer FlushRows = 1025;

} // namespace

void TVgExportToCellFile::InternalFileCreate(const String& FileName) {
    if (!FOwnsStream || FileName.empty()) return;
    std::unique_ptr<TStream> stream;
    if (Options().Contains(soMergeData) && MergeIsSupported() && FileExists(FileName)) {
        stream = std::make_unique<TFileStream>(FileName, fmOpenWrite);
        stream->Seek(0, soFromEnd);
    } else {
        const String folder = ExtractFileDir(FileName);
        if (!folder.empty()) ForceDirectories(folder);
        // Yesterday's file stays until this one is complete.
        auto file = std::make_unique<core::SafeFileStream>(FileName);
        FPendingFile = file.get();
        stream = std::move(file);
    }
    FOwnedStream = std::move(stream);
    FStream = FOwnedStream.get();
    SetFileWritten();
}

void TVgExportToCellFile::WriteString(std::string_view S) {
    if (FStream != nullptr) FOutput.append(S);
}

void TVgExportToCellFile::FlushOutput() {
    if (FStream != nullptr && !FOutput.empty())
        FStream->WriteBuffer(FOutput.data(), static_cast<Integer>(FOutput.size()));
    FOutput.clear();
}

void TVgExportToCellFile::WriteFileBegin() {
    FRowsSinceFlush = 0;
    Statistic()->SetCurrentRow(0);
}

void TVgExportToCellFile::WriteRowEnd(bool) {
    if (++FRowsSinceFlush >= FlushRows) {
        if (FOwnedStream) FlushOutput();
        FRowsSinceFlush = 0;
    }
    Statistic()->SetCurrentRow(Statistic()->CurrentRow() + 1);
}

void TVgExportToCellFile::WriteData(TField*, TCellType, Integer, Integer ACol, const String&, TAlignment,
                                    TFont*, TColor) {
    Statistic()->SetCurrentColumn(ACol);
}

void TVgExportToCellFile::WriteMergeData(TCellType CellType, Integer ARow, Integer ACol, Integer,
                                         const String& Text, TAlignment Alignment, TFont* Font,
                                         TColor Color) {
    WriteData(nullptr, CellType, ARow, ACol, Text, Alignment, Font, Color);
}

void TVgExportToCellFile::CreateFileStream(const String& FileName, Integer Index) {
    String name = FileName;
    if (Index >= 1) {
        CloseFileStream();
        name = cellfile::NumberedFileName(FileName, Index);
    }
    if (OnGetFileName) OnGetFileName(this, Index, name);
    InternalFileCreate(name);
    FOpen = true;
    WriteFileBegin();

    // Each file counts its own records.
    const Integer rows = FTitleRows + cellfile::RecordsInFile(FRecordCount, RowsPerFile(), Index);
    const Integer visible = VisibleColumnCount();
    const cellfile::Extent extent = cellfile::LayoutExtent(FLayout, rows, visible, FTitleRows);
    WriteDimensions(extent.Rows, extent.Cols);
    Integer widest = 0;
    std::vector<Integer> widths;
    for (Integer i = 0; i < Columns()->Count(); ++i) {
        if (Columns()->Items(i)->Visible()) {
            widths.push_back(Columns()->Items(i)->Width());
            widest = std::max(widest, widths.back());
        }
    }
    for (Integer k = 0; k < extent.WidthColumns; ++k)
        WriteColWidth(k, extent.WidestWidth ? widest : widths[static_cast<std::size_t>(k)]);

    WriteHeader();
    WriteDataBegin();
    if (FAddTitle && TitleIsSupported() && FLayout != elTabularForm) WriteTitleBlock();
}

void TVgExportToCellFile::CloseFileStream() {
    if (!FOpen) return;
    FOpen = false;
    WriteFooter();
    FlushOutput();
    if (FPendingFile != nullptr) FPendingFile->Commit();
    DropOwnedStream();
}

void TVgExportToCellFile::DropOwnedStream() {
    if (!FOwnedStream) return;
    FStream = nullptr;
    FPendingFile = nullptr;
    // A file not committed is removed here, leaving the one it was to replace.
    FOwnedStream.reset();
}

void TVgExportToCellFile::WriteHeader() {
    Statistic()->SetExportStage(esHeader);
    for (Integer i = 0; i < Header()->Count(); ++i) {
        WriteRowStart(true);
        TColor background = clWhite;
        TAlignment alignment = taLeftJustify;
        String text = Header()->Strings(i);
        AssignStyle(i, background);
        TCellType type = ctString;
        FinishTextCell(nullptr, text, FCellFont.get(), alignment, background, type);
        WriteData(nullptr, type, i, 1, text, alignment, FCellFont.get(), background);
        WriteRowEnd(true);
    }
}

void TVgExportToCellFile::WriteFooter() {
    Statistic()->SetExportStage(esFooter);
    WriteDataEnd();
    for (Integer i = 0; i < Footer()->Count(); ++i) {
        WriteRowStart(true);
        TColor background = clWhite;
        TAlignment alignment = taLeftJustify;
        String text = Footer()->Strings(i);
        TCellType type = ctString;
        FinishTextCell(nullptr, text, FCellFont.get(), alignment, background, type);
        WriteData(nullptr, type, Statistic()->CurrentRow(), 1, text, alignment, FCellFont.get(), background);
        WriteRowEnd(true);
    }
    WriteFileEnd();
}

void TVgExportToCellFile::WriteTitleBlock() {
    Integer row = Header()->Count();
    if (Options().Contains(soExportBands) && Bands()->Count() > 0) WriteBandRow(row);
    WriteTitleRow(row);
    if (Options().Contains(soBlankRowAfterCaptions)) WriteBlankTitleRow(row);
}

void TVgExportToCellFile::WriteBandRow(Integer& Row) {
    Statistic()->SetExportStage(esBandRow);
    WriteRowStart(true);
    const bool reversed = FLayout == elReversedColumnar;
    Integer position = 0;
    for (Integer i = 0; i < Columns()->Count();) {
        TVgEColumn* column = Columns()->Items(i);
        if (!column->Visible()) {
            ++i;
            continue;
        }
        const Integer band = column->BandIndex();
        if (band >= 0 && band < Bands()->Count() && Bands()->Items(band)->Visible()) {
            TVgEColumnBand* source = Bands()->Items(band);
            TColor background = source->Color();
            FCellFont->Assign(source->Font());
            TAlignment alignment = source->Alignment();
            String text = source->Caption();
            const Integer merged = Columns()->MergedColCount(band, i);
            AssignStyle(Row + 1, background);
            TCellType type = ctString;
            FinishTextCell(nullptr, text, FCellFont.get(), alignment, background, type);
            // The band cell goes to the visible position of its first column, so
            // invisible columns before it do not push it to the right.
            if (reversed)
                WriteData(nullptr, type, position, Row, text, alignment, FCellFont.get(), background);
            else
                WriteMergeData(type, Row, position, merged, text, alignment, FCellFont.get(), background);
            i += merged;
            position += merged;
        } else {
            if (reversed)
                WriteData(nullptr, ctBlank, position, Row, String(), column->Alignment(), column->Font(),
                          column->Color());
            else
                WriteData(nullptr, ctBlank, Row, position, String(), column->Alignment(), column->Font(),
                          column->Color());
            ++i;
            ++position;
        }
    }
    WriteRowEnd(true);
    ++Row;
}

void TVgExportToCellFile::WriteTitleRow(Integer& Row) {
    Statistic()->SetExportStage(esTitleRow);
    WriteRowStart(true);
    const bool reversed = FLayout == elReversedColumnar;
    Integer position = 0;
    for (Integer i = 0; i < Columns()->Count(); ++i) {
        TVgEColumn* column = Columns()->Items(i);
        if (!column->Visible()) continue;
        TVgEColumnTitle* title = column->Title();
        FBackground = title->Color();
        FCellFont->Assign(title->Font());
        TAlignment alignment = title->Alignment();
        String text = Options().Contains(soUseFieldNameAsCaption) ? column->FieldName() : title->Caption();
        AssignStyle(Row + 1, FBackground);
        TCellType type = ctString;
        FinishTextCell(nullptr, text, FCellFont.get(), alignment, FBackground, type);
        if (reversed)
            WriteData(nullptr, type, position, Row, text, alignment, FCellFont.get(), FBackground);
        else
            WriteData(nullptr, type, Row, position, text, alignment, FCellFont.get(), FBackground);
        ++position;
    }
    WriteRowEnd(true);
    ++Row;
}

void TVgExportToCellFile::WriteBlankTitleRow(Integer& Row) {
    WriteRowStart(true);
    AssignStyle(Row + 1, FBackground);
    const bool reversed = FLayout == elReversedColumnar;
    const Integer current = Statistic()->CurrentRow();
    for (Integer p = 0; p < VisibleColumnCount(); ++p) {
        if (reversed)
            WriteData(nullptr, ctBlank, p, current - 1, String(), taCenter, nullptr, FBackground);
        else
            WriteData(nullptr, ctBlank, current, p, String(), taCenter, nullptr, FBackground);
    }
    WriteRowEnd(true);
    ++Row;
}
