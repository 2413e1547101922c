#include "sqlite/SqliteApi.h"

#include "platform/core/StrUtils.h"
#include "sqlite/SqliteError.h"

#include <dlfcn.h>

namespace sqlite {

namespace {

// Member, exported name and the message raised when the library lacks it; the
// messages are the library's historical texts, spelling included.
#define VELMORA_SQLITE_ENTRIES(X)                                                                            \
    X(open, "sqlite3_open", "DLL::SQlite3Open not found")                                                    \
    X(close, "sqlite3_close", "DLL::SQlite3Close not found")                                                 \
    X(exec, "sqlite3_exec", "DLL::SQlite3Exe not found")                                                     \
    X(libversion, "sqlite3_libversion", "DLL::SQliteLibversion not found")                                   \
    X(errmsg, "sqlite3_errmsg", "DLL::SQlite3ErrorStringnot found")                                          \
    X(get_table, "sqlite3_get_table", "DLL::SQlite3GetTable not found")                                      \
    X(free_table, "sqlite3_free_table", "DLL::SQlite3FreeTable not found")                                   \
    X(free, "sqlite3_free", "DLL::SQlite3FreeMem not found")                                                 \
    X(complete, "sqlite3_complete", "DLL::SQlite3Complete not found")                                        \
    X(last_insert_rowid, "sqlite3_last_insert_rowid", "DLL::SQlite3LastInsertRow not found")                 \
    X(interrupt, "sqlite3_interrupt", "DLL::SQlite3Cancel not found")                                        \
    X(busy_timeout, "sqlite3_busy_timeout", "DLL::SQlite3Busytimeout not found")                             \
    X(busy_handler, "sqlite3_busy_handler", "DLL::SQlite3BusyHandler not found")                             \
    X(changes, "sqlite3_changes", "DLL::SQlite3Changes not found")                                           \
    X(prepare, "sqlite3_prepare", "DLL::SQlite3Prepare not found")                                           \
    X(finalize, "sqlite3_finalize", "DLL::SQlite3Finalize not found")                                        \
    X(reset, "sqlite3_reset", "DLL::SQlite3Reset not found")                                                 \
    X(step, "sqlite3_step", "DLL::SQlite3Step not found")                                                    \
    X(column_blob, "sqlite3_column_blob", "DLL::SQlite3ColumnBlob not found")                                \
    X(column_bytes, "sqlite3_column_bytes", "DLL::SQlite3ColumnBytes not found")                             \
    X(column_bytes16, "sqlite3_column_bytes16", "DLL::SQlite3ColumnBytes16 not found")                       \
    X(column_count, "sqlite3_column_count", "DLL::SQlite3ColumnCount not found")                             \
    X(column_decltype, "sqlite3_column_decltype", "DLL::SQlite3ColumnDeclType not found")                    \
    X(column_double, "sqlite3_column_double", "DLL::SQlite3ColumnDouble not found")                          \
    X(column_int, "sqlite3_column_int", "DLL::SQlite3ColumnInt not found")                                   \
    X(column_int64, "sqlite3_column_int64", "DLL::SQlite3ColumnInt64 not found")                             \
    X(column_name, "sqlite3_column_name", "DLL::SQlite3ColumnName not found")                                \
    X(column_text, "sqlite3_column_text", "DLL::SQlite3ColumnText not found")                                \
    X(column_text16, "sqlite3_column_text16", "DLL::SQlite3ColumnText16 not found")                          \
    X(column_type, "sqlite3_column_type", "DLL::SQlite3COlumnTypenot found")                                 \
    X(bind_blob, "sqlite3_bind_blob", "DLL::SQlite3BindBlob not found")                                      \
    X(bind_value, "sqlite3_bind_value", "DLL::SQlite3BindValue not found")                                   \
    X(bind_int, "sqlite3_bind_int", "DLL::SQlite3BindInt not found")                                         \
    X(bind_double, "sqlite3_bind_double", "DLL::SQlite3BindDouble not found")                                \
    X(bind_null, "sqlite3_bind_null", "DLL::SQlite3BindNull not found")                                      \
    X(bind_text, "sqlite3_bind_text", "DLL::SQlite3BindText not found")                                      \
    X(bind_text16, "sqlite3_bind_text16", "DLL::SQlite3BindText16 not found")                                \
    X(bind_parameter_count, "sqlite3_bind_parameter_count", "DLL::SQlite3BindParameterCount not found")      \
    X(bind_parameter_name, "sqlite3_bind_parameter_name", "DLL::SQlite3BindParameterName not found")         \
    X(create_collation, "sqlite3_create_collation", "DLL::SQlite3CreateCollation not found")                 \
    X(create_function, "sqlite3_create_function", "DLL::SQlite3CreateFunction not found")                    \
    X(value_text, "sqlite3_value_text", "DLL::SQlite3ValueText not found")                                   \
    X(value_bytes, "sqlite3_value_bytes", "DLL::SQlite3ValueBytes not found")                                \
    X(value_type, "sqlite3_value_type", "DLL::SQlite3ValueType not found")                                   \
    X(column_value, "sqlite3_column_value", "DLL::SQlite3ColumnValue not found")                             \
    X(value_int64, "sqlite3_value_int64", "DLL::SQlite3ValueInt64 not found")                                \
    X(value_double, "sqlite3_value_double", "DLL::SQlite3ValueDouble not found")                             \
    X(value_blob, "sqlite3_value_blob", "DLL::SQlite3ValueBlob not found")                                   \
    X(result_int, "sqlite3_result_int", "DLL::SQlite3ResultInt not found")                                   \
    X(result_null, "sqlite3_result_null", "DLL::SQlite3ResultNull not found")                                \
    X(result_error, "sqlite3_result_error", "DLL::SQlite3ResultError not found")                             \
    X(get_autocommit, "sqlite3_get_autocommit", "DLL::SQlite3GetAutocommit not found")

template <class F> void Bind(F& target, void* symbol) {
    target = reinterpret_cast<F>(symbol);
}

// The library name stored in the connection's settings ("sqlite3.dll") stands for
// the system engine.
constexpr const char* SystemEngine = "libsqlite3.so.0";

// The library the loader opens for a DriverDLL value, or "" for a value that names
// none it may open. A library is never taken from the working folder: the office
// folder is often shared between workstations, and a library put there under the
// stored name would run its code in every copy of the program started there.
String LibraryToOpen(const String& driverDll) {
    const String path = StringReplace(driverDll, "\\", "/", rfReplaceAll);
    if (SameText(path.substr(path.rfind('/') + 1), "sqlite3.dll")) return SystemEngine;
    if (path.starts_with('/')) return path;
    return {};
}

} // namespace

EngineLibrary::~EngineLibrary() {
    Release();
}

bool EngineLibrary::Load(const String& driverDll) {
    Release();
    const String library = LibraryToOpen(driverDll);
    if (!library.empty()) FHandle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!FHandle) return false;

#define VELMORA_RESOLVE(member, symbol, message) Bind(FApi.member, dlsym(FHandle, symbol));
    VELMORA_SQLITE_ENTRIES(VELMORA_RESOLVE)
#undef VELMORA_RESOLVE

    // A half-bound library is of no use and would keep a later load from
    // picking up a corrected one.
#define VELMORA_CHECK(member, symbol, message)                                                               \
    if (!FApi.member) {                                                                                      \
        Release();                                                                                           \
        throw SqliteError(message);                                                                          \
    }
    VELMORA_SQLITE_ENTRIES(VELMORA_CHECK)
#undef VELMORA_CHECK
    return true;
}

void EngineLibrary::Release() {
    FApi = EngineApi{};
    if (FHandle) {
        dlclose(FHandle);
        FHandle = nullptr;
    }
}

} // namespace sqlite
