// The settings file as the store finds it: only a missing or regular file
// of at most 1 MiB is read and written; a FIFO, a socket, a link to a device
// or a huge file reads as no settings and is left exactly as it was. Runs
// without a QCoreApplication, as the command line reads its settings.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <memory>

#include "platform/registry_store.h"
#include "support/watchdog.h"

namespace {
using spanwright::platform::RegistryStore;
using spanwright::test::Watchdog;
const QString kPath = QStringLiteral("Software\\Ostrel\\Spanwright\\");
constexpr qint64 kMiB = 1 << 20;
const QByteArray kGood = "[Software]\nOstrel\\Spanwright\\Top=120\nOstrel\\Spanwright\\Other=kept\n";

// What stands at path: its type, where a link points, and a regular file's bytes.
// A FIFO is never opened.
QByteArray Fingerprint(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return "missing";
    QByteArray print = QByteArray::number(st.st_mode & S_IFMT, 8);
    if (S_ISLNK(st.st_mode)) print += " -> " + QFile::encodeName(QFile::symLinkTarget(path));
    if (S_ISREG(st.st_mode)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            print += ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
    }
    return print;
}

void MakeSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(name.size() < int(sizeof(address.sun_path)));
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    QVERIFY(bound);
}

// A good file padded with comment lines to size bytes.
QByteArray GoodFileOf(qint64 size) {
    QByteArray bytes = kGood;
    while (bytes.size() < size) bytes += QByteArray(qMin<qint64>(99, size - bytes.size() - 1), ';') + '\n';
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
}  // namespace

class RegistryStoreTest : public QObject {
    Q_OBJECT
    // A fresh folder for every row: QSettings caches a file by its path and
    // may take a file rewritten within the same millisecond, at the same
    // size, for the one it read before.
    std::unique_ptr<QTemporaryDir> folder_;
    QString Folder() const { return folder_->path(); }
    QString File() const { return Folder() + "/Ostrel/Spanwright.conf"; }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QVERIFY(QDir().mkpath(Folder() + "/Ostrel"));
        // The default store finds its file where QSettings keeps the program's.
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, Folder());
            QSettings::setPath(format, QSettings::SystemScope, Folder() + "/system");
        }
    }

    void settingsFile_data() {
        using Make = std::function<void(const QString&)>;
        QTest::addColumn<Make>("make");
        QTest::addColumn<bool>("used");  // read and written, or left alone
        QTest::addColumn<QString>("top");  // the saved "Top" the store reads
        const auto regular = [](QByteArray bytes) { return Make([bytes](const QString& f) { Write(f, bytes); }); };
        QTest::newRow("no file") << Make([](const QString&) {}) << true << "";
        QTest::newRow("good file") << regular(kGood) << true << "120";
        QTest::newRow("link to a good file") << Make([](const QString& f) {
            Write(f + ".real", kGood);
            QVERIFY(QFile::link(f + ".real", f));
        }) << true << "120";
        QTest::newRow("file of exactly 1 MiB") << regular(GoodFileOf(kMiB)) << true << "120";
        QTest::newRow("FIFO") << Make([](const QString& f) {
            QVERIFY(::mkfifo(QFile::encodeName(f).constData(), 0600) == 0);
        }) << false << "";
        QTest::newRow("socket") << Make(MakeSocket) << false << "";
        QTest::newRow("link to /dev/zero") << Make([](const QString& f) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), f));
        }) << false << "";
        QTest::newRow("link to nothing") << Make([](const QString& f) {
            QVERIFY(QFile::link(f + ".gone", f));
        }) << false << "";
        QTest::newRow("2 MiB file") << regular(GoodFileOf(2 * kMiB)) << false << "";
    }

    // A used file gives its values, takes the new one and keeps the rest; any
    // other reads as no settings, refuses the write and stays as it was.
    void settingsFile() {
        QFETCH(std::function<void(const QString&)>, make);
        QFETCH(bool, used);
        QFETCH(QString, top);
        if (QByteArray(QTest::currentDataTag()) == "link to /dev/zero" && ::geteuid() == 0)
            QSKIP("as root a faulty store would replace /dev/zero: this row runs as 65534 "
                  "in registry_store_device_unprivileged");
        make(File());
        if (QTest::currentTestFailed()) return;
        const QByteArray before = Fingerprint(File());
        const bool wasLink = QFileInfo(File()).isSymLink();
        {
            Watchdog watchdog("the settings store");
            RegistryStore store;
            QString read, other;
            QCOMPARE(store.ReadValue(kPath, "Top", read), !top.isEmpty());
            QCOMPARE(read, top);
            QCOMPARE(store.WriteValue(kPath, "Top", "300"), used);
            QCOMPARE(store.ReadValue(kPath, "Other", other), !top.isEmpty());
        }
        if (!used) {
            QCOMPARE(Fingerprint(File()), before);
            return;
        }
        QSettings written(File(), QSettings::IniFormat);
        QCOMPARE(written.value("Software/Ostrel/Spanwright/Top").toString(), QStringLiteral("300"));
        if (!top.isEmpty()) QCOMPARE(written.value("Software/Ostrel/Spanwright/Other").toString(), QStringLiteral("kept"));
        QCOMPARE(QFileInfo(File()).isSymLink(), wasLink);
    }

    // At a first run not even the settings folder exists: the write makes it.
    void firstWriteMakesTheFolders() {
        const QString folder = Folder() + "/not yet";
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, folder);
        QVERIFY(RegistryStore().WriteValue(kPath, "Top", "300"));
        QCOMPARE(QSettings(folder + "/Ostrel/Spanwright.conf", QSettings::IniFormat)
                     .value("Software/Ostrel/Spanwright/Top")
                     .toString(),
                 QStringLiteral("300"));
    }

    // The system-wide file fills in what the user's lacks, and is never written.
    void systemFileIsAFallback() {
        QVERIFY(QDir().mkpath(Folder() + "/system/Ostrel"));
        const QString system = Folder() + "/system/Ostrel/Spanwright.conf";
        Write(system, kGood);
        Write(File(), "[Software]\nOstrel\\Spanwright\\Top=7\n");
        {
            RegistryStore store;
            QString top, other;
            QVERIFY(store.ReadValue(kPath, "Top", top) && top == "7");
            QVERIFY(store.ReadValue(kPath, "Other", other) && other == "kept");
            QVERIFY(store.WriteValue(kPath, "Other", "mine"));
        }
        QCOMPARE(Fingerprint(system).right(64),
                 QCryptographicHash::hash(kGood, QCryptographicHash::Sha256).toHex());
    }
};

QTEST_APPLESS_MAIN(RegistryStoreTest)
#include "registry_store_test.moc"
