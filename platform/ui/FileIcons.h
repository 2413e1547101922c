#pragma once
// The desktop's icons for the kinds of things in the file system, as the
// toolkit's file-icon provider draws them in the icon theme of the session.
class TImageList;

// The kinds in the order FillFileIconList adds them.
enum TFileIconKind { fiComputer, fiDesktop, fiTrash, fiNetwork, fiDrive, fiFolder, fiFile };

// Clears List and adds one image per kind, at the list's size, with the
// icon's see-through pixels masked. Starts the window layer when needed.
void FillFileIconList(TImageList* List);
