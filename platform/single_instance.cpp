#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace spanwright::platform {
namespace {
using Clock = std::chrono::steady_clock;
// How long a running copy may take to accept the request, and then to answer it.
constexpr auto kPatience = std::chrono::seconds(2);
constexpr std::string_view kRaise = "raise";
constexpr char kDone[] = "done\n";
// Requests being read at once; more wait in the kernel's queue.
constexpr std::size_t kMostPending = 32;

// A token as desktops make them: printable ASCII without blanks, not too long.
bool UsableToken(std::string_view token) {
    return token.size() <= kMostActivationToken &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

// A folder of the user's that no one else may enter, read or write.
bool OwnFolder(const struct stat& st) {
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR, else a private folder in the temporary folder; empty
// when neither is the user's own.
QString DefaultFolder() {
    struct stat st {};
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && ::stat(runtime.constData(), &st) == 0 && OwnFolder(st))
        return QFile::decodeName(runtime);
    const QByteArray own =
        QFile::encodeName(QDir::tempPath()) + "/spanwright-" + QByteArray::number(::getuid());
    // Made here, it is ours: the mode is set whatever the umask left.
    if (::mkdir(own.constData(), 0700) == 0) ::chmod(own.constData(), 0700);
    // lstat: a link, or a folder another user made, or one others may enter, is no guard.
    if (::lstat(own.constData(), &st) == 0 && OwnFolder(st) && (st.st_mode & 07777) == 0700)
        return QFile::decodeName(own);
    return {};
}

// The socket's address; false when the path does not fit one.
bool AddressOf(const QString& path, sockaddr_un& address) {
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.isEmpty() || bytes.size() >= static_cast<int>(sizeof(address.sun_path))) return false;
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

// The lock file, opened read-only (flock() needs no more; it is never
// truncated nor written) without following a link or blocking; -1 unless
// it is a regular file of the user's with one name (a hard link planted at
// the name could be any file of the user's).
int OpenLock(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid() || st.st_nlink != 1)) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}

// Waits until fd is ready for events or the deadline passes.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

// Whether the process at the other end of a connected Unix socket runs as
// this user (its credentials when it listened or connected).
bool SameUser(int fd) {
    ucred peer {};
    socklen_t size = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof(peer) &&
           peer.uid == ::getuid();
}

enum class Reply { Answered, Silent, Unreachable, Stranger };

// Asks the copy listening at address to raise its window. Unreachable: no
// one listens (the copy is still starting or is ending); Silent: it took
// the request but did not answer within the patience; Stranger: another
// user listens there, whose answer would mean nothing.
Reply AskToRaise(const sockaddr_un& address, const std::string& message) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Reply::Unreachable;
    Reply reply = Reply::Unreachable;
    const auto connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 ||
                           (errno == EINPROGRESS && WaitFor(fd, POLLOUT, Clock::now() + kPatience));
    // MSG_NOSIGNAL: a copy that has just closed its end costs no SIGPIPE.
    if (connected && !SameUser(fd)) {
        reply = Reply::Stranger;
    } else if (connected && ::send(fd, message.data(), message.size(), MSG_NOSIGNAL) ==
                                static_cast<ssize_t>(message.size())) {
        reply = Reply::Silent;
        if (WaitFor(fd, POLLIN, Clock::now() + kPatience)) {
            char answer = 0;
            reply = ::recv(fd, &answer, 1, 0) == 1 ? Reply::Answered : Reply::Unreachable;
        }
    }
    ::close(fd);
    return reply;
}
}  // namespace

std::string RaiseMessage(std::string_view token) {
    std::string message(kRaise);
    if (!token.empty() && UsableToken(token)) message.append(" ").append(token);
    return message + '\n';
}

std::optional<std::string> ParseRaise(std::string_view message) {
    if (message.size() > kMostRaiseMessage || !message.ends_with('\n')) return std::nullopt;
    message.remove_suffix(1);
    if (!message.starts_with(kRaise)) return std::nullopt;
    message.remove_prefix(kRaise.size());
    if (message.empty()) return std::string();
    if (message.front() != ' ') return std::nullopt;
    message.remove_prefix(1);
    if (message.empty() || !UsableToken(message)) return std::nullopt;
    return std::string(message);
}

// A request being read: its bytes so far and the notifier that reads more.
struct SingleInstance::Request {
    std::uint64_t serial = 0;  // tells this request from a later one given the same socket number
    std::string bytes;
    std::unique_ptr<QSocketNotifier> notifier;
};

SingleInstance::SingleInstance(const QString& folder)
    : folder_(folder.isEmpty() ? DefaultFolder() : folder) {}

