#include "single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace spanwright::platform {
namespace {
QString DefaultFolder() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
    return folder;
}

constexpr char kRaise[] = "raise\n";
}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : folder_(folder.isEmpty() ? DefaultFolder() : folder) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::LockPath() const { return folder_ + QStringLiteral("/spanwright.lock"); }
QString SingleInstance::SocketPath() const { return folder_ + QStringLiteral("/spanwright.socket"); }

bool SingleInstance::Claim() {
    lock_ = std::make_unique<QLockFile>(LockPath());
    // A running copy keeps its lock however long it runs; only a lock whose
    // process has gone (killed, crashed) counts as stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    if (lock_->error() == QLockFile::LockFailedError) return false;
    lock_.reset();  // no usable runtime folder: run without the guard
    return true;
}

bool SingleInstance::NotifyRunning() {
    // The running copy may still be starting: give it a moment to listen.
    for (int attempt = 0; attempt < 20; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(250)) {
            socket.write(kRaise);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::Listen() {
    if (!lock_ || server_) return;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(SocketPath());  // left by a copy that was killed
    if (!server_->listen(SocketPath())) return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains('r')) emit RaiseRequested();
            });
        }
    });
}

}  // namespace spanwright::platform
