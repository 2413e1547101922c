#pragma once
// The main window's one instance, for files that hand it to the narrow functions of
// app/common/MainWindowData.h or of an area's header without needing the window's class.
// Defined with the window, in app/main/TForm1.cpp.
class TComponent;
class TForm1;

extern TForm1* Form1;

namespace app {

class MainWindowShared;

// Makes the main window into Form1, owned by Owner, and runs its creation handler as
// the application's start does; answers it as what its areas share. Deleting it (or
// its owner) frees it and empties Form1.
MainWindowShared& CreateMainWindow(TComponent* Owner);

// Form1 seen as what its areas share, the view the areas' commands and the dialogs'
// narrow functions take. Only while Form1 exists.
MainWindowShared& MainWindow();

} // namespace app
