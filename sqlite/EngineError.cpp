#include "sqlite/EngineError.h"

#include "platform/core/StrUtils.h"

#include <sqlite3.h>

namespace sqlite {

String EngineFailureAdvice(int ResultCode) {
    switch (ResultCode & 0xff) {
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

void RaiseEngineError(int ResultCode, const String& EngineMessage, const String& SQL) {
    const String advice = EngineFailureAdvice(ResultCode);
    String message = advice.empty() ? String() : advice + "\n";
    message += Copy(EngineMessage, 1, 255) + "\n\n" + SQL;
    throw EngineError(std::move(message), ResultCode);
}

} // namespace sqlite
