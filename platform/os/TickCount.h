#pragma once
// Monotonic milliseconds and sleeping.
#include "platform/core/Types.h"

// Milliseconds since an arbitrary fixed moment (monotonic; wraps after 49.7 days
// as a 32-bit count must, so compare differences as unsigned).
Cardinal GetTickCount();
Int64 GetTickCount64();
// Suspends the calling thread; no messages are processed meanwhile.
void Sleep(Cardinal milliseconds);
