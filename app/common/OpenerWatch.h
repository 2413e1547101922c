#pragma once
// The desktop's opener gives up a moment after it started when it finds no program for
// what it was handed; the call that started it does not wait for that verdict, so the
// window never hangs on it. A watch polls the opener and reports such a failure.
#include "platform/os/Process.h"
#include "platform/ui/TTimer.h"

#include <functional>

namespace app {

class OpenerWatch : public TTimer {
public:
    // Called with the shell result code (SE_ERR_FNF, SE_ERR_NOASSOC …) of a failed opener.
    using FailureEvent = std::function<void(Integer ShellCode)>;

    explicit OpenerWatch(TComponent* AOwner);
    // Closes a process handle it was handed.
    ~OpenerWatch() override;

    // The watch of Owner (made when it has none), so that a new opening replaces the last.
    static OpenerWatch& Of(TComponent& Owner);

    // Polls Process (0: nothing to watch) and calls OnFailure when it ends with a failure
    // within ten seconds; after that the opener runs the program itself, and its end says
    // nothing about the opening. With OwnsProcess the watch closes the handle when done.
    void Watch(TProcessHandle Process, bool OwnsProcess, FailureEvent OnFailure);

private:
    void Check();
    void Stop();

    TProcessHandle FProcess = 0;
    bool FOwnsProcess = false;
    int FTicks = 0;
    FailureEvent FOnFailure;
};

} // namespace app
