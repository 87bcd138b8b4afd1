// The history window: the edits it is told, Clear and Close, long lines, its
// saved position and layout, lines given back, printing, and exporting to a
// file (rows in history_edits.txt, history_long_lines.txt,
// history_positions.txt, history_export.txt, history_replace.txt and
// history_links.txt).
#include <QPrinter>
#include <QtWidgets>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "history/frmHistory.h"
#include "history/line_value.h"
#include "support/rows.h"
#include "support/tape_owner.h"
#include "support/ui_support.h"

using spanwright::frmHistory;
using spanwright::test::TapeOwner;

namespace {
QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// Exports `history` through a save dialog that answers `chosen` (empty:
// cancelled); returns what the dialog was asked.
frmHistory::SaveRequest Export(const QString& history, const QString& chosen, int appends = 1) {
    TapeOwner owner;
    frmHistory::SaveRequest asked;
    owner.window.SetSaveDialog([&](QWidget*, const frmHistory::SaveRequest& r) { return asked = r, chosen; });
    for (int i = 0; i < appends; ++i) owner.Append(history);
    owner.window.mnuExport->trigger();
    return asked;
}

const QByteArray kOld = "old history\r\n";
const std::string kNoTape;

// The text pdftotext reads from a PDF file.
QString PdfText(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// Prints `tape` as the user would with Ctrl+P, to the PDF file `path` (empty:
// the dialog is cancelled).
void Print(TapeOwner& owner, const QString& path) {
    owner.window.SetPrintDialog([&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return !path.isEmpty();
    });
    owner.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&owner.window));
    QTest::keyClick(&owner.window, Qt::Key_P, Qt::ControlModifier);
}

// "{N×t}" written out as t repeated N times: "a{3×bc}" -> "abcbcbc".
QString Expand(QString cell) {
    static const QRegularExpression run(QStringLiteral("\\{(\\d+)×([^}]*)\\}"));
    for (QRegularExpressionMatch m; (m = run.match(cell)).hasMatch();)
        cell.replace(m.capturedStart(), m.capturedLength(), m.captured(2).repeated(m.captured(1).toInt()));
    return cell;
}
}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
    std::optional<spanwright::test::TempSettings> settings_;
    spanwright::test::MessageRecorder messages_;

