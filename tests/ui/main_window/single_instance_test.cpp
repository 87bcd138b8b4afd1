// One running copy: the built program started twice, a lock left by a
// killed copy, and the running window brought to the front.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "main_window_fixture.h"
#include "platform/single_instance.h"

namespace {

struct Environment {
    QTemporaryDir config;
    QTemporaryDir runtime;

    QProcessEnvironment Process() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        return env;
    }
    QString SettingsFile() const { return config.path() + "/Ostrel/Spanwright.conf"; }
    QString Socket() const { return runtime.path() + "/spanwright.socket"; }
    QString Lock() const { return runtime.path() + "/spanwright.lock"; }
};

void Start(QProcess& process, const Environment& env) {
    process.setProcessEnvironment(env.Process());
    process.setProgram(QStringLiteral(SPANWRIGHT_EXE));
    process.start();
}

qint64 LockOwner(const QString& lockPath) {
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return file.readLine().trimmed().toLongLong();
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartEndsAndFirstStays();
    void lockOfAKilledCopyDoesNotBlock();
    void runningWindowIsRaisedAndActivated();
};

void SingleInstanceTest::secondStartEndsAndFirstStays() {
    Environment env;
    QProcess first;
    Start(first, env);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(env.Socket()), 20000);

    QProcess second;
    Start(second, env);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(!QFile::exists(env.SettingsFile()), "the second start wrote settings");
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

void SingleInstanceTest::lockOfAKilledCopyDoesNotBlock() {
    Environment env;
    QProcess first;
    Start(first, env);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(env.Socket()), 20000);
    first.kill();  // SIGKILL: the lock file and socket stay behind
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(env.Lock()));

    QProcess next;
    Start(next, env);
    QVERIFY(next.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(LockOwner(env.Lock()), next.processId(), 20000);

    QProcess third;
    Start(third, env);
    QVERIFY(third.waitForFinished(20000));
    QCOMPARE(third.exitCode(), 0);
    QCOMPARE(next.state(), QProcess::Running);
    next.kill();
    next.waitForFinished();
}

void SingleInstanceTest::runningWindowIsRaisedAndActivated() {
    Environment env;
    spanwright::test::MainWindowFixture f;
    spanwright::platform::SingleInstance instance(env.runtime.path());
    QVERIFY(instance.Claim());
    auto& w = f.Start();
    QObject::connect(&instance, &spanwright::platform::SingleInstance::RaiseRequested, &w, [&w] { w.BringToFront(); });
    instance.Listen();

    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    QVERIFY(!w.isActiveWindow());

    QProcess second;
    Start(second, env);
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(w.isActiveWindow(), 10000);
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
