#include "platform/os/SessionControl.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <unistd.h>

namespace {

class RefusingService : public TSessionService {
public:
    bool End(TSessionEnd) override { return false; }
};

RefusingService Refusing;
TSessionService* Current = nullptr;

constexpr const char* Login = "org.freedesktop.login1";
constexpr const char* ManagerPath = "/org/freedesktop/login1";
constexpr const char* Manager = "org.freedesktop.login1.Manager";
// Longer than busctl's own limit for a reply.
constexpr int CallTimeoutMs = 30000;

QString ToQt(const String& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

TSessionService& SessionService() {
    return Current ? *Current : Refusing;
}

void SetSessionService(TSessionService* Service) {
    Current = Service;
}

TLogindSessionService::TLogindSessionService(String Busctl) : FBusctl(std::move(Busctl)) {}

bool TLogindSessionService::Call(const std::vector<String>& Arguments, String& Output) const {
    // A prompt for a password would hang a program that nobody watches.
    QStringList args{"--system", "--allow-interactive-authorization=no", "call", Login};
    for (const String& a : Arguments)
        args << ToQt(a);
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(ToQt(FBusctl), args);
    if (!process.waitForFinished(CallTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return false;
    const QString reply = QString::fromUtf8(process.readAllStandardOutput());
    const qsizetype open = reply.indexOf('"'), close = reply.indexOf('"', open + 1);
    const QByteArray value =
        open >= 0 && close > open ? reply.mid(open + 1, close - open - 1).toUtf8() : QByteArray();
    Output.assign(value.constData(), std::size_t(value.size()));
    return true;
}

String TLogindSessionService::SessionPath() const {
    String path;
    // The desktop's session when the program was started from it, else the one its process belongs to.
    const char* id = std::getenv("XDG_SESSION_ID");
    if (id && *id && Call({ManagerPath, Manager, "GetSession", "s", id}, path) && !path.empty()) return path;
    if (Call({ManagerPath, Manager, "GetSessionByPID", "u", std::to_string(::getpid())}, path)) return path;
    return {};
}

bool TLogindSessionService::End(TSessionEnd How) {
    String answer;
    if (How == TSessionEnd::LogOff) {
        const String session = SessionPath();
        return !session.empty() && Call({session, "org.freedesktop.login1.Session", "Terminate"}, answer);
    }
    const bool reboot = How == TSessionEnd::Reboot;
    // "challenge" would need a password; only a plain yes goes ahead.
    if (!Call({ManagerPath, Manager, reboot ? "CanReboot" : "CanPowerOff"}, answer) || answer != "yes")
        return false;
    return Call({ManagerPath, Manager, reboot ? "Reboot" : "PowerOff", "b", "false"}, answer);
}
