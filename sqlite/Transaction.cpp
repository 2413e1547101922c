#include "sqlite/Transaction.h"

#include "platform/core/StrUtils.h"
#include "sqlite/TSqlite3DB.h"

namespace sqlite {

Transaction::Transaction(TSqlite3DB& Db, const String& Kind) : FDb(Db) {
    if (FDb.InTransaction()) return;
    const String kind = Kind.empty() ? FDb.TransactionType() : Kind;
    // Never deferred: the busy wait only runs for a connection that holds no read lock yet.
    if (SameText(kind, "EXCLUSIVE"))
        FDb.StartExclusiveTransaction();
    else
        FDb.StartImmediateTransaction();
    FOwner = FDb.InTransaction();
}

Transaction::~Transaction() {
    if (FOwner && !FDone) RollBackQuietly();
}

void Transaction::Commit() {
    if (!FOwner || FDone) return;
    FDone = true;
    try {
        FDb.Commit();
    } catch (...) {
        RollBackQuietly();
        throw;
    }
}

void Transaction::RollBackQuietly() noexcept {
    // The engine may have ended the transaction by itself already: nothing is left to undo.
    if (!FDb.InTransaction()) return;
    try {
        FDb.RollBack();
    } catch (...) {
        // A failed rollback leaves the engine to discard the work when the
        // connection closes; the caller is raising an error of its own already.
    }
}

} // namespace sqlite
