#include "platform/ui/SafeCall.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/TApplication.h"

#include <cstdio>

namespace ui {

namespace {

void Report(TObject* Sender, const Exception& E) noexcept {
    try {
        Application->HandleException(Sender, E);
    } catch (const std::exception& inner) {
        // The handler itself failed; the last place left to say so is the log.
        std::fprintf(stderr, "%s\n%s\n", E.Message().c_str(), inner.what());
    } catch (...) {
        std::fprintf(stderr, "%s\n", E.Message().c_str());
    }
}

} // namespace

void SafeCall(TObject* Sender, const std::function<void()>& f) noexcept {
    try {
        f();
    } catch (const Exception& e) {
        Report(Sender, e);
    } catch (const std::exception& e) {
        Report(Sender, Exception(e.what()));
    } catch (...) {
        Report(Sender, Exception("Unknown exception"));
    }
}

} // namespace ui
