#pragma once
// The start-up check that the database file is the office's: a file that is
// not a database at all (empty, random bytes, damaged) or one that lacks the
// tables the program reads would let the main window come up on nothing and
// every area fail later. The check only reads; the file is left as it was.
#include "platform/core/Types.h"

class TSqlite3DB;

namespace app {

// Why Db's database is not the office's, as a Hungarian phrase ("a fájl üres",
// "a fájl nem adatbázis, vagy sérült", "hiányzik belőle: info, ugy"), or ""
// when it is, or when another program holds it locked for the moment (the first
// read then reports that). Connects Db when needed; disconnects it again when it
// answers a problem. Raises nothing for a file it cannot read: that is its answer.
String OfficeDatabaseProblem(TSqlite3DB& Db);

// The message shown before the program ends:
// "A(z) <File> fájl nem olvasható adatbázis: <Problem>.", a line break, "A program leáll."
String UnreadableDatabaseMessage(const String& File, const String& Problem);

// The message shown before the program ends when no database file lies at Path
// (a full path): "Az adatbázis fájl nem található, a program leáll.", or when a
// folder stands there, "A(z) <Path> nem adatbázis fájl, hanem mappa.", a line
// break, "A program leáll."
String MissingDatabaseMessage(const String& Path);

} // namespace app
