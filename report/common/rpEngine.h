#pragma once
// Start-up and shut-down of the report engine's model: the shared text list
// and measuring bitmap, the global variables, the compressor, the printer
// (Prn), and the add-in object kinds, registered explicitly rather than by
// static initialisers. Each runs once; a second call does nothing.
#include "platform/core/Types.h"

void rpInitEngine();
void rpDoneEngine();

// The maker's web address ("www.example.org") that the preview's link button
// shows and opens with "http://" before it. The program sets it at start;
// while it is empty the button shows nothing and opens nothing.
void rpSetWebAddress(const String& Address);
const String& rpWebAddress();