SingleInstance::~SingleInstance() { Release(); }

QString SingleInstance::LockPath() const {
    return folder_.isEmpty() ? QString() : folder_ + QStringLiteral("/spanwright.lock");
}
QString SingleInstance::SocketPath() const {
    return folder_.isEmpty() ? QString() : folder_ + QStringLiteral("/spanwright.socket");
}

bool SingleInstance::Claim(const QByteArray& activationToken) {
    const std::string message = RaiseMessage(std::string_view(activationToken.constData(),
                                                              static_cast<std::size_t>(activationToken.size())));
    sockaddr_un address{};
    if (lock_ >= 0 || !AddressOf(SocketPath(), address)) return true;  // no guard
    const int fd = OpenLock(LockPath());
    if (fd < 0) return true;
    const auto until = Clock::now() + kPatience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            lock_ = fd;
            if (!StartListening()) Release();  // no way to be asked: no guard
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        const Reply reply = AskToRaise(address, message);
        if (reply == Reply::Answered) {
            ::close(fd);
            return false;
        }
        if (reply == Reply::Silent || reply == Reply::Stranger || Clock::now() >= until) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::close(fd);
    return true;
}

// Listens at once, so that requests queue in the kernel while the window
// is being built; they are answered from the event loop (Listen()).
bool SingleInstance::StartListening() {
    sockaddr_un address{};
    if (!AddressOf(SocketPath(), address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    ::unlink(address.sun_path);  // left by a copy that was killed; the lock makes it ours
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return false;
    }
    listener_ = fd;
    return true;
}

void SingleInstance::Listen() {
    if (listener_ < 0 || notifier_) return;
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
}

// Takes the waiting connections of this user; each is then read on its own,
// so a start that is slow to send its request holds up no other.
void SingleInstance::Accept() {
    while (requests_.size() < kMostPending) {
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0) break;
        if (!SameUser(client)) {
            ::close(client);
            continue;
        }
        auto request = std::make_unique<Request>();
        const std::uint64_t serial = request->serial = ++requestsSeen_;
        request->notifier = std::make_unique<QSocketNotifier>(client, QSocketNotifier::Read);
        connect(request->notifier.get(), &QSocketNotifier::activated, this, [this, client] { Read(client); });
        // A request not whole within the patience is dropped unanswered.
        QTimer::singleShot(kPatience, request->notifier.get(), [this, client, serial] {
            const auto found = requests_.find(client);
            if (found != requests_.end() && found->second->serial == serial) Drop(client);
        });
        requests_[client] = std::move(request);
        Read(client);  // its bytes have usually come with it
    }
    // At the limit, the rest wait in the kernel's queue until a request ends.
    notifier_->setEnabled(requests_.size() < kMostPending);
}

// Reads what has come of a request; a whole one raises the window and is
// answered, an over-long or broken one, or a closed connection, is dropped.
void SingleInstance::Read(int client) {
    const auto found = requests_.find(client);
    if (found == requests_.end()) return;
    std::string& bytes = found->second->bytes;
    char buffer[kMostRaiseMessage + 1];
    const std::size_t room = kMostRaiseMessage + 1 - bytes.size();
    const ssize_t got = ::recv(client, buffer, room, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got <= 0) return Drop(client);
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.find('\n') == std::string::npos) {
        if (bytes.size() > kMostRaiseMessage) Drop(client);
        return;
    }
    const std::optional<std::string> token = ParseRaise(bytes);
    if (!token) return Drop(client);
    emit RaiseRequested(QByteArray::fromStdString(*token));
    // Answered once raised: the asking start may end now.
    ::send(client, kDone, sizeof(kDone) - 1, MSG_NOSIGNAL);
    Drop(client);
}

void SingleInstance::Drop(int client) {
    const auto found = requests_.find(client);
    if (found == requests_.end()) return;
    // Called from the notifier's own signal: it goes once that returns.
    QSocketNotifier* notifier = found->second->notifier.release();
    notifier->setEnabled(false);
    notifier->deleteLater();
    requests_.erase(found);
    ::close(client);
    if (notifier_ && listener_ >= 0) notifier_->setEnabled(true);
}

void SingleInstance::Release() {
    for (auto& [client, request] : requests_) {
        request->notifier.reset();
        ::close(client);
    }
    requests_.clear();
    notifier_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
        ::unlink(QFile::encodeName(SocketPath()).constData());
        listener_ = -1;
    }
    if (lock_ >= 0) {
        ::close(lock_);  // frees the flock(); the file stays, so no one races its removal
        lock_ = -1;
    }
}

}  // namespace spanwright::platform
