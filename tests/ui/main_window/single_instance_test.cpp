// One running copy: the built program started twice and twenty times at
// once, a lock left by a killed copy, the running window brought to the
// front; and the locks a start cannot take, the runtime folders it does not
// trust and the other users whose answers do not count, which never keep it
// out.
#include <QtTest>
#include <fcntl.h>
#include <signal.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <optional>

#include "main_window/frmMain.h"
#include "platform/single_instance.h"
#include "support/ui_support.h"
#include "support/watchdog.h"

namespace {
struct Environment {
    QTemporaryDir config, runtime;
    QString Path(const char* name) const { return runtime.path() + "/spanwright." + name; }
    // Starts the built program with its settings and lock in the folders
    // above, and the activation token given (none when empty).
    void Start(QProcess& process, const QString& token = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.remove("XDG_ACTIVATION_TOKEN");
        if (!token.isEmpty()) env.insert("XDG_ACTIVATION_TOKEN", token);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(SPANWRIGHT_EXE), {});
    }
    // A second start ends at once, normally and with code 0.
    void ExpectSecondStartEnds(const QString& token = {}) const {
        QProcess second;
        Start(second, token);
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);  // the event loop keeps running
        QVERIFY(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0);
    }
};

using spanwright::platform::SingleInstance;
using Prepare = std::function<void(const QString&)>;

