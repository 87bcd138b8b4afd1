// One running copy: the built program started twice, a lock left by a
// killed copy, and the running window brought to the front.
#include <QtTest>

#include "main_window/frmMain.h"
#include "platform/single_instance.h"
#include "support/ui_support.h"

namespace {
struct Environment {
    QTemporaryDir config, runtime;
    QString Path(const char* name) const { return runtime.path() + "/spanwright." + name; }
    // Starts the built program with its settings and lock in the folders above.
    void Start(QProcess& process) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(SPANWRIGHT_EXE), {});
    }
    // A second start ends at once, normally and with code 0.
    void ExpectSecondStartEnds() const {
        QProcess second;
        Start(second);
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);  // the event loop keeps running
        QVERIFY(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0);
    }
    qint64 LockOwner() const {
        QFile lock(Path("lock"));
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : -1;
    }
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
        QTRY_COMPARE_WITH_TIMEOUT(env.LockOwner(), next.processId(), 20000);
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
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
