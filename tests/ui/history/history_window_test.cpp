// The history window: its text API, menus, position memory and layout.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <optional>
#include <vector>

#include "history/frmHistory.h"
#include "support/ui_support.h"

using spanwright::frmHistory;

namespace {
// One edit of the history: Append(text) or RemoveLast(count).
struct Edit {
    QString append;
    qsizetype removeLast = -1;
};
Edit Add(const QString& s) { return {s, -1}; }
Edit Cut(qsizetype n) { return {{}, n}; }

using Edits = std::vector<Edit>;
using Edge = std::optional<QString>;  // nullopt: no value saved
}  // namespace
Q_DECLARE_METATYPE(Edits)
Q_DECLARE_METATYPE(Edge)

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void edits_data();
    void edits();
    void editsDoNotTouchTheUndoStack();
    void userCannotType();
    void showLastLineScrollsToTheEnd();
    void clearEmptiesAndStartsAfresh();
    void closeHidesAndKeepsText();
    void menusAndCaption();
    void positionRoundTrip();
    void positionSavedOnlyOnceKnown();
    void savedPosition_data();
    void savedPosition();
    void designedLayout();
    void resizeFollowsClient_data();
    void resizeFollowsClient();
};

void HistoryWindowTest::edits_data() {
    QTest::addColumn<Edits>("steps");
    QTest::addColumn<QString>("text");   // the CR-LF text afterwards
    QTest::addColumn<QString>("shown");  // what the box shows, lines joined by "\n"

    QTest::newRow("lines arrive with their CR LF") << Edits{Add("5\r\n+ "), Add("3")} << "5\r\n+ 3" << "5\n+ 3";
    QTest::newRow("operator swapped") << Edits{Add("5\r\n+ "), Cut(2), Add("- ")} << "5\r\n- " << "5\n- ";
    QTest::newRow("remove across a line break")
        << Edits{Add("5\r\n+ 3\r\n= 8"), Cut(5)} << "5\r\n+ 3" << "5\n+ 3";
    QTest::newRow("remove across two line breaks") << Edits{Add("a\r\nb\r\nc"), Cut(6)} << "a" << "a";
    QTest::newRow("remove splits a CR LF, LF comes back")
        << Edits{Add("a\r\nb"), Cut(2), Add("\nc")} << "a\r\nc" << "a\nc";
    QTest::newRow("CR LF arriving in two appends") << Edits{Add("a\r"), Add("\nb")} << "a\r\nb" << "a\nb";
    QTest::newRow("remove more than there is changes nothing") << Edits{Add("-"), Cut(2)} << "-" << "-";
    QTest::newRow("remove nothing") << Edits{Add("7"), Cut(0)} << "7" << "7";
    QTest::newRow("remove everything") << Edits{Add("ab\r\n"), Cut(4)} << "" << "";
    QTest::newRow("blank line") << Edits{Add("= 8\r\n\r\n9")} << "= 8\r\n\r\n9" << "= 8\n\n9";
    QTest::newRow("pasted non-ASCII") << Edits{Add("5\u00bd\r\n"), Cut(2), Add(QString::fromUtf8("\xF0\x9F\x93\x90"))}
                                      << QString::fromUtf8("5\u00bd\xF0\x9F\x93\x90")
                                      << QString::fromUtf8("5\u00bd\xF0\x9F\x93\x90");
}

void HistoryWindowTest::edits() {
    QFETCH(Edits, steps);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    spanwright::test::TempSettings settings;
    frmHistory h;
    for (const Edit& e : steps) {
        if (e.removeLast >= 0) h.RemoveLast(e.removeLast);
        else h.Append(e.append);
    }
    QCOMPARE(h.Text(), text);
    QCOMPARE(h.Length(), text.size());
    QCOMPARE(h.Text1->toPlainText(), shown);
    QCOMPARE(h.Text1->document()->blockCount(), shown.count(QLatin1Char('\n')) + 1);
}

void HistoryWindowTest::editsDoNotTouchTheUndoStack() {
    spanwright::test::TempSettings settings;
    frmHistory h;
    for (int i = 0; i < 50; ++i) h.Append(QStringLiteral("1\r\n+ "));
    h.RemoveLast(2);
    QCOMPARE(h.Text1->document()->availableUndoSteps(), 0);
}

