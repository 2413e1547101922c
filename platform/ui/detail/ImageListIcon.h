#pragma once
// Platform-internal: one picture of an image list as an icon, its
// transparent pixels see-through.
#include "platform/core/Types.h"

#include <QIcon>

class TImageList;

namespace ui {

// An empty icon for a null list or an index outside it.
QIcon ImageListIcon(TImageList* List, Integer Index);

} // namespace ui
