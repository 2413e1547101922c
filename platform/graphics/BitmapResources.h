#pragma once
// Named bitmap resources ("VG_ARROWASC", "VG_DBGARROW" …): BMP file images
// that the subsystem owning them registers at start-up, read back by name as
// the program's bitmap resources were.
#include "platform/core/Exceptions.h"
#include "platform/core/Types.h"

#include <vector>

// A resource that is not there (the platform's own class for it).
VELMORA_EXCEPTION(EResNotFound, Exception)

// Registers (or replaces) a copy of a BMP file image under Name (case-insensitive).
void RegisterBitmapResource(const String& Name, const Byte* Data, std::size_t Size);
// The bytes registered under Name; false when there are none.
bool FindBitmapResource(const String& Name, std::vector<Byte>& Data);
