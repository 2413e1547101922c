#pragma once
// Ending the desktop session: logging the user off, rebooting or powering off
// the machine. Requests go to a replaceable service. Until the program puts
// the desktop's own in place, the service refuses everything, so that nothing
// but the running program itself can ever end a session.
#include "platform/core/Types.h"

#include <vector>

enum class TSessionEnd { LogOff, Reboot, PowerOff };

class TSessionService {
public:
    virtual ~TSessionService() = default;
    // True when the session's service took the request; nothing happens otherwise.
    virtual bool End(TSessionEnd How) = 0;
};

// The service in place.
TSessionService& SessionService();
// Puts Service in place (the caller keeps it alive); null puts back the one
// that refuses.
void SetSessionService(TSessionService* Service);

// The desktop session's service (logind on the system bus), reached through
// the busctl command. Reboot and power-off are asked for only where logind
// answers that this user may do so without further authentication, and never
// interactively; logging off ends the session the program runs in.
class TLogindSessionService : public TSessionService {
public:
    // Busctl: the command to run, looked up on PATH unless it is a path.
    explicit TLogindSessionService(String Busctl = "busctl");
    bool End(TSessionEnd How) override;

private:
    // Runs a method call; false unless it ended with 0. Output receives the
    // first quoted value of the reply ("yes" of `s "yes"`).
    bool Call(const std::vector<String>& Arguments, String& Output) const;
    String SessionPath() const;

    String FBusctl;
};
