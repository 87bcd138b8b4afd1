#pragma once
// One running copy per user. The guard lives in a folder only the user can
// reach: $XDG_RUNTIME_DIR when it is a folder of the user's that no one else
// may enter (mode 0700), else $TMPDIR (or /tmp)/spanwright-UID, made with
// mode 0700 and used only while it is a real folder (not a link) of the
// user's with mode 0700; else there is no guard. The first start holds an
// flock() on spanwright.lock there (the kernel lets it go however the
// process ends; the file is opened read-only without following a link, and
// never truncated, written or read) and listens on spanwright.socket beside
// it. Only the same user's requests and answers count (SO_PEERCRED).
// The request carries the asking start's activation token, when its desktop
// gave it one (XDG_ACTIVATION_TOKEN): on Wayland only a token lets the
// running copy take the focus (RaiseMessage, ParseRaise below).
//   first start:              Claim() -> true, holding the lock; Listen()
//                             once the QApplication exists
//   second start:             Claim() asks the running copy to raise its
//                             window; the copy answers -> false (end, status 0)
//   a copy that takes no request, or answers none, within 2 s (stopped, hung):
//                             Claim() -> true without the lock: a window without the guard
//   empty, garbage or foreign-written lock file, or the lock of a copy killed
//   with kill -9:             Claim() -> true, holding the lock
//   a folder, a link, a hard link (two names) or another user's file at the
//   lock's path, no usable folder, or a socket path longer than 107 bytes:
//                             Claim() -> true without the lock
//   another user's process holding the lock and answering:
//                             Claim() -> true without the lock: its answer does not count
//   $XDG_RUNTIME_DIR of mode 0777 or 0755: the private folder in $TMPDIR instead
// The request travels over a plain Unix socket watched by a QSocketNotifier:
// QtNetwork would cost more start-up time than the rest of the guard.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QSocketNotifier;

namespace spanwright::platform {

// The longest request taken, and the longest activation token it carries.
inline constexpr std::size_t kMostRaiseMessage = 256;
inline constexpr std::size_t kMostActivationToken = 240;

// The request a second start sends: "raise", a space and the token when it
// has one, and a line end. A token that is too long or holds a blank or a
// control character is not sent.
//   RaiseMessage("")            -> "raise\n"
//   RaiseMessage("kwin-42_a:b") -> "raise kwin-42_a:b\n"
//   RaiseMessage("a b")         -> "raise\n"
std::string RaiseMessage(std::string_view token);
// The token of a request ("" for none); nothing when the text is no
// complete request (no line end, another word, a bad or over-long token).
//   ParseRaise("raise\n") -> ""    ParseRaise("raise t1\n") -> "t1"
//   ParseRaise("raise")   -> none  ParseRaise("raise a b\n") -> none
std::optional<std::string> ParseRaise(std::string_view message);

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live; empty is the user's own
    // folder described above.
    explicit SingleInstance(const QString& folder = {});
    ~SingleInstance() override;

    // True: this start goes on and opens its window (guarded or not).
    // False: a running copy answered the request to raise its window,
    // handed activationToken with it (empty: none). Needs no QCoreApplication.
    bool Claim(const QByteArray& activationToken = {});
    // Starts answering raise requests (in the event loop of the QApplication).
    void Listen();

    // Empty when there is no usable folder.
    QString LockPath() const;
    QString SocketPath() const;

signals:
    // A later start asked for the window; token: its activation token, or empty.
    void RaiseRequested(const QByteArray& token);

private:
    struct Request;
    bool StartListening();
    void Accept();
    void Read(int client);
    void Drop(int client);
    void Release();

    QString folder_;
    int lock_ = -1;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<int, std::unique_ptr<Request>> requests_;  // by socket, until read whole
    std::uint64_t requestsSeen_ = 0;
};

}  // namespace spanwright::platform
