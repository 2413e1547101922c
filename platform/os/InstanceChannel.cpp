#include "platform/os/InstanceChannel.h"

#include "platform/os/TNamedMutex.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>

#include <algorithm>
#include <vector>

namespace {

constexpr char Request[] = "activate\n";
constexpr char Done[] = "1\n";
constexpr char NotDone[] = "0\n";

QString ChannelPath(std::string_view name) {
    return QString::fromStdString(TNamedMutex::LockFileName(name) + ".sock");
}

// Listeners waiting for the application object, which brings the event loop.
std::vector<TInstanceListener::Impl*>& Waiting() {
    static std::vector<TInstanceListener::Impl*> waiting;
    return waiting;
}

} // namespace

struct TInstanceListener::Impl {
    QString Path;
    std::function<bool()> OnActivate;
    std::unique_ptr<QLocalServer> Server;

    void Start() {
        auto server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        QLocalServer::removeServer(Path);
        if (!server->listen(Path)) return;
        QObject::connect(server.get(), &QLocalServer::newConnection, [this] { Accept(); });
        Server = std::move(server);
    }

    void Accept() {
        while (QLocalSocket* socket = Server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Answer(socket); });
        }
    }

    void Answer(QLocalSocket* socket) {
        if (!socket->canReadLine()) return;
        bool done = false;
        if (socket->readLine() == Request && OnActivate) {
            // Nothing may leave through the event loop; a failure is a "no".
            try {
                done = OnActivate();
            } catch (...) {
                done = false;
            }
        }
        socket->write(done ? Done : NotDone);
        socket->flush();
        socket->disconnectFromServer();
    }
};

TInstanceListener::TInstanceListener(std::string_view Name, std::function<bool()> OnActivate)
    : F(std::make_unique<Impl>()) {
    F->Path = ChannelPath(Name);
    F->OnActivate = std::move(OnActivate);
    if (QCoreApplication::instance()) {
        F->Start();
        return;
    }
    static const bool hooked = [] {
        qAddPreRoutine([] {
            for (Impl* waiting : std::exchange(Waiting(), {}))
                waiting->Start();
        });
        return true;
    }();
    (void)hooked;
    Waiting().push_back(F.get());
}

TInstanceListener::~TInstanceListener() {
    std::erase(Waiting(), F.get());
    if (F->Server) F->Server->close();
}

bool TInstanceListener::Listening() const {
    return F->Server && F->Server->isListening();
}

bool AskInstanceToActivate(std::string_view Name, Cardinal TimeoutMs) {
    const QDeadlineTimer deadline{qint64(TimeoutMs)};
    QLocalSocket socket;
    socket.connectToServer(ChannelPath(Name));
    if (!socket.waitForConnected(int(std::max<qint64>(deadline.remainingTime(), 0)))) return false;
    socket.write(Request);
    socket.flush();
    // The copy that answers may be this very process; its loop must go on.
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || socket.state() != QLocalSocket::ConnectedState) return false;
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        socket.waitForReadyRead(10);
    }
    return socket.readLine() == Done;
}
