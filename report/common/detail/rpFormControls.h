#pragma once
// Places a control on one of the engine's dialogs: owned by Owner, named,
// put on Parent at Left, Top with its Width and Height.
#include "platform/core/Types.h"

class TComponent;
class TWinControl;

namespace report {

template <class T>
T* MakeControl(TComponent* Owner, TWinControl* Parent, const char* Name, Integer Left, Integer Top,
               Integer Width, Integer Height) {
    T* c = new T(Owner);
    c->SetName(Name);
    c->SetParent(Parent);
    c->SetBounds(Left, Top, Width, Height);
    return c;
}

} // namespace report
