#pragma once
// Pictures of controls as they are on screen, for tests and demonstrations.
// A form is drawn with the classic frame and caption bar of its border style
// around its client area, as the window system would show it.
#include "platform/core/Types.h"

class TBitmap;
class TComboBox;
class TControl;
class TMenuItem;

namespace ui {

// Renders Control (a form: with its frame) into Bitmap, which takes its size.
void Snapshot(TControl* Control, TBitmap* Bitmap);
// The control's picture as its window shows it now, without painting it
// again: what its last painting and the window system's moves of it left in
// the window's buffer. False, bitmap unchanged, while the window has no buffer
// (not shown yet).
bool ShownSnapshot(TControl* Control, TBitmap* Bitmap);
// Renders as Snapshot and writes the picture; the format follows the file
// extension (".png", ".bmp"). Raises EFCreateError "Cannot create file "<name>""
// when it cannot be written.
void SaveSnapshot(TControl* Control, const String& FileName);
// Renders the menu that Item opens (a popup menu's Items: the whole popup) as
// it would show, without showing it; an item without sub-items gives an empty bitmap.
void SnapshotMenu(TMenuItem* Item, TBitmap* Bitmap);
// Renders the items of the list Combo drops down (without the list's frame):
// the list is dropped down for the picture and closed again.
void SnapshotDropDown(TComboBox* Combo, TBitmap* Bitmap);

} // namespace ui
