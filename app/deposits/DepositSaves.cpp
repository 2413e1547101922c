#include "app/deposits/DepositSaves.h"

#include "app/common/QueryRun.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

namespace app {

namespace {

// The lists join a deposit to its account and project: one pointing to a deleted row would be
// counted in the totals and shown nowhere.
void RequireChoosable(TSqlite3Query& Query, const char* Table, Integer Key) {
    RequireRow(Query, Table, Key, ChoosableCondition, RowInactiveMessage);
}

} // namespace

Integer WriteNewDeposit(TSqlite3Query& Query, const NewDeposit& Deposit, Int64 Amount) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    RequireChoosable(Query, "letetiszamla", Deposit.AccountId);
    if (Deposit.ProjectId > 0) RequireChoosable(Query, "project", Deposit.ProjectId);
    const Integer id = InsertForKey(Query, NewDepositSql(Deposit));
    ExecInsert(Query, OpeningMovementSql(id, Amount, Deposit.Date));
    RequireGiven(Query, DepositBalanceKeptSql(id, false), BalanceNotKeptMessage);
    transaction.Commit();
    return id;
}

void WriteMovement(TSqlite3Query& Query, Integer DepositId, Int64 Amount, TDateTime Date,
                   const String& Remark, bool Close) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    // The sheet offered the movement when it read the deposit active: money recorded on a
    // closed one could never be paid out.
    RequireRow(Query, "letet", DepositId, DepositActiveCondition, DepositClosedMessage);
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

void WriteDepositBaseData(TSqlite3Query& Query, Integer DepositId, const DepositBaseData& Data) {
    const String update = DepositBaseDataUpdateSql(DepositId, Data);
    if (update.empty()) return;
    sqlite::Transaction transaction(ConnectionOf(Query));
    if (Data.AccountId > 0) RequireChoosable(Query, "letetiszamla", Data.AccountId);
    if (Data.ProjectId > 0) RequireChoosable(Query, "project", Data.ProjectId);
    ExecUpdate(Query, update);
    transaction.Commit();
}

} // namespace app
