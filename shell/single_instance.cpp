#include "shell/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "shell/socket_place.h"

namespace zentra {
namespace {

constexpr const char* kWindowClass = "ZENTRACLASS";
constexpr char kActivateRequest[] = "activate\n";

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), name_(serverName.isEmpty() ? defaultServerName() : std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName() {
    // A shared place such as /tmp would let anyone take the name first.
    const QString dir = privateSocketDirectory(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
    if (dir.isEmpty()) return {};
    return dir + QLatin1Char('/') + QLatin1String(kWindowClass);
}

bool SingleInstance::askRunningInstance(int timeoutMs) {
    if (name_.isEmpty()) return false;
    if (socketStep(inspectPath(name_), ::geteuid()) != SocketStep::Ask) return false;
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kActivateRequest, sizeof kActivateRequest - 1);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen() {
    if (name_.isEmpty()) return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Nobody answered askRunningInstance, so the socket is stale.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate")) emit activationRequested();
            });
        }
    });
    return true;
}

}  // namespace zentra
