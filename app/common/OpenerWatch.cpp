#include "app/common/OpenerWatch.h"

#include "platform/os/ShellApi.h"

namespace app {

namespace {

constexpr Cardinal PollMs = 100;
constexpr int MostPolls = 100;

} // namespace

OpenerWatch::OpenerWatch(TComponent* AOwner) : TTimer(AOwner) {
    SetName("OpenerWatch");
    SetEnabled(false);
    SetInterval(PollMs);
    OnTimer = [this](TObject*) { Check(); };
}

OpenerWatch::~OpenerWatch() {
    Stop();
}

OpenerWatch& OpenerWatch::Of(TComponent& Owner) {
    if (auto* watch = dynamic_cast<OpenerWatch*>(Owner.FindComponent("OpenerWatch"))) return *watch;
    return *new OpenerWatch(&Owner);
}

void OpenerWatch::Watch(TProcessHandle Process, bool OwnsProcess, FailureEvent OnFailure) {
    Stop();
    if (Process == 0) return;
    FProcess = Process;
    FOwnsProcess = OwnsProcess;
    FTicks = 0;
    FOnFailure = std::move(OnFailure);
    SetEnabled(true);
}

void OpenerWatch::Check() {
    Cardinal code = 0;
    // A handle its owner has let go of belongs to an opening that is over.
    const bool known = GetExitCodeProcess(FProcess, code);
    if (known && code == STILL_ACTIVE && ++FTicks < MostPolls) return;
    const FailureEvent failed = FOnFailure;
    Stop();
    if (known && code != STILL_ACTIVE && code != 0 && failed) failed(ShellCodeOfHelperExit(code));
}

void OpenerWatch::Stop() {
    SetEnabled(false);
    if (FOwnsProcess && FProcess != 0) CloseHandle(FProcess);
    FProcess = 0;
    FOwnsProcess = false;
    FOnFailure = nullptr;
}

} // namespace app
