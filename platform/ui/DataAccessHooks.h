#pragma once
// Connects the data layer's hooks to the window layer: DBScreen drives
// Screen->Cursor (the SQL-wait cursor while a dataset reads), and
// ApplicationHandleException passes a dataset's handed-over exception to
// Application->HandleException. The program installs them once at start-up.

namespace ui {

void InstallDataAccessHooks();

} // namespace ui
