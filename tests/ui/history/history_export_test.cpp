// Exporting the history: the file's name and bytes, a cancelled dialog, and
// failures that leave an existing file as it was.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

#include "history/frmHistory.h"
#include "support/ui_support.h"

using spanwright::frmHistory;
using spanwright::platform::MessageIcon;

namespace {
QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A window whose save dialog answers `chosen` and remembers what it was asked.
struct Exporter {
    spanwright::test::TempSettings settings;
    spanwright::test::MessageRecorder messages;
    frmHistory window;
    frmHistory::SaveRequest asked;
    int dialogs = 0;

    explicit Exporter(const QString& chosen) {
        window.SetSaveDialog([this, chosen](QWidget*, const frmHistory::SaveRequest& r) {
            asked = r;
            ++dialogs;
            return chosen;
        });
    }
    void Export() { window.mnuExport->trigger(); }
};

// The failure was shown once, naming the path.
void ExpectFailureShown(const Exporter& e, const QString& path) {
    QCOMPARE(e.messages.records().size(), size_t{1});
    const auto& shown = e.messages.records().front();
    QCOMPARE(shown.icon, MessageIcon::Exclamation);
    QCOMPARE(shown.title, QStringLiteral("Spanwright"));
    QVERIFY2(shown.text.contains(path), qPrintable(shown.text));
}

const QByteArray kOld = "old history\r\n";
}  // namespace

class HistoryExportTest : public QObject {
    Q_OBJECT
private slots:
    void dialogIsAskedForHistoryTxt();
    void fileName_data();
    void fileName();
    void content_data();
    void content();
    void cancelWritesNothing();
    void existingFileIsReplaced();
    void folderThatDoesNotExist();
    void folderWhereTheFileShouldBe();
    void fullDiskKeepsOldFile();
    void readOnlyFileKeepsContent();
};

void HistoryExportTest::dialogIsAskedForHistoryTxt() {
    Exporter e{QString()};
    e.Export();
    QCOMPARE(e.dialogs, 1);
    QCOMPARE(e.asked.title, QStringLiteral("Export History List to a File..."));
    QCOMPARE(e.asked.fileName, QStringLiteral("History.txt"));
    QCOMPARE(e.asked.filter, QStringLiteral("*.txt"));
    QVERIFY2(QFileInfo(e.asked.folder).isDir(), qPrintable(e.asked.folder));
    QVERIFY(e.asked.folder != QCoreApplication::applicationDirPath());
}

void HistoryExportTest::fileName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension gets .txt") << "History" << "History.txt";
    QTest::newRow(".TXT in capitals gets nothing") << "x.TXT" << "x.TXT";
    QTest::newRow(".txt in the middle gets nothing") << "a.txt.bak" << "a.txt.bak";
    QTest::newRow(".text is not .txt") << "notes.text" << "notes.text.txt";
    QTest::newRow(".txt in a folder name counts") << "d.txt/History" << "d.txt/History";
}

void HistoryExportTest::fileName() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("d.txt")));
    Exporter e{dir.filePath(chosen)};
    e.window.Append(QStringLiteral("5"));
    e.Export();
    QCOMPARE(e.messages.records().size(), size_t{0});
    QCOMPARE(ReadAll(dir.filePath(written)), QByteArray("5\r\n"));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), written.contains(QLatin1Char('/')) ? 0 : 1);
}

void HistoryExportTest::content_data() {
    QTest::addColumn<QString>("history");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty history is just CR LF") << QString() << QByteArray("\r\n");
    QTest::newRow("lines keep their CR LF") << QStringLiteral("5\r\n+ 3\r\n= 0'8\"") << QByteArray("5\r\n+ 3\r\n= 0'8\"\r\n");
    QTest::newRow("blank line and clr") << QStringLiteral("8\r\nclr\r\n\r\n")
                                        << QByteArray("8\r\nclr\r\n\r\n\r\n");
    QTest::newRow("pasted non-ASCII kept as UTF-8") << QStringLiteral("5\u00bd")
                                                   << QByteArray("5\xC2\xBD\r\n");
    // A character outside the BMP across the 64 Ki-character chunk boundary.
    const QString wide = QString(65535, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x93\x90") + QStringLiteral("b");
    QTest::newRow("surrogate pair at a chunk boundary")
        << wide << QByteArray(65535, 'a') + QByteArray("\xF0\x9F\x93\x90" "b\r\n");
}

void HistoryExportTest::content() {
    QFETCH(QString, history);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    Exporter e{dir.filePath(QStringLiteral("History.txt"))};
    e.window.Append(history);
    e.Export();
    QCOMPARE(e.messages.records().size(), size_t{0});
    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("History.txt"))), bytes);
}

void HistoryExportTest::cancelWritesNothing() {
    QTemporaryDir dir;
    Exporter e{QString()};
    e.window.Append(QStringLiteral("5"));
    e.Export();
    QCOMPARE(e.dialogs, 1);
    QCOMPARE(e.messages.records().size(), size_t{0});
    QVERIFY(QDir(dir.path()).isEmpty());
}

void HistoryExportTest::existingFileIsReplaced() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("History.txt"));
    WriteFile(path, kOld);
    Exporter e{path};
    e.window.Append(QStringLiteral("9"));
    e.Export();
    QCOMPARE(e.messages.records().size(), size_t{0});
    QCOMPARE(ReadAll(path), QByteArray("9\r\n"));
}

void HistoryExportTest::folderThatDoesNotExist() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/History.txt"));
    Exporter e{path};
    e.window.Append(QStringLiteral("9"));
    e.Export();
    ExpectFailureShown(e, path);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void HistoryExportTest::folderWhereTheFileShouldBe() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("History.txt"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("History.txt")));
    WriteFile(path + QStringLiteral("/inside"), kOld);
    Exporter e{path};
    e.window.Append(QStringLiteral("9"));
    e.Export();
    ExpectFailureShown(e, path);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(ReadAll(path + QStringLiteral("/inside")), kOld);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"History.txt"});
}

void HistoryExportTest::fullDiskKeepsOldFile() {
    if (geteuid() != 0) QSKIP("mounting a small tmpfs needs root");
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))));
    struct Unmount {
        QByteArray at;
        ~Unmount() { umount2(at.constData(), MNT_DETACH); }
    } unmount{mountPoint};

    const QString path = dir.filePath(QStringLiteral("History.txt"));
    WriteFile(path, kOld);
    Exporter e{path};
    for (int i = 0; i < 4000; ++i) e.window.Append(QStringLiteral("12'3-1/2\"\r\n+ "));  // 56 KB
    e.Export();
    ExpectFailureShown(e, path);
    QCOMPARE(ReadAll(path), kOld);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"History.txt"});
}

void HistoryExportTest::readOnlyFileKeepsContent() {
    if (geteuid() == 0)
        QSKIP("root writes read-only files; the history_export_unprivileged test runs this case as uid 65534");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("History.txt"));
    WriteFile(path, kOld);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    Exporter e{path};
    e.window.Append(QStringLiteral("9"));
    e.Export();
    ExpectFailureShown(e, path);
    QCOMPARE(ReadAll(path), kOld);
}

QTEST_MAIN(HistoryExportTest)
#include "history_export_test.moc"
