#pragma once
// The preview's context help: after the help button, the next mouse press in
// the window names a control, and the topic of its help context (the
// control's Tag) shows in a note at the pointer until the next press or key.
// The topics are the engine's strings.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

class TLabel;
class TPanel;
class TCustomForm;
class TControl;

namespace report {

// The topic text of a help context of the preview; empty when it has none.
String PreviewHelpTopic(Integer Context);

class PreviewHelp {
public:
    // Form holds the controls asked about; Button is the help button itself,
    // which has no topic.
    PreviewHelp(TCustomForm* Form, TControl* Button);

    // The next press names a control: the help cursor shows and the window
    // takes the mouse.
    void Start();
    bool Asking() const { return FAsking; }
    // A press at Pos (the window's client coordinates): answers a question or
    // closes the note. False when help had nothing to do with it.
    bool MouseDown(TPoint Pos);
    // A key closes the note (and is used up by it); false otherwise.
    bool KeyDown();
    // Leaves the help mode and closes the note, as when the window is left.
    void Cancel();
    // The note showing, null when none.
    TPanel* Note() const { return FNoteVisible ? FNote : nullptr; }

private:
    void ShowNote(TPoint Pos, const String& Text);
    void EndAsking();

    TCustomForm* FForm;
    TControl* FButton;
    TPanel* FNote = nullptr;
    TLabel* FText = nullptr;
    bool FAsking = false;
    bool FNoteVisible = false;
};

} // namespace report
