#include "controls/services/UtlSysMenu.h"

#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"

void UtlCheckSystemMenu(TUtlSysMenuEntries Entries, TCustomForm* Form) {
    if (!Form) return;
    TBorderIcons icons = Form->BorderIcons();
    if (!Entries.Contains(smMinimize)) icons.Exclude(biMinimize);
    if (!Entries.Contains(smMaximize)) icons.Exclude(biMaximize);
    TWindowCommands commands = Form->WindowCommands();
    if (!Entries.Contains(smMove)) commands.Exclude(wcMove);
    if (!Entries.Contains(smSize)) commands.Exclude(wcSize);
    if (!Entries.Contains(smClose)) commands.Exclude(wcClose);
    Form->SetBorderIcons(icons);
    Form->SetWindowCommands(commands);
}

void UtlCheckFormSysMenu(TCustomForm* Form, TUtlSysMenuEntries Entries) {
    UtlCheckSystemMenu(Entries, Form);
}

void UtlCheckApplicationSysMenu(TUtlSysMenuEntries Entries) {
    if (!Screen) return;
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        UtlCheckSystemMenu(Entries, Screen->Forms(i));
}
