#pragma once
// The statements of the documents area and its dialogs: the list of history entries
// that carry a file, filtered by case, date range and retention flags; one entry's
// parameters and their update; the default retention period's read.
#include "platform/core/Types.h"

#include <optional>

namespace app {

// What the documents area's filter controls hold.
struct DocumentFilter {
    Integer CaseId = 0;            // 0: every case
    std::optional<TDateTime> From; // none: the picker is unchecked
    std::optional<TDateTime> To;
    bool ByDeadline = false;  // the range applies to the retention deadline
    bool KeepOnly = false;    // "Őrzendő:"
    bool ArchiveOnly = false; // "Archiválandó:"
};

// The entries with a file that pass Filter, by case number text and document number. A date
// range lists no entry without the date it ranges over (DateRangeSql).
String DocumentListSql(const DocumentFilter& Filter);

// One entry with its case name and the "year/number/document" header number.
String DocumentSql(Integer ItemId);

// The default retention period in years (written as the settings dialog writes it).
String RetentionSettingSql();

} // namespace app
