#pragma once
// The side channel of a single-instance lock (TNamedMutex): the running copy
// listens on a local socket beside its lock file, only for the same user, and
// a later start asks it there to come forward and hears whether it did.
#include "platform/core/Types.h"

#include <functional>
#include <memory>
#include <string_view>

class TInstanceListener {
public:
    // Listens on the channel of the named lock while it lives; OnActivate
    // answers whether the program came forward. Requests are served by the
    // event loop; made before the window layer's application object exists,
    // it starts listening when that object is created. A socket left behind
    // by a copy that ended without cleaning up is replaced, so only the lock's
    // owner may make one.
    TInstanceListener(std::string_view Name, std::function<bool()> OnActivate);
    ~TInstanceListener();
    TInstanceListener(const TInstanceListener&) = delete;
    TInstanceListener& operator=(const TInstanceListener&) = delete;

    bool Listening() const;

    struct Impl;

private:
    std::unique_ptr<Impl> F;
};

// Asks the copy listening on the named lock's channel to come forward; true
// when it answered that it did. False when nobody listens or no answer comes
// within TimeoutMs. The event loop keeps running while it waits.
bool AskInstanceToActivate(std::string_view Name, Cardinal TimeoutMs = 3000);
