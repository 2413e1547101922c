// Velmora: the office program's entry point.
#include "app/main/ProgramEntry.h"
#include "platform/os/SessionControl.h"

int main() {
    // Only the program itself may end the desktop session (QuitWindows): its
    // tests and tools keep the service that refuses.
    static TLogindSessionService session;
    SetSessionService(&session);
    return app::RunProgram();
}
