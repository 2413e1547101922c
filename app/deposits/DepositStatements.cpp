#include "app/deposits/DepositStatements.h"

#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"

namespace app {

namespace {

// The list's columns; a stored date that is no date shows as it stands.
String DepositColumns() {
    return "Select   l.sorszam, sz.nev AS sznev, " + ListDateSql("l.betet") +
           " AS betet, l.status, l.megjegyzes, l.kedvezmenyezett,   l.letevo, l.project, " +
           ListDateSql("l.kifizetes") +
           " AS kifizetes, p.nev AS pnev, l.egyenleg As letetosszeg From   letet l   Left Outer Join   "
           "project p On l.project = p.sorszam ,  letetiszamla sz Where   l.letetiszamla = sz.sorszam ";
}

const char* const ActiveClause = " And  l.status = 1 ";

String OrderClause(DepositSort Sort) {
    switch (Sort) {
    case DepositSort::Payer:
        return " ORDER BY letevo COLLATE systemnocase , betet";
    case DepositSort::Beneficiary:
        return " ORDER BY kedvezmenyezett COLLATE systemnocase, betet";
    case DepositSort::Account:
        return " ORDER BY sznev COLLATE systemnocase, betet";
    case DepositSort::Project:
        return " ORDER BY pnev COLLATE systemnocase, betet";
    case DepositSort::Date:
        break;
    }
    return " ORDER BY betet";
}

} // namespace

String DepositListSql(bool ActiveOnly, DepositSort Sort) {
    return DepositColumns() + (ActiveOnly ? ActiveClause : "") + OrderClause(Sort);
}

String DepositInitialListSql() {
    return "Select   l.sorszam, sz.nev AS sznev, " + ListDateSql("l.betet") +
           " AS betet, l.status, l.megjegyzes, l.kedvezmenyezett,   l.letevo, l.project, " +
           ListDateSql("l.kifizetes") +
           " AS kifizetes, p.nev AS pnev, l.egyenleg As letetosszeg From   letet l   Left Outer Join   "
           "project p On l.project = p.sorszam   Inner Join   letetmozgas m On l.sorszam = m.letet,   "
           "letetiszamla sz Where   l.letetiszamla = sz.sorszam And   l.status = 1 Group By   l.sorszam, "
           "sz.nev, betet, l.status, l.megjegyzes, l.kedvezmenyezett,   l.letevo, l.project, l.kifizetes, "
           "p.nev  ORDER BY betet";
}

String DepositGrandTotalSql() {
    return "Select CAST (SUM (l.egyenleg) As Int) AS osszeg From letet l";
}

String DepositSearchFilter(const DepositSearch& Search) {
    String filter;
    if (Search.AccountId > 0) filter += " AND l.letetiszamla=" + IntToStr(Search.AccountId);
    if (Search.ProjectId > 0) filter += " AND l.project=" + IntToStr(Search.ProjectId);
    if (!Search.Payer.empty())
        filter += " AND l.letevo LIKE '%" + SqlQuote(Search.Payer) + "%' COLLATE systemnocase ";
    if (!Search.Beneficiary.empty())
        filter +=
            " AND l.kedvezmenyezett LIKE '%" + SqlQuote(Search.Beneficiary) + "%' COLLATE systemnocase ";
    if (Search.ActiveOnly) filter += ActiveClause;
    return filter;
}

String DepositSearchSql(const DepositSearch& Search) {
    return DepositColumns() + DepositSearchFilter(Search) + OrderClause(Search.Sort);
}

String DepositSearchTotalSql(const DepositSearch& Search) {
    // A balance stored as text makes the engine's sum a real: whole forints as the grand
    // total has them.
    return "Select CAST (SUM (l.egyenleg) As Int) AS osszeg From letet l WHERE 1=1 " +
           DepositSearchFilter(Search);
}

String AccountInsertSql(const String& Name, const String& Number, const String& Remark) {
    return "INSERT INTO letetiszamla (nev, statusz, szamlaszam, megjegyzes) VALUES (" + SqlLiteral(Name) +
           ",1," + SqlLiteral(Number) + "," + SqlLiteral(Remark) + ")";
}

String ProjectInsertSql(const String& Name, const String& Remark) {
    return "INSERT INTO project (nev, statusz, megjegyzes) VALUES (" + SqlLiteral(Name) + ",1," +
           SqlLiteral(Remark) + ")";
}

String ActiveAccountsSql() {
    return "SELECT sorszam, nev FROM letetiszamla WHERE " + String(ChoosableCondition) + " ORDER BY nev";
}

String ActiveProjectsSql() {
    return "SELECT sorszam, nev FROM project WHERE " + String(ChoosableCondition) + " ORDER BY nev";
}

String DepositHeaderSql(Integer DepositId) {
    // No join on the movements: a deposit is shown once, also one without movements.
    return "Select   l.sorszam, sz.nev AS sznev, " + ListDateSql("l.betet") +
           " AS betet, CASE l.status  WHEN 1 THEN 'aktív' ELSE 'lezárt' END AS statusz , l.megjegyzes, "
           "l.kedvezmenyezett,  l.letevo, l.project, " +
           ListDateSql("l.kifizetes") +
           " AS kifizetes, p.nev AS pnev, \n CAST (l.status AS int) AS status, l.egyenleg AS "
           "letetosszeg From   letet l   Left Outer Join   project p On l.project = p.sorszam ,"
           "   letetiszamla sz Where   l.letetiszamla = sz.sorszam AND l.sorszam=" +
           IntToStr(DepositId);
}

String DepositMovementsSql(Integer DepositId) {
    return "SELECT " + ListDateSql("datum") +
           " AS datum, osszeg, megjegyzes FROM letetmozgas WHERE letet=" + IntToStr(DepositId) +
           " ORDER BY datum";
}

String MovementInsertSql(Integer DepositId, TDateTime Date, Int64 Amount, const String& Remark) {
    return "INSERT INTO letetmozgas (datum, osszeg, megjegyzes, letet) VALUES (" +
           SqlLiteral(DateToSqlText(Date)) + "," + IntToStr(Amount) + "," + SqlLiteral(Remark) + "," +
           IntToStr(DepositId) + ")";
}

String FullPayoutInsertSql(Integer DepositId, TDateTime Date, const String& Remark) {
    return "INSERT INTO letetmozgas (datum, osszeg, megjegyzes, letet) SELECT " +
           SqlLiteral(DateToSqlText(Date)) + ", -COALESCE(egyenleg, 0), " + SqlLiteral(Remark) +
           ", sorszam FROM letet WHERE sorszam=" + IntToStr(DepositId);
}

String DepositBalanceWholeSql(Integer DepositId) {
    return "SELECT count(*) FROM letet WHERE typeof(egyenleg)='integer' AND sorszam=" + IntToStr(DepositId);
}

String DepositBalanceKeptSql(Integer DepositId, bool Emptied) {
    const String id = IntToStr(DepositId);
    return "SELECT count(*) FROM letet WHERE egyenleg=(SELECT COALESCE(SUM(osszeg), 0) FROM letetmozgas "
           "WHERE letet=" +
           id + ")" + (Emptied ? " AND egyenleg=0" : "") + " AND sorszam=" + id;
}

String DepositCloseSql(Integer DepositId, TDateTime Date) {
    return "UPDATE letet SET status=0, kifizetes=" + SqlLiteral(DateToSqlText(Date)) +
           " WHERE sorszam=" + IntToStr(DepositId);
}

String NewDepositSql(const NewDeposit& d) {
    const bool project = d.ProjectId > 0;
    return String("INSERT INTO letet (egyenleg,letetiszamla,") + (project ? "project," : "") +
           "letevo, kedvezmenyezett, status, betet, megjegyzes) VALUES (0," + IntToStr(d.AccountId) + "," +
           (project ? IntToStr(d.ProjectId) + "," : String()) + SqlLiteral(d.Payer) + "," +
           SqlLiteral(d.Beneficiary) + ",1," + SqlLiteral(DateToSqlText(d.Date)) + "," +
           SqlLiteral(d.Remark) + ")";
}

String OpeningMovementSql(Integer DepositId, Int64 Amount, TDateTime Date) {
    return "INSERT INTO letetmozgas (letet, osszeg, megjegyzes, datum) VALUES(" + IntToStr(DepositId) + "," +
           IntToStr(Amount) + ",'[Nyitó]'," + SqlLiteral(DateToSqlText(Date)) + ")";
}

String DepositBaseDataSql(Integer DepositId) {
    return "SELECT l.letevo,l.kedvezmenyezett,l.betet,sz.nev AS sznev,p.nev AS pnev,l.megjegyzes "
           "FROM letet l LEFT OUTER JOIN letetiszamla sz ON sz.sorszam=l.letetiszamla LEFT OUTER "
           "JOIN project p ON p.sorszam=l.project WHERE l.sorszam=" +
           IntToStr(DepositId);
}

String DepositBaseDataUpdateSql(Integer DepositId, const DepositBaseData& d) {
    ChangedValues values = d.Values;
    values.Add("letetiszamla", d.AccountId > 0, IntToStr(d.AccountId));
    values.Add("project", d.ProjectId > 0, IntToStr(d.ProjectId));
    return values.UpdateSql("letet", DepositId);
}

std::optional<Int64> ParseDepositAmount(const String& Text) {
    if (Text.empty()) return std::nullopt;
    Int64 amount = 0;
    bool valid = Text.size() <= 12;
    for (const char c : Text) {
        if (c < '0' || c > '9') {
            valid = false;
            break;
        }
        if (valid) amount = amount * 10 + (c - '0');
    }
    if (!valid || amount < 1 || amount > MaxDepositAmount)
        throw EConvertError("Érvénytelen összeg: \"" + Text +
                            "\". Egész forintot adjon meg, 1 és 999 999 999 999 között.");
    return amount;
}

std::optional<Int64> MovementAmount(MovementKind Kind, const String& AmountText, Int64 Balance) {
    switch (Kind) {
    case MovementKind::None:
        return std::nullopt;
    case MovementKind::FullPayout:
        return -Balance;
    case MovementKind::PartialPayout:
        if (const auto amount = ParseDepositAmount(AmountText)) return -*amount;
        return std::nullopt;
    case MovementKind::Payment:
        return ParseDepositAmount(AmountText);
    }
    return std::nullopt;
}

} // namespace app
