#pragma once
// The registry area's commands over the main window: its two lists with their filter
// strips, the cancelling of an item, and the settings page's look-up tables. Only the
// area's files, the window and the registry dialogs include this.
class TObject;
class TSqlite3Query;
class TSqlite3Table;

namespace app {

class MainWindowShared;

// The items not cancelled, newest first, in the page's list.
void ShowDefaultIncomingList(MainWindowShared& Form);
void ShowDefaultOutgoingList(MainWindowShared& Form);
// The list's page in front of the area's other pages, with its default list.
void ShowIncomingListPage(MainWindowShared& Form);
void ShowOutgoingListPage(MainWindowShared& Form);
void gxExtSpeedButton27Click(MainWindowShared& Form, TObject* Sender); // incoming "Lekérdezés"
void gxExtSpeedButton31Click(MainWindowShared& Form, TObject* Sender); // outgoing "Lekérdezés"
void gxExtSpeedButton24Click(MainWindowShared& Form, TObject* Sender); // incoming "Alaphelyzet"
void gxExtSpeedButton30Click(MainWindowShared& Form, TObject* Sender); // outgoing "Alaphelyzet"
// "Storno" of a list's context menu.
void CancelRegistryItem(MainWindowShared& Form, TSqlite3Query* Query, bool Incoming);
void iktatasbeallitasResize(MainWindowShared& Form, TObject* Sender);
// Sets the three look-up tables of the settings page active.
void OpenRegistrySettings(MainWindowShared& Form);
// The settings page's look-up tables: ikt_mt, ikt_mod and ikt_partner.
TSqlite3Table& RegistryLocationTable(MainWindowShared& Form);
TSqlite3Table& RegistryModeTable(MainWindowShared& Form);
TSqlite3Table& RegistryPartnerTable(MainWindowShared& Form);
// Refills the registry partners of the filter strips (part of FillFilterCombos).
void FillRegistryPartnerCombos(MainWindowShared& Form);

// The area's two lists with their filter strips and its settings page on the window's
// registry area.
void CreateRegistryArea(MainWindowShared& Form);
void WireRegistryLists(MainWindowShared& Form);
void CreateRegistrySettings(MainWindowShared& Form);
// Menu commands: a list page in front with its default list, the settings page, and a
// list page in front with the entry dialog over it.
void Beerkezettlevelek1Click(MainWindowShared& Form, TObject* Sender);
void Elkuldottlevelek1Click(MainWindowShared& Form, TObject* Sender);
void Iktatasbeallitasok1Click(MainWindowShared& Form, TObject* Sender);
void Beerkezoiktatas1Click(MainWindowShared& Form, TObject* Sender);
void Kimenoiktatas1Click(MainWindowShared& Form, TObject* Sender);

} // namespace app
