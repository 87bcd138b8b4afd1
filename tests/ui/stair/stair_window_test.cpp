#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "stair/frmStair.h"
#include "stair/stair_opener.h"
#include "support/ui_support.h"

using spanwright::PlainOptions;
using spanwright::platform::MessageIcon;
using spanwright::stair::frmStair;
using spanwright::stair::StairOpener;
using spanwright::stair::StairVariables;

namespace {

void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

void Fill(const std::array<QLineEdit*, 3>& fields, const QStringList& texts) {
    for (int i = 0; i < 3; ++i) Type(fields[static_cast<std::size_t>(i)], texts[i]);
}

// The colour a field is painted with, whichever state the style draws.
QColor Base(const QLineEdit* field) { return field->palette().color(QPalette::Disabled, QPalette::Base); }

}  // namespace

class StairWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        vars_ = StairVariables{};
        options_ = PlainOptions{};
        opener_ = std::make_unique<StairOpener>(vars_, options_);
        recorder_.clear();
    }
    void cleanup() { opener_.reset(); }

    void modeSwitchEnablesOneSetAndKeepsEverything() {
        frmStair* w = opener_->Open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Stair Calculator"));
        QVERIFY(w->optStair[0]->isChecked());
        QTest::keyClicks(w->Text2[2], QStringLiteral("99"));  // disabled: takes nothing
        QCOMPARE(w->Text2[2]->text(), QString());

        Fill(w->Text1, {"7.5", "", "108"});
        Click(w->cmdCalculate);
        Click(w->optStair[1]);
        const QColor window = w->palette().color(QPalette::Active, QPalette::Base);
        const QColor face = w->palette().color(QPalette::Active, QPalette::Button);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!w->Text1[i]->isEnabled() && w->Text2[i]->isEnabled());
            QCOMPARE(Base(w->Text1[i]), face);
            QCOMPARE(Base(w->Text2[i]), window);
        }
        Fill(w->Text2, {"10", "", "107.5"});
        Click(w->cmdCalculate);
        Click(w->optStair[0]);
        QVERIFY(w->Text1[0]->isEnabled() && !w->Text2[0]->isEnabled());
        QCOMPARE(Base(w->Text1[0]), window);
        QCOMPARE(w->Text1[0]->text(), QStringLiteral("7.5"));  // a typed maximum stays
        QCOMPARE(w->Text1[1]->text(), QStringLiteral("15"));
        QCOMPARE(w->Text2[1]->text(), QStringLiteral("11"));
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.20\" = 9'0\""));
        QCOMPARE(w->lblTread->text(), QStringLiteral("11 Treads @ 9.77\" = 8'11-1/2\""));
    }

    void messagesLeaveFieldsAndSummary_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("one field") << QStringList{"", "", "108"}
            << "You must enter values in two of the three available fields." << "Stair Calculator";
        QTest::newRow("overflow") << QStringList{"", "40000", "10"}
            << "Error : 6 - A value that has been entered is too large." << "Error";
        QTest::newRow("blanks only") << QStringList{"  ", "", "10"} << "Error: 13 - Type mismatch." << "Error";
    }
    void messagesLeaveFieldsAndSummary() {
        QFETCH(QStringList, fields);
        QFETCH(QString, text);
        QFETCH(QString, title);
        frmStair* w = opener_->Open();
        Fill(w->Text1, {"", "15", "108"});
        Click(w->cmdCalculate);
        const QString summary = w->lblRiser->text();
        QVERIFY(!summary.isEmpty());

        Fill(w->Text1, fields);
        Click(w->cmdCalculate);
        QCOMPARE(recorder_.records().size(), std::size_t{1});
        QCOMPARE(recorder_.records()[0].text, text);
        QCOMPARE(recorder_.records()[0].title, title);
        QVERIFY(recorder_.records()[0].icon == MessageIcon::Exclamation);
        for (int i = 0; i < 3; ++i) QCOMPARE(w->Text1[i]->text(), fields[i]);
        QCOMPARE(w->lblRiser->text(), summary);
    }

    void summaryFollowsTheCurrentOutputForm() {
        frmStair* w = opener_->Open();
        Fill(w->Text1, {"7.25", "15", ""});
        Click(w->cmdCalculate);
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.25\" = 9'0-3/4\""));
        options_.output = 1;  // decimal feet, two places
        options_.format = 2;
        options_.round = 2;
        Click(w->cmdCalculate);
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.25\" = 9.06'"));
    }

    void closeAndReopenStartsEmptyWithTheVariablesKept() {
        QPointer<frmStair> w = opener_->Open();
        Fill(w->Text1, {"7.5", "", "108"});  // computes the count
        Click(w->cmdCalculate);
        Click(w->optStair[1]);
        Click(w->Command1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(opener_->window() == nullptr);

        w = opener_->Open();
        QVERIFY(w->optStair[0]->isChecked());
        QVERIFY(w->Text1[1]->text().isEmpty() && w->lblRiser->text().isEmpty());
        Fill(w->Text1, {"7.5", "3", "108"});  // all three: the count again
        Click(w->cmdCalculate);
        QCOMPARE(w->Text1[1]->text(), QStringLiteral("15"));

        opener_->Unload();  // the main window's shut-down: gone at once
        QVERIFY(w.isNull());
    }

    void openingTwiceGivesOneWindowUnchanged() {
        frmStair* first = opener_->Open();
        Type(first->Text1[2], QStringLiteral("108"));
        Click(first->optStair[1]);
        QCOMPARE(opener_->Open(), first);
        QCOMPARE(first->Text1[2]->text(), QStringLiteral("108"));
        QVERIFY(first->optStair[1]->isChecked());
        int windows = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) windows += qobject_cast<frmStair*>(top) ? 1 : 0;
        QCOMPARE(windows, 1);
    }

    void tabOrderSkipsTheDisabledFields() {
        frmStair* w = opener_->Open();
        const QList<QWidget*> expected{w->Text1[2], w->Text1[1], w->Text1[0], w->cmdCalculate,
                                       w->Command1, w->optStair[0]};
        QList<QWidget*> chain;
        for (QWidget* at = w->Text1[2]; chain.size() < expected.size(); at = at->nextInFocusChain()) {
            if (at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)) chain.append(at);
        }
        QCOMPARE(chain, expected);
    }

    void captionsAreWholeInsideTheWindow() {
        frmStair* w = opener_->Open();
        const QList<QWidget*> captioned{w->Label3, w->Label4, w->Label5, w->Label6, w->Label7, w->Label8,
                                        w->Label9, w->Label11, w->optStair[0], w->optStair[1],
                                        w->cmdCalculate, w->Command1};
        for (QWidget* c : captioned) {
            QVERIFY(c->width() >= c->sizeHint().width() && c->height() >= c->sizeHint().height());
            QVERIFY(w->rect().contains(c->mapTo(w, c->rect().bottomRight())));
        }
    }

private:
    spanwright::test::TempSettings settings_;
    spanwright::test::MessageRecorder recorder_;
    StairVariables vars_;
    PlainOptions options_;
    std::unique_ptr<StairOpener> opener_;
};

QTEST_MAIN(StairWindowTest)
#include "stair_window_test.moc"
