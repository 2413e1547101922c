#pragma once
// Hands a document, folder or program to the desktop shell with a verb, can
// start it at a set moment, wait for it, or watch for its end. Shell failures
// are reported through LastError and OnError, never raised.
#include "controls/common/TUtlCustomComponent.h"
#include "controls/services/TUtlDateTime.h"
#include "platform/os/Process.h"

#include <memory>

enum TUtlStarterOperation { smOpen, smPrint, smExplore, smEdit, smProperties };
enum TUtlStarterOptions {
    soSW_HIDE,
    soSW_MAXIMIZE,
    soSW_MINIMIZE,
    soSW_RESTORE,
    soSW_SHOW,
    soSW_SHOWMAXIMIZED,
    soSW_SHOWMINIMIZED,
    soSW_SHOWMINNOACTIVE,
    soSW_SHOWNA,
    soSW_SHOWNORMAL
};

class TUtlStarter : public TUtlCustomComponent {
public:
    // Registers the disabled automatic-start timer with the services object
    // (created when missing). Raises EOutOfResources "Not enough timers available".
    explicit TUtlStarter(TComponent* AOwner);
    // Removes its timers and lets go of the started process (it is reaped).
    ~TUtlStarter() override;
    String ClassName() const override { return "TUtlStarter"; }

    TUtlStarterOperation StartOperation() const { return FStartOperation; }
    void SetStartOperation(TUtlStarterOperation Value) { FStartOperation = Value; }
    TUtlStarterOptions StartOption() const { return FStartOption; }
    void SetStartOption(TUtlStarterOptions Value) { FStartOption = Value; }
    // Index 0 Command, 1 Parameters, 2 DefaultDir; any other index does nothing.
    const String& GetString(Integer Index) const;
    void SetString(Integer Index, const String& Value);
    const String& Command() const { return FCommand; }
    void SetCommand(const String& Value) { SetString(0, Value); }
    const String& Parameters() const { return FParameters; }
    void SetParameters(const String& Value) { SetString(1, Value); }
    const String& DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const String& Value) { SetString(2, Value); }
    bool AutoStart() const { return FAutoStart; }
    // Enables the automatic-start timer (checked every second).
    void SetAutoStart(bool Value);
    bool Wait() const { return FWait; }
    void SetWait(bool Value) { FWait = Value; }
    TUtlDateTime* StartTime() const { return FStartTime.get(); }
    // Copies Value into StartTime.
    void SetStart(TUtlDateTime* Value);
    // The last shell error code (SE_ERR_*), or the system code after TerminateProcess.
    Integer GetLastError() const { return FLastError; }
    Integer LastError() const { return FLastError; }

    // The verb and show command that StartOperation and StartOption pass.
    static String Verb(TUtlStarterOperation Operation);
    static Integer ShowCommand(TUtlStarterOptions Option);

    // Starts Command (see the class comment). Raises EOutOfResources "Not enough
    // timers available" only when the end-of-process watch cannot be registered.
    void Execute();
    // Ends the started process with exit code 1; LastError takes the system's code.
    void TerminateProcess();

    // Timer handlers: the automatic start and the end-of-process watch.
    void GetTimer(TObject* Sender);
    void CheckForProcessEnd(TObject* Sender);

    TProcessHandle ProcessHandle() const { return FProcess; }
    Word StartTimerIdent() const { return FStartTimer; }
    Word PollTimerIdent() const { return FPollTimer; }

    TNotifyEvent OnError;
    TNotifyEvent OnFinished;
    TNotifyEvent OnBeforeStart;
    TNotifyEvent OnAfterStart;

private:
    void DropTimer(Word& Ident);
    void ReleaseProcess();

    TUtlStarterOperation FStartOperation = smOpen;
    TUtlStarterOptions FStartOption = soSW_SHOW;
    String FParameters;
    String FCommand;
    String FDefaultDir;
    Integer FLastError = 0;
    bool FAutoStart = false;
    bool FWait = false;
    std::unique_ptr<TUtlDateTime> FStartTime;
    Word FPollTimer = 0;
    Word FStartTimer = 0;
    TProcessHandle FProcess = 0;
};
