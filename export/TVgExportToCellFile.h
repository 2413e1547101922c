#pragma once
// The common base of exporters that write a grid of cells: it owns the output
// file (or numbered files with RowsPerFile), walks the engine's records, decides
// every cell's text, type, font, colour and alignment, places the cells by the
// layout and calls the write steps a concrete format overrides.
#include "export/TVgExportBaseComponent.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TFont;
class TStream;
class TVgEColumn;
namespace core {
class SafeFileStream;
}

class TVgExportToCellFile : public TVgExportBaseComponent {
public:
    explicit TVgExportToCellFile(TComponent* AOwner);
    ~TVgExportToCellFile() override;
    String ClassName() const override { return "TVgExportToCellFile"; }

    TActionAfterExport ActionAfterExport() const { return FActionAfterExport; }
    void SetActionAfterExport(TActionAfterExport Value) { FActionAfterExport = Value; }
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& Value) { FFileName = Value; }
    bool AddTitle() const { return FAddTitle; }
    void SetAddTitle(bool Value) { FAddTitle = Value; }
    TCharacterSet CharacterSet() const { return FCharacterSet; }
    void SetCharacterSet(TCharacterSet Value) { FCharacterSet = Value; }
    TVgELayout Layout() const { return FLayout; }
    void SetLayout(TVgELayout Value) { FLayout = Value; }
    vge::TGetCellParamsEvent OnGetCellParams;

    // Writes the whole file(s): Execute runs it. With no Stream the component opens
    // its own files; with one it writes there and runs before and after processing
    // itself (a failure is then raised after the run has been cleaned up, with
    // the result erFailed and no completion message).
    void Prepare() override;

    // Writes the settings, columns, header and footer as a saved export-settings file
    // (".vge" added when the name has none). Without FileName the
    // dialog for saving the settings asks for the name and the file (in
    // SpecificationDir); false when it is cancelled. Raises EFCreateError when the
    // file cannot be written (an existing one is then left as it was).
    bool SaveSpecification(const String& FileName = String(), const String& SpecName = String());
    // Reads a saved export-settings file; without FileName the open dialog asks (false when
    // cancelled). Raises EFOpenError "Cannot open file "<name>"" for a missing file.
    bool LoadSpecification(const String& FileName = String());
    void SaveToStream(TStream* Stream);

