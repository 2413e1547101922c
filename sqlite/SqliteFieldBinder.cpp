// Binding by placeholder name from a dataset's fields.
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/SqliteBinder.h"

namespace sqlite {

bool BindNamedField(TSqlite3DB& db, sqlite3_stmt* statement, int index, TFields* fields, const String& name) {
    TField* field = fields ? fields->FindField(name) : nullptr;
    if (!field) return false;
    BindValue(db, statement, index, *field);
    return true;
}

} // namespace sqlite
