#include "platform/qt/single_instance.hpp"

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>

#include <utility>

namespace quillo::qt {
namespace {

constexpr int kConnectMilliseconds = 1000;
constexpr int kAnswerMilliseconds = 3000;
const QByteArray kActivate = QByteArrayLiteral("activate\n");
const QByteArray kDone = QByteArrayLiteral("ok\n");

}  // namespace

SingleInstance::SingleInstance(std::string socketPath) : socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverOrListen(std::function<void()> onActivate) {
    onActivate_ = std::move(onActivate);
    if (handOver()) {
        return true;
    }
    if (listen()) {
        return false;
    }
    // Another start may have begun listening meanwhile; else the socket is
    // a leftover of a program that is gone.
    if (handOver()) {
        return true;
    }
    QLocalServer::removeServer(QString::fromStdString(socketPath_));
    listen();
    return false;
}

bool SingleInstance::handOver() const {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketPath_));
    if (!socket.waitForConnected(kConnectMilliseconds)) {
        return false;
    }
    socket.write(kActivate);
    if (!socket.waitForBytesWritten(kAnswerMilliseconds)) {
        return false;
    }
    // The running program answers once it has taken the request, so this
    // start ends only when its hand-over is sure to have arrived.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMilliseconds)) {
            return false;
        }
    }
    return socket.readLine() == kDone;
}

bool SingleInstance::listen() {
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(QString::fromStdString(socketPath_))) {
        return false;
    }
    QLocalServer* raw = server.get();
    QObject::connect(raw, &QLocalServer::newConnection, raw, [this, raw] {
        while (QLocalSocket* socket = raw->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) {
                    return;
                }
                if (socket->readLine() == kActivate) {
                    socket->write(kDone);
                    socket->flush();
                    if (onActivate_) {
                        onActivate_();
                    }
                }
                socket->disconnectFromServer();
            });
        }
    });
    server_ = std::move(server);
    return true;
}

}  // namespace quillo::qt
