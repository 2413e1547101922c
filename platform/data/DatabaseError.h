#pragma once
// Raising EDatabaseError the platform's way: the message is prefixed with the
// component's name and ": " when the component has a name.
#include "platform/core/Format.h"
#include "platform/core/Types.h"

class TComponent;

[[noreturn]] void DatabaseError(const String& Message, const TComponent* Component = nullptr);
[[noreturn]] void DatabaseErrorFmt(const char* Message, std::initializer_list<TVarRec> Args,
                                   const TComponent* Component = nullptr);
