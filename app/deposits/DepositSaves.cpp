#include "app/deposits/DepositSaves.h"

#include "app/common/QueryRun.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

namespace app {

Integer WriteNewDeposit(TSqlite3Query& Query, const NewDeposit& Deposit, Int64 Amount) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    const Integer id = InsertForKey(Query, NewDepositSql(Deposit));
    ExecInsert(Query, OpeningMovementSql(id, Amount, Deposit.Date));
    RequireGiven(Query, DepositBalanceKeptSql(id, false), BalanceNotKeptMessage);
    transaction.Commit();
    return id;
}

void WriteMovement(TSqlite3Query& Query, Integer DepositId, Int64 Amount, TDateTime Date,
                   const String& Remark, bool Close) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    RequireRow(Query, "letet", DepositId);
    // A full payout takes the balance as stored, not as the sheet last read it: a movement
    // another program added meanwhile is paid out too. Empty or text, it would pay out 0 or
    // its leading digits and close the deposit with money on it.
    if (Close) RequireGiven(Query, DepositBalanceWholeSql(DepositId), BalanceNotWholeMessage);
    ExecInsert(Query, Close ? FullPayoutInsertSql(DepositId, Date, Remark)
                            : MovementInsertSql(DepositId, Date, Amount, Remark));
    RequireGiven(Query, DepositBalanceKeptSql(DepositId, Close),
                 Close ? PayoutNotEmptiedMessage : BalanceNotKeptMessage);
    if (Close) ExecUpdate(Query, DepositCloseSql(DepositId, Date));
    Query.Close();
    transaction.Commit();
}

} // namespace app
