#pragma once
// Errors the SQLite engine reports, raised through one routine so that every
// caller sees the same message shape and can tell the failures apart by the
// engine's result code (a busy database from a constraint failure).
#include "platform/core/Exceptions.h"

#include <set>

namespace sqlite {

// An engine failure: an EDatabaseError that also keeps the engine's result code.
class EngineError : public EDatabaseError {
public:
    EngineError(String Message, int ResultCode)
        : EDatabaseError(std::move(Message)), FResultCode(ResultCode) {}
    // The engine's result code as it reported it (extended codes included).
    int ResultCode() const noexcept { return FResultCode; }
    // The primary code (SQLITE_BUSY, SQLITE_CONSTRAINT, ...).
    int PrimaryCode() const noexcept { return FResultCode & 0xff; }

private:
    int FResultCode;
};

// The names of the tables and columns an application's statements rely on, in
// lower case (a connection's ExpectedSchema).
using SchemaNames = std::set<String>;

// The Hungarian line that tells an office worker what happened and what to do,
// for the failures met in daily work: a database locked by another program, a
// read-only file or folder, a full disk, a damaged file, a failing disk, a
// database without one of the Expected tables or columns (EngineMessage "no such
// table: ...", "no such column: ..." or "table ... has no column named ..." naming
// one of them). Empty for the other failures (syntax, constraints, names the
// application does not rely on, ...), which only a developer meets.
String EngineFailureAdvice(int ResultCode, const String& EngineMessage = {},
                           const SchemaNames& Expected = {});

// What a write that was to add one row says when the database's own rules (a trigger
// that skips the row) let it add none: the new row's key would name an older row, so the
// write stops there and nothing of it stays stored.
inline constexpr const char* NoRowAddedMessage =
    "Az adatbázis nem vette fel az új sort (egy szabálya kihagyta), ezért semmi sem lett mentve. "
    "Kérje a rendszergazda segítségét.";
// What a write that was to change one row says when it changed none. The row is no longer
// in the database: another workstation deleted it while it stood shown.
inline constexpr const char* RowGoneMessage =
    "Az adatot, amelyre ez a mentés vonatkozik, időközben egy másik munkahely törölte az "
    "adatbázisból, ezért semmi sem lett mentve.";
// The row is there, but another workstation set it inactive (or closed it) while it stood
// offered for choosing: a save does not write its key.
inline constexpr const char* RowInactiveMessage =
    "Az adatot, amelyre ez a mentés vonatkozik, időközben egy másik munkahely inaktívvá tette, "
    "ezért semmi sem lett mentve.";
// The row is there, but a rule of the database (a trigger) skipped its change.
inline constexpr const char* RowNotChangedMessage =
    "Az adatbázis nem módosította a sort (egy szabálya kihagyta), ezért semmi sem lett mentve. "
    "Kérje a rendszergazda segítségét.";

// Raises EngineError with the message
//   [advice line "\n"] engine message (at most 255 characters) "\n\n" SQL
// where the advice line is EngineFailureAdvice(ResultCode, EngineMessage, Expected)
// when it has one.
[[noreturn]] void RaiseEngineError(int ResultCode, const String& EngineMessage, const String& SQL,
                                   const SchemaNames& Expected = {});

} // namespace sqlite
