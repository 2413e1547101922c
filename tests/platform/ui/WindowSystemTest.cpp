// The window-system questions put to a private X server (Xvfb) that the test
// starts itself, and their answers where there is no X11 at all.
#include "platform/ui/TCustomForm.h"
#include "platform/ui/WindowSystem.h"
#include "platform/ui/detail/X11Queries.h"
#include "tests/support/PythonTools.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#ifdef VELMORA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace {

TEST(WindowSystemTest, OffScreenThereIsNoSaverNoLockAndNoFrame) {
    TForm form(nullptr);
    form.Show();
    TFrameExtents extents{1, 2, 3, 4};
    EXPECT_FALSE(GetFrameExtents(&form, extents));
    EXPECT_EQ(extents, (TFrameExtents{1, 2, 3, 4})); // left as it was
    EXPECT_EQ(ScreenSaverTimeout(), 0);
    EXPECT_FALSE(LockKeyToggled(TLockKey::CapsLock));
}

#ifdef VELMORA_HAVE_X11

// An X server of the test's own, on the first free display number.
class PrivateXServer {
public:
    PrivateXServer() {
        int fds[2];
        if (::pipe(fds) != 0) return;
        FPid = ::fork();
        if (FPid == 0) {
            ::close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0",
                     "320x240x24", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        std::string number;
        char c;
        while (FPid > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (!number.empty()) FDisplay = XOpenDisplay((":" + number).c_str());
    }
    ~PrivateXServer() {
        if (FDisplay) XCloseDisplay(FDisplay);
        if (FPid > 0) {
            ::kill(FPid, SIGTERM);
            ::waitpid(FPid, nullptr, 0);
        }
    }
    ::Display* display() const { return FDisplay; }

private:
    pid_t FPid = -1;
    ::Display* FDisplay = nullptr;
};

TEST(WindowSystemTest, TheXServerAnswersSaverLocksAndFrames) {
    PrivateXServer server;
    ::Display* d = server.display();
    SKIP_WITHOUT_TOOL(d ? "" : "Xvfb (xvfb) could not be started");

    XSetScreenSaver(d, 0, 0, DefaultBlanking, DefaultExposures);
    EXPECT_EQ(ui::x11::ScreenSaverTimeout(d), 0);
    XSetScreenSaver(d, 600, 600, DefaultBlanking, DefaultExposures);
    EXPECT_EQ(ui::x11::ScreenSaverTimeout(d), 600);

    EXPECT_FALSE(ui::x11::LockKeyToggled(d, TLockKey::CapsLock));
    XkbLockModifiers(d, XkbUseCoreKbd, LockMask, LockMask);
    XSync(d, False);
    EXPECT_TRUE(ui::x11::LockKeyToggled(d, TLockKey::CapsLock));
    EXPECT_FALSE(ui::x11::LockKeyToggled(d, TLockKey::ScrollLock));
    XkbLockModifiers(d, XkbUseCoreKbd, LockMask, 0);
    XSync(d, False);
    EXPECT_FALSE(ui::x11::LockKeyToggled(d, TLockKey::CapsLock));

    const ::Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 100, 80, 0, 0, 0);
    TFrameExtents extents;
    EXPECT_FALSE(ui::x11::FrameExtents(d, w, extents)); // no window manager has framed it
    // What a window manager publishes: left, right, top (with the caption), bottom.
    const long published[4] = {4, 5, 24, 6};
    XChangeProperty(d, w, XInternAtom(d, "_NET_FRAME_EXTENTS", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(published), 4);
    XSync(d, False);
    ASSERT_TRUE(ui::x11::FrameExtents(d, w, extents));
    EXPECT_EQ(extents, (TFrameExtents{4, 5, 24, 6}));
}

#endif

} // namespace
