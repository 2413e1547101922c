#pragma once
// Platform-internal: the Qt region behind TRegion.
#include "platform/graphics/TRegion.h"

#include <QRegion>

struct TRegion::Impl {
    QRegion R;
};
