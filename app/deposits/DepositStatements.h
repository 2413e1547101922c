#pragma once
// The statements of the deposits area and its dialogs: the deposit list and search with
// their totals, accounts and projects, a deposit's sheet, its movements, a new deposit
// and its base data. Texts go through SqlQuote, dates through DateToSqlText, keys and
// amounts as numbers. The database keeps each deposit's balance (egyenleg) equal to the
// sum of its movements; nothing here writes it except the 0 of a new deposit.
#include "app/common/ChangedValues.h"
#include "app/common/StoredDate.h"
#include "platform/core/Types.h"

#include <optional>

namespace app {

// The sort radios of the list and of the search, in their order on the page.
enum class DepositSort { Payer, Beneficiary, Date, Account, Project };

// The deposit list: every deposit (only the active ones when ActiveOnly), with its
// account, project name and balance as letetosszeg, in Sort order.
String DepositListSql(bool ActiveOnly, DepositSort Sort);
// What the list and the search hold before they are first built, printed or exported
// as they stand: the active deposits that have movements, by date.
String DepositInitialListSql();
// The sum of every deposit's balance, active and closed alike (column osszeg).
String DepositGrandTotalSql();

// What the search page's boxes hold; an id of 0 means no item chosen.
struct DepositSearch {
    Integer AccountId = 0;
    Integer ProjectId = 0;
    String Payer;       // part of letevo, any case
    String Beneficiary; // part of kedvezmenyezett, any case
    bool ActiveOnly = true;
    DepositSort Sort = DepositSort::Date;
};
// The search's conditions, each beginning with " AND" (empty when nothing is chosen).
String DepositSearchFilter(const DepositSearch& Search);
String DepositSearchSql(const DepositSearch& Search);
// The sum of the balances of the deposits the search lists (column osszeg).
String DepositSearchTotalSql(const DepositSearch& Search);

// A new active account or project.
String AccountInsertSql(const String& Name, const String& Number, const String& Remark);
String ProjectInsertSql(const String& Name, const String& Remark);
// The active accounts and projects for the dialogs' combos: sorszam, nev.
String ActiveAccountsSql();
String ActiveProjectsSql();
// What the combos require of an account or project to offer it.
inline constexpr const char* ChoosableCondition = "statusz=1";

// ---- A single deposit ---------------------------------------------------------------

// One row: the list's columns plus statusz ('aktív'/'lezárt') and status as an integer.
String DepositHeaderSql(Integer DepositId);
// What the sheet requires of a deposit, as its header reads the status, to take movements.
inline constexpr const char* DepositActiveCondition = "CAST(status AS int)=1";
// The deposit's movements by date: datum (as "yyyy.mm.dd."), osszeg, megjegyzes.
String DepositMovementsSql(Integer DepositId);
// A movement of Amount (positive paid in, negative paid out).
String MovementInsertSql(Integer DepositId, TDateTime Date, Int64 Amount, const String& Remark);
// A movement paying out the balance the deposit holds when the statement runs, so that it
// holds nothing after it.
String FullPayoutInsertSql(Integer DepositId, TDateTime Date, const String& Remark);
// 1 when the balance the deposit holds is a whole number (not NULL, not a text), else 0.
String DepositBalanceWholeSql(Integer DepositId);
// 1 when the deposit's balance is the sum of its movements, with Emptied also 0, else 0.
String DepositBalanceKeptSql(Integer DepositId, bool Emptied);
// Closes the deposit with its payout date.
String DepositCloseSql(Integer DepositId, TDateTime Date);

struct NewDeposit {
    Integer AccountId = 0;
    Integer ProjectId = 0; // 0: no project (NULL)
    String Payer;
    String Beneficiary;
    TDateTime Date = 0;
    String Remark;
};
// The deposit row, balance 0, active.
String NewDepositSql(const NewDeposit& Deposit);
// The opening movement "[Nyitó]" of Amount on the deposit's date.
String OpeningMovementSql(Integer DepositId, Int64 Amount, TDateTime Date);

// Payer, beneficiary, deposit date, account and project names and remark of one deposit.
String DepositBaseDataSql(Integer DepositId);
// What the base-data dialog writes: the texts and the date the user changed (letevo,
// kedvezmenyezett, betet, megjegyzes), and account and project only when an id above 0 is
// given (an item picked from the list). Empty when nothing changed.
struct DepositBaseData {
    Integer AccountId = 0;
    Integer ProjectId = 0;
    ChangedValues Values;
};
String DepositBaseDataUpdateSql(Integer DepositId, const DepositBaseData& Data);

// ---- Amounts ------------------------------------------------------------------------

// The largest amount a box takes: twelve digits, as the lists show them.
inline constexpr Int64 MaxDepositAmount = 999'999'999'999;
// The whole forints typed in an amount box; none when the box is empty. Anything but
// 1 to MaxDepositAmount as plain digits raises EConvertError "Érvénytelen összeg: ..."
// and nothing may be written.
std::optional<Int64> ParseDepositAmount(const String& Text);

// The kind of movement the sheet's radios choose.
enum class MovementKind { None, PartialPayout, FullPayout, Payment };
// The signed amount the sheet records: a partial payout the negated amount, a payment the
// amount, a full payout the negated balance (so the balance becomes 0). None when the
// input is incomplete (no kind, or no amount where one is needed).
std::optional<Int64> MovementAmount(MovementKind Kind, const String& AmountText, Int64 Balance);

} // namespace app
