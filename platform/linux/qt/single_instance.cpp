// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace orvanta::platform {

SingleInstance::SingleInstance(const QString& runtimeFolder, QObject* parent)
    : QObject(parent),
      lockPath_(QDir(runtimeFolder).filePath(QStringLiteral("orvanta.lock"))),
      socketPath_(QDir(runtimeFolder).filePath(QStringLiteral("orvanta.socket"))) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (lock_) lock_->unlock();
}

QString SingleInstance::defaultRuntimeFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return QString::fromLocal8Bit(runtime);
    const QString folder = QDir::temp().filePath(QStringLiteral("orvanta-%1").arg(getuid()));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

bool SingleInstance::claim() {
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock left by a copy that crashed is taken over at once: QLockFile
    // checks whether the process that wrote it still lives. Its age says
    // nothing (0 turns that test off): a running copy holds it for weeks.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        if (lock_->error() != QLockFile::LockFailedError) {
            error_ = QStringLiteral("cannot create %1").arg(lockPath_);
        }
        lock_.reset();
        return false;
    }
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_)) error_ = server_.errorString();
    return true;
}

bool SingleInstance::sendToRunning(const QString& request, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(request.toUtf8() + '\n');
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::onConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                emit requestReceived(QString::fromUtf8(socket->readLine()).trimmed());
            }
        });
    }
}

}  // namespace orvanta::platform
