#include "platform/print/Spooler.h"

#include <dlfcn.h>
#include <string>
#include <type_traits>

namespace print {

namespace {

// The few entry points of the CUPS client library this program uses, and its
// two record layouts, which the library has kept since its first release.
struct CupsOption {
    char* Name;
    char* Value;
};
struct CupsDest {
    char* Name;
    char* Instance;
    int IsDefault;
    int OptionCount;
    CupsOption* Options;
};

struct CupsLibrary {
    int (*GetDests)(CupsDest** dests) = nullptr;
    void (*FreeDests)(int count, CupsDest* dests) = nullptr;
    int (*AddOption)(const char* name, const char* value, int count, CupsOption** options) = nullptr;
    void (*FreeOptions)(int count, CupsOption* options) = nullptr;
    int (*PrintFile)(const char* queue, const char* file, const char* title, int count,
                     CupsOption* options) = nullptr;
    const char* (*LastErrorString)() = nullptr;

    // Loaded at first use; null when the machine has no CUPS client library.
    static const CupsLibrary* Get() {
        static const CupsLibrary* loaded = []() -> const CupsLibrary* {
            void* handle = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
            if (!handle) return nullptr;
            static CupsLibrary lib;
            auto bind = [handle](auto& fn, const char* name) {
                fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(::dlsym(handle, name));
                return fn != nullptr;
            };
            const bool all =
                bind(lib.GetDests, "cupsGetDests") && bind(lib.FreeDests, "cupsFreeDests") &&
                bind(lib.AddOption, "cupsAddOption") && bind(lib.FreeOptions, "cupsFreeOptions") &&
                bind(lib.PrintFile, "cupsPrintFile") && bind(lib.LastErrorString, "cupsLastErrorString");
            return all ? &lib : nullptr;
        }();
        return loaded;
    }
};

class CupsSpooler : public Spooler {
public:
    QueueList Queues() override {
        QueueList list;
        const CupsLibrary* cups = CupsLibrary::Get();
        if (!cups) return list;
        CupsDest* dests = nullptr;
        const int count = cups->GetDests(&dests);
        for (int i = 0; i < count; ++i) {
            // A saved set of options ("queue/instance") is no queue of its own.
            if (dests[i].Instance) continue;
            list.Names.emplace_back(dests[i].Name);
            if (dests[i].IsDefault) list.Default = dests[i].Name;
        }
        cups->FreeDests(count, dests);
        return list;
    }

    String Submit(const String& Queue, const String& File, const String& Title, Integer Copies,
                  const String& Media) override {
        const CupsLibrary* cups = CupsLibrary::Get();
        if (!cups) return "libcups.so.2 is not installed";
        CupsOption* options = nullptr;
        int count = 0;
        if (!Media.empty()) count = cups->AddOption("media", Media.c_str(), count, &options);
        count = cups->AddOption("copies", std::to_string(Copies < 1 ? 1 : Copies).c_str(), count, &options);
        const int job = cups->PrintFile(Queue.c_str(), File.c_str(), Title.c_str(), count, options);
        cups->FreeOptions(count, options);
        if (job > 0) return "";
        const char* reason = cups->LastErrorString();
        return reason && *reason ? reason : "the spooler took no job";
    }

    bool DescribesQueues() const override { return true; }
};

Spooler* installed = nullptr;

} // namespace

Spooler& SystemSpooler() {
    static CupsSpooler spooler;
    return spooler;
}

Spooler& CurrentSpooler() {
    return installed ? *installed : SystemSpooler();
}

Spooler* SetSpooler(Spooler* NewSpooler) {
    Spooler* old = installed;
    installed = NewSpooler;
    return old;
}

} // namespace print