void HistoryWindowTest::userCannotType() {
    spanwright::test::TempSettings settings;
    frmHistory h;
    h.Append(QStringLiteral("5\r\n+ "));
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    h.Text1->setFocus();
    QTest::keyClicks(h.Text1, QStringLiteral("abc"));
    QTest::keyClick(h.Text1, Qt::Key_Backspace);
    QTest::keyClick(h.Text1, Qt::Key_Return);
    QCOMPARE(h.Text(), QStringLiteral("5\r\n+ "));
    QCOMPARE(h.Text1->toPlainText(), QStringLiteral("5\n+ "));
    QVERIFY(h.Text1->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(h.Text1->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

void HistoryWindowTest::showLastLineScrollsToTheEnd() {
    spanwright::test::TempSettings settings;
    frmHistory h;
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    for (int i = 0; i < 300; ++i) h.Append(QStringLiteral("1\r\n+ "));
    h.ShowLastLine();
    QCOMPARE(h.Text1->textCursor().selectionStart(), h.Text1->document()->characterCount() - 1);
    QVERIFY(h.Text1->verticalScrollBar()->value() > 0);
    const QRect lastLine = h.Text1->cursorRect();
    QVERIFY2(h.Text1->viewport()->rect().contains(lastLine), qPrintable(QStringLiteral("%1,%2 in %3").arg(lastLine.top()).arg(lastLine.bottom()).arg(h.Text1->viewport()->height())));
}

void HistoryWindowTest::clearEmptiesAndStartsAfresh() {
    spanwright::test::TempSettings settings;
    frmHistory h;
    h.Append(QStringLiteral("5\r\n+ 3\r\n= 8"));
    h.mnuClear->trigger();
    QCOMPARE(h.Text(), QString());
    QCOMPARE(h.Length(), 0);
    QCOMPARE(h.Text1->toPlainText(), QString());
    h.Append(QStringLiteral("7\r\n+ "));
    QCOMPARE(h.Text(), QStringLiteral("7\r\n+ "));
    QCOMPARE(h.Text1->toPlainText(), QStringLiteral("7\n+ "));
}

void HistoryWindowTest::closeHidesAndKeepsText() {
    spanwright::test::TempSettings settings;
    frmHistory h;
    h.Append(QStringLiteral("5\r\n+ "));
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    h.mnuClose->trigger();
    QVERIFY(!h.isVisible());
    QCOMPARE(h.Text(), QStringLiteral("5\r\n+ "));
    h.show();
    QVERIFY(h.isVisible());
}

void HistoryWindowTest::menusAndCaption() {
    spanwright::test::TempSettings settings;
    frmHistory h;
    QCOMPARE(h.windowTitle(), QStringLiteral("History - Spanwright"));
    QVERIFY(h.isWindow());
    QVERIFY(!h.windowIcon().isNull());
    const QList<QAction*> bar = h.menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->menu(), h.mnuFile);
    QCOMPARE(h.mnuFile->title(), QStringLiteral("File"));
    QCOMPARE(bar[1], h.mnuClear);
    QCOMPARE(h.mnuClear->text(), QStringLiteral("Clear"));
    const QList<QAction*> file = h.mnuFile->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file[0], h.mnuExport);
    QCOMPARE(h.mnuExport->text(), QStringLiteral("Export to File..."));
    QCOMPARE(file[1], h.Space1);
    QVERIFY(h.Space1->isSeparator());
    QCOMPARE(file[2], h.mnuClose);
    QCOMPARE(h.mnuClose->text(), QStringLiteral("Close"));
    QVERIFY(h.Text1->isReadOnly());
    QCOMPARE(h.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

// Moved, then unloaded while hidden: the next load puts it back.
void HistoryWindowTest::positionRoundTrip() {
    spanwright::test::TempSettings settings;
    {
        frmHistory h;
        h.move(100, 200);
        h.Form_Unload();
    }
    QCOMPARE(settings.Read(QStringLiteral("HistTop")), QStringLiteral("3000"));
    QCOMPARE(settings.Read(QStringLiteral("HistLeft")), QStringLiteral("1500"));
    frmHistory next;
    QCOMPARE(next.pos(), QPoint(100, 200));
}

// Shown once and hidden again: its place is saved; never shown nor placed: it
// has no place yet, and the saved one stays.
void HistoryWindowTest::positionSavedOnlyOnceKnown() {
    spanwright::test::TempSettings settings;
    settings.Write(QStringLiteral("HistTop"), QStringLiteral("abc"));
    frmHistory(nullptr).Form_Unload();
    QCOMPARE(settings.Read(QStringLiteral("HistTop")), QStringLiteral("abc"));
    bool found = true;
    settings.Read(QStringLiteral("HistLeft"), &found);
    QVERIFY(!found);

    frmHistory shown;
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    shown.hide();
    shown.Form_Unload();
    QCOMPARE(settings.Read(QStringLiteral("HistTop")), QString::number(shown.y() * 15));
    QCOMPARE(settings.Read(QStringLiteral("HistLeft")), QString::number(shown.x() * 15));
}

void HistoryWindowTest::savedPosition_data() {
    QTest::addColumn<Edge>("top");
    QTest::addColumn<Edge>("left");
    QTest::addColumn<Edge>("x");  // expected pixels; nullopt: where the window system puts it
    QTest::addColumn<Edge>("y");
    const Edge none;
    QTest::newRow("nothing saved") << none << none << none << none;
    QTest::newRow("both saved") << Edge("3000") << Edge("1500") << Edge("100") << Edge("200");
    QTest::newRow("blanks and a plus sign") << Edge(" +3000 ") << Edge("1500\t") << Edge("100") << Edge("200");
    QTest::newRow("garbage top, left still used") << Edge("abc") << Edge("1500") << Edge("100") << none;
    QTest::newRow("empty left, top still used") << Edge("3000") << Edge("") << none << Edge("200");
    QTest::newRow("beyond 16 bits") << Edge("40000") << Edge("32768") << none << none;
    QTest::newRow("half to even: 1522.5 twips is 1522") << Edge("3000") << Edge("1522.5") << Edge("101") << Edge("200");
    QTest::newRow("off every screen to the right") << Edge("3000") << Edge("30000") << none << none;
    QTest::newRow("off every screen above") << Edge("-30000") << Edge("1500") << none << none;
}

void HistoryWindowTest::savedPosition() {
    QFETCH(Edge, top);
    QFETCH(Edge, left);
    QFETCH(Edge, x);
    QFETCH(Edge, y);
    spanwright::test::TempSettings settings;
    const QPoint placed = frmHistory().pos();
    if (top) settings.Write(QStringLiteral("HistTop"), *top);
    if (left) settings.Write(QStringLiteral("HistLeft"), *left);
    frmHistory h;
    QCOMPARE(h.pos().x(), x ? x->toInt() : placed.x());
    QCOMPARE(h.pos().y(), y ? y->toInt() : placed.y());
}

// The designed client area of 3405 x 4800 twips holds Text1 at 45, 45 with
// 3300 x 4695 twips.
void HistoryWindowTest::designedLayout() {
    spanwright::test::TempSettings settings;
    frmHistory h;
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    QCOMPARE(h.centralWidget()->size(), QSize(227, 320));
    QCOMPARE(h.Text1->geometry(), QRect(3, 3, 220, 313));
}

void HistoryWindowTest::resizeFollowsClient_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("noRoomBelow");  // the client area is shorter than the margins
    QTest::newRow("larger") << QSize(400, 500) << false;
    QTest::newRow("very short") << QSize(300, 1) << true;
    QTest::newRow("very narrow") << QSize(1, 300) << false;
}

// Text1 keeps its corner at 3, 3 and leaves 4 px right and below; never a
// negative size.
void HistoryWindowTest::resizeFollowsClient() {
    QFETCH(QSize, window);
    QFETCH(bool, noRoomBelow);
    spanwright::test::TempSettings settings;
    frmHistory h;
    h.show();
    QVERIFY(QTest::qWaitForWindowExposed(&h));
    h.resize(window);
    QCoreApplication::processEvents();
    const QSize client(h.width(), h.height() - h.menuBar()->height());
    QCOMPARE(h.Text1->pos(), QPoint(3, 3));
    QCOMPARE(h.Text1->width(), std::max(0, client.width() - 7));
    QCOMPARE(h.Text1->height(), std::max(0, client.height() - 7));
    if (noRoomBelow) {
        QVERIFY(client.height() < 7);
        QCOMPARE(h.Text1->height(), 0);
    }
}

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
