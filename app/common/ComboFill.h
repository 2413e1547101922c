#pragma once
// Filling the look-up combo boxes: names in the boxes, the keys behind them in a parallel
// array, so that a box's item index is the index into its key array.
#include "platform/core/Types.h"

#include <functional>
#include <initializer_list>
#include <vector>

class TDataSet;
class TSqlite3Query;
class TComboBox;
class TStrings;

namespace app {

// Empties keys and every list, then runs sql on query (Close, clear the SQL text, add the
// statement, Open) and, for each row in order, stores column 0 as an integer in keys and
// adds column 1 as text to every list (null entries, boxes not yet made, are skipped).
// The query is closed afterwards, also on failure;
// the engine's error (EDatabaseError) passes through with keys and lists left empty.
void LoadKeyedNames(TSqlite3Query& query, const String& sql, std::vector<Integer>& keys,
                    std::initializer_list<TStrings*> lists);

// As LoadKeyedNames, with each row's text made by ItemText from the current row.
void LoadKeyedItems(TSqlite3Query& query, const String& sql, std::vector<Integer>& keys,
                    std::initializer_list<TStrings*> lists,
                    const std::function<String(TDataSet& row)>& ItemText);

// As LoadKeyedNames, for boxes that show the same names: column 1's texts, in the
// statement's order, are kept once in a list every box of boxes shows (null entries
// are skipped). The boxes show nothing chosen afterwards.
void ShareKeyedNames(TSqlite3Query& query, const String& sql, std::vector<Integer>& keys,
                     std::initializer_list<TComboBox*> boxes);

} // namespace app
