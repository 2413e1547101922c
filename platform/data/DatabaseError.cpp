#include "platform/data/DatabaseError.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"

void DatabaseError(const String& Message, const TComponent* Component) {
    if (Component && !Component->Name().empty()) throw EDatabaseError(Component->Name() + ": " + Message);
    throw EDatabaseError(Message);
}

void DatabaseErrorFmt(const char* Message, std::initializer_list<TVarRec> Args, const TComponent* Component) {
    DatabaseError(Format(Message, Args), Component);
}
