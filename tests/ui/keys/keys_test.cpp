// The keyboard map through the window (its rows run on the core alone, in
// tests/calculator): keys reach the map from any child, the History button
// and minimise show and hide the history window, focus comes back, and
// screen readers get the display as text.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "history/frmHistory.h"
#include "key_script.h"

using namespace spanwright::test;

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void keysReachTheMapFromAnyChildAndArrowsGoOn() {
        Window f;
        auto& w = f.Start();
        for (QWidget* child : std::initializer_list<QWidget*>{w.ForTest().controls.cmbRound, w.ForTest().controls.cmdHistory, w.ForTest().controls.chkSquare})
            QTest::keyClick(child, '7');
        QTest::keyClick(w.ForTest().controls.cmbFormat, Qt::Key_Return);
        QCOMPARE(w.ForTest().controls.lblDisplay->text(), QStringLiteral("64'9\""));  // 777 inches
        QCOMPARE(w.ForTest().controls.cmbRound->currentIndex(), 4);                   // the digit did not reach the list
        QVERIFY(!w.ForTest().controls.chkSquare->isChecked());
        QTest::keyClick(w.ForTest().controls.cmbRound, Qt::Key_Down);  // the list takes its arrow
        QCOMPARE(w.ForTest().controls.cmbRound->currentIndex(), 5);
    }

    void historyButtonAndMinimiseShowAndHideTheHistory() {
        Window f;
        auto& w = f.Start();
        w.showMinimized();
        w.showNormal();
        QVERIFY(!w.HistoryWindow()->isVisible());  // a hidden history stays hidden
        QCOMPARE(w.HistoryWindow()->Text1->accessibleName(), QStringLiteral("History"));
        Play(w, "[History]");
        QVERIFY(w.HistoryWindow()->isVisible());
        w.showMinimized();
        QVERIFY(!w.HistoryWindow()->isVisible());
        w.showNormal();
        QVERIFY(w.HistoryWindow()->isVisible());
        QVERIFY(!w.ForTest().blnHistVisible);
        Play(w, "5 + 3 Enter [History]");  // keys still reach the calculator
        QVERIFY(!w.HistoryWindow()->isVisible());
        QCOMPARE(HistoryLines(w), QStringLiteral("5|+ 3|= 0'8\""));
    }

    void focusComesBackAndTheHistoryShowsItsLastLine_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("throughTheMap");
        QTest::newRow("routed click") << "5 [+]" << true;
        QTest::newRow("key") << "5 +" << true;
        QTest::newRow("refused click") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 [6]" << false;
        QTest::newRow("direct click") << "5 [ft]" << false;
        QTest::newRow("History button") << "[History]" << false;
    }
    void focusComesBackAndTheHistoryShowsItsLastLine() {
        QFETCH(QString, action);
        QFETCH(bool, throughTheMap);
        Window f;
        auto& w = f.Start();
        Play(w, "5 + 3 Enter " + action.section(' ', 0, -2));
        w.HistoryWindow()->Text1->moveCursor(QTextCursor::Start);  // the user scrolled up
        Play(w, action.section(' ', -1));
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(&w));
        QCOMPARE(w.HistoryWindow()->Text1->textCursor().atEnd(), throughTheMap);
    }

    // The history window shows the core's own tape: a pasted character
    // outside the Basic Multilingual Plane shows, stays whole through an
    // operator swap, and is exported whole.
    void aPastedWideCharacterShowsEditsAndExportsWhole() {
        Window f;
        auto& w = f.Start();
        QTemporaryDir dir;
        w.HistoryWindow()->SetSaveDialog([&](QWidget*, const spanwright::frmHistory::SaveRequest&) {
            return dir.filePath("History.txt");
        });
        Play(w, "5 + clip:1📏 Ctrl+v - *");
        QCOMPARE(HistoryLines(w), QStringLiteral("5|+ 1📏|= Error 13|* "));  // the - was swapped for *
        QCOMPARE(w.HistoryWindow()->Text1->toPlainText(), HistoryLines(w).replace(u'|', u'\n'));
        w.HistoryWindow()->mnuExport->trigger();
        QFile exported(dir.filePath("History.txt"));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), QByteArray::fromStdString(w.HistoryWindow()->Tape()) + "\r\n");
    }

    // A line given back from the history window is the next operand, and the
    // keys go on to the calculator.
    void aLineGivenBackIsTheNextOperand() {
        Window f;
        auto& w = f.Start();
        Play(w, "5 + 3 Enter [History]");
        QPlainTextEdit* box = w.HistoryWindow()->Text1;
        box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(1)));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(w.ForTest().controls.lblDisplay->text(), QStringLiteral("3"));
        Play(w, "* 2 Enter");
        QCOMPARE(w.ForTest().controls.lblDisplay->text(), QStringLiteral("0'6\""));
    }

    void displayAndTagAreReadAsText() {
        Window f;
        auto& w = f.Start();
        Play(w, "{Square} 2 * 3 Enter");
        for (auto [label, name, text] : {std::tuple{w.ForTest().controls.lblDisplay, "Display", "6"}, {w.ForTest().controls.lblSquare, "Square units", "sqIn"}}) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label);
            QVERIFY(reader && reader->textInterface());
            QCOMPARE(reader->text(QAccessible::Name), QString(name));
            QCOMPARE(reader->textInterface()->text(0, reader->textInterface()->characterCount()), QString(text));
        }
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
