#pragma once
// The list pages' print commands: "Nyomtatás" beside "Exportálás" on each page's title
// strip. Only the main window's constructor and the print tests include this.
namespace app {

class MainWindowShared;

// The print buttons on the title strips of the case search, the deposit list and
// search, the partner list and search, the documents and the client identification
// list; each prints through the report-host forms.
void CreatePrintCommands(MainWindowShared& Form);

} // namespace app
