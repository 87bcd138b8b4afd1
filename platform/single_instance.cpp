#include "platform/single_instance.h"

#include <QDir>
#include <QSocketNotifier>
#include <QThread>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace spanwright::platform {
namespace {
QString DefaultFolder() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
    return folder;
}

// The socket's address; false when the path does not fit one.
bool AddressOf(const QString& path, sockaddr_un& address) {
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= static_cast<int>(sizeof(address.sun_path))) return false;
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

constexpr char kRaise[] = "raise\n";
}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : folder_(folder.isEmpty() ? DefaultFolder() : folder) {}

SingleInstance::~SingleInstance() {
    if (listener_ >= 0) {
        notifier_.reset();
        ::close(listener_);
        ::unlink(QFile::encodeName(SocketPath()).constData());
    }
}

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
    sockaddr_un address{};
    if (!AddressOf(SocketPath(), address)) return false;
    // The running copy may still be starting: give it a moment to listen.
    for (int attempt = 0; attempt < 40; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
            // The running copy may close the connection before this lands:
            // no SIGPIPE, the connection itself was the request.
            ::send(fd, kRaise, sizeof(kRaise) - 1, MSG_NOSIGNAL);
            ::close(fd);
            return true;
        }
        ::close(fd);
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::Listen() {
    if (!lock_ || listener_ >= 0) return;
    sockaddr_un address{};
    if (!AddressOf(SocketPath(), address)) return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    ::unlink(address.sun_path);  // left by a copy that was killed; the lock makes it ours
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return;
    }
    listener_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        bool asked = false;
        for (int client; (client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            ::close(client);  // a connection is the request; its text needs no reading
            asked = true;
        }
        if (asked) emit RaiseRequested();
    });
}

}  // namespace spanwright::platform
