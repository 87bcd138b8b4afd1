// The Stair and About buttons: one stair window at a time whose values
// outlive it, a modal About box, and both gone when the main window closes.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "about/frmAbout.h"
#include "main_window_fixture.h"
#include "stair/frmStair.h"

using spanwright::frmAbout;
using spanwright::stair::frmStair;

namespace {
QList<frmStair*> StairWindows() {
    QList<frmStair*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<frmStair*>(w); s && s->isVisible()) found << s;
    return found;
}
}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void stairButtonOpensOneWindowAndItsValuesOutliveIt();
    void aboutIsModalAndFocusComesBack();
    void closingTheMainWindowUnloadsTheStairWindow();
};

void WindowsTest::stairButtonOpensOneWindowAndItsValuesOutliveIt() {
    spanwright::test::MainWindowFixture f;
    auto& w = f.Start();
    QTest::mouseClick(w.cmdStair, Qt::LeftButton);
    QTest::mouseClick(w.cmdStair, Qt::LeftButton);
    QCOMPARE(StairWindows().size(), 1);

    frmStair* stair = StairWindows().first();
    stair->Text1[2]->setText(QStringLiteral("108"));
    stair->Text1[0]->setText(QStringLiteral("7.5"));
    QTest::mouseClick(stair->cmdCalculate, Qt::LeftButton);
    QCOMPARE(stair->Text1[1]->text(), QStringLiteral("15"));
    QCOMPARE(w.stairVars.intRisers, std::int16_t(15));

    QTest::mouseClick(stair->Command1, Qt::LeftButton);
    QTRY_COMPARE(StairWindows().size(), 0);
    QCOMPARE(w.stairVars.intRisers, std::int16_t(15));
    QTest::mouseClick(w.cmdStair, Qt::LeftButton);
    QCOMPARE(StairWindows().size(), 1);
    QVERIFY(StairWindows().first()->Text1[1]->text().isEmpty());
}

void WindowsTest::aboutIsModalAndFocusComesBack() {
    spanwright::test::MainWindowFixture f;
    auto& w = f.Start();
    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        sawModal = about != nullptr;
        if (about) QTest::keyClick(about, Qt::Key_Escape);
    });
    QTest::mouseClick(w.cmdAbout, Qt::LeftButton);
    QVERIFY(sawModal);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QTest::keyClick(&w, '7');
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("7"));
}

void WindowsTest::closingTheMainWindowUnloadsTheStairWindow() {
    spanwright::test::MainWindowFixture f;
    auto& w = f.Start();
    QTest::mouseClick(w.cmdStair, Qt::LeftButton);
    QCOMPARE(StairWindows().size(), 1);
    f.Close();
    QTRY_COMPARE(StairWindows().size(), 0);
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
