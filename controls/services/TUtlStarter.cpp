#include "controls/services/TUtlStarter.h"

#include "controls/services/TUtlApplication.h"
#include "controls/common/UtlStrings.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/os/ShellApi.h"

namespace {

const char* const NotEnoughTimers = "Not enough timers available";

} // namespace

TUtlStarter::TUtlStarter(TComponent* AOwner)
    : TUtlCustomComponent(AOwner), FStartTime(std::make_unique<TUtlDateTime>()) {
    UtlInitialization();
    FStartTimer = UtlApplication->AddTimer(1000, [this](TObject* Sender) { GetTimer(Sender); });
    if (FStartTimer == 0) throw EOutOfResources(NotEnoughTimers);
    UtlApplication->GetTimer(FStartTimer)->SetEnabled(false);
}

TUtlStarter::~TUtlStarter() {
    DropTimer(FStartTimer);
    DropTimer(FPollTimer);
    ReleaseProcess();
}

void TUtlStarter::DropTimer(Word& Ident) {
    if (Ident == 0 || !UtlApplication) return;
    if (TUtlTimerItem* item = UtlApplication->GetTimer(Ident)) {
        item->SetEnabled(false);
        item->OnTimer = nullptr;
    }
    UtlApplication->RemoveTimer(Ident);
    Ident = 0;
}

void TUtlStarter::ReleaseProcess() {
    if (FProcess != 0) CloseHandle(FProcess);
    FProcess = 0;
}

const String& TUtlStarter::GetString(Integer Index) const {
    static const String none;
    switch (Index) {
    case 0:
        return FCommand;
    case 1:
        return FParameters;
    case 2:
        return FDefaultDir;
    default:
        return none;
    }
}

void TUtlStarter::SetString(Integer Index, const String& Value) {
    String* field = Index == 0 ? &FCommand : Index == 1 ? &FParameters : Index == 2 ? &FDefaultDir : nullptr;
    if (field && *field != Value) *field = Value;
}

void TUtlStarter::SetAutoStart(bool Value) {
    if (Value == FAutoStart) return;
    FAutoStart = Value;
    if (TUtlTimerItem* item = UtlApplication ? UtlApplication->GetTimer(FStartTimer) : nullptr) {
        item->SetInterval(1000);
        item->SetEnabled(Value);
    }
}

void TUtlStarter::SetStart(TUtlDateTime* Value) {
    FStartTime->Assign(Value);
}

String TUtlStarter::Verb(TUtlStarterOperation Operation) {
    static const char* const verbs[] = {"open", "print", "explore", "edit", "properties"};
    return verbs[Operation];
}

Integer TUtlStarter::ShowCommand(TUtlStarterOptions Option) {
    static const Integer commands[] = {SW_HIDE,   SW_MAXIMIZE,      SW_MINIMIZE,      SW_RESTORE,
                                       SW_SHOW,   SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED, SW_SHOWMINNOACTIVE,
                                       SW_SHOWNA, SW_SHOWNORMAL};
    return commands[Option];
}

void TUtlStarter::Execute() {
    // A watch of an earlier start would otherwise poll the new process too.
    DropTimer(FPollTimer);
    ReleaseProcess();
    if (OnBeforeStart) OnBeforeStart(this);

    TShellExecuteInfo info;
    info.Mask = SEE_MASK_NOCLOSEPROCESS;
    info.Verb = Verb(FStartOperation);
    info.Show = ShowCommand(FStartOption);
    if (FStartOperation == smExplore) {
        info.File = UtlSlashAdd(ExtractFilePath(FCommand));
    } else {
        info.File = FCommand;
        info.Parameters = FParameters;
        info.Directory = FDefaultDir;
    }
    ShellExecuteEx(info);
    FProcess = info.Process;

    if (info.InstApp <= 32) {
        // Every code at or below 32 is a failure; 0 is the shell's out-of-resources.
        FLastError = info.InstApp == 0 ? SE_ERR_OOM : info.InstApp;
        if (OnError) OnError(nullptr);
    } else {
        if (OnFinished) {
            FPollTimer =
                UtlApplication->AddTimer(500, [this](TObject* Sender) { CheckForProcessEnd(Sender); });
            if (FPollTimer == 0) throw EOutOfResources(NotEnoughTimers);
            UtlApplication->GetTimer(FPollTimer)->SetEnabled(true);
        }
        if (FWait && FProcess != 0) WaitForSingleObject(FProcess, INFINITE);
    }
    if (OnAfterStart) OnAfterStart(this);
}

void TUtlStarter::TerminateProcess() {
    SetLastError(ERROR_SUCCESS);
    ::TerminateProcess(FProcess, 1);
    FLastError = Integer(::GetLastError());
}

void TUtlStarter::GetTimer(TObject* Sender) {
    if (ComponentState().Contains(csDesigning)) return;
    Word year, month, day, hour, minute, second, msec;
    DecodeDate(Date(), year, month, day);
    DecodeTime(Time(), hour, minute, second, msec);
    const TUtlDateTime& at = *FStartTime;
    if (year == at.Year() && month == at.Month() && day == at.Day() && hour == at.Hour() &&
        minute == at.Minute() && second == at.Second())
        Execute();
}

void TUtlStarter::CheckForProcessEnd(TObject* Sender) {
    Cardinal code = 0;
    if (GetExitCodeProcess(FProcess, code) && code == STILL_ACTIVE) return;
    ReleaseProcess();
    DropTimer(FPollTimer);
    if (OnFinished) OnFinished(this);
}
