#pragma once
// The data-access layer's own failures (configuration, library loading, macro
// syntax). Errors reported by the engine itself are raised as EDatabaseError.
#include "platform/core/Exceptions.h"

VELMORA_EXCEPTION(SqliteError, Exception)
