#pragma once
// Binds a field's or parameter's value to one placeholder of a prepared
// statement, by the value's data type. Works on anything with the platform's
// value accessors (TField, TParam): DataType, IsNull, AsString, AsInteger,
// AsFloat, AsBoolean, AsDateTime.
#include "platform/core/Types.h"
#include "platform/data/TFieldType.h"
#include "sqlite/SqliteApi.h"

#include <string>

class TSqlite3DB;
class TFields;

namespace sqlite {

// Texts the engine stores for dates and times; the separators are fixed so the
// stored form does not follow the user's locale.
String SqlDateText(TDateTime Value);     // yyyy-mm-dd
String SqlTimeText(TDateTime Value);     // hh:nn:ss.zzz
String SqlDateTimeText(TDateTime Value); // yyyy-mm-dd hh:nn:ss.zzz

// The typed binding calls; each returns the engine's result code.
int BindNull(TSqlite3DB& db, sqlite3_stmt* statement, int index);
int BindInteger(TSqlite3DB& db, sqlite3_stmt* statement, int index, Int64 value);
int BindFloat(TSqlite3DB& db, sqlite3_stmt* statement, int index, double value);
// Program text; converted to the database's encoding.
int BindText(TSqlite3DB& db, sqlite3_stmt* statement, int index, const String& value);
// Text stored as Unicode whatever the database's encoding (wide text).
int BindWideText(TSqlite3DB& db, sqlite3_stmt* statement, int index, const String& value);
int BindBlob(TSqlite3DB& db, sqlite3_stmt* statement, int index, const std::string& bytes);
// Memo text as the database stores it (its encoding).
std::string MemoBytes(const TSqlite3DB& db, const String& text);

// Binds value to placeholder index (1-based). A null value binds NULL; a type
// with no binding leaves the placeholder NULL. Returns the engine's result code.
template <class Value> int BindValue(TSqlite3DB& db, sqlite3_stmt* statement, int index, const Value& value) {
    const TFieldType type = value.DataType();
    if (value.IsNull()) return BindNull(db, statement, index);
    switch (type) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
        return BindInteger(db, statement, index, value.AsInteger());
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftFMTBcd:
        return BindFloat(db, statement, index, value.AsFloat());
    case ftBoolean:
        // Flags are stored as 1 and 0, which "WHERE flag=1" lists rely on.
        return BindInteger(db, statement, index, value.AsBoolean() ? 1 : 0);
    case ftString:
    case ftFixedChar:
        return BindText(db, statement, index, value.AsString());
    case ftWideString:
        return BindWideText(db, statement, index, value.AsString());
    case ftDate:
        return BindText(db, statement, index, SqlDateText(value.AsDateTime()));
    case ftTime:
        return BindText(db, statement, index, SqlTimeText(value.AsDateTime()));
    case ftDateTime:
    case ftTimeStamp:
        return BindText(db, statement, index, SqlDateTimeText(value.AsDateTime()));
    case ftMemo:
    case ftFmtMemo:
        // Memo text is kept as a blob in the database's encoding, as stored data has it.
        return BindBlob(db, statement, index, MemoBytes(db, value.AsString()));
    case ftBlob:
    case ftGraphic:
        return BindBlob(db, statement, index, value.AsString());
    default:
        return SQLITE_OK;
    }
}

// Binds the field called name of fields (which may be null) to placeholder
// index; false when there is no such field.
bool BindNamedField(TSqlite3DB& db, sqlite3_stmt* statement, int index, TFields* fields, const String& name);

} // namespace sqlite
