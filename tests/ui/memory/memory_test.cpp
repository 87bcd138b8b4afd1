// Store and Recall on a real main window: capacity, the fixed items, what a
// recalled text does next, and what Store and Recall leave alone.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "memory_support.h"

using spanwright::test::MemoryWindow;

namespace {

QStringList Numbers(int from, int to) {
    QStringList texts;
    for (int i = from; i <= to; ++i) texts << QString::number(i);
    return texts;
}

}  // namespace

class MemoryTest : public QObject {
    Q_OBJECT
private slots:
    void capacity_data();
    void capacity();
    void storesTheDisplayAsItIs();
    void clearEmptiesOnlyTheTexts();
    void recalledText_data();
    void recalledText();
    void recalledLengthAfterSquareResult();
    void storeAndRecallRecordNothingAndSkipTheKeyboardMap();
    void menuOpensBesideRecall();
    void menuFromTheKeyboard();
};

// Each capacity is checked by filling the list one past it: the oldest goes.
void MemoryTest::capacity_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("capacity");
    QTest::newRow("missing") << false << QString() << 10;
    QTest::newRow("25") << true << "25" << 25;
    QTest::newRow("25.0") << true << "25.0" << 25;
    QTest::newRow("1") << true << "1" << 1;
    QTest::newRow("0") << true << "0" << 10;
    QTest::newRow("-3") << true << "-3" << 10;
    QTest::newRow("abc") << true << "abc" << 10;
    QTest::newRow("2.5") << true << "2.5" << 10;
    QTest::newRow("empty") << true << "" << 10;
}

void MemoryTest::capacity() {
    QFETCH(bool, present);
    QFETCH(QString, setting);
    QFETCH(int, capacity);
    const QByteArray text = setting.toUtf8();
    MemoryWindow m(present ? text.constData() : nullptr);
    QCOMPARE(m.w().lngListCount, capacity);
    for (int i = 1; i <= capacity + 1; ++i) m.StoreKeyed(QString::number(i));
    QCOMPARE(m.Stored(), Numbers(2, capacity + 1));
    QCOMPARE(m.w().cp->MenuItemCaption(1), QStringLiteral("Clear"));
    QCOMPARE(m.w().cp->MenuItemCaption(2), QStringLiteral("-"));
}

void MemoryTest::storesTheDisplayAsItIs() {
    MemoryWindow m;
    m.Keys("5 Del");  // clear entry empties the display
    QCOMPARE(m.Display(), QString());
    m.Click(m.w().cmdStore);
    m.Keys("3 ' 4 f 1");  // unfinished: 3'4-1
    m.Click(m.w().cmdStore);
    m.Click(m.w().cmdStore);  // equal texts are kept twice
    QCOMPARE(m.Stored(), (QStringList{"", "3'4-1", "3'4-1"}));
    QCOMPARE(m.OpenRecall().actions().size(), 5);
    m.w().cp->Menu().hide();
}

void MemoryTest::clearEmptiesOnlyTheTexts() {
    MemoryWindow m;
    m.Keys("7");
    m.Recall(1);  // nothing stored yet
    QCOMPARE(m.w().cp->MenuItemCount(), 2);
    QCOMPARE(m.Display(), QStringLiteral("7"));

    for (const char* t : {"1", "2", "3"}) m.StoreKeyed(t);
    m.Recall(1);
    QCOMPARE(m.Stored(), QStringList());
    QCOMPARE(m.w().cp->MenuItemCaption(1), QStringLiteral("Clear"));
    QCOMPARE(m.w().cp->MenuItemCaption(2), QStringLiteral("-"));
    QCOMPARE(m.Display(), QStringLiteral("3"));
    m.StoreKeyed("4");  // the list works on after a Clear
    QCOMPARE(m.Stored(), QStringList{"4"});
}

// "12" is stored first; then `before`, a recall of it, then `after`.
void MemoryTest::recalledText_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("display");
    QTest::newRow("after a result, a digit starts a new entry") << "5 + 3 Enter" << "4" << "4";
    QTest::newRow("after a result, an operator uses it") << "5 + 3 Enter" << "+ 1 Enter" << "1'1\"";
    QTest::newRow("after an operator, Enter uses it") << "5 +" << "Enter" << "1'5\"";
    QTest::newRow("after an operator, the next operator uses it") << "5 +" << "* 2 Enter" << "2'10\"";
    QTest::newRow("a digit after a recalled entry in progress appends") << "6" << "3" << "123";
}

