// The pop-up menu on its own: what the menu shows, what a reader hears, and
// which items can be chosen. Numbering and kept sets are exercised through
// Store and Clear in the memory tests.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "platform/pictures.h"
#include "platform/popup_menu.h"

using spanwright::platform::ImageList2;
using spanwright::platform::PopupMenu;

namespace {

void Add(PopupMenu& m, const QString& caption, int picture = 1) {
    m.AddMenuItem(caption, QString(), 0, 0, picture, 0, true, QString());
}

// Clear, separator, then the given texts.
void Fill(PopupMenu& m, const QStringList& texts) {
    m.SetImageList(ImageList2());
    Add(m, QStringLiteral("Clear"), 0);
    Add(m, QStringLiteral("-"), -1);
    for (const QString& t : texts) Add(m, t);
}

}  // namespace

class PopupMenuTest : public QObject {
    Q_OBJECT
private slots:
    void onlyRealItemsCanBeChosen();
    void shownCaptionsAreLiteralAndShort();
    void picturesAndAccessibleNames();
};

void PopupMenuTest::onlyRealItemsCanBeChosen() {
    PopupMenu m;
    Fill(m, {"5'"});
    m.AddMenuItem(QStringLiteral("off"), QString(), 0, 0, 1, 0, false, QString());
    QList<int> chosen;
    m.OnClick([&](std::int32_t& ItemNumber) { chosen << ItemNumber; });
    QVERIFY(m.Choose(1));
    QVERIFY(!m.Choose(2));  // the separator
    QVERIFY(m.Choose(3));
    QVERIFY(!m.Choose(4));  // disabled
    QVERIFY(!m.Choose(0));
    QVERIFY(!m.Choose(5));
    QCOMPARE(chosen, (QList<int>{1, 3}));

    // The real menu: the separator is a separator, and a triggered action
    // reports its item number.
    QMenu& menu = m.Menu();
    QCOMPARE(menu.actions().size(), 4);
    QVERIFY(menu.actions().at(1)->isSeparator());
    menu.actions().at(2)->trigger();
    QCOMPARE(chosen, (QList<int>{1, 3, 3}));
}

void PopupMenuTest::shownCaptionsAreLiteralAndShort() {
    const QString megabyte(1 << 20, QLatin1Char('9'));
    PopupMenu m;
    Fill(m, {"a&b", "1\r\n2\t3", "", megabyte});
    QMenu& menu = m.Menu();
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), 6);
    QCOMPARE(actions.at(2)->text(), QStringLiteral("a&&b"));
    QCOMPARE(actions.at(3)->text(), QStringLiteral("1 2 3"));
    QCOMPARE(actions.at(4)->text(), QString());
    QVERIFY(actions.at(5)->text().size() < 300);
    QVERIFY(actions.at(5)->text().startsWith(QStringLiteral("999")));
    QCOMPARE(m.MenuItemCaption(6), megabyte);  // kept whole
    QVERIFY(menu.sizeHint().width() < 600);
}

void PopupMenuTest::picturesAndAccessibleNames() {
    PopupMenu m;
    Fill(m, {"a&b"});
    m.StoreItems(QStringLiteral("Recall"));
    QMenu& menu = m.Menu();
    const QList<QAction*> actions = menu.actions();
    QVERIFY(!actions.at(0)->icon().isNull());
    QVERIFY(!actions.at(2)->icon().isNull());
    // The two pictures differ: Clear has the red x, a text the display.
    const QImage clear = actions.at(0)->icon().pixmap(16, 16).toImage();
    const QImage text = actions.at(2)->icon().pixmap(16, 16).toImage();
    QVERIFY(clear != text);

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&menu);
    QVERIFY(reader);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Recall"));
    QCOMPARE(reader->childCount(), 3);
    QCOMPARE(reader->child(0)->text(QAccessible::Name), QStringLiteral("Clear"));
    QCOMPARE(reader->child(2)->text(QAccessible::Name), QStringLiteral("a&b"));
}

QTEST_MAIN(PopupMenuTest)
#include "popup_menu_test.moc"
