// The keyboard map's place in the window: keys reach it whatever child has
// the focus, the History button and minimise show and hide the history
// window, and screen readers get the display as text (its announcements are
// read over AT-SPI by screen_reader/read_display.sh).
#include <QAccessible>
#include <QPlainTextEdit>
#include <QtTest>

#include "history/frmHistory.h"
#include "key_script.h"
#include "main_window/main_window_fixture.h"

using spanwright::test::HistoryLines;
using spanwright::test::MainWindowFixture;
using spanwright::test::Play;

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void keysReachTheMapFromAnyChild();
    void otherKeysGoOnToTheFocusedControl();
    void historyButtonToggles();
    void minimiseHidesTheHistoryWindowAndRestoreBringsItBack();
    void minimiseLeavesAHiddenHistoryHidden();
    void historyWindowExistsHiddenAfterStartUp();
    void displayIsReadAsText();
    void clearAllThroughTheEngineKeepsTheMapConsistent();
    void focusComesBackAndTheHistoryShowsItsLastLine_data();
    void focusComesBackAndTheHistoryShowsItsLastLine();
};

void WindowTest::keysReachTheMapFromAnyChild() {
    MainWindowFixture f;
    auto& w = f.Start();
    for (QWidget* child : {static_cast<QWidget*>(w.cmbRound), static_cast<QWidget*>(w.cmdHistory),
                           static_cast<QWidget*>(w.chkSquare)}) {
        QTest::keyClick(child, '7');
    }
    QTest::keyClick(w.cmbFormat, Qt::Key_Return);
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("64'9\""));  // 777 inches
    QCOMPARE(w.cmbRound->currentIndex(), 4);                   // the digit did not reach the list
    QCOMPARE(w.chkSquare->isChecked(), false);
}

void WindowTest::otherKeysGoOnToTheFocusedControl() {
    MainWindowFixture f;
    auto& w = f.Start();
    QTest::keyClick(w.cmbRound, Qt::Key_Down);  // the list takes its arrow
    QCOMPARE(w.cmbRound->currentIndex(), 5);
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0"));
}

void WindowTest::historyButtonToggles() {
    MainWindowFixture f;
    auto& w = f.Start();
    Play(w, "[History]");
    QVERIFY(w.HistoryWindow()->isVisible());
    Play(w, "5 + 3 Enter");  // keys still reach the calculator
    QCOMPARE(HistoryLines(w), QStringLiteral("5|+ 3|= 0'8\""));
    Play(w, "[History]");
    QVERIFY(!w.HistoryWindow()->isVisible());
}

void WindowTest::minimiseHidesTheHistoryWindowAndRestoreBringsItBack() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.cmdHistory_Click();
    QVERIFY(w.HistoryWindow()->isVisible());
    w.showMinimized();
    QVERIFY(!w.HistoryWindow()->isVisible());
    QVERIFY(w.blnHistVisible);
    w.showNormal();
    QVERIFY(w.HistoryWindow()->isVisible());
    QVERIFY(!w.blnHistVisible);
}

void WindowTest::minimiseLeavesAHiddenHistoryHidden() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.showMinimized();
    w.showNormal();
    QVERIFY(!w.HistoryWindow()->isVisible());
    QVERIFY(!w.blnHistVisible);
}

void WindowTest::historyWindowExistsHiddenAfterStartUp() {
    MainWindowFixture f;
    f.settings.Write("HistTop", "1500");
    f.settings.Write("HistLeft", "3000");
    auto& w = f.Start();
    QVERIFY(!w.HistoryWindow()->isVisible());
    QCOMPARE(w.HistoryWindow()->Text1->accessibleName(), QStringLiteral("History"));
    f.Close();  // the history window saves its position first
    bool found = false;
    f.settings.Read("HistTop", &found);
    QVERIFY(found);
}

void WindowTest::displayIsReadAsText() {
    MainWindowFixture f;
    auto& w = f.Start();
    Play(w, "3 ' 4");
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(w.lblDisplay);
    QVERIFY(display);
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("Display"));
    QAccessibleTextInterface* text = display->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("3'4"));
    Play(w, "{Square} 2 * 3 Enter");
    QAccessibleInterface* tag = QAccessible::queryAccessibleInterface(w.lblSquare);
    QCOMPARE(tag->text(QAccessible::Name), QStringLiteral("Square units"));
    QCOMPARE(tag->textInterface()->text(0, 4), QStringLiteral("sqIn"));
}

void WindowTest::clearAllThroughTheEngineKeepsTheMapConsistent() {
    // A failed step clears all inside the key's pass; the next click is
    // still handed to the map and recorded.
    MainWindowFixture f;
    auto& w = f.Start();
    Play(w, "8 / 0 Enter [2] [+] [3] [=]");
    QCOMPARE(HistoryLines(w), QStringLiteral("8|/ 0|= Error 11||2|+ 3|= 0'5\""));
    QCOMPARE(f.messages.records().size(), std::size_t(1));
}

void WindowTest::focusComesBackAndTheHistoryShowsItsLastLine_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("throughTheMap");
    QTest::newRow("routed click") << "5" << "[+]" << true;
    QTest::newRow("key") << "5" << "+" << true;
    QTest::newRow("refused click") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5" << "[6]" << false;
    QTest::newRow("direct click") << "5" << "[ft]" << false;
    QTest::newRow("History button") << "" << "[History]" << false;
}

void WindowTest::focusComesBackAndTheHistoryShowsItsLastLine() {
    QFETCH(QString, before);
    QFETCH(QString, action);
    QFETCH(bool, throughTheMap);
    MainWindowFixture f;
    auto& w = f.Start();
    Play(w, "5 + 3 Enter " + before);
    w.HistoryWindow()->Text1->moveCursor(QTextCursor::Start);  // the user scrolled up
    Play(w, action);
    QCOMPARE(w.focusWidget(), static_cast<QWidget*>(&w));
    QCOMPARE(w.HistoryWindow()->Text1->textCursor().atEnd(), throughTheMap);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"

