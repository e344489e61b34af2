#include "desktop/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace rw {

namespace {

const QByteArray kComeForward = QByteArrayLiteral("show\n");

}  // namespace

QString defaultInstanceFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder;
}

SingleInstance::SingleInstance(QString folder, QString key)
    : folder_(folder.isEmpty() ? defaultInstanceFolder() : std::move(folder)),
      key_(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockFilePath() const {
    return QDir(folder_).filePath(key_ + QStringLiteral(".lock"));
}

QString SingleInstance::serverName() const {
    // A full path: the socket lives in the per-user folder, so other users never meet it.
    return QDir(folder_).filePath(key_ + QStringLiteral(".socket"));
}

SingleInstance::Role SingleInstance::claim() {
    lock_ = std::make_unique<QLockFile>(lockFilePath());
    // Held for the whole run, so its age says nothing. A lock whose owner process no longer runs
    // is still recognised as stale and cleared by tryLock.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        listen();
        return Role::First;
    }
    const bool heldByLiveCopy = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    return heldByLiveCopy ? Role::AlreadyRunning : Role::Unguarded;
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName())) {
        // We own the lock, so a socket file still there was left by a copy that died.
        QLocalServer::removeServer(serverName());
        server_->listen(serverName());
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kComeForward.trimmed()))
                    emit activationRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool SingleInstance::handOver(int timeoutMilliseconds) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMilliseconds))
        return false;
    socket.write(kComeForward);
    if (!socket.waitForBytesWritten(timeoutMilliseconds))
        return false;
    // Wait until the first copy has read the request and closed its side.
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMilliseconds);
    return true;
}

}  // namespace rw
