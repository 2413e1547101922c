#include "app/common/CaseHistory.h"

#include "app/common/OpenerWatch.h"
#include "controls/services/TUtlStarter.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TField.h"
#include "platform/core/NumberFormat.h"
#include "platform/os/ShellApi.h"
#include "platform/ui/MessageDialogs.h"

namespace app {

HistoryClick HistoryDoubleClick(const String& FieldName, const String& FileName) {
    if (SameText(FieldName, "megjegyzes")) return HistoryClick::ShowNote;
    if (SameText(FieldName, "ufile") && !FileName.empty())
        return FileExists(FileName) ? HistoryClick::OpenFile : HistoryClick::FileMissing;
    return HistoryClick::Nothing;
}

namespace {

String OpenFailureReason(Integer ShellCode) {
    switch (ShellCode) {
    case SE_ERR_FNF:
        return "A fájl nem található.";
    case SE_ERR_PNF:
        return "A fájl mappája nem található.";
    case SE_ERR_ACCESSDENIED:
        return "Nincs jogosultsága a fájl olvasásához.";
    case SE_ERR_NOASSOC:
        return "Nincs program, amely ezt a fájltípust megnyitná, vagy nincs telepítve a dokumentumokat "
               "megnyitó xdg-open (xdg-utils csomag).";
    default:
        return "A megnyitás nem indult el (hibakód: " + IntToStr(ShellCode) + ").";
    }
}

String FailureText(const String& FileName, const String& Reason) {
    return "A dokumentum nem nyitható meg:\n" + FileName + "\n" + Reason;
}

void ShowFailure(const String& Text) {
    MessageBox(nullptr, Text, "Figyelmeztetés!", MB_OK | MB_ICONEXCLAMATION);
}

void ShowOpenFailure(const String& FileName, Integer ShellCode) {
    ShowFailure(OpenFailureMessage(FileName, ShellCode));
}

} // namespace

String OpenFailureMessage(const String& FileName, Integer ShellCode) {
    return FailureText(FileName, OpenFailureReason(ShellCode));
}

void OpenAttachedFile(TUtlStarter& Starter, const String& FileName) {
    // A stored path names a document: the starter would run a program, so one is refused.
    if (IsProgramFile(FileName)) {
        ShowFailure(FailureText(FileName, ProgramFileReason));
        return;
    }
    Starter.SetString(0, FileName);
    Starter.OnError = [&Starter, FileName](TObject*) { ShowOpenFailure(FileName, Starter.LastError()); };
    Starter.Execute();
    // The starter keeps the opener's handle until its next start.
    OpenerWatch::Of(Starter).Watch(Starter.ProcessHandle(), false,
                                   [FileName](Integer ShellCode) { ShowOpenFailure(FileName, ShellCode); });
}

void OpenListedFile(TUtlStarter& Starter, const String& FileName) {
    if (FileExists(FileName))
        OpenAttachedFile(Starter, FileName);
    else
        ShowMessage(FileName + "\n A fájl nem található");
}

} // namespace app
