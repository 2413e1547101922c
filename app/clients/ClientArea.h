#pragma once
// The clients area's handlers over the main window: the two lists' detail panels, their
// saves and deletes, and the side buttons. Only the area's files and the window include
// this.
#include "platform/core/Types.h"

class TField;
class TObject;

namespace app {

class MainWindowShared;

// Empties the detail panels' memos and sets the birth date to today (on show).
void ClearClientPanels(MainWindowShared& Form);
void szemelyekButtonClick(MainWindowShared& Form, TObject* Sender);
void szervezetekButtonClick(MainWindowShared& Form, TObject* Sender);
// The current person / organisation into the detail panel.
void DataSource1DataChange(MainWindowShared& Form, TObject* Sender, TField* Field);
void DataSource2DataChange(MainWindowShared& Form, TObject* Sender, TField* Field);
void Query1szuletesi_idoGetText(MainWindowShared& Form, TField* Sender, String& Text, bool DisplayText);
// The panels' writes reopen their list; a reopening that fails raises EDatabaseError saying
// the write was done, and a changed panel then shows its row as stored.
void gxExtSpeedButton37Click(MainWindowShared& Form, TObject* Sender); // person "Módosít"
void gxExtSpeedButton35Click(MainWindowShared& Form, TObject* Sender); // organisation "Módosít"
void gxExtSpeedButton36Click(MainWindowShared& Form, TObject* Sender); // person "Töröl"
void gxExtSpeedButton34Click(MainWindowShared& Form, TObject* Sender); // organisation "Töröl"

// The area's lists, their detail panels and its navigation buttons on the window's
// clients area.
void CreateClientsArea(MainWindowShared& Form);
void CreatePersonPanel(MainWindowShared& Form);
void CreateOrganisationPanel(MainWindowShared& Form);
// Menu commands: a list reopened in front, or its page in front with the new-client
// dialog over it.
void Termeszetesszemelyek1Click(MainWindowShared& Form, TObject* Sender);
void Szervezetek1Click(MainWindowShared& Form, TObject* Sender);
void Ujtermeszetesszemely1Click(MainWindowShared& Form, TObject* Sender);
void Ujszervezet1Click(MainWindowShared& Form, TObject* Sender);

} // namespace app
