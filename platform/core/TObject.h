#pragma once
// Root of the platform's class tree and the plain notification event.
#include "platform/core/Types.h"

#include <functional>

class TObject {
public:
    TObject() = default;
    // Objects have identity: owners and lists hold them by pointer, never by copy.
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class name ("TComponent"); each class overrides it. Stored forms and
    // report templates name classes by it, and messages quote it.
    virtual String ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