// Whether some open file holds the flock() on path (another descriptor of
// this process counts as another holder).
bool Held(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Sends text to the socket at path as a start would and reads the answer
// until the other end closes (while the event loop runs); false when no
// connection could be made.
bool Ask(const QString& path, const QByteArray& text, QByteArray& answer) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::min(sizeof(address.sun_path) - 1, size_t(name.size())));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) return false;
    (void)!::send(fd, text.constData(), size_t(text.size()), MSG_NOSIGNAL);
    answer.clear();
    QDeadlineTimer deadline(10000);
    for (char buffer[64]; !deadline.hasExpired();) {
        const ssize_t got = ::recv(fd, buffer, sizeof(buffer), 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) break;
        if (got > 0) answer.append(buffer, got);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ::close(fd);
    return !deadline.hasExpired();
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A lock file's text naming a live process (this one), as a lock file
// library writes it: id, program name, host.
QByteArray LiveLockText() {
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
           QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
}

// What stands at path: type, owner and mode, without following a link.
QString Stat(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return QStringLiteral("missing");
    return QString::asprintf("type %o owner %u mode %o", st.st_mode & S_IFMT, st.st_uid, st.st_mode & 07777);
}

// Sets (or, with nothing, removes) an environment variable for a scope.
class EnvScope {
public:
    EnvScope(const char* name, const std::optional<QByteArray>& value)
        : name_(name), saved_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~EnvScope() { saved_ ? qputenv(name_, *saved_) : qunsetenv(name_); }

private:
    const char* name_;
    std::optional<QByteArray> saved_;
};
}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartEndsAndFirstStaysEvenAfterAKill() {
        Environment env;
        QProcess first, next;
        env.Start(first);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(env.Path("socket")), 20000);
        env.ExpectSecondStartEnds();
        QVERIFY2(!QFile::exists(env.config.path() + "/Ostrel/Spanwright.conf"), "the second start wrote settings");
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();  // SIGKILL: the lock file and socket stay behind
        QVERIFY(first.waitForFinished() && QFile::exists(env.Path("lock")));
        env.Start(next);
        QTRY_VERIFY_WITH_TIMEOUT(Held(env.Path("lock")), 20000);
        env.ExpectSecondStartEnds();
        QCOMPARE(next.state(), QProcess::Running);  // killed as `next` goes
    }

    void runningWindowIsRaisedAndActivated() {
        Environment env;
        spanwright::test::TempSettings settings;
        spanwright::test::MessageRecorder messages;
        spanwright::platform::SingleInstance instance(env.runtime.path());
        QVERIFY(instance.Claim());
        spanwright::frmMain w;
        w.Form_Load();
        connect(&instance, &spanwright::platform::SingleInstance::RaiseRequested, &w, [&w] { w.BringToFront(); });
        instance.Listen();
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow() && !w.isActiveWindow());
        env.ExpectSecondStartEnds();
        QTRY_VERIFY_WITH_TIMEOUT(w.isActiveWindow(), 10000);
    }

    // The request's text: "raise", the token if any, a line end; anything
    // else is no request.
    void raiseRequestText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<std::optional<std::string>>("token");
        using Token = std::optional<std::string>;
        QTest::newRow("no token") << QByteArray("raise\n") << Token("");
        QTest::newRow("a token") << QByteArray("raise kwin-42_a:b/c\n") << Token("kwin-42_a:b/c");
        QTest::newRow("the longest token") << "raise " + QByteArray(240, 't') + '\n' << Token(std::string(240, 't'));
        QTest::newRow("a token too long") << "raise " + QByteArray(241, 't') + '\n' << Token();
        QTest::newRow("no line end") << QByteArray("raise") << Token();
        QTest::newRow("two words") << QByteArray("raise a b\n") << Token();
        QTest::newRow("a blank, no token") << QByteArray("raise \n") << Token();
        QTest::newRow("a control character") << QByteArray("raise a\tb\n") << Token();
        QTest::newRow("a byte outside ASCII") << QByteArray("raise \xc3\xa9\n") << Token();
        QTest::newRow("a zero byte") << QByteArray("raise a\0b\n", 10) << Token();
        QTest::newRow("another word") << QByteArray("raised\n") << Token();
        QTest::newRow("two lines") << QByteArray("raise\nraise\n") << Token();
    }
    void raiseRequestText() {
        QFETCH(QByteArray, text);
        QFETCH(std::optional<std::string>, token);
        QCOMPARE(spanwright::platform::ParseRaise(text.toStdString()), token);
        // What a start sends is read back as its token; a token that could
        // not be read back is not sent.
        const std::string sent = spanwright::platform::RaiseMessage(token.value_or("a b"));
        QCOMPARE(spanwright::platform::ParseRaise(sent), token ? token : std::optional<std::string>(""));
    }

    // A later start's activation token reaches the running copy, which
    // uses it for that raise only; a request over the length limit or of
    // another text is closed unanswered and raises nothing.
    void activationTokenIsHandedOverOnce() {
        Environment env;
        SingleInstance instance(env.runtime.path());
        QVERIFY(instance.Claim());
        QList<QByteArray> tokens;
        connect(&instance, &SingleInstance::RaiseRequested, this, [&tokens](const QByteArray& t) { tokens << t; });
        instance.Listen();
        env.ExpectSecondStartEnds(QStringLiteral("token-1"));
        env.ExpectSecondStartEnds();
        QCOMPARE(tokens, QList<QByteArray>({"token-1", ""}));
        for (const QByteArray& text : {QByteArray(300, 'r'), QByteArray("hello\n")}) {
            QByteArray answer = "<none>";
            QVERIFY(Ask(env.Path("socket"), text, answer));
            QCOMPARE(answer, QByteArray());  // closed, no "done"
        }
        QCOMPARE(tokens.size(), 2);

        spanwright::test::TempSettings settings;
        spanwright::test::MessageRecorder messages;
        spanwright::frmMain w;
        w.Form_Load();
        const EnvScope own("XDG_ACTIVATION_TOKEN", std::nullopt);
        w.BringToFront("token-2");
        QVERIFY(!qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
        QTRY_VERIFY_WITH_TIMEOUT(w.isActiveWindow(), 10000);
    }

    // Twenty starts at once: all but one end with 0, once the one left
    // running has answered them.
    void twentyStartsAtOnceLeaveOneWindow() {
        Environment env;
        std::vector<std::unique_ptr<QProcess>> starts;
        for (int i = 0; i < 20; ++i) {
            starts.push_back(std::make_unique<QProcess>());
            env.Start(*starts.back());
        }
        const auto running = [&] {
            return std::count_if(starts.begin(), starts.end(),
                                 [](const auto& p) { return p->state() != QProcess::NotRunning; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(running() <= 1, 60000);
        QCOMPARE(running(), 1);
        for (const auto& p : starts) {
            if (p->state() == QProcess::NotRunning)
                QVERIFY(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0);
        }
        for (const auto& p : starts) p->kill();
    }

    // Whatever the lock file holds, or a folder in its place, the start goes on.
    void lockFileNeverKeepsAStartOut_data() {
        QTest::addColumn<Prepare>("prepare");
        QTest::addColumn<bool>("locked");  // the start holds the lock (a folder cannot be locked)
        const auto content = [](QByteArray bytes) { return Prepare([bytes](const QString& p) { Write(p, bytes); }); };
        QTest::newRow("empty") << content({}) << true;
        QTest::newRow("garbage") << content(QByteArray("\x7f\x00\xff junk\n\n-12 x", 16).repeated(64)) << true;
        QTest::newRow("a live process's lock text") << content(LiveLockText()) << true;
        QTest::newRow("a folder") << Prepare([](const QString& p) { QVERIFY(QDir().mkdir(p)); }) << false;
        // The lock's folder holds the user's file precious.txt.
        const auto precious = [](const QString& lock) { return QFileInfo(lock).path() + "/precious.txt"; };
        QTest::newRow("a hard link to a file of the user's") << Prepare([precious](const QString& p) {
            QVERIFY(::link(QFile::encodeName(precious(p)).constData(), QFile::encodeName(p).constData()) == 0);
        }) << false;
        QTest::newRow("a symbolic link to a file of the user's") << Prepare([precious](const QString& p) {
            QVERIFY(QFile::link(precious(p), p));
        }) << false;
        QTest::newRow("another user's file") << Prepare([](const QString& p) {
            if (::geteuid() != 0) QSKIP("needs root to give a file to another user");
            Write(p, "theirs\n");
            QVERIFY(::chown(QFile::encodeName(p).constData(), 65534, 65534) == 0);
        }) << false;
    }
    void lockFileNeverKeepsAStartOut() {
        QFETCH(Prepare, prepare);
        QFETCH(bool, locked);
        QTemporaryDir runtime;
        const QString lock = runtime.path() + "/spanwright.lock", precious = runtime.path() + "/precious.txt";
        const QByteArray kept = QByteArray("the user's own words\r\n\0\xff", 24);
        Write(precious, kept);
        prepare(lock);
        const QString before = Stat(lock);
        const QByteArray content = Read(lock);
        SingleInstance instance(runtime.path());
        QVERIFY(instance.Claim());
        QCOMPARE(Held(lock), locked);
        if (!locked) QCOMPARE(Stat(lock), before);
        QCOMPARE(Read(lock), content);  // nothing truncated, nothing written
        QCOMPARE(Read(precious), kept);
    }

    // $XDG_RUNTIME_DIR serves only when no one else may enter it; else the
    // user's own folder in the temporary folder does.
    void runtimeFolderOnlyWhenNoOneElseMayEnter_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("used");
        QTest::newRow("mode 0700") << 0700 << true;
        QTest::newRow("mode 0777: anyone may plant the lock") << 0777 << false;
        QTest::newRow("mode 1777, as /tmp") << 01777 << false;
        QTest::newRow("mode 0770: the group may write") << 0770 << false;
        QTest::newRow("mode 0755: others may look in") << 0755 << false;
    }
    void runtimeFolderOnlyWhenNoOneElseMayEnter() {
        QFETCH(int, mode);
        QFETCH(bool, used);
        QTemporaryDir runtime, tmp;
        QVERIFY(::chmod(QFile::encodeName(runtime.path()).constData(), mode_t(mode)) == 0);
        const EnvScope xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path())),
            temporary("TMPDIR", QFile::encodeName(tmp.path()));
        SingleInstance instance;
        QVERIFY(instance.Claim());
        const QString own = tmp.path() + "/spanwright-" + QString::number(::getuid());
        QCOMPARE(instance.LockPath(), (used ? runtime.path() : own) + "/spanwright.lock");
        QVERIFY(Held(instance.LockPath()));
    }

    // Another user's process holding the lock and answering "done" does not
    // end the start: it goes on (without the lock) and opens its window.
    void anotherUsersAnswerDoesNotCount() {
        if (::geteuid() != 0) QSKIP("needs root to answer as another user (uid 65534)");
        QTemporaryDir runtime;
        const QString lockPath = runtime.path() + "/spanwright.lock";
        const QByteArray socketPath = QFile::encodeName(runtime.path() + "/spanwright.socket");
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(socketPath.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        const pid_t other = ::fork();
        QVERIFY(other >= 0);
        if (other == 0) {  // the other user: holds the lock, listens, answers every request
            const int lock = ::open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CREAT, 0600);
            const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (lock < 0 || ::flock(lock, LOCK_EX) != 0 || listener < 0 ||
                ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
                ::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0 ||
                ::listen(listener, 8) != 0)
                ::_exit(1);
            (void)!::write(ready[1], "1", 1);
            for (int client; (client = ::accept(listener, nullptr, nullptr)) >= 0; ::close(client))
                (void)!::send(client, "done\n", 5, MSG_NOSIGNAL);
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        const bool listening = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        SingleInstance instance(runtime.path());
        const bool goesOn = listening && instance.Claim();
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
        QVERIFY2(listening, "the other user's process could not listen");
        QVERIFY(goesOn);
    }

    // With no runtime folder the guard lives in the user's own folder in the
    // temporary folder, and only while that is a real folder of the user's
    // that no one else may enter; else there is no guard.
    void ownFolderWithoutARuntimeFolder_data() {
        QTest::addColumn<Prepare>("prepare");
        QTest::addColumn<bool>("used");
        const auto folder = [](mode_t mode) {
            return Prepare([mode](const QString& own) {
                QVERIFY(::mkdir(QFile::encodeName(own).constData(), mode) == 0);
                QVERIFY(::chmod(QFile::encodeName(own).constData(), mode) == 0);
            });
        };
        QTest::newRow("none yet: made with mode 0700") << Prepare([](const QString&) {}) << true;
        QTest::newRow("mode 0700") << folder(0700) << true;
        QTest::newRow("a live copy's lock in the shared folder") << Prepare([](const QString& own) {
            Write(QFileInfo(own).path() + "/spanwright.lock", LiveLockText());
        }) << true;
        QTest::newRow("mode 0755") << folder(0755) << false;
        QTest::newRow("mode 0777") << folder(0777) << false;
        QTest::newRow("a link to a folder of mode 0700") << Prepare([folder](const QString& own) {
            folder(0700)(own + ".real");
            QVERIFY(QFile::link(own + ".real", own));
        }) << false;
        QTest::newRow("a file") << Prepare([](const QString& own) { Write(own, "x"); }) << false;
        QTest::newRow("another user's") << Prepare([folder](const QString& own) {
            if (::geteuid() != 0) QSKIP("needs root to give a folder to another user");
            folder(0700)(own);
            QVERIFY(::chown(QFile::encodeName(own).constData(), 65534, 65534) == 0);
        }) << false;
    }
    void ownFolderWithoutARuntimeFolder() {
        QFETCH(Prepare, prepare);
        QFETCH(bool, used);
        QTemporaryDir tmp;
        const EnvScope runtime("XDG_RUNTIME_DIR", std::nullopt), temporary("TMPDIR", QFile::encodeName(tmp.path()));
        const QString own = tmp.path() + "/spanwright-" + QString::number(::getuid());
        prepare(own);
        const QString before = Stat(own);
        SingleInstance instance;
        QVERIFY(instance.Claim());
        if (used) {
            QCOMPARE(instance.LockPath(), own + "/spanwright.lock");
            QVERIFY(Held(instance.LockPath()));
            QCOMPARE(Stat(own), QString::asprintf("type %o owner %u mode 700", S_IFDIR, ::getuid()));
        } else {
            QCOMPARE(instance.LockPath(), QString());
            QCOMPARE(Stat(own), before);
        }
    }

    // A running copy that does not answer (stopped here) leaves the next
    // start its own window instead of ending it.
    void aHungCopyLeavesTheNextStartItsWindow() {
        Environment env;
        QProcess first;
        env.Start(first);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(env.Path("socket")), 20000);
        QVERIFY(::kill(pid_t(first.processId()), SIGSTOP) == 0);
        {
            spanwright::test::Watchdog watchdog("a start beside a stopped copy");
            QVERIFY(SingleInstance(env.runtime.path()).Claim());
        }
        ::kill(pid_t(first.processId()), SIGCONT);
        first.kill();
        QVERIFY(first.waitForFinished());
    }

    // A socket path longer than a socket address holds means no guard, for
    // the first start and the next alike.
    void overLongSocketPathMeansNoGuard() {
        QTemporaryDir base;
        const QString folder = base.path() + '/' + QString(120, QLatin1Char('x'));
        QVERIFY(QDir().mkdir(folder));
        SingleInstance first(folder), next(folder);
        QVERIFY(first.Claim());
        QVERIFY(next.Claim());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
