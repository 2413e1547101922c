#include "sqlite/EngineError.h"

#include "platform/core/StrUtils.h"

#include <sqlite3.h>

namespace sqlite {

namespace {

// The table or column an engine message says the database lacks ("no such column:
// u.leiras" gives leiras), in lower case; "" for any other message.
String MissingName(const String& EngineMessage) {
    for (const char* prefix : {"no such table: ", "no such column: "}) {
        if (!EngineMessage.starts_with(prefix)) continue;
        const String name = EngineMessage.substr(std::char_traits<char>::length(prefix));
        return LowerCase(name.substr(name.rfind('.') + 1));
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
