#pragma once
// The writes of the deposit dialogs, each complete or not done at all: a new deposit with
// its opening movement, and a movement on a deposit's sheet (a full payout also closes
// the deposit). Amounts arrive checked (see ParseDepositAmount and MovementAmount). A
// statement that wrote no row, or a deposit another workstation deleted, raises as
// QueryRun.h says, and nothing is stored.
#include "app/deposits/DepositStatements.h"

class TSqlite3Query;

namespace app {

// Stores Deposit and its opening movement of Amount in one transaction; answers the new
// deposit's key. On failure nothing is stored and the engine's error passes through.
Integer WriteNewDeposit(TSqlite3Query& Query, const NewDeposit& Deposit, Int64 Amount);

// Records a movement of Amount on the deposit. With Close (a full payout) the movement pays
// out the balance stored at that moment instead, and the deposit is closed on Date in the
// same transaction.
void WriteMovement(TSqlite3Query& Query, Integer DepositId, Int64 Amount, TDateTime Date,
                   const String& Remark, bool Close);

} // namespace app
