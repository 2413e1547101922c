#pragma once
// The modal window a report builds behind: a caption, one label with the
// page counter and a cancel button. The build driver talks to it through this
// interface; the engine's window is TrpProgressForm, tests put in their own.
#include "platform/core/Types.h"

#include <functional>

class TrpReport;

namespace report {

class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void SetCaption(const String& Caption) = 0;
    virtual void SetLabel(const String& Text) = 0;
    virtual String Label() const = 0;
    virtual bool Visible() const = 0;
    // Shows the window modally and runs Action once it is up. The cancel
    // button sets Report's Terminated. True unless the window closed as cancelled.
    virtual bool ShowModal(TrpReport* Report, const std::function<void()>& Action) = 0;
    // Ends the modal showing (as cancelled or not).
    virtual void CloseModal(bool Cancelled) = 0;
    // Lets the button's click be seen.
    virtual void ProcessMessages() = 0;

    // The label's leading text ("Processing page:").
    String FirstCaption;
};

// The engine's window, made on first use by the installed factory (the
// progress form); null without one.
ProgressWindow* rpProgressWindow();
void rpSetProgressWindowFactory(std::function<ProgressWindow*()> Factory);
// Replaces the window (tests); ownership passes to the engine.
void rpSetProgressWindow(ProgressWindow* Window);

// The window Report works behind: the engine's window when Report shows
// progress and has no OnProgress of its own, else null.
ProgressWindow* rpWindowFor(TrpReport* Report);
// Text, then " - " and Title when Title is not empty (the window's caption).
String rpWithTitle(const String& Text, const String& Title);

} // namespace report
