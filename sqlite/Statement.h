#pragma once
// The one owner of a prepared engine statement: it finalizes the statement on
// every path out of its scope unless the statement was handed on with Release.
#include "sqlite/SqliteApi.h"

namespace sqlite {

class Statement {
public:
    Statement(const EngineApi& Api, sqlite3_stmt* Handle = nullptr) : FApi(Api), FHandle(Handle) {}
    ~Statement() {
        if (FHandle) FApi.finalize(FHandle);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Get() const { return FHandle; }
    // Where prepare writes the new statement; the owner must be empty.
    sqlite3_stmt** Receive() { return &FHandle; }
    // Hands the statement to a caller that finalizes it itself.
    sqlite3_stmt* Release() {
        sqlite3_stmt* handle = FHandle;
        FHandle = nullptr;
        return handle;
    }
    // Finalizes now and returns the engine's result (that of the last step).
    int Finalize() {
        const int rc = FHandle ? FApi.finalize(FHandle) : SQLITE_OK;
        FHandle = nullptr;
        return rc;
    }

private:
    const EngineApi& FApi;
    sqlite3_stmt* FHandle;
};

} // namespace sqlite
