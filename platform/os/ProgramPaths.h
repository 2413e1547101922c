#pragma once
// The running program's own path and command line.
#include "platform/core/Types.h"

// Full path of the running executable ("" when the system does not tell).
String GetModuleFileName();
// Number of command-line parameters after the program name.
Integer ParamCount();
// ParamStr(0) is the executable's full path; 1..ParamCount() the parameters;
// any other index gives "".
String ParamStr(Integer index);
