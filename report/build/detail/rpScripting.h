#pragma once
// Start-up and shut-down of the engine's expression side: the parser rpParser, the
// script interpreter rpInterpretator (installed as the hook that runs a view's compiled
// script before it prints), and the standard function library, registered once for the
// process. The engine's own start-up and shut-down call these; a second call does nothing.
void rpInitScripting();
void rpDoneScripting();
