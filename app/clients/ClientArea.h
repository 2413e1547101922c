#pragma once
// The clients area's handlers over the main window: the two lists' detail panels, their
// saves and deletes, and the side buttons. Only the area's files and the window include
// this.
#include "platform/core/Types.h"

class TField;
class TForm1;
class TObject;

namespace app {

// Empties the detail panels' memos and sets the birth date to today (on show).
void ClearClientPanels(TForm1& Form);
void szemelyekButtonClick(TForm1& Form, TObject* Sender);
void szervezetekButtonClick(TForm1& Form, TObject* Sender);
// The current person / organisation into the detail panel.
void DataSource1DataChange(TForm1& Form, TObject* Sender, TField* Field);
void DataSource2DataChange(TForm1& Form, TObject* Sender, TField* Field);
void Query1szuletesi_idoGetText(TForm1& Form, TField* Sender, String& Text, bool DisplayText);
void gxExtSpeedButton37Click(TForm1& Form, TObject* Sender); // person "Módosít"
void gxExtSpeedButton35Click(TForm1& Form, TObject* Sender); // organisation "Módosít"
void gxExtSpeedButton36Click(TForm1& Form, TObject* Sender); // person "Töröl"
void gxExtSpeedButton34Click(TForm1& Form, TObject* Sender); // organisation "Töröl"

} // namespace app
