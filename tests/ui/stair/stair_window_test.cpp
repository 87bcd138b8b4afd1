// The stair calculator window: the Risers and Treads modes, its messages,
// the summary in the current output form, and Close and reopen.
#include <QtTest>
#include <QtWidgets>

#include "support/rows.h"
#include "stair/frmStair.h"
#include "stair/stair_opener.h"
#include "support/ui_support.h"

using namespace spanwright::stair;

namespace {
void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Types the texts into the three fields, then clicks Calculate.
void Calculate(frmStair* w, const std::array<QLineEdit*, 3>& fields, const QStringList& texts) {
    for (int i = 0; i < 3; ++i) {
        fields[std::size_t(i)]->clear();
        QTest::keyClicks(fields[std::size_t(i)], texts[i]);
    }
    Click(w->cmdCalculate);
}

// The colour a field is painted with, whichever state the style draws.
QColor Base(const QLineEdit* field) { return field->palette().color(QPalette::Disabled, QPalette::Base); }
}  // namespace

class StairWindowTest : public QObject {
    Q_OBJECT
    spanwright::test::TempSettings settings_;
    spanwright::test::MessageRecorder recorder_;
    StairVariables vars_;
    spanwright::OutputOptions options_;
    std::unique_ptr<StairOpener> opener_;

private slots:
    void init() {
        vars_ = StairVariables{};
        options_ = spanwright::OutputOptions{};
        opener_ = std::make_unique<StairOpener>(vars_, options_);
        recorder_.clear();
    }

    void modeSwitchEnablesOneSetAndKeepsEverything() {
        frmStair* w = opener_->Open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Stair Calculator"));
        QTest::keyClicks(w->Text2[2], QStringLiteral("99"));  // disabled: takes nothing
        QCOMPARE(w->Text2[2]->text(), QString());
        Calculate(w, w->Text1, {"7.5", "", "108"});
        Click(w->optStair[1]);
        const QColor window = w->palette().color(QPalette::Active, QPalette::Base);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!w->Text1[i]->isEnabled() && w->Text2[i]->isEnabled());
            QVERIFY(Base(w->Text1[i]) == w->palette().color(QPalette::Active, QPalette::Button) &&
                    Base(w->Text2[i]) == window);
        }
        Calculate(w, w->Text2, {"10", "", "107.5"});
        Click(w->optStair[0]);
        QVERIFY(w->Text1[0]->isEnabled() && !w->Text2[0]->isEnabled() && Base(w->Text1[0]) == window);
        QCOMPARE(w->Text1[0]->text() + " " + w->Text1[1]->text() + " " + w->Text2[1]->text(), "7.5 15 11");
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.20\" = 9'0\""));
        QCOMPARE(w->lblTread->text(), QStringLiteral("11 Treads @ 9.77\" = 8'11-1/2\""));
    }

    void messagesLeaveFieldsAndSummary_data() {
        spanwright::test::AddRows(QFINDTESTDATA("stair_messages.txt"), {"risers", "message"});
    }
    void messagesLeaveFieldsAndSummary() {
        QFETCH(QString, risers);
        QFETCH(QString, message);
        const QStringList fields = risers.split(u',');
        frmStair* w = opener_->Open();
        Calculate(w, w->Text1, {"", "15", "108"});
        const QString summary = w->lblRiser->text();
        Calculate(w, w->Text1, fields);
        QCOMPARE(recorder_.records().size(), std::size_t{1});
        QCOMPARE(recorder_.records()[0].title + ": " + recorder_.records()[0].text, message);
        QVERIFY(recorder_.records()[0].icon == spanwright::platform::MessageIcon::Exclamation);
        QCOMPARE(QStringList({w->Text1[0]->text(), w->Text1[1]->text(), w->Text1[2]->text()}), fields);
        QVERIFY(!summary.isEmpty() && w->lblRiser->text() == summary);
    }

    // One window at a time; Close destroys it, and the next one starts
    // empty in Risers mode while the values live on. The summary is written
    // in the output form current at each Calculate.
    void oneWindowCloseReopenAndTheSummaryForm() {
        QPointer<frmStair> w = opener_->Open();
        Calculate(w, w->Text1, {"7.5", "", "108"});
        Click(w->optStair[1]);
        QCOMPARE(opener_->Open(), w.data());
        QVERIFY(w->optStair[1]->isChecked());
        QCOMPARE(w->Text1[2]->text(), QStringLiteral("108"));
        Click(w->Command1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull() && opener_->window() == nullptr);
        QCOMPARE(vars_.intRisers, std::int16_t(15));

        w = opener_->Open();
        QVERIFY(w->optStair[0]->isChecked() && w->Text1[1]->text().isEmpty() && w->lblRiser->text().isEmpty());
        Calculate(w, w->Text1, {"7.25", "15", ""});
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.25\" = 9'0-3/4\""));
        options_.output = 1;  // decimal feet, two places
        options_.format = 2;
        options_.round = 2;
        Click(w->cmdCalculate);
        QCOMPARE(w->lblRiser->text(), QStringLiteral("15 Risers @ 7.25\" = 9.06'"));
        opener_->Unload();  // the main window's shut-down: gone at once
        QVERIFY(w.isNull());
    }
};

QTEST_MAIN(StairWindowTest)
#include "stair_window_test.moc"
