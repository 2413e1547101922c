#pragma once
// General routines of the gx library that stand on streaming, sound and the
// window layer: a component's text form, a wave resource, the main window by
// class or caption, and typing a string as key presses.
#include "platform/core/Types.h"

class TComponent;
class TCustomForm;

// The component's published state (and children) in the text form of a form
// resource, and that text read back into an existing component.
String ComponentToString(TComponent* Component);
void StringToComponent(TComponent* Component, const String& S);
// The same through a file, created anew on saving.
void SaveComponentToTextFile(TComponent* Component, const String& FileName);
void LoadComponentFromTextFile(TComponent* Component, const String& FileName);

// Starts the program's wave resource Name playing; false when there is none or
// it cannot play.
bool PlayWaveResource(const String& Name);
// The first of the program's forms with that class name and caption (an empty
// one matches any); null when both are empty or none matches.
TCustomForm* FindMainWindow(const String& ClassName, const String& Caption);
// Sends each character of S as a key press and release to the focused control
// of the active form, with the character as its typed text.
void TypeStringOnKeyboard(const String& S);
