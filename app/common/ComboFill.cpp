#include "app/common/ComboFill.h"

#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/ui/SharedItems.h"
#include "platform/ui/TComboBox.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

namespace {

// Closes the query on every way out, so a failed fill leaves no statement open.
class CloseOnExit {
public:
    explicit CloseOnExit(TSqlite3Query& query) : FQuery(query) {}
    ~CloseOnExit() {
        try {
            FQuery.Close();
        } catch (...) {
            // Closing a dataset that failed to open has nothing left to report.
        }
    }
    CloseOnExit(const CloseOnExit&) = delete;
    CloseOnExit& operator=(const CloseOnExit&) = delete;

private:
    TSqlite3Query& FQuery;
};

// Runs sql on query (Close, clear the SQL text, add the statement, Open) and, for each row
// in order, keeps column 0 in Keys and hands the row to Row. The query is closed afterwards.
void WalkKeyedRows(TSqlite3Query& query, const String& sql, std::vector<Integer>& Keys,
                   const std::function<void(TDataSet& row)>& Row) {
    CloseOnExit closer(query);
    query.Close();
    query.SQL()->Clear();
    query.SQL()->Add(sql);
    query.Open();
    Keys.reserve(static_cast<std::size_t>(query.RecordCount() > 0 ? query.RecordCount() : 0));
    TField* key = query.Fields()->Fields(0);
    for (query.First(); !query.Eof(); query.Next()) {
        Keys.push_back(static_cast<Integer>(key->AsInteger()));
        Row(query);
    }
}

} // namespace

void LoadKeyedItems(TSqlite3Query& query, const String& sql, std::vector<Integer>& keys,
                    std::initializer_list<TStrings*> lists,
                    const std::function<String(TDataSet& row)>& ItemText) {
    keys.clear();
    for (TStrings* list : lists)
        if (list) list->Clear();
    std::vector<Integer> loaded;
    std::vector<String> names;
    WalkKeyedRows(query, sql, loaded, [&](TDataSet& row) { names.push_back(ItemText(row)); });
    // The lists and keys change together, only once every row has been read.
    for (TStrings* list : lists)
        if (list)
            for (const String& name : names)
                list->Add(name);
    keys = std::move(loaded);
}

void LoadKeyedNames(TSqlite3Query& query, const String& sql, std::vector<Integer>& keys,
                    std::initializer_list<TStrings*> lists) {
    LoadKeyedItems(query, sql, keys, lists,
                   [](TDataSet& row) { return row.Fields()->Fields(1)->AsString(); });
}

void ShareKeyedNames(TSqlite3Query& query, const String& sql, std::vector<Integer>& keys,
                     std::initializer_list<TComboBox*> boxes) {
    keys.clear();
    for (TComboBox* box : boxes)
        if (box) box->ShareItems(nullptr);
    std::vector<Integer> loaded;
    auto names = std::make_shared<ui::SharedItems>();
    WalkKeyedRows(query, sql, loaded,
                  [&names](TDataSet& row) { names->Add(row.Fields()->Fields(1)->AsString()); });
    names->Compact();
    for (TComboBox* box : boxes)
        if (box) box->ShareItems(names);
    keys = std::move(loaded);
}

} // namespace app
