#pragma once
// The writes of the deposit dialogs, each complete or not done at all: a new deposit with
// its opening movement, a movement on a deposit's sheet (a full payout also closes the
// deposit) and a deposit's base data. Amounts arrive checked (see ParseDepositAmount and
// MovementAmount). A statement that wrote no row, or a deposit, account or project another
// workstation deleted, raises as QueryRun.h says, and nothing is stored; so does an account
// or project chosen in a combo that another workstation set inactive meanwhile
// (RowInactiveMessage). The database keeps each balance as the sum of the
// deposit's movements; a save after which it does not raises one of the messages below.
#include "app/deposits/DepositStatements.h"

class TSqlite3Query;

namespace app {

// A movement the database did not add to the deposit's balance.
inline constexpr const char* BalanceNotKeptMessage =
    "Az adatbázis nem vezette át a mozgást a letét egyenlegén (egy szabálya kihagyta), ezért semmi "
    "sem lett mentve. Kérje a rendszergazda segítségét.";
// A full payout after which the deposit would hold money, closed.
inline constexpr const char* PayoutNotEmptiedMessage =
    "A teljes kifizetés után a letét egyenlege nem lett 0 az adatbázisban, ezért a letét nem lett "
    "lezárva, és semmi sem lett mentve. Kérje a rendszergazda segítségét.";
// A movement on a deposit that another workstation closed while its sheet stood open.
inline constexpr const char* DepositClosedMessage =
    "A letétet időközben egy másik munkahely lezárta, ezért semmi sem lett mentve.";
// A full payout of a balance stored as no whole number (empty or text): paying it out would
// pay the wrong amount.
inline constexpr const char* BalanceNotWholeMessage =
    "A letét tárolt egyenlege nem egész forintösszeg (üres vagy hibás), ezért nem fizethető ki, és "
    "semmi sem lett mentve. Kérje a rendszergazda segítségét.";

// Stores Deposit and its opening movement of Amount in one transaction; answers the new
// deposit's key. On failure nothing is stored and the engine's error passes through; a
// balance the database did not set to the opening amount raises BalanceNotKeptMessage.
Integer WriteNewDeposit(TSqlite3Query& Query, const NewDeposit& Deposit, Int64 Amount);

// Records a movement of Amount on the deposit, which must still be active (else
// DepositClosedMessage); raises BalanceNotKeptMessage when the
// database did not add it to the balance. With Close (a full payout) the movement pays out
// the balance stored at that moment instead, and the deposit is closed on Date in the same
// transaction: a stored balance that is no whole number raises BalanceNotWholeMessage before
// anything is written, one that is not 0 after the payout PayoutNotEmptiedMessage.
void WriteMovement(TSqlite3Query& Query, Integer DepositId, Int64 Amount, TDateTime Date,
                   const String& Remark, bool Close);

// Writes what DepositBaseDataUpdateSql gives for Data; nothing when nothing changed.
void WriteDepositBaseData(TSqlite3Query& Query, Integer DepositId, const DepositBaseData& Data);

} // namespace app
