#include "app/identification/JubStatements.h"

#include "app/common/ChangedValues.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

namespace app {

String JubListSql(const JubFilter& f) {
    String sql = "SELECT jub.sorszam, ugyfel_termeszetes_szemely.nev AS ugyfelnev,   jub.datum, ugy.ev "
                 "||'/'|| ugy.szam AS ugyszam,   ugy.nev AS ugynev, jub.adatigenyles_szama,   "
                 "jub.valaszfile, jub.jubok, jub.orzesi_hatarido,   jub.szigszam, jub.szemszam,   CASE "
                 "WHEN jub.jubok='true' THEN CAST ('OK' AS char(2)) ELSE CAST ('  ' AS char(2)) END AS "
                 "valasz FROM jub INNER JOIN   ugyfel_termeszetes_szemely ON jub.ugyfel = "
                 "ugyfel_termeszetes_szemely.sorszam    INNER JOIN   ugy ON jub.ugy = ugy.sorszam   "
                 "WHERE 1=1 ";
    if (!f.Name.empty()) sql += " AND ugyfel_termeszetes_szemely.nev LIKE '%" + SqlQuote(f.Name) + "%' ";
    if (f.CaseId > 0) sql += " AND ugy.sorszam=" + IntToStr(f.CaseId) + " ";
    if (f.Answer == JubAnswer::Checked) sql += " AND jub.jubok='true' ";
    if (f.Answer == JubAnswer::Unchecked) sql += " AND (jub.jubok='false' OR jub.jubok IS NULL) ";
    sql += DateRangeSql("jub.datum", f.From, f.To);
    return sql + " ORDER BY ugy.ev,ugy.szam, jub.adatigenyles_szama";
}

String JubClientSql(Integer CaseClientRowId) {
    return "SELECT ugyfel_termeszetes_szemely.sorszam, ugyfel_termeszetes_szemely.nev, "
           "ugyfel_termeszetes_szemely.azonosito_okmany_szama FROM ugyfel_termeszetes_szemely, "
           "ugy_ugyfel_tsz WHERE ugyfel_termeszetes_szemely.sorszam=ugy_ugyfel_tsz.ugyfel_tsz AND "
           "ugy_ugyfel_tsz.sorszam=" +
           IntToStr(CaseClientRowId);
}

String JubNextSerialSql(Integer CaseId) {
    return "SELECT COALESCE(MAX(jubszam)+1,1) AS jssz FROM jub WHERE ugy=" + IntToStr(CaseId);
}

String JubCaseNumberSql(Integer CaseId) {
    return "SELECT ev,szam FROM ugy WHERE sorszam=" + IntToStr(CaseId);
}

String JubQueryNumber(const String& ChamberId, Integer Number, Integer Year, Integer Serial) {
    return ChamberId + "_" + IntToStr(Number) + "_" + IntToStr(Year) + "/" + IntToStr(Serial);
}

String JubPersonSql(Integer ClientId) {
    return "SELECT * FROM ugyfel_termeszetes_szemely WHERE sorszam=" + IntToStr(ClientId);
}

namespace {

// The named column of the current row; 0 or empty when there is no row.
Integer IntegerOf(TSqlite3Query& Query, const char* Name) {
    return Query.IsEmpty() ? 0 : static_cast<Integer>(Query.FieldByName(Name)->AsInteger());
}

String TextOf(TSqlite3Query& Query, const char* Name) {
    return Query.IsEmpty() ? String() : Query.FieldByName(Name)->AsString();
}

} // namespace

NewJub ReadNewJub(TSqlite3Query& Query, Integer CaseId, Integer CaseClientRowId, const String& ChamberId) {
    NewJub jub;
    OpenStatement(Query, JubClientSql(CaseClientRowId));
    jub.ClientId = IntegerOf(Query, "sorszam");
    jub.Name = TextOf(Query, "nev");
    jub.CardNumber = TextOf(Query, "azonosito_okmany_szama");
    jub.Serial = OpenForInteger(Query, JubNextSerialSql(CaseId));
    OpenStatement(Query, JubCaseNumberSql(CaseId));
    jub.Number = JubQueryNumber(ChamberId, IntegerOf(Query, "szam"), IntegerOf(Query, "ev"), jub.Serial);
    Query.Close();
    return jub;
}

String JubInputProblem(const JubInput& Input) {
    if (Input.ClientId < 1) return JubNoClientMessage;
    if (Input.CardNumber.empty() && Input.PersonalId.empty()) return JubNoIdentityMessage;
    return String();
}

String JubInsertSql(const JubInput& i, Integer RetentionYears) {
    return "INSERT INTO jub( ugyfel, datum, ugy, jubszam, adatigenyles_szama,             valaszfile, "
           "orzesi_hatarido, szigszam, szemszam)     VALUES (" +
           IntToStr(i.ClientId) + ",'" + DateToSqlText(i.Date) + "'," + IntToStr(i.CaseId) + "," +
           IntToStr(i.Serial) + ",'" + SqlQuote(i.Number) + "','" + SqlQuote(i.File) + "','" +
           DateToSqlText(AddYears(i.Date, RetentionYears)) + "','" + SqlQuote(i.CardNumber) + "','" +
           SqlQuote(i.PersonalId) + "')";
}

String JubSucceededSql(Integer JubId) {
    return "UPDATE jub SET jubok='true' WHERE sorszam=" + IntToStr(JubId);
}

String JubSerialUsesSql(Integer CaseId, Integer Serial) {
    return "SELECT COUNT(*) FROM jub WHERE ugy=" + IntToStr(CaseId) + " AND jubszam=" + IntToStr(Serial);
}

String JubRenumbered(const String& Number, Integer Serial) {
    return Number.substr(0, Number.rfind('/') + 1) + IntToStr(Serial);
}

EJubSerialTaken::EJubSerialTaken(const String& TakenNumber, Integer Serial, String Number)
    : EDatabaseError("A(z) " + TakenNumber +
                     " számot közben egy másik munkahelyen rögzítették ennél az ügynél, ezért a "
                     "lekérdezés nem lett mentve. A lekérdezés új száma: " +
                     Number +
                     ". A „Rögzít” gombbal ezzel a számmal mentheti; a nyilatkozatot is ezzel "
                     "nyomtassa."),
      Serial(Serial), Number(std::move(Number)) {}

Integer StoreJub(TSqlite3Query& Query, const JubInput& Input, Integer RetentionYears) {
    const String problem = JubInputProblem(Input);
    if (!problem.empty()) throw EConvertError(problem);
    // Immediate: the database is locked for writing before the serial is checked, so no
    // other workstation stores a query between the check and the INSERT.
    sqlite::Transaction transaction(ConnectionOf(Query), "IMMEDIATE");
    // The list shows a query only with its person and its case.
    RequireRow(Query, "ugyfel_termeszetes_szemely", Input.ClientId);
    RequireRow(Query, "ugy", Input.CaseId);
    if (OpenForInteger(Query, JubSerialUsesSql(Input.CaseId, Input.Serial)) > 0) {
        const Integer free = OpenForInteger(Query, JubNextSerialSql(Input.CaseId));
        Query.Close();
        throw EJubSerialTaken(Input.Number, free, JubRenumbered(Input.Number, free));
    }
    const Integer id = InsertForKey(Query, JubInsertSql(Input, RetentionYears));
    if (Input.Succeeded) ExecUpdate(Query, JubSucceededSql(id));
    Query.Close();
    transaction.Commit();
    return id;
}

String JubSql(Integer JubId) {
    return "SELECT jub.sorszam, ugyfel_termeszetes_szemely.nev, jub.datum,   jub.adatigenyles_szama, "
           "jub.valaszfile, jub.jubok, jub.szigszam, jub.szemszam, jub.ugyfel FROM  jub INNER JOIN   "
           "ugyfel_termeszetes_szemely ON jub.ugyfel = ugyfel_termeszetes_szemely.sorszam   WHERE "
           "jub.sorszam =" +
           IntToStr(JubId);
}

String JubUpdateSql(Integer JubId, const String& ShownFile, const String& File, std::optional<bool> Succeeded,
                    const TextSetValue& Value) {
    ChangedValues values;
    values.Add("valaszfile", ShownFile, File, Value("valaszfile", File));
    values.Add("jubok", Succeeded.has_value(), Succeeded.value_or(false) ? "'true'" : "'false'");
    return values.UpdateSql("jub", JubId);
}

String JubMarksClearedSql(Integer JubId) {
    const String person = "(SELECT ugyfel FROM jub WHERE sorszam=" + IntToStr(JubId) + ")";
    return "UPDATE ugy_ugyfel_tsz SET jubok='false' WHERE ugyfel_tsz=" + person +
           " AND jubok='true' AND NOT EXISTS (SELECT 1 FROM jub j WHERE j.ugyfel=" + person +
           " AND j.jubok='true')";
}

void StoreJubChange(TSqlite3Query& Query, Integer JubId, const String& ShownFile, const String& File,
                    std::optional<bool> Succeeded, const TextSetValue& Value) {
    const String update = JubUpdateSql(JubId, ShownFile, File, Succeeded, Value);
    if (update.empty()) return;
    sqlite::Transaction transaction(ConnectionOf(Query));
    ExecUpdate(Query, update);
    // Copies attached while the register called the person identified carry its mark without a
    // success of this query: only a success taken away can leave a mark unbacked.
    if (Succeeded == false) ExecStatement(Query, JubMarksClearedSql(JubId));
    Query.Close();
    transaction.Commit();
}

} // namespace app
