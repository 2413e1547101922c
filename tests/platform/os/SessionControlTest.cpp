// Ending the session: the refusing default, and the requests the desktop
// session's service receives, put to a stand-in for busctl that records them.
// No test ever reaches the real service.
#include "platform/os/SessionControl.h"
#include "tests/platform/os/OsTestSupport.h"

#include <gtest/gtest.h>

namespace {

class LogindSessionTest : public ::testing::Test {
protected:
    LogindSessionTest() {
        // Answers CanReboot/CanPowerOff with $CAN, a session lookup with a path,
        // anything else with $STUB_EXIT; every call is recorded.
        WriteFileBytes(Stub,
                       "#!/bin/sh\n"
                       "echo \"$*\" >> \"$STUB_LOG\"\n"
                       "case \"$*\" in\n"
                       "  *CanReboot*|*CanPowerOff*) echo \"s \\\"$CAN\\\"\" ;;\n"
                       "  *GetSession*) echo 'o \"/org/freedesktop/login1/session/_7\"' ;;\n"
                       "  *) exit \"${STUB_EXIT:-0}\" ;;\n"
                       "esac\n",
                       true);
    }
    std::string Calls() const { return ReadFileBytes(Log); }

    ostest::TempFolder Dir;
    const std::string Stub = Dir / "busctl";
    const std::string Log = Dir / "calls";
    ostest::ScopedEnv LogEnv{"STUB_LOG", Log};
    ostest::ScopedEnv Session{"XDG_SESSION_ID", "c2"};
    TLogindSessionService Service{Stub};
};

const std::string Prefix = "--system --allow-interactive-authorization=no call org.freedesktop.login1 ";
const std::string ManagerCall = Prefix + "/org/freedesktop/login1 org.freedesktop.login1.Manager ";

TEST(SessionServiceTest, NothingEndsASessionUntilTheProgramInstallsAService) {
    for (TSessionEnd how : {TSessionEnd::LogOff, TSessionEnd::Reboot, TSessionEnd::PowerOff})
        EXPECT_FALSE(SessionService().End(how));
}

TEST_F(LogindSessionTest, RebootAndPowerOffOnlyWhereTheUserMay) {
    struct Row {
        TSessionEnd how;
        const char* can;
        bool done;
        std::string calls;
    } rows[] = {
        {TSessionEnd::PowerOff, "yes", true,
         ManagerCall + "CanPowerOff\n" + ManagerCall + "PowerOff b false\n"},
        {TSessionEnd::Reboot, "yes", true, ManagerCall + "CanReboot\n" + ManagerCall + "Reboot b false\n"},
        // A password would be needed, or it is not allowed at all: not even asked.
        {TSessionEnd::PowerOff, "challenge", false, ManagerCall + "CanPowerOff\n"},
        {TSessionEnd::Reboot, "no", false, ManagerCall + "CanReboot\n"},
    };
    for (const Row& row : rows) {
        std::filesystem::remove(Log);
        ostest::ScopedEnv can("CAN", row.can);
        EXPECT_EQ(Service.End(row.how), row.done) << row.can;
        EXPECT_EQ(Calls(), row.calls) << row.can;
    }
}

TEST_F(LogindSessionTest, LogOffEndsTheDesktopsSessionAndARefusalIsFalse) {
    EXPECT_TRUE(Service.End(TSessionEnd::LogOff));
    EXPECT_EQ(Calls(), ManagerCall + "GetSession s c2\n" + Prefix +
                           "/org/freedesktop/login1/session/_7 org.freedesktop.login1.Session Terminate\n");
    ostest::ScopedEnv can("CAN", "yes");
    ostest::ScopedEnv refuse("STUB_EXIT", "1");
    EXPECT_FALSE(Service.End(TSessionEnd::LogOff));
    EXPECT_FALSE(Service.End(TSessionEnd::PowerOff));
    EXPECT_FALSE(TLogindSessionService(Dir / "nincs").End(TSessionEnd::Reboot)); // no such command
}

} // namespace
