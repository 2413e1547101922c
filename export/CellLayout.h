#pragma once
// The arithmetic of the cell layouts: title rows, where a cell lands, the
// worksheet dimensions and column-width runs, numbered file names and the
// "ROWNO" system value. Pure functions, so every rule is tested on its own.
#include "export/ExportTypes.h"

namespace cellfile {

// Title rows a file starts with after its header lines: none without titles
// (or when the format takes none); 1, 2 with a blank row after the captions,
// and 1 more for the band row when bands are exported and exist.
Integer TitleRows(bool AddTitle, bool TitleSupported, bool BlankRowAfterCaptions, bool BandRow);

// The rows before the first record, header lines included, as the component's
// GetTitleRowCount counts them: 1 without titles, 2 with, 3 with a blank row.
Integer TitleRowCount(bool AddTitle, bool BlankRowAfterCaptions, Integer HeaderLines);

// "ROWNO" of the cell in CurrentRow: the record's number counted from 1.
Integer RowNumber(Integer CurrentRow, Integer HeaderLines, bool AddTitle, bool BlankRowAfterCaptions);

// Records the file with FileIndex holds when every file takes RowsPerFile of them
// (RowsPerFile 0: one file with all of them).
Integer RecordsInFile(Integer RecordCount, Integer RowsPerFile, Integer FileIndex);

struct Extent {
    Integer Rows = 0;
    Integer Cols = 0;
    // Column-width records run over columns 0 .. WidthColumns - 1.
    Integer WidthColumns = 0;
    // True when every width record takes the widest visible column (not the k-th).
    bool WidestWidth = false;
};

// Dimensions of a file of Rows rows (title rows and records) and Visible visible
// columns: columnar (Rows, Visible + 1), reversed (Visible, Rows + 1), tabular
// (Rows × Visible, TitleRows + 2); with the width runs each layout writes.
Extent LayoutExtent(TVgELayout Layout, Integer Rows, Integer Visible, Integer TitleRows);

struct CellPosition {
    Integer Row = 0;
    Integer Col = 0;
};

// Where a record's cell at visible Position lands when the record is in CurrentRow:
// columnar (CurrentRow, Position), reversed (Position, CurrentRow).
CellPosition PlaceRecordCell(TVgELayout Layout, Integer CurrentRow, Integer Position);

// FileName for file Index: unchanged for 0, else the number before the extension,
// zero-padded to three digits below 100 (report.xls, report001.xls, report100.xls).
String NumberedFileName(const String& FileName, Integer Index);

// Row-colour style: odd rows take Odd, even rows Even; esNormal keeps Color.
void AssignStyle(TVgEStyle Style, TColor Odd, TColor Even, Integer Row, TColor& Color);

} // namespace cellfile
