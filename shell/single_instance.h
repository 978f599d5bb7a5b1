#pragma once
// One calculator per user: the first start listens on a local socket named
// after the window class, in a directory private to the user; a later start
// finds it there, asks it to come to the front and ends.

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QSocketNotifier;

namespace zentra {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // serverName: a socket path, or empty for the user's own (defaultServerName).
    // With no name at all, askRunningInstance and listen do nothing.
    explicit SingleInstance(QString serverName = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "ZENTRACLASS" in the user's private socket directory (socket_place.h);
    // empty when there is none, so the calculator starts without the check.
    static QString defaultServerName();

    // True when a running calculator answered; it has been asked to come to
    // the front, and this process should end. A socket that is not the user's
    // own is not asked.
    bool askRunningInstance(int timeoutMs = 1000);
    // Takes the name for this process; a socket left by a crashed run is
    // replaced. False when it cannot listen (the calculator runs anyway).
    bool listen();

signals:
    void activationRequested();

private:
    struct Request;

    void acceptRequests();
    void readRequest(QSocketNotifier* notifier);

    QString name_;
    int listening_ = -1;  // the listening socket, once listen succeeded
    QSocketNotifier* listener_ = nullptr;
    std::map<QSocketNotifier*, std::unique_ptr<Request>> requests_;
};

}  // namespace zentra