protected:
    virtual bool MergeIsSupported() const { return false; }
    virtual bool TitleIsSupported() const { return true; }
    // Opens the output file while the component owns the stream: appended to with
    // soMergeData when the format merges and the file exists, else created (with
    // its folders) beside the file it replaces, which it replaces only when
    // CloseFileStream completes it. A run that fails leaves the earlier file as it
    // was, except at a format's row limit (vge::ERowLimit): the rows that fit are kept.
    virtual void InternalFileCreate(const String& FileName);
    virtual void WriteHeader();
    // Ends the data section, writes the footer lines, then the file's end.
    virtual void WriteFooter();
    // Bytes into the output (buffered; reach the stream at flushes and at the end).
    virtual void WriteString(std::string_view S);
    virtual void WriteFileBegin();
    virtual void WriteFileEnd() {}
    virtual void WriteDimensions(Integer Rows, Integer Cols) {}
    virtual void WriteColWidth(Integer Col, Integer Width) {}
    virtual void WriteDataBegin() { FInData = true; }
    virtual void WriteDataEnd() { FInData = false; }
    virtual void WriteRowStart(bool IsTitle) {}
    // Counts the row, hands the buffered bytes to the file every 1025 rows, then
    // moves CurrentRow on.
    virtual void WriteRowEnd(bool IsTitle);
    // Records ACol as the current column.
    virtual void WriteData(TField* Field, TCellType CellType, Integer ARow, Integer ACol, const String& Text,
                           TAlignment Alignment, TFont* Font, TColor Color);
    // A cell spanning MergeCount columns; the base writes it as one cell.
    virtual void WriteMergeData(TCellType CellType, Integer ARow, Integer ACol, Integer MergeCount,
                                const String& Text, TAlignment Alignment, TFont* Font, TColor Color);
    // Opens file Index (closing the previous one) and writes its beginning: file
    // start, dimensions, column widths, header lines and the title block.
    virtual void CreateFileStream(const String& FileName, Integer Index);
    // Completes the open file (footer lines, file end), closes it and puts it in
    // place of the file it replaces.
    virtual void CloseFileStream();

    // A writer that makes its cells from field values says so. A field cell then gets no
    // text where nothing would read it (no OnGetCellParams, the ANSI character set, no
    // field mask or blank-if-zero) and its field is an integer, float or date field: the
    // writer reads the value, or the text (GetFieldStr) where the value does not settle
    // the cell. Writing and reading back a number per cell is most of a large export.
    virtual bool TakesFieldValues() const { return false; }
    // Whether the text of the cell of Field being written was left to the writer.
    bool CellTextLeft(const TField* Field) const { return FTextLeft && Field != nullptr && Field == FField; }

    // The buffer formats append their bytes to; FlushOutput hands it to the stream.
    std::string& Output() { return FOutput; }
    void FlushOutput();
    bool HasOutput() const { return FStream != nullptr; }
    bool InDataSection() const { return FInData; }
    Integer TitleRowsOfRun() const { return FTitleRows; }
    // Ends the run at the format's row limit: the rows written so far make a
    // whole file, completed and kept, and the caller hears vge::ERowLimit.
    [[noreturn]] void StopAtRowLimit(const String& Message, Integer Rows);

private:
    void Walk();
    // The data section: the engine's records from the first, the engine left where it was.
    void WriteRecords();
    void WriteRecord(Integer RecordIndex, Integer& TabularRow);
    void DetermineCell(TVgEColumn* Column, Integer VisiblePosition, Integer ColumnIndex, Integer RecordIndex);
    void WriteTitleBlock();
    void WriteBandRow(Integer& Row);
    void WriteTitleRow(Integer& Row);
    void WriteBlankTitleRow(Integer& Row);
    void FinishTextCell(TField* Field, String& Text, TFont* Font, TAlignment& Alignment, TColor& Background,
                        TCellType& CellType);
    void ApplyCharacterSet(String& Text) const;
    // Whether the current cell of Field, in column ColumnIndex, leaves its text to the writer.
    bool LeavesText(TField* Field, Integer ColumnIndex);
    TFont* ColumnFont(Integer ColumnIndex);
    void CloseQuietly(bool KeepFile);
    void DropOwnedStream();

    TStream* FStream = nullptr;
    std::unique_ptr<TStream> FOwnedStream;
    // The owned file while it is written whole beside its target; committed by CloseFileStream.
    core::SafeFileStream* FPendingFile = nullptr;
    bool FOwnsStream = false;
    bool FInData = false;
    bool FOpen = false;
    bool FRowLimitReached = false;
    std::string FOutput;
    Integer FRowsSinceFlush = 0;
    Integer FTitleRows = 0;
    Integer FRecordCount = 0;
    Integer FFileIndex = 0;
    Integer FTitleRowCount = 0;
    std::unique_ptr<TFont> FCellFont;
    // Per column a copy of its font that cells hand to events; recopied when a
    // handler changed it, so every cell starts from the column's font.
    std::vector<std::unique_ptr<TFont>> FColumnFonts;
    std::vector<char> FColumnFontChanged;
    // Per column, the field last asked about and whether its values can stand for its text.
    std::vector<std::pair<TField*, bool>> FValueFields;

    // The current cell.
    String FText;
    TAlignment FAlignment = taLeftJustify;
    TFont* FFont = nullptr;
    TColor FBackground = clWhite;
    TCellType FCellType = ctString;
    TField* FField = nullptr;
    bool FTextLeft = false;
};
