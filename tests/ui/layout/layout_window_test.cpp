// The "Layout Tools" window over a real main window: opened by its button
// and by Ctrl+L (one window), the worked examples typed with real keys and
// Enter, messages that change nothing, the main window's output options,
// the screen-reader names, and its place saved and restored.
#include <QtTest>
#include <QtWidgets>

#include <cmath>

#include "engine/mdlDisplay.h"
#include "layout/frmLayout.h"
#include "layout/layout_opener.h"
#include "platform/twips.h"
#include "support/main_window_fixture.h"

using spanwright::layout::frmLayout;

namespace {

// Types each text into its field (emptied first), then Enter in the last one.
void Type(const std::vector<std::pair<QLineEdit*, QString>>& fields) {
    for (const auto& [field, text] : fields) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    QTest::keyClick(fields.back().first, Qt::Key_Return);
}

// "Caption=value; ..." of the page's results, in the order they show.
QString Results(const spanwright::layout::ResultList* results, const QStringList& captions) {
    QStringList shown;
    for (const QString& caption : captions) {
        const QLineEdit* value = results->Value(caption);
        shown << caption + QLatin1Char('=') + (value ? value->text() : QStringLiteral("(none)"));
    }
    return shown.join(QStringLiteral("; "));
}

const QStringList kTriangle = {"Rise", "Run", "Diagonal", "Pitch", "Angle"};
const QStringList kStair = {"Risers", "Riser height", "Riser height, exact", "Treads", "Tread depth",
                            "Total run", "Diagonal", "Angle", "Cut risers", "Riser at most (R311.7.5.1)",
                            "Tread at least (R311.7.5.2)"};

}  // namespace

class LayoutWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<spanwright::test::Window> f_;

    frmLayout* Open() {
        QTest::mouseClick(f_->form->ForTest().controls.cmdLayout, Qt::LeftButton);
        return f_->form->LayoutTools().window();
    }

