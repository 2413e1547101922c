#pragma once
// The statements of the partners area and its two dialogs: the list, the search,
// reading, storing and deleting one partner. Kept apart from the forms so they can
// be run against the schema in tests without any window.
#include "app/common/StoredText.h"
#include "platform/core/Types.h"

namespace app {

// What the partner dialogs edit, as typed.
struct PartnerFields {
    String Nev;
    String Kepviselo;
    String Cim;
    String Tel1, Tel2, Tel3;
    String Mobil1, Mobil2;
    String Fax;
    String Email;
    String Web;
    String Kedvezmeny; // the discount as typed; empty means none
    String Megjegyzes;
};

// Every partner with the joined telephone and mobile numbers, by name and then
// representative. A missing number leaves no gap: the present ones are joined by
// two spaces, so one NULL part never blanks the whole text.
String PartnerListSql();

// Partners whose name holds Text anywhere, or whose representative or remark starts
// with it, in the list's order. Quotes are doubled; "%" and "_" keep their pattern
// meaning.
String PartnerSearchSql(const String& Text);

// The thirteen edited columns of one partner, in the dialogs' order.
String PartnerSelectSql(Integer Id);
String PartnerDeleteSql(Integer Id);

// The discount as the statements write it: "NULL" for an empty (or blank) text,
// else the number read with either "," or "." as the decimal separator and written
// with ".". Raises EConvertError "A kedvezmény mezőbe számot kell írni!" for any
// other text, so typed text never reaches the statement.
String DiscountSqlValue(const String& Text);

// Stores the boxes of the change dialog that differ from Shown, what the dialog showed when
// filled, into partner Id: each text as Value gives it, the discount through DiscountSqlValue
// (which raises before any statement is made). Empty when nothing changed.
String PartnerUpdateSql(const PartnerFields& Shown, const PartnerFields& Fields, Integer Id,
                        const TextSetValue& Value = TextValueSql);
// A new partner; texts quote-doubled, the discount through DiscountSqlValue.
String PartnerInsertSql(const PartnerFields& Fields);

} // namespace app
