#pragma once
// The main window's one instance, for files that hand it to the narrow functions of
// app/main/MainWindowData.h or of an area's header without needing the window's class.
class TForm1;

extern TForm1* Form1;

namespace app {

class MainWindowShared;

// Form1 seen as what its areas share, the view the areas' commands and the dialogs'
// narrow functions take. Only while Form1 exists.
MainWindowShared& MainWindow();

} // namespace app
