#include "sqlite/Transaction.h"

#include "platform/core/StrUtils.h"
#include "sqlite/TSqlite3DB.h"

namespace sqlite {

Transaction::Transaction(TSqlite3DB& Db, const String& Kind) : FDb(Db) {
    if (FDb.Connected() && FDb.InTransaction()) return;
    const String kind = Kind.empty() ? FDb.TransactionType() : Kind;
    // Never deferred: the busy wait only runs for a connection that holds no read lock yet.
    if (SameText(kind, "EXCLUSIVE"))
        FDb.StartExclusiveTransaction();
    else
        FDb.StartImmediateTransaction();
    FOwner = FDb.InTransaction();
}

Transaction::~Transaction() {
    if (!FOwner || FDone) return;
    try {
        FDb.RollBack();
    } catch (...) {
        // A failed rollback leaves the engine to discard the work when the
        // connection closes; a destructor cannot report it.
    }
}

void Transaction::Commit() {
    if (!FOwner || FDone) return;
    FDb.Commit();
    FDone = true;
}

} // namespace sqlite
