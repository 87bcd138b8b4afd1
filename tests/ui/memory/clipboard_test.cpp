// Copy and paste on a real main window, by the buttons and by Ctrl+C and
// Ctrl+V, with the system clipboard of the test's own application.
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include "memory_support.h"

using spanwright::test::MemoryWindow;

namespace {

QClipboard& Clipboard() { return *QGuiApplication::clipboard(); }

void Paste(MemoryWindow& m, bool byKeys) {
    if (byKeys) m.Keys("Ctrl+V");
    else m.Click(m.w().cmdPaste);
}

void Copy(MemoryWindow& m, bool byKeys) {
    if (byKeys) m.Keys("Ctrl+C");
    else m.Click(m.w().cmdClipboard);
}

// Decimal "Square Feet": 1'6" times 2' is a square-feet result with its tag.
void SquareFeetResult(MemoryWindow& m) {
    m.SquareUnits(true);
    m.Keys("1 ' 6 \" * 2 ' Enter");
    QCOMPARE(m.Tag(), QStringLiteral("sqFt"));
}

}  // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void copy_data();
    void copy();
    void copySquareFeetResult();
    void ctrlShiftCCopiesNothing();
    void paste_data();
    void paste();
    void pasteWithoutTextChangesNothing();
    void pastedValueIsTheNextOperand_data();
    void pastedValueIsTheNextOperand();
    void megabytePasteAnswersTheNextKey();
};

void ClipboardTest::copy_data() {
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("copied");
    for (bool byKeys : {false, true}) {
        const char* how = byKeys ? "Ctrl+C" : "button";
        QTest::addRow("%s: a keyed length", how) << byKeys << "3 ' 4 f 1 / 2 \"" << "3'4-1/2\"";
        QTest::addRow("%s: a result", how) << byKeys << "5 + 3 Enter" << "0'8\"";
        QTest::addRow("%s: an empty display", how) << byKeys << "5 Del" << "";
    }
}

void ClipboardTest::copy() {
    QFETCH(bool, byKeys);
    QFETCH(QString, keys);
    QFETCH(QString, copied);
    MemoryWindow m;
    m.Keys(keys);
    Clipboard().setText(QStringLiteral("before"));
    const QString history = m.History();
    Copy(m, byKeys);
    const QMimeData* data = Clipboard().mimeData();
    QVERIFY(data && data->hasText());
    QCOMPARE(data->text(), copied);
    QCOMPARE(m.Display(), copied);
    QCOMPARE(m.History(), history);
}

// Ctrl going down turns the tag into the feet mark before C arrives; the
// button, a click, copies the result as shown.
void ClipboardTest::copySquareFeetResult() {
    MemoryWindow m;
    SquareFeetResult(m);
    const QString result = m.Display();
    Copy(m, false);
    QCOMPARE(Clipboard().text(), result);
    QCOMPARE(m.Tag(), QStringLiteral("sqFt"));
    Copy(m, true);
    QCOMPARE(Clipboard().text(), result + QLatin1Char('\''));
    QCOMPARE(m.Display(), result + QLatin1Char('\''));
    QCOMPARE(m.Tag(), QString());
}

void ClipboardTest::ctrlShiftCCopiesNothing() {
    MemoryWindow m;
    SquareFeetResult(m);
    const QString result = m.Display();
    Clipboard().setText(QStringLiteral("untouched"));
    m.Keys("Ctrl+Shift+C");
    QCOMPARE(Clipboard().text(), QStringLiteral("untouched"));
    QCOMPARE(m.Display(), result + QLatin1Char('\''));  // the carry-over still ran
}

void ClipboardTest::paste_data() {
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("display");
    for (bool byKeys : {false, true}) {
        const char* how = byKeys ? "Ctrl+V" : "button";
        QTest::addRow("%s: 17 characters, then a digit appends", how)
            << byKeys << "1" << "12345678901234567" << "8" << "123456789012345678";
        QTest::addRow("%s: 15 characters, then a digit is refused", how)
            << byKeys << "1" << "123456789012345" << "8" << "123456789012345";
        QTest::addRow("%s: after a result a digit replaces it", how)
            << byKeys << "5 + 3 Enter" << "12345678901234567" << "8" << "8";
        QTest::addRow("%s: line breaks and blanks stay", how)
            << byKeys << "" << " 12\r\n3 ft\n" << "" << " 12\r\n3 ft\n";
        QTest::addRow("%s: markup is text", how) << byKeys << "" << "<b>5</b>" << "" << "<b>5</b>";
    }
}

