#pragma once
// The entries of a window's menu that a form keeps. The window manager owns
// that menu here, so the entries stand for what the window system may do to
// the form: smMinimize and smMaximize for the caption's minimise and maximise
// buttons, smClose for the close box and the window system's close command,
// smSize for sizing by the frame, smMove for moving. smRestore and smSwitch
// have no counterpart and are taken without effect.
#include "platform/core/TSet.h"

class TCustomForm;

enum TUtlSysMenuEntry { smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smSwitch };
using TUtlSysMenuEntries = TSet<TUtlSysMenuEntry>;

// Withdraws from Form what the entries missing from Entries stand for, as
// deleting them from its menu would; what is withdrawn stays withdrawn when a
// later call names it again. Nothing for no form.
void UtlCheckSystemMenu(TUtlSysMenuEntries Entries, TCustomForm* Form);
void UtlCheckFormSysMenu(TCustomForm* Form, TUtlSysMenuEntries Entries);
// The application's menu stands for all of its windows: every form there is
// now, shown or hidden, keeps only Entries.
void UtlCheckApplicationSysMenu(TUtlSysMenuEntries Entries);
