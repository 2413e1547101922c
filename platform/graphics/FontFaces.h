#pragma once
// The one table that maps the Windows face names stored in forms and report
// templates to metric-compatible faces installed with the program.
#include "platform/core/Types.h"

namespace graphics {

// "Arial" → "Liberation Sans" and so on (case-insensitive); an unknown name
// is returned unchanged.
String ResolveFontFace(const String& windowsName);

} // namespace graphics