void MemoryTest::recalledText() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, display);
    MemoryWindow m;
    m.StoreKeyed("12");
    m.Keys("Del Del");
    m.Keys(before);
    m.Recall(3);
    QCOMPARE(m.Display(), QStringLiteral("12"));
    m.Keys(after);
    QCOMPARE(m.Display(), display);
    QVERIFY(m.messages.records().empty());
}

// A square result's tag does not glue its mark to a recalled length.
void MemoryTest::recalledLengthAfterSquareResult() {
    MemoryWindow m;
    m.Keys("5 '");
    m.Click(m.w().cmdStore);
    m.Keys("Del Del");
    m.SquareUnits(false);
    m.Keys("2 * 3 Enter");
    QCOMPARE(m.Display(), QStringLiteral("6"));
    QCOMPARE(m.Tag(), QStringLiteral("sqIn"));
    m.Recall(3);
    QCOMPARE(m.Display(), QStringLiteral("5'"));
    QCOMPARE(m.Tag(), QString());
    m.Keys("+ 1 Enter");
    QCOMPARE(m.Display(), QStringLiteral("61"));
    QVERIFY(m.messages.records().empty());
}

// A key through the keyboard map would turn the square tag into its mark;
// Store and Recall leave both the tag and the history as they are.
void MemoryTest::storeAndRecallRecordNothingAndSkipTheKeyboardMap() {
    MemoryWindow m;
    m.SquareUnits(false);
    m.Keys("2 * 3 Enter");
    const QString history = m.History();
    QVERIFY(!history.isEmpty());

    m.Click(m.w().cmdStore);
    QCOMPARE(m.Stored(), QStringList{"6"});
    QCOMPARE(m.Tag(), QStringLiteral("sqIn"));
    QMenu& menu = m.OpenRecall();
    QCOMPARE(m.Tag(), QStringLiteral("sqIn"));
    QTest::keyClick(&menu, Qt::Key_Escape);
    QVERIFY(!menu.isVisible());
    QCOMPARE(m.Display(), QStringLiteral("6"));
    m.Recall(3);
    m.Recall(1);
    QCOMPARE(m.History(), history);
}

void MemoryTest::menuOpensBesideRecall() {
    MemoryWindow m;
    QMenu& menu = m.OpenRecall();
    const QRect button = m.w().cmdRecall->geometry();
    const QPoint expected = m.w().mapToGlobal(QPoint(button.right() + 1, button.center().y()));
    qInfo("Recall button %d,%d %dx%d px; menu at %d,%d in the window", button.x(), button.y(), button.width(),
          button.height(), m.w().mapFromGlobal(menu.pos()).x(), m.w().mapFromGlobal(menu.pos()).y());
    QCOMPARE(menu.pos().x(), expected.x());
    QVERIFY(qAbs(menu.pos().y() - expected.y()) <= 1);
    menu.hide();
}

// Down goes to "Clear", the next Down skips the separator; Enter chooses,
// Escape closes with no choice.
void MemoryTest::menuFromTheKeyboard() {
    MemoryWindow m;
    m.StoreKeyed("42");
    m.StoreKeyed("7");
    m.Keys("Del Del");

    QMenu& menu = m.OpenRecall();
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.activeAction()->data().toInt(), 1);
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.activeAction()->data().toInt(), 3);
    QTest::keyClick(&menu, Qt::Key_Escape);
    QVERIFY(!menu.isVisible());
    QCOMPARE(m.Display(), QStringLiteral("0"));

    QMenu& again = m.OpenRecall();
    for (int i = 0; i < 3; ++i) QTest::keyClick(&again, Qt::Key_Down);
    QTest::keyClick(&again, Qt::Key_Return);
    QVERIFY(!again.isVisible());
    QCOMPARE(m.Display(), QStringLiteral("7"));
}

QTEST_MAIN(MemoryTest)
#include "memory_test.moc"
