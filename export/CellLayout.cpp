// Layout arithmetic of the cell-file exporters.
#include "export/CellLayout.h"

#include "platform/core/FileUtils.h"

#include <algorithm>
#include <cstdio>

namespace cellfile {

Integer TitleRows(bool AddTitle, bool TitleSupported, bool BlankRowAfterCaptions, bool BandRow) {
    if (!AddTitle || !TitleSupported) return 0;
    return 1 + (BlankRowAfterCaptions ? 1 : 0) + (BandRow ? 1 : 0);
}

Integer TitleRowCount(bool AddTitle, bool BlankRowAfterCaptions, Integer HeaderLines) {
    Integer rows = 1;
    if (AddTitle) rows = BlankRowAfterCaptions ? 3 : 2;
    return rows + HeaderLines;
}

Integer RowNumber(Integer CurrentRow, Integer HeaderLines, bool AddTitle, bool BlankRowAfterCaptions) {
    Integer number = CurrentRow + 1 - HeaderLines;
    if (AddTitle) number -= BlankRowAfterCaptions ? 2 : 1;
    return number;
}

Integer RecordsInFile(Integer RecordCount, Integer RowsPerFile, Integer FileIndex) {
    if (RowsPerFile <= 0) return RecordCount;
    const Int64 before = static_cast<Int64>(RowsPerFile) * FileIndex;
    const Int64 left = std::max<Int64>(0, RecordCount - before);
    return static_cast<Integer>(std::min<Int64>(left, RowsPerFile));
}

Extent LayoutExtent(TVgELayout Layout, Integer Rows, Integer Visible, Integer TitleRows) {
    switch (Layout) {
    case elReversedColumnar:
        return {Visible, Rows + 1, Rows + 1, true};
    case elTabularForm:
        return {Rows * Visible, TitleRows + 2, TitleRows + 1, true};
    default:
        return {Rows, Visible + 1, Visible, false};
    }
}

CellPosition PlaceRecordCell(TVgELayout Layout, Integer CurrentRow, Integer Position) {
    if (Layout == elReversedColumnar) return {Position, CurrentRow};
    return {CurrentRow, Position};
}

String NumberedFileName(const String& FileName, Integer Index) {
    if (Index <= 0) return FileName;
    char number[16];
    std::snprintf(number, sizeof number, Index < 100 ? "%03d" : "%d", Index);
    const String extension = ExtractFileExt(FileName);
    return FileName.substr(0, FileName.size() - extension.size()) + number + extension;
}

void AssignStyle(TVgEStyle Style, TColor Odd, TColor Even, Integer Row, TColor& Color) {
    if (Style == esNormal) return;
    Color = Row % 2 == 1 ? Odd : Even;
}

} // namespace cellfile
