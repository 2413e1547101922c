#pragma once
// Message boxes with the system call's style bits, the class library's
// message dialog, ShowMessage and the input box. A box never grows past the
// screen: a longer text scrolls inside it, above its buttons.
#include "platform/core/TSet.h"
#include "platform/core/Types.h"

class TControl;

constexpr Cardinal MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                   MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20,
                   MB_ICONEXCLAMATION = 0x30, MB_ICONASTERISK = 0x40, MB_DEFBUTTON1 = 0x0,
                   MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_APPLMODAL = 0x0, MB_SYSTEMMODAL = 0x1000,
                   MB_TASKMODAL = 0x2000;
constexpr Cardinal MB_ICONSTOP = MB_ICONHAND, MB_ICONERROR = MB_ICONHAND, MB_ICONWARNING = MB_ICONEXCLAMATION,
                   MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr Integer IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

// Shows Text with Caption; the low four bits choose the buttons, the next four
// the icon, the next four the default button. Returns the ID* of the button
// chosen; closing the box answers IDCANCEL where there is a Cancel button, IDOK
// for a box with OK alone. Owner is accepted for the call's shape and unused.
Integer MessageBox(TControl* Owner, const String& Text, const String& Caption, Cardinal Flags);

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The library's dialog: captioned by its type ("Warning", "Error", "Information",
// "Confirmation"; the application title for mtCustom); returns the mr* result.
Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx = 0);
// The message with OK, captioned with the application title.
void ShowMessage(const String& Msg);
// Asks for a line of text; the default comes back when the user cancels.
String InputBox(const String& ACaption, const String& APrompt, const String& ADefault);
// As InputBox; false (Value unchanged) when the user cancels.
bool InputQuery(const String& ACaption, const String& APrompt, String& Value);
