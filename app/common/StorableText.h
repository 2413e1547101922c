#pragma once
// The office database keeps its text in code page 1250, where a character outside it would
// be stored as "?" for good. Every save checks the text it writes here, before anything is
// written, so the user can correct it while it is still in the dialog.
#include "platform/core/Types.h"

#include <string>

class TDataSet;
class TSqlite3DB;

namespace app {

// "A(z) „Ж” karakter nem tárolható az adatbázisban." for one character of Chars (not empty);
// for several, "A(z) „Ñ”, „Ж” karakterek nem tárolhatók az adatbázisban." (at most ten
// named, then "…"). Invisible characters are named by their code ("U+200B").
String UnstorableMessage(const std::u32string& Chars);

// Raises EDatabaseError with UnstorableMessage when Connection keeps code-page text and Text
// holds characters outside that code page.
void CheckStorable(const TSqlite3DB& Connection, const String& Text);

// Makes DataSet check the text fields of every row it posts to Connection (its BeforePost).
void CheckStorableOnPost(TDataSet& DataSet, const TSqlite3DB& Connection);

} // namespace app
