#pragma once
// What the connection's statement machinery needs of a dataset that receives a
// result: its field definitions and parameters, the store its rows go into,
// and its conversion of engine text into typed values. The SQLite datasets
// implement it; the connection closes the ones bound to it when it disconnects.
#include "platform/core/Types.h"
#include "platform/data/TFieldType.h"
#include "sqlite/RowImage.h"

#include <string_view>
#include <vector>

class TSqlite3DB;
class TFResult;
class TFieldDefs;
class TParams;

namespace sqlite {

// How one result column reaches the row image; built by the prepare step.
struct ColumnPlan {
    Integer Field = -1;         // 0-based field index; -1 for the row-id column
    TFieldType Type = ftString; // field type the column was given
    SlotKind Kind = SlotKind::Bytes;
    Integer Capacity = -1; // longest text kept, in characters; -1 = no cut
};

class ResultTarget {
public:
    virtual ~ResultTarget() = default;

    // The dataset's Connection property.
    virtual TSqlite3DB* ResultConnection() const = 0;
    // Closes the dataset (Active := false); called when its connection disconnects.
    virtual void CloseForDisconnect() = 0;
    virtual TFieldDefs& ResultFieldDefs() = 0;
    virtual TParams& ResultParams() = 0;
    virtual bool ResultTypeLess() const = 0;
    // True when text columns are read whole, past their declared size.
    virtual bool ResultWholeTexts() const { return false; }
    // True when the screen shows the SQL-wait cursor while the result is read.
    virtual bool ResultSQLCursor() const { return false; }
    // The store rows are appended to by SQLite3_Execute; null when none is kept.
    virtual TFResult* ResultStore() = 0;
    // Converts the engine's text of one column (UTF-8; null when the engine gave
    // none) into the value of field `field` of row.
    virtual void UnpackText(Integer field, TFieldType type, const char* text, RowImage& row) = 0;

    // State kept by the statement machinery for the current result.
    std::vector<ColumnPlan> Columns; // one per result column
    RowImage RowScratch;             // the row being read
    Integer RowIdColumn = -1;        // index of the "rowid" column, -1 when none
    Int64 CurrentRowId = -1;         // row id of the row last read, -1 when none
};

// The start-up script component (TSqlite3InlineSQL) as the connection sees it.
class InlineScript {
public:
    virtual ~InlineScript() = default;
    // The whole script, its lines joined as a string list renders its text.
    virtual String ScriptText() const = 0;
};

} // namespace sqlite
