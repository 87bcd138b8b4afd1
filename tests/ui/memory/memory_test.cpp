// The Recall menu, copy and paste on a real main window: the menu worked
// from the keyboard (menu_rows.txt), the menu's own rules and a megabyte paste.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "keys/key_script.h"
#include "platform/popup_menu.h"

using namespace spanwright::test;

class MemoryTest : public QObject {
    Q_OBJECT
private slots:
    void rows_data() { AddRows(MENU_ROWS_FILE); }
    void rows() { RunRow(); }

    // The menu shows texts literally on one short line; only real items can
    // be chosen; it opens beside Recall and a reader hears its name.
    void menuShowsTextsLiterallyAndSkipsTheSeparator() {
        Window f;
        auto& w = f.Start();
        const QString megabyte(1 << 20, QLatin1Char('9'));
        for (const QString& text : {QStringLiteral("a&b"), QStringLiteral("1\r\n2\t3"), megabyte}) {
            QGuiApplication::clipboard()->setText(text);
            Play(w, "[Paste] [Store]");
        }
        QCOMPARE(w.ForTest().controls.cp->MenuItemCaption(5), megabyte);  // kept whole
        Play(w, "[Recall]");
        QMenu& menu = w.ForTest().controls.cp->Menu();
        const QList<QAction*> actions = menu.actions();
        QCOMPARE(actions.size(), 5);
        QVERIFY(actions.at(1)->isSeparator());
        QCOMPARE(actions.at(2)->text(), QStringLiteral("a&&b"));
        QCOMPARE(actions.at(3)->text(), QStringLiteral("1 2 3"));
        QVERIFY(actions.at(4)->text().size() < 300 && menu.sizeHint().width() < 600);
        QCOMPARE(menu.pos().x(), w.mapToGlobal(w.ForTest().controls.cmdRecall->geometry().topRight()).x() + 1);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&menu);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Recall"));
        QCOMPARE(reader->child(2)->text(QAccessible::Name), QStringLiteral("a&b"));
        menu.hide();
        QVERIFY(!w.ForTest().controls.cp->Choose(2) && !w.ForTest().controls.cp->Choose(0) && !w.ForTest().controls.cp->Choose(6));
        QCOMPARE(w.ForTest().controls.cp->MenuItemCount(), 5);
    }

    // The display shows a megabyte of lines on one line and answers the next
    // key at once; Enter reports the text as any unreadable entry. The time is
    // printed, not asserted.
    void megabytePasteAnswersTheNextKey() {
        Window f;
        auto& w = f.Start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize size = w.size();
        const QRect display = w.ForTest().controls.lblDisplay->geometry();
        const QString megabyte = QStringLiteral("12 ft 3\n").repeated((1 << 20) / 8);
        Play(w, "1");
        QGuiApplication::clipboard()->setText(megabyte);
        QElapsedTimer timer;
        timer.start();
        Play(w, "[Paste] 5");
        w.ForTest().controls.lblDisplay->repaint();
        qInfo("1 MB paste, the next key and a repaint: %lld ms (target 100 ms)", timer.elapsed());
        QCOMPARE(w.ForTest().controls.lblDisplay->text(), megabyte + QLatin1Char('5'));
        QCOMPARE(w.size(), size);
        QCOMPARE(w.ForTest().controls.lblDisplay->geometry(), display);
        const QImage drawn = w.ForTest().controls.lblDisplay->grab().toImage();  // ink on the middle row only
        auto ink = [&](int y) {
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixelColor(x, y) != QColor(Qt::black)) return true;
            return false;
        };
        QVERIFY(ink(drawn.height() / 2) && !ink(0) && !ink(drawn.height() - 1));
        Play(w, "Enter");
        QCOMPARE(f.messages.LastText(), QStringLiteral("Error 13: Invalid input."));
        QCOMPARE(w.ForTest().controls.lblDisplay->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(MemoryTest)
#include "memory_test.moc"
