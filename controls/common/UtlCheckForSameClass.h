#pragma once
// The guard that a UTL component class occurs at most once on a form, and the
// error its callers (the container control, the form shape) raise.
#include "platform/core/Exceptions.h"

#include <functional>

class TComponent;

class UtlEOneInstError : public Exception {
public:
    // Mode 0: Msg + ":" + CR + "Invalid owner (<>TForm) or second instance on
    // a form"; mode 1: Msg + ":" + CR + "Already one <Msg> control in this
    // project!"; any other mode an empty message.
    UtlEOneInstError(const String& Msg, Integer Mode);
    const char* ClassName() const noexcept override { return "UtlEOneInstError"; }
};

// True (an error) when AOwner is not a form, or when more than one of its
// components passes IsClass (the class or a descendant). An empty IsClass
// gives False. This platform has no data modules, so AllowDataModule
// changes nothing.
bool UtlCheckForSameClass(TComponent* AOwner, const std::function<bool(const TComponent*)>& IsClass,
                          bool AllowDataModule);

template <class T> bool UtlCheckForSameClass(TComponent* AOwner, bool AllowDataModule) {
    return UtlCheckForSameClass(
        AOwner, [](const TComponent* C) { return dynamic_cast<const T*>(C) != nullptr; }, AllowDataModule);
}
