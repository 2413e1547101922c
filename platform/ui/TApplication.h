#pragma once
// The application object: title, main form, the event loop, and the default
// handling of exceptions that reach the loop (a message box with the text).
#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/TColor.h"

class TControl;
class TCustomForm;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    // Destroys the forms, the last created first.
    ~TApplication() override;
    String ClassName() const override { return "TApplication"; }

    // Creates the window layer's application object.
    void Initialize();
    // Creates a form owned by the application, stores it in Reference, runs
    // its OnCreate; the first form created becomes the main form.
    template <class T> void CreateForm(T*& Reference) {
        Reference = new T(this);
        FormCreated(Reference);
    }
    // Shows the main form (unless termination was already asked for) and runs
    // the event loop until Terminate. An exception of the main form's showing (its
    // OnShow) leaves Run before the loop: a program whose window never came up
    // would run on with nothing for the user to close.
    void Run();
    // The program's end, once Run has returned: destroys the forms, the last
    // created first, while the window layer is whole, then the window layer's
    // application object. Forms destroyed later, from the process's exit
    // handlers, would meet a toolkit already torn down. Calling it again, or
    // without a window layer, only destroys what is left.
    void Shutdown();
    // Asks the loop to end; takes effect when the current event is done.
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles the events waiting now and returns.
    void ProcessMessages();
    // Waits for at least one event and handles it.
    void HandleMessage();

    const String& Title() const { return FTitle; }
    void SetTitle(const String& v) { FTitle = v; }
    TCustomForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool v) { FShowMainForm = v; }
    const String& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const String& v) { FHelpFile = v; }

    // OnException when assigned, else ShowException; EAbort is silent.
    void HandleException(TObject* Sender, const Exception& E);
    // The message (a full stop added unless it ends in one or another mark)
    // in a box with the title as caption, OK and the stop icon.
    void ShowException(const Exception& E);
    // A message box with the flags of the system call (MB_*); returns ID*.
    Integer MessageBox(const String& Text, const String& Caption, Cardinal Flags = 0);

    // The long part of the hint of the control under the mouse.
    const String& Hint() const { return FHint; }
    void SetHint(const String& v);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor v) { FHintColor = v; }
    Integer HintPause() const { return FHintPause; }
    void SetHintPause(Integer v) { FHintPause = v; }
    Integer HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(Integer v) { FHintHidePause = v; }

    TExceptionEvent OnException;
    TNotifyEvent OnHint;

    // Platform-internal.
    void SetHintFrom(TControl* Control);
    void FormDestroyed(TCustomForm* Form);

private:
    void FormCreated(TCustomForm* Form);

    String FTitle;
    String FHelpFile;
    String FHint;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FShowMainForm = true;
    bool FShowHint = true;
    TColor FHintColor = clInfoBk;
    Integer FHintPause = 500;
    Integer FHintHidePause = 2500;
};

extern TApplication* Application;
