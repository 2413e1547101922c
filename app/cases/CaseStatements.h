#pragma once
// The SELECT texts behind the case list and the case search, built from what the
// user chose on the page. Kept apart from the form so they can be run against a
// database in tests without any window.
#include "platform/core/Types.h"

namespace app {

struct CaseListOptions {
    bool ActiveOnly = true;  // "Csak aktív"
    bool ByName = false;     // "Ügy neve"; otherwise year and number
    bool Descending = false; // "Csökkenő"
};

struct CaseSearchCriteria {
    String YearFrom;
    String YearTo;
    String NumberFrom;
    String NumberTo;
    String Text;
    bool InName = true;        // "Ügy neve"
    bool InDescription = true; // "Leírás"
    bool InClients = true;     // "Ügyfél": attached persons and organisations
    bool InHistory = true;     // "Esemény": history notes
    bool ActiveOnly = true;
    bool ByName = false;
    bool Descending = false;
};

// The case list: number, name and state of every case, or of the active ones.
String CaseListSql(const CaseListOptions& Options);

// The case search. A year takes effect from four characters, a number from one.
// Year and number texts must be digits only; anything else raises EConvertError
// "'<text>' is not a valid integer value", so typed text never reaches the
// statement unquoted. The search text is matched with LIKE after quote doubling;
// "%" and "_" keep their pattern meaning.
String CaseSearchSql(const CaseSearchCriteria& Criteria);

} // namespace app
