#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "platform/twips.h"
#include "stair/frmStair.h"
#include "stair/stair_drawing.h"
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

// Runs the deletion that closing a window with WA_DeleteOnClose queues.
void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

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

    void opensInRisersModeWithEverythingEmpty() {
        frmStair* w = opener_->Open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Stair Calculator"));
        QVERIFY(w->isVisible());
        QVERIFY(w->parentWidget() == nullptr);
        QVERIFY(w->optStair[0]->isChecked());
        const QColor window = w->palette().color(QPalette::Active, QPalette::Base);
        const QColor face = w->palette().color(QPalette::Active, QPalette::Button);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(w->Text1[i]->isEnabled());
            QVERIFY(!w->Text2[i]->isEnabled());
            QCOMPARE(Base(w->Text1[i]), window);
            QCOMPARE(Base(w->Text2[i]), face);
            QVERIFY(w->Text1[i]->text().isEmpty());
            QVERIFY(w->Text2[i]->text().isEmpty());
        }
        QVERIFY(w->lblRiser->text().isEmpty());
        QVERIFY(w->lblTread->text().isEmpty());
    }

    void onlyTheModesFieldsTakeTyping() {
        frmStair* w = opener_->Open();
        QTest::keyClicks(w->Text1[2], QStringLiteral("108"));
        QTest::keyClicks(w->Text2[2], QStringLiteral("99"));
        QCOMPARE(w->Text1[2]->text(), QStringLiteral("108"));
        QCOMPARE(w->Text2[2]->text(), QString());
        Click(w->optStair[1]);
        QTest::keyClicks(w->Text1[1], QStringLiteral("5"));
        QTest::keyClicks(w->Text2[1], QStringLiteral("7"));
        QCOMPARE(w->Text1[1]->text(), QString());
        QCOMPARE(w->Text2[1]->text(), QStringLiteral("7"));
    }

    void switchingModesKeepsTextsAndSummaries() {
        frmStair* w = opener_->Open();
        Type(w->Text1[0], QStringLiteral("7.5"));
        Type(w->Text1[2], QStringLiteral("108"));
        Click(w->cmdCalculate);
        Click(w->optStair[1]);
        QVERIFY(w->optStair[1]->isChecked());
        const QColor window = w->palette().color(QPalette::Active, QPalette::Base);
        const QColor face = w->palette().color(QPalette::Active, QPalette::Button);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!w->Text1[i]->isEnabled());
            QVERIFY(w->Text2[i]->isEnabled());
            QCOMPARE(Base(w->Text1[i]), face);
            QCOMPARE(Base(w->Text2[i]), window);
        }
        Type(w->Text2[0], QStringLiteral("10"));
        Type(w->Text2[2], QStringLiteral("107.5"));
        Click(w->cmdCalculate);
        Click(w->optStair[0]);
        QCOMPARE(w->Text1[0]->text(), QStringLiteral("7.5"));
        QCOMPARE(w->Text1[1]->text(), QStringLiteral("15"));
        QCOMPARE(w->Text2[1]->text(), QStringLiteral("11"));
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.20\" = 9'0\""));
        QCOMPARE(w->lblTread->text(), QStringLiteral("11 Treads @ 9.77\" = 8'11-1/2\""));
        QVERIFY(w->Text1[0]->isEnabled());
    }

    void messagesAreShownWithExactTextsAndTitles_data() {
        QTest::addColumn<QString>("riser");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("overall");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString stair = QStringLiteral("Stair Calculator");
        const QString error = QStringLiteral("Error");
        QTest::newRow("only one field") << "" << "" << "108"
            << "You must enter values in two of the three available fields." << stair;
        QTest::newRow("count beyond 16 bits") << "" << "40000" << "10"
            << "Error : 6 - A value that has been entered is too large." << error;
        QTest::newRow("zero over zero") << "" << "0" << "0"
            << "Error : 6 - A value that has been entered is too large." << error;
        QTest::newRow("maximum of zero") << "0" << "" << "10"
            << "Error: 11 - Division by zero." << error;
        QTest::newRow("blanks only") << "  " << "" << "10" << "Error: 13 - Type mismatch." << error;
    }
    void messagesAreShownWithExactTextsAndTitles() {
        QFETCH(QString, riser);
        QFETCH(QString, count);
        QFETCH(QString, overall);
        QFETCH(QString, text);
        QFETCH(QString, title);
        frmStair* w = opener_->Open();
        // A result stands before the failing calculation.
        Type(w->Text1[1], QStringLiteral("15"));
        Type(w->Text1[2], QStringLiteral("108"));
        Click(w->cmdCalculate);
        const QString summary = w->lblRiser->text();
        QCOMPARE(summary, QStringLiteral("15 Risers @ 7.20\" = 9'0\""));

        Type(w->Text1[0], riser);
        Type(w->Text1[1], count);
        Type(w->Text1[2], overall);
        Click(w->cmdCalculate);
        QCOMPARE(recorder_.records().size(), std::size_t{1});
        QCOMPARE(recorder_.records()[0].text, text);
        QCOMPARE(recorder_.records()[0].title, title);
        QVERIFY(recorder_.records()[0].icon == MessageIcon::Exclamation);
        QCOMPARE(w->Text1[0]->text(), riser);
        QCOMPARE(w->Text1[1]->text(), count);
        QCOMPARE(w->Text1[2]->text(), overall);
        QCOMPARE(w->lblRiser->text(), summary);
    }

    void maximumOverTwiceTheOverallGivesOneRiser() {
        frmStair* w = opener_->Open();
        Type(w->Text1[0], QStringLiteral("25"));
        Type(w->Text1[2], QStringLiteral("10"));
        Click(w->cmdCalculate);
        QVERIFY(recorder_.records().empty());
        QCOMPARE(w->Text1[1]->text(), QStringLiteral("1"));
        QCOMPARE(w->lblRiser->text(), QStringLiteral("1 Risers @ 10.00\" = 0'10\""));
    }

    void summaryFollowsTheCurrentOutputForm() {
        frmStair* w = opener_->Open();
        Type(w->Text1[0], QStringLiteral("7.25"));
        Type(w->Text1[1], QStringLiteral("15"));
        Click(w->cmdCalculate);
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.25\" = 9'0-3/4\""));
        options_.output = 1;  // decimal, feet, two places
        options_.format = 2;
        options_.round = 2;
        Click(w->cmdCalculate);
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.25\" = 9.06'"));
    }

    void closeDestroysTheWindowAndKeepsTheVariables() {
        QPointer<frmStair> w = opener_->Open();
        Type(w->Text1[0], QStringLiteral("7.5"));
        Type(w->Text1[2], QStringLiteral("108"));
        Click(w->cmdCalculate);  // computes the count: index 1
        Click(w->optStair[1]);
        Click(w->Command1);
        FlushDeletes();
        QVERIFY(w.isNull());
        QVERIFY(opener_->window() == nullptr);
        QCOMPARE(vars_.intRisers, std::int16_t{15});

        w = opener_->Open();
        QVERIFY(w->optStair[0]->isChecked());
        QVERIFY(w->Text1[0]->text().isEmpty());
        QVERIFY(w->Text1[1]->text().isEmpty());
        QVERIFY(w->lblRiser->text().isEmpty());
        // All three filled: the count, computed last time, is computed again.
        Type(w->Text1[0], QStringLiteral("7.5"));
        Type(w->Text1[1], QStringLiteral("3"));
        Type(w->Text1[2], QStringLiteral("108"));
        Click(w->cmdCalculate);
        QCOMPARE(w->Text1[1]->text(), QStringLiteral("15"));
    }

    void theWindowsCloseButtonUnloadsToo() {
        QPointer<frmStair> w = opener_->Open();
        w->close();
        FlushDeletes();
        QVERIFY(w.isNull());
    }

    void openingTwiceGivesOneWindowUnchanged() {
        frmStair* first = opener_->Open();
        Type(first->Text1[2], QStringLiteral("108"));
        Click(first->optStair[1]);
        frmStair* second = opener_->Open();
        QCOMPARE(second, first);
        QCOMPARE(second->Text1[2]->text(), QStringLiteral("108"));
        QVERIFY(second->optStair[1]->isChecked());
        int windows = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) windows += qobject_cast<frmStair*>(top) ? 1 : 0;
        QCOMPARE(windows, 1);
    }

    void unloadDestroysAtOnce() {
        QPointer<frmStair> w = opener_->Open();
        opener_->Unload();
        QVERIFY(w.isNull());
        opener_->Unload();  // nothing loaded: nothing happens
    }

    void tabOrderSkipsTheDisabledFields() {
        frmStair* w = opener_->Open();
        const QList<QWidget*> expected{w->Text1[2], w->Text1[1], w->Text1[0], w->cmdCalculate,
                                       w->Command1, w->optStair[0]};
        QList<QWidget*> chain;
        QWidget* at = w->Text1[2];
        while (chain.size() < expected.size()) {
            if (at->isEnabled() && (at->focusPolicy() & Qt::TabFocus)) chain.append(at);
            at = at->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
    }

    void captionsAreWholeAndFieldsAtTheirPlaces() {
        frmStair* w = opener_->Open();
        QCOMPARE(w->Label4->text(), QStringLiteral("Overall Hieght"));
        QCOMPARE(w->Label6->text(), QStringLiteral("Max Riser Hieght"));
        QVERIFY(w->Label11->text().contains(QStringLiteral("third.") + QString(64, QLatin1Char(' ')) +
                                            QStringLiteral("Note: All values must be in inches.")));
        const QList<QWidget*> captioned{w->Label3, w->Label4, w->Label5, w->Label6, w->Label7,
                                        w->Label8, w->Label9, w->optStair[0], w->optStair[1],
                                        w->cmdCalculate, w->Command1};
        for (QWidget* c : captioned) {
            QVERIFY2(c->width() >= c->sizeHint().width() && c->height() >= c->sizeHint().height(),
                     qPrintable(c->metaObject()->className() + QStringLiteral(" clipped")));
            QVERIFY(w->rect().contains(c->mapTo(w, c->rect().bottomRight())));
        }
        QVERIFY(w->Label11->height() >= w->Label11->heightForWidth(w->Label11->width()));
        using spanwright::platform::TwipsRect;
        QCOMPARE(w->Text1[2]->geometry(), TwipsRect(3825, 1350, 1005, 285));
        QCOMPARE(w->Text2[2]->geometry(), TwipsRect(1395, 2835, 1005, 285));
        QCOMPARE(w->Frame1->geometry(), TwipsRect(90, 90, 5100, 3390));
    }

    void theStairRisesInNineStepsToTheLanding() {
        // Following riser, tread, riser ... from the foot must end at the landing.
        QHash<QString, spanwright::stair::StairLine> byName;
        for (const auto& l : spanwright::stair::StairLines()) byName.insert(QString::fromLatin1(l.name), l);
        QCOMPARE(byName.size(), 34);
        const QStringList risers{"Line11", "Line9", "Line8", "Line5", "Line12", "Line14", "Line16", "Line18", "Line20"};
        const QStringList treads{"Line7", "Line6", "Line3", "Line4", "Line10", "Line13", "Line15", "Line17"};
        QPoint at(585, 2340);
        for (int i = 0; i < risers.size(); ++i) {
            const auto r = byName.value(risers[i]);
            QCOMPARE(QPoint(r.x1, r.y1), at);
            at = QPoint(r.x2, r.y2);
            QCOMPARE(at.y() - r.y1, -225);
            if (i < treads.size()) {
                const auto t = byName.value(treads[i]);
                QCOMPARE(QPoint(t.x1, t.y1), at);
                at = QPoint(t.x2, t.y2);
                QCOMPARE(at.x() - t.x1, 315);
            }
        }
        QCOMPARE(at, QPoint(3105, 315));
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
