#pragma once
// The statements of the mail registry: the default and filtered lists of incoming and
// outgoing items, cancelling an item, storing a new item and the look-up rows it refers
// to. Kept apart from the forms so they can be run against the schema in tests.
#include "platform/core/Types.h"

#include <optional>

class TSqlite3Query;

namespace app {

// Which book of the registry: incoming (ikt_be) or outgoing (ikt_ki) mail.
enum class RegistryBook { Incoming, Outgoing };

// "ikt_be" or "ikt_ki".
String RegistryTable(RegistryBook Book);

// The items not cancelled, newest first. An item whose partner row is missing is not
// listed; a missing location, mode or case only leaves its name empty.
String RegistryDefaultListSql(RegistryBook Book);

enum class RegistrySort { ByNumber, ByPartner, BySubject, ByCase };

// What the filter strip of a list page holds.
struct RegistryFilter {
    String Text;                      // "Szöveg:"
    bool InSubject = true;            // "Tárgy"
    bool InNote = true;               // "Megjegyzés"
    bool InReference = true;          // "Referencia"
    String YearFrom, YearTo;          // "Év:"
    String NumberFrom, NumberTo;      // "Szám:"
    std::optional<Integer> PartnerId; // "Feladó:" when an item is chosen
    std::optional<Integer> CaseId;    // "Ügy:" when an item is chosen
    bool ShowCancelled = false;       // "Storno is jelenjen meg"
    RegistrySort Sort = RegistrySort::ByNumber;
    bool Descending = true; // "Csökkenő"
};

// The filtered list. Year and number texts must be digits only; anything else raises
// EConvertError "'<text>' is not a valid integer value" before a statement is made.
// The text is matched with LIKE '%…%' after quote doubling ("%" and "_" keep their
// pattern meaning) in the checked places; with none checked nothing is found.
String RegistryFilterSql(RegistryBook Book, const RegistryFilter& Filter);

// Marks the item Id cancelled; the row stays.
String RegistryCancelSql(RegistryBook Book, Integer Id);

// A new item as the entry dialogs store it; unset references are stored as NULL.
struct RegistryEntry {
    Integer PartnerId = 0;
    String Address; // partnercim
    String Subject; // targy
    TDateTime Date = 0;
    std::optional<Integer> ModeId;
    std::optional<Integer> LocationId;
    std::optional<Integer> CaseId;
    String Note;      // megjegyzes
    String Reference; // referencia
};
// Raises EConvertError "A feladó mező kötelezően kitöltendő!" without a partner.
String RegistryInsertSql(RegistryBook Book, const RegistryEntry& Entry);
// 1 when the database gave item Id of Book its registry year and number, else 0.
String RegistryNumberedSql(RegistryBook Book, Integer Id);

// What the entry dialogs say when the database stored an item without the registry year and
// number it gives every new item.
inline constexpr const char* RegistryNotNumberedMessage =
    "Az adatbázis nem adott iktatási évet és számot az új tételnek (egy szabálya kihagyta a "
    "számozást), ezért a tétel nem lett mentve. Kérje a rendszergazda segítségét.";
// "Rögzít" of an entry dialog: stores Entry in Book and answers its key. Raises, storing
// nothing, the required-sender message without a partner, RowGoneMessage (QueryRun.h) when
// the partner, mode, location or case is no longer there, RowInactiveMessage when the mode or
// location is no longer active or the case no longer open, and RegistryNotNumberedMessage
// when the database left the item without its year or number.
Integer WriteRegistryEntry(TSqlite3Query& Query, RegistryBook Book, const RegistryEntry& Entry);

// The choices of the entry dialogs: partners with their addresses, and the active
// arrival modes and registry locations, each by name.
String RegistryPartnersSql();
String ActiveModesSql();
String ActiveLocationsSql();

// New look-up rows: an active location or mode, a registry partner.
String LocationInsertSql(const String& Name);
String ModeInsertSql(const String& Name);
String RegistryPartnerInsertSql(const String& Name, const String& Address);
// Stores a new registry partner on Query and answers its key.
Integer WriteRegistryPartner(TSqlite3Query& Query, const String& Name, const String& Address);

} // namespace app
