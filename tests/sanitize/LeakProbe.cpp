// Leaks one block, from its own code ("own") or from inside the system's message-bus
// library ("bus"), so that a test can show which leaks the sanitizer build's suppressions
// let pass.
#include <dlfcn.h>

#include <cstdio>
#include <string_view>
#include <thread>

namespace {

void* volatile Kept = nullptr;

// The block's only pointer is dropped: a leak whose stack is this program's.
[[gnu::noinline]] void LeakInOwnCode() {
    Kept = new char[64];
    Kept = nullptr;
}

// A message the library allocates and nobody releases: a leak whose stack is the library's.
// The library stays loaded, so that the report names it.
[[gnu::noinline]] bool LeakInMessageBus() {
    void* library = dlopen("libdbus-1.so.3", RTLD_NOW);
    auto* newMessage =
        library ? reinterpret_cast<void* (*)(int)>(dlsym(library, "dbus_message_new")) : nullptr;
    if (newMessage) Kept = newMessage(1); // a method call
    Kept = nullptr;
    return newMessage != nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const bool own = argc > 1 && std::string_view(argv[1]) == "own";
    // On a thread of its own, whose stack is gone when the leaks are looked for: no stale
    // copy of a pointer there keeps a block reachable.
    bool found = true;
    std::thread([&] {
        if (own)
            LeakInOwnCode();
        else
            found = LeakInMessageBus();
    }).join();
    if (!found) std::fprintf(stderr, "leak_probe: the message-bus library (libdbus-1.so.3) was not found\n");
    return found ? 0 : 2;
}
