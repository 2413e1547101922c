#include "sqlite/EngineError.h"

#include "platform/core/StrUtils.h"

#include <sqlite3.h>

namespace sqlite {

namespace {

// The table or column an engine message says the database lacks, in lower case, or ""
// for any other message. The engine names it after one of these wordings, also inside
// "error in trigger tr: ..." or "error in view v: ...": "no such column: u.leiras" and
// "no such column: \"leiras\"" (ALTER TABLE) give leiras, "table ugy has no column named
// leiras" (an INSERT's column list) gives leiras, "no such table: main.ugy" gives ugy.
String MissingName(const String& EngineMessage) {
    for (const char* wording : {"no such table: ", "no such column: ", " has no column named "}) {
        const auto at = EngineMessage.find(wording);
        if (at == String::npos) continue;
        String name = EngineMessage.substr(at + std::char_traits<char>::length(wording));
        name = name.substr(name.rfind('.') + 1);
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        return LowerCase(name);
    }
    return {};
}

} // namespace

String EngineFailureAdvice(int ResultCode, const String& EngineMessage, const SchemaNames& Expected) {
    switch (ResultCode & 0xff) {
    case SQLITE_ERROR:
        if (Expected.contains(MissingName(EngineMessage)))
            return "Az adatbázis szerkezete nem ennek a programnak felel meg: hiányzik belőle egy "
                   "tábla vagy oszlop. Kérje a rendszergazda segítségét.";
        return {};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "Az adatbázist egy másik program használja, próbálja újra később.";
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return "Az adatbázis fájl vagy a mappája csak olvasható, a változás nem menthető. "
               "Kérjen írási jogot a fájlhoz és a mappájához, majd próbálja újra.";
    case SQLITE_FULL:
        return "Megtelt a lemez, a változás nem menthető. "
               "Szabadítson fel helyet a lemezen, majd próbálja újra.";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return "Az adatbázis fájl sérült. Állítsa vissza a legutóbbi mentésből, "
               "vagy kérje a rendszergazda segítségét.";
    case SQLITE_IOERR:
        return "Az adatbázis fájl olvasása vagy írása nem sikerült (lemezhiba). "
               "Ellenőrizze a lemezt, majd próbálja újra.";
    default:
        return {};
    }
}

void RaiseEngineError(int ResultCode, const String& EngineMessage, const String& SQL,
                      const SchemaNames& Expected) {
    const String advice = EngineFailureAdvice(ResultCode, EngineMessage, Expected);
    String message = advice.empty() ? String() : advice + "\n";
    message += Copy(EngineMessage, 1, 255) + "\n\n" + SQL;
    throw EngineError(std::move(message), ResultCode);
}

} // namespace sqlite
