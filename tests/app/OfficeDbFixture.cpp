#include "tests/app/OfficeDbFixture.h"

#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "sqlite/Statement.h"
#include "sqlite/TSqlite3DB.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace apptest {

namespace {

String DateOrNull(const std::optional<String>& date) {
    return date ? SqlLiteral(*date) : String("NULL");
}

} // namespace

std::unique_ptr<TSqlite3DB> MakeConnection(const std::string& folder) {
    auto db = std::make_unique<TSqlite3DB>(nullptr);
    db->SetDatabase("dornek.s3db");
    db->SetDefaultDir(folder + "/data/");
    db->SetDefaultExt(".s3db");
    db->SetCharacterEncoding("STANDARD");
    db->SetMustExist(true);
    return db;
}

OfficeDbFixture::OfficeDbFixture() = default;
OfficeDbFixture::~OfficeDbFixture() = default;

void OfficeDbFixture::SetUp() {
    FDB = MakeConnection(Folder());
    FDB->SetConnected(true);
}

void OfficeDbFixture::TearDown() {
    FDB.reset();
    if (!FPreviousFolder.empty()) {
        std::error_code ignored;
        std::filesystem::current_path(FPreviousFolder, ignored);
    }
}

void OfficeDbFixture::UseAsWorkingFolder() {
    if (FPreviousFolder.empty()) FPreviousFolder = std::filesystem::current_path().string();
    std::filesystem::current_path(Folder());
}

void OfficeDbFixture::Exec(const String& sql) {
    DB().SQLite3_ExecSQL(sql, nullptr);
}

