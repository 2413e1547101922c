#pragma once
// The application-wide handler to which a component hands an exception it does
// not raise further (a dataset's InternalHandleException). The window layer
// installs Application->HandleException here at start-up; while it is empty the
// exception is simply not shown.
#include "platform/core/Exceptions.h"

#include <functional>

class TObject;

using TExceptionHook = std::function<void(TObject* Sender, const Exception& E)>;

inline TExceptionHook ApplicationHandleException;
