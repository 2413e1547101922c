#pragma once
// sqlite::Transaction: the guard around every write of several statements or
// rows, so that the database holds all of it or none of it.
//
//     sqlite::Transaction transaction(*Sqlite3DB1);
//     ... the writes (statements, dataset posts with AutoCommit on) ...
//     transaction.Commit();
//
// The guard takes the write lock at its start (an immediate transaction), so a save
// that reads before it writes waits out another program's write as any statement does
// (sqlite::BusyWait): a connection that already reads when it asks for the write lock is
// refused by the engine at once, without that wait.
//
// Leaving the scope without Commit (an exception, an early return) rolls the
// work back. A guard made while the connection is already inside a transaction
// joins it: it neither begins, commits nor rolls back, and the outer guard
// decides for the whole. Datasets with AutoCommit join the same way. Whether a
// transaction is open is the engine's word (TSqlite3DB::InTransaction), so a guard
// never joins one the engine has already rolled back by itself.
#include "platform/core/Types.h"

class TSqlite3DB;

namespace sqlite {

class Transaction {
public:
    // Begins an immediate transaction, connecting first when needed; an exclusive one,
    // which keeps other programs' reads out too, when Kind is "EXCLUSIVE" (any case) or
    // Kind is "" and the connection's TransactionType is "EXCLUSIVE". Any other kind,
    // "DEFERRED" included, begins immediate. Raises the engine's error when the database
    // cannot be locked within the connection's time-out.
    explicit Transaction(TSqlite3DB& Db, const String& Kind = String());
    // Rolls back unless committed (nothing when the engine has ended the transaction
    // already); never raises.
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Commits the work. When the commit fails the work is rolled back and the
    // commit's error is raised; so also when the engine rolled the work back by itself
    // before ("cannot commit - no transaction is active").
    void Commit();
    // True when this guard began the transaction (false when it joined one).
    bool Owner() const { return FOwner; }

private:
    void RollBackQuietly() noexcept;

    TSqlite3DB& FDb;
    bool FOwner = false;
    bool FDone = false;
};

} // namespace sqlite
