#pragma once
// What the case sheet's history list shows and does, apart from the form: the date
// text of a row, and what a double-click on one of its cells leads to.
#include "platform/core/Types.h"

class TField;
class TUtlStarter;

namespace app {

// Shown when an attached file is no longer where the history says.
inline constexpr const char* FileMissingMessage = "A fájl nem található";

enum class HistoryClick {
    Nothing,    // the date, or an empty file cell
    ShowNote,   // the event's text in a message box
    OpenFile,   // the attached file opens with its program
    FileMissing // FileMissingMessage
};

// The action of a double-click on the cell of field FieldName in a row whose attached
// file is FileName. Looks on disk for the file.
HistoryClick HistoryDoubleClick(const String& FieldName, const String& FileName);

// "A dokumentum nem nyitható meg:", the file and why, for a shell result code at or
// below 32 (SE_ERR_FNF, SE_ERR_NOASSOC …).
String OpenFailureMessage(const String& FileName, Integer ShellCode);

// Why a stored path that names a program (IsProgramFile) is not opened: it would run.
inline constexpr const char* ProgramFileReason =
    "A fájl nem dokumentum, hanem program, ezért biztonsági okból nem indul el.";

// Hands FileName to Starter as its command and starts it with its associated program,
// without waiting; a program file is refused with "A dokumentum nem nyitható meg:", the
// file and ProgramFileReason. When it cannot be opened the user is told why (OpenFailureMessage):
// at once when no opener starts, or when the desktop's opener gives up within ten seconds
// (no program for the type); the window never waits for it.
void OpenAttachedFile(TUtlStarter& Starter, const String& FileName);

// The lists' double-click on a file cell: opens FileName as OpenAttachedFile does when it
// exists; otherwise shows the path, a line break and " A fájl nem található".
void OpenListedFile(TUtlStarter& Starter, const String& FileName);

} // namespace app
