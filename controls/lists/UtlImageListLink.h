#pragma once
// An object that draws from an image list keeps the list only in its change
// link: the list's destruction unregisters the link, so the object forgets a
// destroyed list instead of keeping a dangling pointer.
#include "controls/lists/UtlImageLists.h"

// The list Link is registered with; null when none.
inline TUtlCustomImageList* UtlLinkedImageList(const TUtlChangeLink& Link) {
    return static_cast<TUtlCustomImageList*>(Link.Sender);
}

// Moves Link from its list to List (null: to none).
inline void UtlRelinkImageList(TUtlChangeLink& Link, TUtlCustomImageList* List) {
    if (Link.Sender) Link.Sender->UnRegisterChanges(&Link);
    if (List) List->RegisterChanges(&Link);
}
