#pragma once
// Start-up and shut-down of the report engine's model: the shared text list
// and measuring bitmap, the global variables, the compressor, the printer
// (Prn), and the add-in object kinds, registered explicitly rather than by
// static initialisers. Each runs once; a second call does nothing.

void rpInitEngine();
void rpDoneEngine();