std::vector<Row> OfficeDbFixture::Rows(const String& sql) {
    const auto& api = DB().Api();
    sqlite::Statement stmt(api);
    const std::string text = DB().ToEngine(sql);
    if (api.prepare(DB().Handle(), text.c_str(), -1, stmt.Receive(), nullptr) != SQLITE_OK || !stmt.Get())
        throw std::runtime_error("cannot prepare \"" + sql + "\": " + api.errmsg(DB().Handle()));
    std::vector<Row> rows;
    for (;;) {
        const int rc = api.step(stmt.Get());
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW)
            throw std::runtime_error("\"" + sql + "\" failed: " + api.errmsg(DB().Handle()));
        Row row;
        const int columns = api.column_count(stmt.Get());
        for (int i = 0; i < columns; ++i) {
            if (api.column_type(stmt.Get(), i) == SQLITE_NULL) {
                row.emplace_back(std::nullopt);
                continue;
            }
            const auto* text = reinterpret_cast<const char*>(api.column_text(stmt.Get(), i));
            const int bytes = api.column_bytes(stmt.Get(), i);
            row.emplace_back(DB().FromEngine(std::string_view(text, bytes)));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<String> OfficeDbFixture::Value(const String& sql) {
    const std::vector<Row> rows = Rows(sql);
    if (rows.empty() || rows.front().empty()) {
        ADD_FAILURE() << "no row from " << sql;
        return std::nullopt;
    }
    return rows.front().front();
}

String OfficeDbFixture::Text(const String& sql) {
    return Value(sql).value_or("");
}

Int64 OfficeDbFixture::Number(const String& sql) {
    const std::optional<String> value = Value(sql);
    if (!value) {
        ADD_FAILURE() << "NULL from " << sql;
        return 0;
    }
    return StrToInt64(*value);
}

Integer OfficeDbFixture::LastKey(const String& table) {
    return static_cast<Integer>(Number("SELECT MAX(sorszam) FROM " + table));
}

String OfficeDbFixture::Today() {
    return Text("SELECT date('now','localtime')");
}

Integer OfficeDbFixture::AddCase(const String& name, const String& date, const String& description) {
    Exec("INSERT INTO ugy (status, nev, leiras, datum) VALUES (1," + SqlLiteral(name) + "," +
         SqlLiteral(description) + "," + SqlLiteral(date) + ")");
    return LastKey("ugy");
}

Integer OfficeDbFixture::AddHistoryEntry(Integer caseId, const String& date, const String& file,
                                         const String& text, bool keep, bool archive) {
    Exec("INSERT INTO ugyitem (ugy, datum, ufile, megjegyzes,orzendo,archivalando,orzesi_hatarido)"
         " VALUES (" +
         IntToStr(caseId) + "," + SqlLiteral(date) + "," + SqlLiteral(file) + "," + SqlLiteral(text) + "," +
         (keep ? "1" : "0") + "," + (archive ? "1" : "0") + ",NULL)");
    return LastKey("ugyitem");
}

Integer OfficeDbFixture::AddPerson(const String& name, const std::optional<String>& birthDate) {
    Exec("INSERT INTO ugyfel_termeszetes_szemely(nev, szuletesi_nev, lakcim, szuletesi_ido,"
         " szuletesi_hely, allampolgarsag, anyja_neve, azonosito_okmany_tipus,"
         " azonosito_okmany_szama, tartozkodasi_hely) VALUES (" +
         SqlLiteral(name) + ",'',''," + DateOrNull(birthDate) + ",'','','','','','')");
    return LastKey("ugyfel_termeszetes_szemely");
}

Integer OfficeDbFixture::AddOrganisation(const String& name, const String& documentNumber) {
    Exec("INSERT INTO ugyfel_szervezet(nev, roviditett_nev, szekhely_cime, fotevekenyseg,"
         " azonosito_okirat_szama, kezbesitesi_megbizott_neve, kezbesitesi_megbizott_anyja_neve,"
         " kezbesitesi_megbizott_cime, kepviselo) VALUES (" +
         SqlLiteral(name) + ",'',''," + "''," + SqlLiteral(documentNumber) + ",'','','','')");
    return LastKey("ugyfel_szervezet");
}

Integer OfficeDbFixture::AddCasePerson(Integer caseId, const String& name, Integer registerId,
                                       bool identified) {
    Exec("INSERT INTO ugy_ugyfel_tsz (ugy, nev, szuletesi_nev, szuletesi_hely, szuletesi_ido,"
         " anyja_neve, allampolgarsag, azonosito_okmany_tipus, azonosito_okmany_szama, lakcim,"
         " tartozkodasi_hely, jubok) VALUES (" +
         IntToStr(caseId) + "," + SqlLiteral(name) + ",'','',NULL,'','','','','',''," +
         (identified ? "'true'" : "'false'") + ")");
    const Integer copyId = LastKey("ugy_ugyfel_tsz");
    if (registerId > 0)
        Exec("UPDATE ugy_ugyfel_tsz SET ugyfel_tsz=" + IntToStr(registerId) +
             " WHERE sorszam=" + IntToStr(copyId));
    return copyId;
}

Integer OfficeDbFixture::AddAccount(const String& name) {
    Exec("INSERT INTO letetiszamla (nev, statusz, szamlaszam, megjegyzes) VALUES (" + SqlLiteral(name) +
         ",1,'','')");
    return LastKey("letetiszamla");
}

Integer OfficeDbFixture::AddProject(const String& name) {
    Exec("INSERT INTO project (nev, statusz, megjegyzes) VALUES (" + SqlLiteral(name) + ",1,'')");
    return LastKey("project");
}

Integer OfficeDbFixture::AddDeposit(Integer accountId, const String& payer, const String& date,
                                    Int64 amount) {
    Exec("INSERT INTO letet (egyenleg,letetiszamla,letevo, kedvezmenyezett, status, betet,"
         " megjegyzes) VALUES (0," +
         IntToStr(accountId) + "," + SqlLiteral(payer) + ",'',1," + SqlLiteral(date) + ",'')");
    const Integer depositId = static_cast<Integer>(Number("SELECT max(sorszam) AS reqsorszam FROM letet"));
    Exec("INSERT INTO letetmozgas (letet, osszeg, megjegyzes, datum) VALUES(" + IntToStr(depositId) + "," +
         IntToStr(amount) + ",'[Nyitó]'," + SqlLiteral(date) + ")");
    return depositId;
}

void OfficeDbFixture::AddMovement(Integer depositId, const String& date, Int64 amount, const String& note) {
    Exec("INSERT INTO letetmozgas (datum, osszeg, megjegyzes, letet) VALUES (" + SqlLiteral(date) + "," +
         IntToStr(amount) + "," + SqlLiteral(note) + "," + IntToStr(depositId) + ")");
}

Integer OfficeDbFixture::AddRegistryPartner(const String& name, const String& address) {
    Exec("INSERT INTO ikt_partner (nev,cim) VALUES(" + SqlLiteral(name) + "," + SqlLiteral(address) + ")");
    return LastKey("ikt_partner");
}

Integer OfficeDbFixture::AddRegistryEntry(const String& table, Integer partnerId, const String& date,
                                          const String& subject) {
    Exec("INSERT INTO " + table +
         " (partner,partnercim,targy, datum, iktmod, localmt, ugy,"
         " megjegyzes, referencia) VALUES (" +
         IntToStr(partnerId) + ",''," + SqlLiteral(subject) + "," + SqlLiteral(date) +
         ",NULL,NULL,NULL,'','')");
    return LastKey(table);
}

Integer OfficeDbFixture::AddIdentification(Integer personId, Integer caseId, const String& date,
                                           const String& number) {
    const String serial =
        IntToStr(Number("SELECT COALESCE(MAX(jubszam)+1,1) AS jssz FROM jub WHERE ugy=" + IntToStr(caseId)));
    Exec("INSERT INTO jub( ugyfel, datum, ugy, jubszam, adatigenyles_szama, valaszfile,"
         " orzesi_hatarido, szigszam, szemszam) VALUES (" +
         IntToStr(personId) + "," + SqlLiteral(date) + "," + IntToStr(caseId) + "," + serial + "," +
         SqlLiteral(number) + ",''," + SqlLiteral(date) + ",'123456AB','')");
    return LastKey("jub");
}

void OfficeDbFixture::SetSetting(const String& key, const String& value) {
    Exec("DELETE FROM info WHERE valtozo LIKE " + SqlLiteral(key));
    Exec("INSERT INTO info (valtozo,ertek) VALUES(" + SqlLiteral(key) + "," + SqlLiteral(value) + ")");
}

} // namespace apptest
