#pragma once
// The spreadsheet writer: turns the cell stream of the cell-file pipeline into
// one worksheet of BIFF records written straight into a plain file (".XLS").
#include "export/BiffRecords.h"
#include "export/TVgExportToCellFile.h"
#include "export/XlsPictures.h"

#include <memory>
#include <string>
#include <vector>

class TFont;

class TVgExportToXLS : public TVgExportToCellFile {
public:
    explicit TVgExportToXLS(TComponent* AOwner);
    ~TVgExportToXLS() override;
    String ClassName() const override { return "TVgExportToXLS"; }

    String Extension() const override { return ".XLS"; }
    TVgExportXLSVersion ExcelVersion() const { return FExcelVersion; }
    void SetExcelVersion(TVgExportXLSVersion Value) { FExcelVersion = Value; }

    // Writes a compound-document workbook into FileName: workbook globals and one
    // worksheet of fixed sample cells, in a stream "Book" (the data source, the
    // columns, the events and the progress window take no part). Raises
    // Exception "Version number for MS Excel workbook must be greater than 5"
    // below exvExcel5 (nothing is created) and EOleSysError when the file cannot
    // be created or written.
    void SaveToWorkbook();

    // The font table's index for Font: -1 for none; the default "Arial" 8 comes
    // first; a font of the same name, style and size (colour aside) is found;
    // a new one is added while the table holds fewer than 4; otherwise -1.
    Integer GetFontFromTable(TFont* Font);
    // Palette index (1..16) of a colour, system colours resolved first; 0 otherwise.
    static Integer GetXLSIndexByColor(TColor Color);

protected:
    void InternalBeforeProcess() override;
    void InternalAfterProcess() override;
    void WriteFileBegin() override;
    void WriteFileEnd() override;
    void WriteDimensions(Integer Rows, Integer Cols) override;
    void WriteColWidth(Integer Col, Integer Width) override;
    // Raises vge::ERowLimit "MS Excel spreadsheet can not contain more than 65536
    // rows" when a record row would pass the last worksheet row.
    void WriteRowStart(bool IsTitle) override;
    // Number and date cells take their field's value (see BiffCells' FieldValueCell).
    bool TakesFieldValues() const override { return true; }
    void WriteData(TField* Field, TCellType CellType, Integer ARow, Integer ACol, const String& Text,
                   TAlignment Alignment, TFont* Font, TColor Color) override;
    virtual void WriteFont(TFont* Font);
    virtual void WriteFormat(Integer Index, const String& FormatText, bool WithIndex);
    void WriteFormats();

private:
    // Where records go: the workbook buffer while SaveToWorkbook runs, else the
    // file's output buffer.
    std::string& Target();

    TVgExportXLSVersion FExcelVersion = exvExcel5;
    std::vector<std::unique_ptr<TFont>> FFontTable;
    std::string FFontStream;
    // One per picture cell of the run, written at the file's end.
    TXLSPictureList FPictures;
    std::string* FWorkbook = nullptr;
};
