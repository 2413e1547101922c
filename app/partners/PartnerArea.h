#pragma once
// The partners area's commands over the main window: the search, the change dialog and
// the delete of a list's current partner. Only the area's files and dialogs include this.
class TForm1;
class TObject;
class TSqlite3Query;

namespace app {

// "Keresés": the partners whose name holds the search box's text.
void partnerKeresClick(TForm1& Form, TObject* Sender);
// Opens the change dialog for the current partner of Query (list or search).
void EditPartner(TForm1& Form, TSqlite3Query* Query);
// Asks, then deletes the current partner of Query and reopens Query.
void DeletePartner(TForm1& Form, TSqlite3Query* Query);
// Reruns the partner list after a dialog stored a partner.
void ReopenPartnerList(TForm1& Form);

} // namespace app
