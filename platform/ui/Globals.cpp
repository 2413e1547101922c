// The two global objects of the window layer live in one file, so the screen
// outlasts the application (whose destruction destroys the forms).
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

namespace {
TScreen TheScreen(nullptr);
TApplication TheApplication(nullptr);
} // namespace

TScreen* Screen = &TheScreen;
TApplication* Application = &TheApplication;