void ClipboardTest::paste() {
    QFETCH(bool, byKeys);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(QString, display);
    MemoryWindow m;
    m.Keys(before);
    const QString history = m.History();
    Clipboard().setText(pasted);
    Paste(m, byKeys);
    QCOMPARE(m.Display(), pasted);
    QCOMPARE(m.History(), history);
    m.Keys(after);
    QCOMPARE(m.Display(), display);
    QVERIFY(m.messages.records().empty());
}

void ClipboardTest::pasteWithoutTextChangesNothing() {
    for (bool byKeys : {false, true}) {
        MemoryWindow m;
        m.Keys("1 2");
        auto* picture = new QMimeData;
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        picture->setImageData(image);
        Clipboard().setMimeData(picture);
        QVERIFY(!Clipboard().mimeData()->hasText());
        Paste(m, byKeys);
        QCOMPARE(m.Display(), QStringLiteral("12"));
        Clipboard().clear();
        Paste(m, byKeys);
        QCOMPARE(m.Display(), QStringLiteral("12"));
        m.Keys("3");
        QCOMPARE(m.Display(), QStringLiteral("123"));
    }
}

// Right after an operator key a pasted value is the operand of the next
// operator; after a square result it is a length, free of the square mark.
void ClipboardTest::pastedValueIsTheNextOperand_data() {
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("display");
    for (bool byKeys : {false, true}) {
        const char* how = byKeys ? "Ctrl+V" : "button";
        QTest::addRow("%s: 5 + [3] * 2", how) << byKeys << "5 +" << "3" << "* 2 Enter" << "1'4\"";
        QTest::addRow("%s: 5 + [3] Enter", how) << byKeys << "5 +" << "3" << "Enter" << "0'8\"";
        QTest::addRow("%s: after a result, [5'] + 1", how) << byKeys << "5 + 3 Enter" << "5'" << "+ 1 Enter" << "5'1\"";
    }
}

void ClipboardTest::pastedValueIsTheNextOperand() {
    QFETCH(bool, byKeys);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(QString, display);
    MemoryWindow m;
    m.Keys(before);
    Clipboard().setText(pasted);
    Paste(m, byKeys);
    m.Keys(after);
    QCOMPARE(m.Display(), display);
    QVERIFY(m.messages.records().empty());
}

// The display shows a megabyte of lines on one line and answers the next
// key at once; Enter reports the text as any unreadable entry and clears
// all. The time is printed, not asserted.
void ClipboardTest::megabytePasteAnswersTheNextKey() {
    MemoryWindow m;
    m.w().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m.w()));
    const QSize size = m.w().size();
    const QRect display = m.w().lblDisplay->geometry();
    const QString megabyte = QString(QStringLiteral("12 ft 3\n")).repeated((1 << 20) / 8);
    m.Keys("1");
    Clipboard().setText(megabyte);

    QElapsedTimer timer;
    timer.start();
    Paste(m, false);
    m.w().lblDisplay->repaint();
    const qint64 pasted = timer.elapsed();
    m.Keys("5");
    m.w().lblDisplay->repaint();
    const qint64 total = timer.elapsed();
    qInfo("1 MB paste and repaint: %lld ms; with the next key and repaint: %lld ms (target 100 ms)", pasted, total);

    QCOMPARE(m.Display(), megabyte + QLatin1Char('5'));
    QCOMPARE(m.w().size(), size);
    QCOMPARE(m.w().lblDisplay->geometry(), display);
    // Drawn on one line: the label's middle row holds figures, its top and
    // bottom rows only the background.
    const QImage drawn = m.w().lblDisplay->grab().toImage();
    auto rowHasInk = [&](int y) {
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixelColor(x, y) != QColor(Qt::black)) return true;
        return false;
    };
    QVERIFY(rowHasInk(drawn.height() / 2));
    QVERIFY(!rowHasInk(0));
    QVERIFY(!rowHasInk(drawn.height() - 1));

    m.Keys("Enter");
    QCOMPARE(m.messages.records().size(), std::size_t{1});
    QCOMPARE(m.messages.LastText(), QStringLiteral("Error 13: Invalid input."));
    QCOMPARE(m.Display(), QStringLiteral("0"));
}

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