private slots:
    void init() {
        f_ = std::make_unique<spanwright::test::Window>();
        f_->Start();
    }
    void cleanup() { f_.reset(); }

    void buttonSitsInTheFreeCellOfTheGrid() {
        const auto& c = f_->form->ForTest().controls;
        QCOMPARE(c.cmdLayout->geometry(), spanwright::platform::TwipsRect(2100, 810, 405, 285));
        QCOMPARE(c.cmdLayout->x(), c.cmdBack->x());
        QCOMPARE(c.cmdLayout->y(), c.cmdPaste->y());
        QCOMPARE(c.cmdLayout->size(), c.cmdPaste->size());
        for (QPushButton* other : f_->form->findChildren<QPushButton*>())
            if (other != c.cmdLayout && other->isVisible())
                QVERIFY2(!other->geometry().intersects(c.cmdLayout->geometry()), qPrintable(other->accessibleName()));
        QCOMPARE(c.cmdLayout->accessibleName(), QStringLiteral("Layout Tools"));
        QVERIFY(!c.cmdLayout->icon().isNull());
    }

    void buttonAndCtrlLOpenOneWindow() {
        QTest::keyClick(f_->form.get(), Qt::Key_L, Qt::ControlModifier);
        frmLayout* w = f_->form->LayoutTools().window();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Layout Tools"));
        QCOMPARE(f_->form->Core().Display(), std::string("0"));  // the calculation is untouched
        QCOMPARE(Open(), w);
        w->close();
        QVERIFY(!w->isVisible());
        QCOMPARE(Open(), w);  // closed, it keeps what was typed
        QCOMPARE(w->tabPages->tabText(0).remove('&'), QStringLiteral("Right Triangle"));
        QCOMPARE(w->tabPages->tabText(1).remove('&'), QStringLiteral("Stair Layout"));
    }

    void triangleWorkedExamples() {
        frmLayout* w = Open();
        Type({{w->txtRun, "12'"}, {w->txtPitch, "4"}});
        QCOMPARE(Results(w->triangleResults, kTriangle),
                 QStringLiteral("Rise=4'0\"; Run=12'0\"; Diagonal=12'7-13/16\"; Pitch=4/12; Angle=18.43"));
        Type({{w->txtRun, ""}, {w->txtPitch, ""}, {w->txtRise, "30'"}, {w->txtRun, "40'"}});
        QCOMPARE(Results(w->triangleResults, kTriangle),
                 QStringLiteral("Rise=30'0\"; Run=40'0\"; Diagonal=50'0\"; Pitch=9/12; Angle=36.87"));
        Type({{w->txtRise, "6\""}, {w->txtRun, "12\""}});
        QCOMPARE(Results(w->triangleResults, kTriangle),
                 QStringLiteral("Rise=0'6\"; Run=1'0\"; Diagonal=1'1-7/16\"; Pitch=6/12; Angle=26.57"));
        QVERIFY(f_->messages.records().empty());
        QLineEdit* diagonal = w->triangleResults->Value("Diagonal");  // a result line copies
        QVERIFY(diagonal->isReadOnly());
        diagonal->selectAll();
        QTest::keyClick(diagonal, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1'1-7/16\""));
    }

    void stairWorkedExamples() {
        frmLayout* w = Open();
        w->tabPages->setCurrentIndex(1);
        Type({{w->txtTotalRise, "9'"}, {w->txtTreadDepth, "10\""}});
        QCOMPARE(Results(w->stairResults, kStair),
                 QStringLiteral("Risers=14; Riser height=7-11/16\"; Riser height, exact=7.714\"; Treads=13; "
                                "Tread depth=10\"; Total run=10'10\"; Diagonal=14'1\"; Angle=37.65; "
                                "Cut risers=14 risers at 7-11/16\" make 8'11-5/8\", 3/8\" short; "
                                "Riser at most (R311.7.5.1)=pass 7.714 <= 7.75; "
                                "Tread at least (R311.7.5.2)=pass 10 >= 10"));
        Type({{w->txtRisers, "13"}});
        QCOMPARE(w->stairResults->Value("Riser height")->text(), QStringLiteral("8-5/16\""));
        QCOMPARE(w->stairResults->Value("Riser height, exact")->text(), QStringLiteral("8.308\""));
        QCOMPARE(w->stairResults->Value("Riser at most (R311.7.5.1)")->text(), QStringLiteral("fail 8.308 > 7.75"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->optCode[0]->setFocus();
        QTest::keyClick(w->optCode[0], Qt::Key_Right);  // the next choice, "IBC (commercial)"
        QVERIFY(w->optCode[1]->isChecked());
        QCOMPARE(w->optCode[1]->text(), QStringLiteral("IBC (commercial)"));
        Type({{w->txtTreadDepth, ""}, {w->txtRisers, ""}});
        QCOMPARE(Results(w->stairResults, {"Risers", "Riser height", "Tread depth", "Treads", "Total run"}),
                 QStringLiteral("Risers=16; Riser height=6-3/4\"; Tread depth=11\"; Treads=15; Total run=13'9\""));
        QVERIFY(f_->messages.records().empty());
    }

    // A message names the field; what was typed and the last results stay.
    void badInputChangesNothing() {
        frmLayout* w = Open();
        Type({{w->txtRun, "12'"}, {w->txtPitch, "4"}});
        Type({{w->txtRun, "abc"}});
        QCOMPARE(f_->messages.LastText(), QStringLiteral("Run: Invalid input."));
        QCOMPARE(f_->messages.records().back().title, QStringLiteral("Layout Tools"));
        QCOMPARE(w->txtRun->text(), QStringLiteral("abc"));
        QCOMPARE(w->triangleResults->Value("Rise")->text(), QStringLiteral("4'0\""));
        Type({{w->txtRun, "12"}, {w->txtAngle, "90"}});
        QCOMPARE(f_->messages.LastText(), QStringLiteral("Enter Pitch or Angle, not both."));
        w->tabPages->setCurrentIndex(1);
        Type({{w->txtTotalRise, "9'"}, {w->txtRisers, "32768"}});
        QCOMPARE(f_->messages.LastText(), QStringLiteral("Risers: give a whole count from 1 to 32767."));
        QCOMPARE(w->stairResults->Value("Risers"), nullptr);
    }

    // The options of the main window as they are when the page calculates.
    void resultsFollowTheOutputOptions() {
        frmLayout* w = Open();
        const auto& c = f_->form->ForTest().controls;
        QTest::mouseClick(c.cmdOptions, Qt::LeftButton);
        QTest::mouseClick(c.optOutput[1], Qt::LeftButton);  // decimal, feet and inches
        Type({{w->txtRise, "6\""}, {w->txtRun, "12\""}});
        QCOMPARE(w->triangleResults->Value("Diagonal")->text().toStdString(),
                 spanwright::mdlDisplay::FormatDimension(std::sqrt(180.0), f_->form->Core().Options()));
        QVERIFY(!w->triangleResults->Value("Diagonal")->text().contains('/'));
    }

    void everyFieldAndResultIsNamedByItsLabel() {
        frmLayout* w = Open();
        Type({{w->txtRun, "12'"}, {w->txtPitch, "4"}});
        const std::pair<QWidget*, QString> named[] = {
            {w->txtRise, "Rise"},           {w->txtRun, "Run"},           {w->txtDiagonal, "Diagonal"},
            {w->txtPitch, "Pitch"},         {w->txtAngle, "Angle"},       {w->txtTotalRise, "Total Rise"},
            {w->txtTreadDepth, "Tread Depth"}, {w->txtTotalRun, "Total Run"}, {w->txtRisers, "Risers"},
            {w->optCode[2], "None"},           {w->cmdSolve, "Solve"},       {w->cmdLayOut, "Lay Out"},
            {w->triangleResults->Value("Angle"), "Angle"},
        };
        for (const auto& [widget, label] : named) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(a && a->text(QAccessible::Name).contains(label), qPrintable(label));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(w->triangleResults->Value("Angle"))->text(QAccessible::Value),
                 QStringLiteral("18.43"));
    }

    // Saved on close, through the settings file, and applied at the next run.
    void placeIsSavedAndRestored() {
        frmLayout* w = Open();
        w->move(140, 120);
        w->close();
        QCOMPARE(f_->settings.Read("LayoutLeft"), QString::number(140 * 15));
        QCOMPARE(f_->settings.Read("LayoutTop"), QString::number(120 * 15));
        f_->settings.Write("LayoutLeft", "1500");
        f_->Start();
        QCOMPARE(Open()->pos(), QPoint(100, 120));
        f_->settings.Write("LayoutTop", "-90000");  // nowhere on a screen: the window system's place
        f_->Start();
        QVERIFY(Open()->pos().y() >= 0);
    }
};

QTEST_MAIN(LayoutWindowTest)
#include "layout_window_test.moc"
