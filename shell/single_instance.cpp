#include "shell/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "shell/socket_place.h"

namespace zentra {
namespace {

constexpr const char* kWindowClass = "ZENTRACLASS";
constexpr char kActivateRequest[] = "activate\n";

// The address of a socket at path; nothing when the path does not fit.
std::optional<sockaddr_un> addressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

const sockaddr* generic(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

// Closes the descriptor it holds unless released.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

}  // namespace

// A connected start's request, read as it arrives.
struct SingleInstance::Request {
    Descriptor socket;
    QByteArray received;
};

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), name_(serverName.isEmpty() ? defaultServerName() : std::move(serverName)) {}

SingleInstance::~SingleInstance() {
    // The notifiers go before their descriptors close.
    delete listener_;
    for (auto& [notifier, request] : requests_) delete notifier;
    requests_.clear();
    if (listening_ >= 0) {
        ::close(listening_);
        ::unlink(QFile::encodeName(name_).constData());
    }
}

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
    const auto address = addressOf(QFile::encodeName(name_));
    if (!address) return false;
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0) return false;
    // A calculator too busy to accept makes the connect wait, but not for long.
    timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    int connected;
    do {
        connected = ::connect(socket.get(), generic(*address), sizeof *address);
    } while (connected != 0 && errno == EINTR);
    // Refused: the socket was left by a run that ended without removing it.
    if (connected != 0) return false;
    // Whether or not the request gets through, a calculator is running.
    (void)!::send(socket.get(), kActivateRequest, sizeof kActivateRequest - 1, MSG_NOSIGNAL);
    return true;
}

bool SingleInstance::listen() {
    if (name_.isEmpty() || listening_ >= 0) return false;
    const QByteArray path = QFile::encodeName(name_);
    const auto address = addressOf(path);
    if (!address) return false;
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) return false;
    if (::bind(socket.get(), generic(*address), sizeof *address) != 0) {
        // Nobody answered askRunningInstance, so what holds the name is stale.
        if (errno != EADDRINUSE || ::unlink(path.constData()) != 0 ||
            ::bind(socket.get(), generic(*address), sizeof *address) != 0)
            return false;
    }
    ::chmod(path.constData(), S_IRUSR | S_IWUSR);
    if (::listen(socket.get(), 8) != 0) {
        ::unlink(path.constData());
        return false;
    }
    listening_ = socket.release();
    listener_ = new QSocketNotifier(listening_, QSocketNotifier::Read, this);
    connect(listener_, &QSocketNotifier::activated, this, [this] { acceptRequests(); });
    return true;
}

void SingleInstance::acceptRequests() {
    while (true) {
        const int fd = ::accept4(listening_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return;  // none left (EAGAIN), or a failure the next start may not meet
        }
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        requests_.emplace(notifier, std::unique_ptr<Request>(new Request{Descriptor(fd), {}}));
        connect(notifier, &QSocketNotifier::activated, this,
                [this, notifier] { readRequest(notifier); });
    }
}

void SingleInstance::readRequest(QSocketNotifier* notifier) {
    const auto found = requests_.find(notifier);
    if (found == requests_.end()) return;
    Request& request = *found->second;
    char buffer[64];
    ssize_t got;
    bool activate = false;
    while ((got = ::recv(request.socket.get(), buffer, sizeof buffer, 0)) > 0) {
        request.received.append(buffer, got);
        activate = request.received.contains("activate");
        // One request a connection; and a peer that never sends one does not
        // grow this without bound.
        if (activate || request.received.size() > 256) break;
    }
    if (!activate && got < 0 && (errno == EAGAIN || errno == EINTR)) return;  // more to come
    // Done with the connection before anything the signal starts: quiet the
    // notifier before its descriptor closes, which another open may reuse.
    notifier->setEnabled(false);
    notifier->deleteLater();
    requests_.erase(found);
    if (activate) emit activationRequested();
}

}  // namespace zentra
