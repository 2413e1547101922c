#pragma once
// Run-time binding of the SQLite engine: the library is opened by name and the
// 52 entry points the data-access layer uses are looked up one by one, so the
// program starts (and reports a clear message) when the engine is missing.
#include "platform/core/Types.h"

#include <sqlite3.h>

namespace sqlite {

// One pointer per engine function, in the order they are resolved and checked.
struct EngineApi {
    decltype(&::sqlite3_open) open = nullptr;
    decltype(&::sqlite3_close) close = nullptr;
    decltype(&::sqlite3_exec) exec = nullptr;
    decltype(&::sqlite3_libversion) libversion = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_get_table) get_table = nullptr;
    decltype(&::sqlite3_free_table) free_table = nullptr;
    decltype(&::sqlite3_free) free = nullptr;
    decltype(&::sqlite3_complete) complete = nullptr;
    decltype(&::sqlite3_last_insert_rowid) last_insert_rowid = nullptr;
    decltype(&::sqlite3_interrupt) interrupt = nullptr;
    decltype(&::sqlite3_busy_timeout) busy_timeout = nullptr;
    decltype(&::sqlite3_busy_handler) busy_handler = nullptr;
    decltype(&::sqlite3_changes) changes = nullptr;
    decltype(&::sqlite3_prepare) prepare = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_column_blob) column_blob = nullptr;
    decltype(&::sqlite3_column_bytes) column_bytes = nullptr;
    decltype(&::sqlite3_column_bytes16) column_bytes16 = nullptr;
    decltype(&::sqlite3_column_count) column_count = nullptr;
    decltype(&::sqlite3_column_decltype) column_decltype = nullptr;
    decltype(&::sqlite3_column_double) column_double = nullptr;
    decltype(&::sqlite3_column_int) column_int = nullptr;
    decltype(&::sqlite3_column_int64) column_int64 = nullptr;
    decltype(&::sqlite3_column_name) column_name = nullptr;
    decltype(&::sqlite3_column_text) column_text = nullptr;
    decltype(&::sqlite3_column_text16) column_text16 = nullptr;
    decltype(&::sqlite3_column_type) column_type = nullptr;
    decltype(&::sqlite3_bind_blob) bind_blob = nullptr;
    decltype(&::sqlite3_bind_value) bind_value = nullptr;
    decltype(&::sqlite3_bind_int) bind_int = nullptr;
    decltype(&::sqlite3_bind_double) bind_double = nullptr;
    decltype(&::sqlite3_bind_null) bind_null = nullptr;
    decltype(&::sqlite3_bind_text) bind_text = nullptr;
    decltype(&::sqlite3_bind_text16) bind_text16 = nullptr;
    decltype(&::sqlite3_bind_parameter_count) bind_parameter_count = nullptr;
    decltype(&::sqlite3_bind_parameter_name) bind_parameter_name = nullptr;
    decltype(&::sqlite3_create_collation) create_collation = nullptr;
    // The program's own LIKE (accented letters in the stored code page).
    decltype(&::sqlite3_create_function) create_function = nullptr;
    decltype(&::sqlite3_value_text) value_text = nullptr;
    decltype(&::sqlite3_value_bytes) value_bytes = nullptr;
    decltype(&::sqlite3_value_type) value_type = nullptr;
    // A row's values read with one locked engine call per column.
    decltype(&::sqlite3_column_value) column_value = nullptr;
    decltype(&::sqlite3_value_int64) value_int64 = nullptr;
    decltype(&::sqlite3_value_double) value_double = nullptr;
    decltype(&::sqlite3_value_blob) value_blob = nullptr;
    decltype(&::sqlite3_result_int) result_int = nullptr;
    decltype(&::sqlite3_result_null) result_null = nullptr;
    decltype(&::sqlite3_result_error) result_error = nullptr;
    // Whether a transaction is open: the engine may end one by itself.
    decltype(&::sqlite3_get_autocommit) get_autocommit = nullptr;
};

// Number of bound entry points.
constexpr int EngineEntryCount = 52;

// The engine library: loading, binding and release. Owns the library handle.
class EngineLibrary {
public:
    EngineLibrary() = default;
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    // Opens the library named by driverDll and binds every entry point:
    // "sqlite3.dll" in any letter case, whatever its folder, opens the system
    // engine; an absolute path ("\" taken as "/") opens that file; any other
    // value opens nothing. False when no library is opened. Raises SqliteError
    // with the entry's message when an entry point is missing; the library is
    // released first.
    bool Load(const String& driverDll);
    // Closes the library; every entry point becomes null.
    void Release();
    bool Loaded() const { return FHandle != nullptr; }
    const EngineApi& Api() const { return FApi; }

private:
    void* FHandle = nullptr;
    EngineApi FApi;
};

} // namespace sqlite
