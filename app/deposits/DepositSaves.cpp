#include "app/deposits/DepositSaves.h"

#include "app/common/QueryRun.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

namespace app {

Integer WriteNewDeposit(TSqlite3Query& Query, const NewDeposit& Deposit, Int64 Amount) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    const Integer id = InsertForKey(Query, NewDepositSql(Deposit));
    ExecInsert(Query, OpeningMovementSql(id, Amount, Deposit.Date));
    Query.Close();
    transaction.Commit();
    return id;
}

void WriteMovement(TSqlite3Query& Query, Integer DepositId, Int64 Amount, TDateTime Date,
                   const String& Remark, bool Close) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    RequireRow(Query, "letet", DepositId);
    // A full payout takes the balance as stored, not as the sheet last read it: a movement
    // another program added meanwhile is paid out too.
    ExecInsert(Query, Close ? FullPayoutInsertSql(DepositId, Date, Remark)
                            : MovementInsertSql(DepositId, Date, Amount, Remark));
    if (Close) ExecUpdate(Query, DepositCloseSql(DepositId, Date));
    Query.Close();
    transaction.Commit();
}

} // namespace app
