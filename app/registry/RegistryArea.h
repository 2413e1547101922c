#pragma once
// The registry area's commands over the main window: its two lists with their filter
// strips, the cancelling of an item, and the settings page's look-up tables. Only the
// area's files, the window and the registry dialogs include this.
class TForm1;
class TObject;
class TSqlite3Query;
class TSqlite3Table;

namespace app {

// The items not cancelled, newest first, in the page's list.
void ShowDefaultIncomingList(TForm1& Form);
void ShowDefaultOutgoingList(TForm1& Form);
// The list's page in front of the area's other pages, with its default list.
void ShowIncomingListPage(TForm1& Form);
void ShowOutgoingListPage(TForm1& Form);
void gxExtSpeedButton27Click(TForm1& Form, TObject* Sender); // incoming "Lekérdezés"
void gxExtSpeedButton31Click(TForm1& Form, TObject* Sender); // outgoing "Lekérdezés"
void gxExtSpeedButton24Click(TForm1& Form, TObject* Sender); // incoming "Alaphelyzet"
void gxExtSpeedButton30Click(TForm1& Form, TObject* Sender); // outgoing "Alaphelyzet"
// "Storno" of a list's context menu.
void CancelRegistryItem(TForm1& Form, TSqlite3Query* Query, bool Incoming);
void iktatasbeallitasResize(TForm1& Form, TObject* Sender);
// Sets the three look-up tables of the settings page active.
void OpenRegistrySettings(TForm1& Form);
// The settings page's look-up tables: ikt_mt, ikt_mod and ikt_partner.
TSqlite3Table& RegistryLocationTable(TForm1& Form);
TSqlite3Table& RegistryModeTable(TForm1& Form);
TSqlite3Table& RegistryPartnerTable(TForm1& Form);
// Refills the registry partners of the filter strips (part of FillFilterCombos).
void FillRegistryPartnerCombos(TForm1& Form);

} // namespace app
