#pragma once
// The partners area's commands over the main window: the search, the change dialog and
// the delete of a list's current partner. Only the area's files and dialogs include this.
class TObject;
class TSqlite3Query;

namespace app {

class MainWindowShared;

// "Keresés": the partners whose name holds the search box's text.
void partnerKeresClick(MainWindowShared& Form, TObject* Sender);
// Opens the change dialog for the current partner of Query (list or search).
void EditPartner(MainWindowShared& Form, TSqlite3Query* Query);
// Asks, then deletes the current partner of Query and reopens Query; a reopening that fails
// raises EDatabaseError saying the delete was done.
void DeletePartner(MainWindowShared& Form, TSqlite3Query* Query);
// Reruns the partner list after a dialog stored a partner.
void ReopenPartnerList(MainWindowShared& Form);

// The area's list and search pages with their detail panels on the window's partners
// area.
void CreatePartnersArea(MainWindowShared& Form);
void CreatePartnerPages(MainWindowShared& Form);
// Menu commands: the list reopened in front, the search page in front, the list in
// front with the new-partner dialog over it.
void Partnerlista1Click(MainWindowShared& Form, TObject* Sender);
void Partnerkereses1Click(MainWindowShared& Form, TObject* Sender);
void Ujpartner1Click(MainWindowShared& Form, TObject* Sender);

} // namespace app
