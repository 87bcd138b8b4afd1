// The About box: its texts, the link through the URL seam, and how it
// closes and blocks the window under it.
#include <QTest>
#include <QtWidgets>

#include "about/frmAbout.h"
#include "support/ui_support.h"

using spanwright::frmAbout;

class AboutTest : public QObject {
    Q_OBJECT
    spanwright::test::TempSettings settings_;
    std::vector<QUrl> opened_;

private slots:
    void init() {
        opened_.clear();
        frmAbout::SetUrlOpener([this](const QUrl& url) { opened_.push_back(url); });
    }
    void cleanup() { frmAbout::SetUrlOpener({}); }

    void textsAndTheLink() {
        frmAbout box;
        QCOMPARE(box.windowTitle() + " | " + box.lblTitle->text() + " | " + box.Label1->text() + " | " + box.cmdOK->text(),
                 "About Spanwright | Spanwright | Ostrel Software Home Page | OK");
        QCOMPARE(box.lblVersion->text(), QStringLiteral("Version " SPANWRIGHT_PROJECT_VERSION));
        QCOMPARE(box.lblDescription->text(), "\r\n\r\nSpanwright is a product of Ostrel Software. Please direct any "
                                             "comments, questions or suggestions regarding this software to "
                                             "spanwright@ostrel.example");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(box.lblTitle, Qt::LeftButton);  // beside the link: nothing
        QTest::mouseClick(box.Label1, Qt::LeftButton, {}, box.Label1->rect().center());
        QCOMPARE(opened_, std::vector<QUrl>{QUrl(QStringLiteral("https://ostrel.example/spanwright"))});
        QVERIFY(box.isVisible());
    }

    void theLinkTakesTheFocusAndOpensOnSpace_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Space opens the home page") << int(Qt::Key_Space) << "open, opened";
        QTest::newRow("Enter still presses OK") << int(Qt::Key_Return) << "accepted, nothing opened";
        QTest::newRow("keypad Enter still presses OK") << int(Qt::Key_Enter) << "accepted, nothing opened";
        QTest::newRow("Esc still closes") << int(Qt::Key_Escape) << "rejected, nothing opened";
    }
    // OK has the focus first; Tab moves it to the link, which a reader
    // announces as a link and which Space follows.
    void theLinkTakesTheFocusAndOpensOnSpace() {
        QFETCH(int, key);
        QFETCH(QString, outcome);
        frmAbout box;
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::focusWidget(), box.cmdOK);
        QTest::keyClick(box.cmdOK, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box.Label1);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(box.Label1);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Ostrel Software Home Page"));
        QVERIFY(link->state().focusable && link->state().focused);
        QTest::keyClick(box.Label1, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        const QString state = box.isVisible() ? "open" : box.result() == QDialog::Accepted ? "accepted" : "rejected";
        QCOMPARE(state + (opened_.empty() ? ", nothing opened" : ", opened"), outcome);
        QCOMPARE(opened_.size(), std::size_t(outcome.endsWith("opened") && !outcome.contains("nothing")));
    }

    // A reader's default action on the link opens the home page.
    void aReaderFollowsTheLink() {
        frmAbout box;
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(box.Label1);
        QVERIFY(link->actionInterface());
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened_, std::vector<QUrl>{frmAbout::HomePage()});
    }

    void closes_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("OK clicked") << 0;
    }
    // Modal over its window, which takes no click until the box is gone.
    void closes() {
        QFETCH(int, key);
        QWidget parent;
        QPushButton button(QStringLiteral("Behind"), &parent);
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] { ++clicks; });
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        bool closedModal = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (!box) return;
            // Through the window system, which is where a modal box blocks input.
            QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, button.geometry().center());
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
            if (key) QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            else QTest::mouseClick(box->cmdOK, Qt::LeftButton);
            closedModal = box->isModal() && !box->isVisible();
            box->reject();  // one still open is closed, so nothing hangs
        });
        frmAbout::ShowModal(&parent);
        QVERIFY(closedModal);
        QVERIFY(!parent.findChild<frmAbout*>());  // nothing is kept between showings
        QCOMPARE(clicks, 0);
        QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, button.geometry().center());
        QCOMPARE(clicks, 1);
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