private slots:
    void init() {
        settings_.emplace();
        messages_.clear();
    }

    void edits_data() { spanwright::test::AddRows(QFINDTESTDATA("history_edits.txt"), {"text", "s1", "s2", "s3"}); }
    // "+text" appends, "-n" removes the last n characters.
    void edits() {
        QFETCH(QString, text);
        QFETCH(QString, s1); QFETCH(QString, s2); QFETCH(QString, s3);
        TapeOwner h;
        for (const QString& step : {s1, s2, s3}) {
            if (step.startsWith(u'+')) h.Append(step.mid(1));
            else if (!step.isEmpty()) h.RemoveLast(step.mid(1).toLongLong());
        }
        QCOMPARE(QString::fromStdString(h.window.Tape()), text);
        QCOMPARE(h.window.Text1->toPlainText(), QString(text).replace("\r\n", "\n"));
        QCOMPARE(h.window.Text1->document()->availableUndoSteps(), 0);
        // A window opened on the tape as it stands shows the same.
        const frmHistory later(h.tape);
        QCOMPARE(later.Text1->toPlainText(), h.window.Text1->toPlainText());
    }

    void longLines_data() {
        spanwright::test::AddRows(QFINDTESTDATA("history_long_lines.txt"), {"shown", "s1", "s2", "s3", "s4"});
    }
    // The box shows the shortened lines; the tape and the export hold every
    // character appended and not removed, byte for byte.
    void longLines() {
        QFETCH(QString, shown);
        QFETCH(QString, s1); QFETCH(QString, s2); QFETCH(QString, s3); QFETCH(QString, s4);
        TapeOwner h;
        QString whole;
        for (QString step : {s1, s2, s3, s4}) {
            step = Expand(step);
            if (step == "clear") {
                h.window.mnuClear->trigger();
                whole.clear();
            } else if (step.startsWith(u'+')) {
                h.Append(step.mid(1));
                whole += step.mid(1);
            } else if (!step.isEmpty()) {
                h.RemoveLast(step.mid(1).toLongLong());
                whole = QString::fromStdString(h.tape);  // counted in characters, not UTF-16 units
            }
        }
        QCOMPARE(h.window.Text1->toPlainText(), Expand(shown));
        QVERIFY(h.window.Tape() == whole.toStdString());  // QCOMPARE would print a megabyte
        QTemporaryDir dir;
        h.window.SetSaveDialog([&](QWidget*, const frmHistory::SaveRequest&) { return dir.filePath("History.txt"); });
        h.window.mnuExport->trigger();
        QVERIFY(ReadAll(dir.filePath("History.txt")) == whole.toUtf8() + "\r\n");
    }

    // A megabyte line recorded while the window is shown, and in a window
    // shown afterwards: both show, resize and scroll to the last line.
    void megabyteLineShowsAndResizes() {
        const QString line = QString(1000000, u'4');
        TapeOwner owner;
        frmHistory& shown = owner.window;
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        owner.Append(line);
        owner.Append(QStringLiteral("\r\n= Error 6\r\n+ "));
        shown.ShowLastLine();
        shown.resize(shown.width() + 80, shown.height() + 40);
        QCoreApplication::processEvents();
        QVERIFY(shown.Text1->viewport()->rect().contains(shown.Text1->cursorRect()));
        TapeOwner later;
        later.Append(line);
        later.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&later.window));
        QCOMPARE(later.window.Text1->document()->firstBlock().length(), 2002);  // 2001 characters and the block's end
    }

    void lastLineResizeClearAndClose() {
        TapeOwner owner;
        frmHistory& h = owner.window;
        QCOMPARE(h.windowTitle(), QStringLiteral("History - Spanwright"));
        QVERIFY(h.Text1->isReadOnly());
        h.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h));
        for (int i = 0; i < 300; ++i) owner.Append(QStringLiteral("1\r\n+ "));
        h.ShowLastLine();
        QVERIFY(h.Text1->verticalScrollBar()->value() > 0);
        QVERIFY(h.Text1->viewport()->rect().contains(h.Text1->cursorRect()));
        // Text1 keeps its corner at 3, 3 and leaves 4 pixels right and below.
        for (const QSize size : {QSize(400, 500), QSize(1, 300), QSize(300, 1)}) {
            h.resize(size);
            QCoreApplication::processEvents();
            const QSize client(h.width(), h.height() - h.menuBar()->height());
            QCOMPARE(h.Text1->geometry(), QRect(3, 3, std::max(0, client.width() - 7), std::max(0, client.height() - 7)));
        }
        QCOMPARE(h.Text1->height(), 0);  // the last size leaves no room below, and never a negative size
        h.mnuClear->trigger();
        QVERIFY(h.Tape().empty() && h.Text1->toPlainText().isEmpty());
        owner.Append(QStringLiteral("7\r\n+ "));
        h.mnuClose->trigger();
        QVERIFY(!h.isVisible());
        QCOMPARE(h.Tape(), "7\r\n+ ");
        // Lines recorded while hidden: shown again, it opens on the last one.
        h.resize(400, 300);
        for (int i = 0; i < 300; ++i) owner.Append(QStringLiteral("1\r\n+ "));
        h.ShowLastLine();
        h.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h));
        QVERIFY(h.Text1->viewport()->rect().contains(h.Text1->cursorRect()));
    }

    // Never shown nor placed, it has no place and the saved one stays; shown
    // once or moved, its place is saved in twips and the next window takes it up.
    void positionIsSavedOnceKnownAndComesBack() {
        settings_->Write(QStringLiteral("HistTop"), QStringLiteral("abc"));
        frmHistory(kNoTape).Form_Unload();
        QCOMPARE(settings_->Read(QStringLiteral("HistTop")), QStringLiteral("abc"));
        frmHistory shown(kNoTape);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        shown.hide();
        shown.Form_Unload();
        QCOMPARE(settings_->Read(QStringLiteral("HistTop")), QString::number(shown.y() * 15));
        frmHistory moved(kNoTape);
        moved.move(100, 200);
        moved.Form_Unload();
        QCOMPARE(settings_->Read(QStringLiteral("HistTop")) + " " + settings_->Read(QStringLiteral("HistLeft")),
                 "3000 1500");
        QCOMPARE(frmHistory(kNoTape).pos(), QPoint(100, 200));
    }

    void lineValue_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("value");  // "-": none
        for (const auto& [name, line, value] : {
                 std::tuple{"a result", "= 8'5\"", "8'5\""}, {"an operand after its operator", "+ 10", "10"},
                 {"after a divide", "/ 3-1/2", "3-1/2"}, {"a first operand", "3'4-1/2\"", "3'4-1/2\""},
                 {"a negative first operand", "-0'2\"", "-0'2\""}, {"an operator waiting", "* ", "-"},
                 {"an error", "= Error 11", "-"}, {"clear all", "clr", "-"}, {"a blank line", "", "-"},
                 {"a pasted text kept whole", "+ 12 ft", "12 ft"}})
            QTest::newRow(name) << QString::fromUtf8(line) << QString::fromUtf8(value);
    }
    void lineValue() {
        QFETCH(QString, line);
        QFETCH(QString, value);
        const auto got = spanwright::history::LineValue(line.toStdString());
        QCOMPARE(got ? QString::fromStdString(*got) : QStringLiteral("-"), value);
    }

    // Enter on a line or a double-click on it gives the whole line's value
    // back; a line without one gives nothing.
    void linesAreGivenBack() {
        TapeOwner owner;
        const QString longOperand = QString(3000, u'7');
        const QString tape = "3'4-1/2\"\r\n+ 10\r\n= 4'2-1/2\"\r\nclr\r\n\r\n" + longOperand + "\r\n* ";
        owner.Append(tape);
        QStringList given;
        owner.window.SetLineRequest([&](const std::string& value) { given << QString::fromStdString(value); });
        owner.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner.window));
        QPlainTextEdit* box = owner.window.Text1;
        for (int block : {1, 0, 3, 5, 6}) {
            QTextCursor cursor(box->document()->findBlockByNumber(block));
            box->setTextCursor(cursor);
            QTest::keyClick(box, Qt::Key_Return);
        }
        box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(2)));
        box->ensureCursorVisible();
        const QPoint third = box->cursorRect().center();
        box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(3)));  // "clr", in view below it
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(given, (QStringList{"10", "3'4-1/2\"", longOperand, "4'2-1/2\""}));
        QCOMPARE(QString::fromStdString(owner.tape), tape);
    }

    // Ctrl+P prints the tape with the program's name and the date on every
    // page; a cancelled dialog or a printer that cannot start prints nothing.
    void printsToAPdfFile() {
        QTemporaryDir dir;
        TapeOwner owner;
        for (int i = 1; i <= 150; ++i) owner.Append(QStringLiteral("%1\r\n+ ").arg(i));
        owner.Append(QStringLiteral("½📏\r\n= Error 13"));
        Print(owner, dir.filePath("tape.pdf"));
        const QString text = PdfText(dir.filePath("tape.pdf"));
        QVERIFY2(text.count(QStringLiteral("Spanwright")) >= 2, qPrintable(text.left(300)));  // on each page
        QVERIFY(text.contains(QLocale().toString(QDate::currentDate(), QLocale::LongFormat)));
        for (const QString line : {"+ 150", "+ 1", "½", "= Error 13"}) QVERIFY2(text.contains(line), qPrintable(line));
        QVERIFY(messages_.records().empty());

        Print(owner, QString());
        Print(owner, dir.filePath("no/such/folder/tape.pdf"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"tape.pdf"});
        QCOMPARE(messages_.LastText(), QStringLiteral("The history could not be printed."));
        QCOMPARE(messages_.records().size(), std::size_t{1});
    }

    void savedPosition_data() {
        spanwright::test::AddRows(QFINDTESTDATA("history_positions.txt"), {"top", "left", "x", "y"});
    }
    // "-": nothing saved, or the place the window system chooses.
    void savedPosition() {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(QString, x);
        QFETCH(QString, y);
        const QPoint placed = frmHistory(kNoTape).pos();
        if (top != "-") settings_->Write(QStringLiteral("HistTop"), top);
        if (left != "-") settings_->Write(QStringLiteral("HistLeft"), left);
        QCOMPARE(frmHistory(kNoTape).pos(), QPoint(x == "-" ? placed.x() : x.toInt(), y == "-" ? placed.y() : y.toInt()));
    }

    void exportAsksForHistoryTxtAndWritesLongTextWhole() {
        QTemporaryDir dir;
        // A character outside the BMP across the 64 Ki-character chunk boundary.
        const QString wide = QString(65535, u'a') + QString::fromUtf8("\xF0\x9F\x93\x90" "b");
        const auto asked = Export(wide, dir.filePath(QStringLiteral("History.txt")));
        QCOMPARE(asked.title + " | " + asked.fileName + " | " + asked.filter,
                 "Export History List to a File... | History.txt | *.txt");
        QVERIFY(QFileInfo(asked.folder).isDir() && asked.folder != QCoreApplication::applicationDirPath());
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("History.txt"))), wide.toUtf8() + "\r\n");
    }

    void exportRules_data() {
        spanwright::test::AddRows(QFINDTESTDATA("history_export.txt"), {"chosen", "history", "written", "bytes"});
    }
    // The folder holds old.txt and a folder d.txt; "-" is no file written.
    void exportRules() {
        QFETCH(QString, chosen);
        QFETCH(QString, history);
        QFETCH(QString, written);
        QFETCH(QString, bytes);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("d.txt")));
        WriteFile(dir.filePath(QStringLiteral("old.txt")), kOld);
        QVERIFY(!Export(history, chosen.isEmpty() ? QString() : dir.filePath(chosen)).title.isEmpty());
        QVERIFY(messages_.records().empty());
        if (written != "-") QCOMPARE(ReadAll(dir.filePath(written)), bytes.toUtf8());
        if (written != "old.txt") QCOMPARE(ReadAll(dir.filePath(QStringLiteral("old.txt"))), kOld);
        const bool newFileHere = written != "-" && written != "old.txt" && !written.contains(u'/');
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), newFileHere ? 2 : 1);
    }

    void exportAsksBeforeReplacingAFileTheDialogNeverSaw_data() {
        spanwright::test::AddRows(QFINDTESTDATA("history_replace.txt"), {"chosen", "answer", "asked", "old"});
    }
    void exportAsksBeforeReplacingAFileTheDialogNeverSaw() {
        QFETCH(QString, chosen);
        QFETCH(QString, answer);
        QFETCH(QString, asked);
        QFETCH(QString, old);
        QTemporaryDir dir;
        WriteFile(dir.filePath(QStringLiteral("old.txt")), kOld);
        messages_.Answer(answer == "Yes");
        Export(QStringLiteral("5"), dir.filePath(chosen));
        QStringList questions;
        for (const auto& shown : messages_.records()) questions << (shown.question ? shown.text : "not a question: " + shown.text);
        QCOMPARE(questions, asked == "-" ? QStringList() : QStringList{asked});
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("old.txt"))), old.toUtf8());
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("new.txt"))), chosen == "new");
    }

    void exportFollowsOnlyLinksNoOtherUserControls_data() {
        spanwright::test::AddRows(QFINDTESTDATA("history_links.txt"),
                                  {"folder", "chosen", "links", "result", "named"});
    }
    void exportFollowsOnlyLinksNoOtherUserControls() {
        QFETCH(QString, folder);
        QFETCH(QString, chosen);
        QFETCH(QString, links);
        QFETCH(QString, result);
        QFETCH(QString, named);
        if (links.contains(QLatin1String(":other")) && geteuid() != 0)
            QSKIP("needs root to give a link to another user (uid 65534)");
        QTemporaryDir dir;
        const mode_t mode = folder == "shared" ? 01777 : folder == "group" ? 0770 : 0700;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), mode) == 0);
        WriteFile(dir.filePath(QStringLiteral("mine.txt")), kOld);
        const QStringList chain = links.split(u' ');
        for (qsizetype i = 0; i < chain.size(); ++i) {
            const QStringList link = chain[i].split(u':');
            const QString next = i + 1 < chain.size() ? chain[i + 1].section(u':', 0, 0) : QStringLiteral("mine.txt");
            const QByteArray at = QFile::encodeName(dir.filePath(link[0]));
            QVERIFY(::symlink(QFile::encodeName(next).constData(), at.constData()) == 0);
            if (link[1] == "other") QVERIFY(::lchown(at.constData(), 65534, 65534) == 0);
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        Export(QStringLiteral("5"), dir.filePath(chosen));
        if (result == "followed") {
            QVERIFY(messages_.records().empty());
            QCOMPARE(ReadAll(dir.filePath(QStringLiteral("mine.txt"))), QByteArray("5\r\n"));
            QVERIFY(QFileInfo(dir.filePath(chain[0].section(u':', 0, 0))).isSymLink());
        } else {
            QCOMPARE(messages_.records().size(), size_t{1});
            const auto& shown = messages_.records().front();
            QVERIFY2(!shown.question && shown.text.contains('"' + dir.filePath(named) + '"') &&
                         shown.text.contains(QLatin1String("uid 65534")),
                     qPrintable(shown.text));
            QCOMPARE(ReadAll(dir.filePath(QStringLiteral("mine.txt"))), kOld);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
    }

    void exportFails_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"missing folder", "folder in the file's place", "full disk", "read-only file"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    // The failure is shown once, naming the path, and what was there stays.
    void exportFails() {
        QFETCH(QString, how);
        if (how == "read-only file" && geteuid() == 0)
            QSKIP("root writes read-only files; the history_export_unprivileged test runs this case as uid 65534");
        QTemporaryDir dir;
        struct Unmount {
            QByteArray at;
            ~Unmount() { if (!at.isEmpty()) umount2(at.constData(), MNT_DETACH); }
        } unmount;
        if (how == "full disk") {
            if (geteuid() != 0 || mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=16k") != 0)
                QSKIP("mounting a small tmpfs needs root");
            unmount.at = QFile::encodeName(dir.path());
        }
        const QString path = dir.filePath(how == "missing folder" ? "no/such/History.txt" : "History.txt");
        const QString kept = how == "folder in the file's place" ? path + "/inside" : path;
        if (how == "folder in the file's place") QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("History.txt")));
        if (how != "missing folder") WriteFile(kept, kOld);
        if (how == "read-only file") QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        Export(QStringLiteral("12'3-1/2\"\r\n+ "), path, how == "full disk" ? 4000 : 1);  // 56 KB on the full disk
        QCOMPARE(messages_.records().size(), size_t{1});
        const auto& shown = messages_.records().front();
        QVERIFY(shown.icon == spanwright::platform::MessageIcon::Exclamation && shown.title == "Spanwright");
        QVERIFY2(shown.text.contains(path), qPrintable(shown.text));
        if (how != "missing folder") QCOMPARE(ReadAll(kept), kOld);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 how == "missing folder" ? QStringList() : QStringList{"History.txt"});
    }
};

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
