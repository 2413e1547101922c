#include "app/common/ComboFill.h"

#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
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

} // namespace

void LoadKeyedItems(TSqlite3Query& query, const String& sql, std::vector<Integer>& keys,
                    std::initializer_list<TStrings*> lists,
                    const std::function<String(TDataSet& row)>& ItemText) {
    keys.clear();
    for (TStrings* list : lists)
        if (list) list->Clear();

    CloseOnExit closer(query);
    query.Close();
    query.SQL()->Clear();
    query.SQL()->Add(sql);
    query.Open();

    std::vector<Integer> loaded;
    loaded.reserve(static_cast<std::size_t>(query.RecordCount() > 0 ? query.RecordCount() : 0));
    std::vector<String> names;
    for (query.First(); !query.Eof(); query.Next()) {
        loaded.push_back(static_cast<Integer>(query.Fields()->Fields(0)->AsInteger()));
        names.push_back(ItemText(query));
    }
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

} // namespace app
