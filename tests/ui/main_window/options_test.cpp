// The options panel: show and hide, the links between mode, lists and check
// boxes, and the acting parts of equals and clear all.
#include <QtTest>

#include "main_window_fixture.h"
#include "platform/picture_box.h"

using spanwright::test::MainWindowFixture;

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void showAndHide();
    void roundingLists();
    void modeChangeKeepsFormat_data();
    void modeChangeKeepsFormat();
    void modeChangeKeepsRoundingPosition();
    void fractionalAlwaysRounds();
    void uncheckingRoundDisablesTheList();
    void squareFill_data();
    void squareFill();
    void linksHoldAfterEveryHandler();
    void optionChangeOnZeroEvaluatesNothing();
    void optionChangeCompletesPendingOperation();
    void equalsActs();
    void failedEqualsClearsAll();
    void clearAllActs();
};

void OptionsTest::showAndHide() {
    MainWindowFixture f;
    auto& w = f.Start();
    QTest::mouseClick(w.cmdOptions, Qt::LeftButton);
    QVERIFY(w.blnShowOptions);
    QCOMPARE(w.height(), w.TallHeight());
    QCOMPARE(w.cmdOptions->text(), QStringLiteral("Hide Options"));
    QVERIFY(w.Frame1->geometry().bottom() < w.height());
    QTest::mouseClick(w.cmdOptions, Qt::LeftButton);
    QVERIFY(!w.blnShowOptions);
    QCOMPARE(w.height(), w.ShortHeight());
    QCOMPARE(w.cmdOptions->text(), QStringLiteral("Show Options"));
    QVERIFY2(w.Frame1->y() >= w.height(), "the short window hides the whole frame");
    QCOMPARE(w.ShortHeight(), 119);
    QCOMPARE(w.TallHeight(), 214);
}

void OptionsTest::roundingLists() {
    MainWindowFixture f;
    auto& w = f.Start();
    QStringList fractional;
    for (int i = 0; i < w.cmbRound->count(); ++i) fractional << w.cmbRound->itemText(i);
    QCOMPARE(fractional, (QStringList{"1 Inch", "1/2 Inch", "1/4 Inch", "1/8 Inch", "1/16 Inch", "1/32 Inch",
                                      "1/64 Inch", "1/128 Inch", "1/256 Inch"}));
    QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    QStringList decimal;
    for (int i = 0; i < w.cmbRound->count(); ++i) decimal << w.cmbRound->itemText(i);
    QCOMPARE(decimal, (QStringList{"1", "0.1", "0.01", "0.001", "0.0001", "1E-05", "1E-06", "1E-07", "1E-08"}));
}

void OptionsTest::modeChangeKeepsFormat_data() {
    QTest::addColumn<bool>("fromDecimal");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fractional Inches -> decimal Inches") << false << 2 << "Inches";
    QTest::newRow("fractional None -> decimal None") << false << 0 << "None";
    QTest::newRow("decimal Feet -> fractional Feet and Inches") << true << 2 << "Feet and Inches";
    QTest::newRow("decimal Inches -> fractional Inches") << true << 3 << "Inches";
    QTest::newRow("decimal Feet and Inches stays") << true << 1 << "Feet and Inches";
}

void OptionsTest::modeChangeKeepsFormat() {
    QFETCH(bool, fromDecimal);
    QFETCH(int, from);
    QFETCH(QString, expected);
    MainWindowFixture f;
    f.settings.Write("Output", fromDecimal ? "1" : "0");
    auto& w = f.Start();
    w.cmbFormat->setCurrentIndex(from);
    QTest::mouseClick(w.optOutput[fromDecimal ? 0 : 1], Qt::LeftButton);
    QCOMPARE(w.cmbFormat->currentText(), expected);
}

void OptionsTest::modeChangeKeepsRoundingPosition() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.cmbRound->setCurrentIndex(6);
    QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    QCOMPARE(w.cmbRound->currentText(), QStringLiteral("1E-06"));
    QTest::mouseClick(w.optOutput[0], Qt::LeftButton);
    QCOMPARE(w.cmbRound->currentText(), QStringLiteral("1/64 Inch"));
}

void OptionsTest::fractionalAlwaysRounds() {
    MainWindowFixture f;
    f.settings.Write("Output", "1");
    f.settings.Write("RoundOn", "0");
    auto& w = f.Start();
    QVERIFY(!w.chkRound->isChecked());
    QVERIFY(!w.cmbRound->isEnabled());
    QTest::mouseClick(w.optOutput[0], Qt::LeftButton);
    QVERIFY(w.chkRound->isChecked());
    QVERIFY(!w.chkRound->isEnabled());
    QVERIFY(w.cmbRound->isEnabled());
    QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    QVERIFY(w.chkRound->isChecked());
    QVERIFY(w.chkRound->isEnabled());
}

void OptionsTest::uncheckingRoundDisablesTheList() {
    MainWindowFixture f;
    f.settings.Write("Output", "1");
    f.settings.Write("RoundOn", "1");
    auto& w = f.Start();
    w.lblDisplay->setText("3.14159");
    QTest::mouseClick(w.chkRound, Qt::LeftButton);
    QVERIFY(!w.chkRound->isChecked());
    QVERIFY(!w.cmbRound->isEnabled());
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("3.14159"));
}

// Square units refill the format list; where it lands depends on the mode
// and the position before.
void OptionsTest::squareFill_data() {
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<int>("before");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("selected");
    const QStringList decimalItems{"Square Feet", "Square Inches"};
    QTest::newRow("decimal None -> Square Inches") << true << 0 << decimalItems << "Square Inches";
    QTest::newRow("decimal Feet and Inches -> Square Feet") << true << 1 << decimalItems << "Square Feet";
    QTest::newRow("decimal Inches -> Square Feet") << true << 3 << decimalItems << "Square Feet";
    QTest::newRow("fractional Inches -> Square Inches") << false << 2 << QStringList{"Square Inches"} << "Square Inches";
}

void OptionsTest::squareFill() {
    QFETCH(bool, decimal);
    QFETCH(int, before);
    QFETCH(QStringList, items);
    QFETCH(QString, selected);
    MainWindowFixture f;
    f.settings.Write("Output", decimal ? "1" : "0");
    auto& w = f.Start();
    w.cmbFormat->setCurrentIndex(before);
    QTest::mouseClick(w.chkSquare, Qt::LeftButton);
    QVERIFY(w.chkSquare->isChecked());
    QStringList shown;
    for (int i = 0; i < w.cmbFormat->count(); ++i) shown << w.cmbFormat->itemText(i);
    QCOMPARE(shown, items);
    QCOMPARE(w.cmbFormat->currentText(), selected);
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0"));
}

void OptionsTest::linksHoldAfterEveryHandler() {
    MainWindowFixture f;
    auto& w = f.Start();
    const auto check = [&](const char* after) {
        if (w.optOutput[0]->isChecked()) {
            QVERIFY2(w.chkRound->isChecked() && !w.chkRound->isEnabled(), after);
        }
        QVERIFY2(w.cmbRound->isEnabled() == w.chkRound->isChecked(), after);
        const bool square = w.chkSquare->isChecked();
        const int expected = square ? (w.optOutput[0]->isChecked() ? 1 : 2) : (w.optOutput[0]->isChecked() ? 3 : 4);
        QVERIFY2(w.cmbFormat->count() == expected, after);
    };
    QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    check("decimal");
    QTest::mouseClick(w.chkRound, Qt::LeftButton);
    check("rounding off");
    QTest::mouseClick(w.chkSquare, Qt::LeftButton);
    check("square on");
    QTest::mouseClick(w.optOutput[0], Qt::LeftButton);
    check("fractional");
    QTest::mouseClick(w.chkSquare, Qt::LeftButton);
    check("square off");
    QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    check("decimal again");
}

void OptionsTest::optionChangeOnZeroEvaluatesNothing() {
    MainWindowFixture f;
    auto& w = f.Start();
    spanwright::mdlDisplay::lngOperator = 1;
    spanwright::mdlDoMath::dblTotal = 7;
    QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    w.cmbFormat->setCurrentIndex(3);
    QCOMPARE(spanwright::mdlDisplay::lngOperator, 1);
    QCOMPARE(spanwright::mdlDoMath::dblTotal, 7.0);
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0"));
}

// 5, add, then a switch to decimal: the pending add completes with the shown 5.
void OptionsTest::optionChangeCompletesPendingOperation() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.lblDisplay->setText("5");
    spanwright::mdlDisplay::lngOperator = 1;
    spanwright::mdlDoMath::dblTotal = 5;
    QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    QCOMPARE(spanwright::mdlDisplay::lngOperator, 0);
    QCOMPARE(spanwright::mdlDoMath::dblTotal, 10.0);
    QVERIFY(f.messages.records().empty());
}

void OptionsTest::equalsActs() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.lblDisplay->setText("40.5");
    w.blnNewExpresion = false;
    QTest::mouseClick(w.cmdEquals, Qt::LeftButton);
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("3'4-1/2\""));
    QCOMPARE(w.Picture1->PictureIndex(), 5);
    QCOMPARE(spanwright::mdlDisplay::lngOperator, 0);
    QCOMPARE(spanwright::mdlDoMath::dblTotal, 40.5);
    QVERIFY(w.blnNewExpresion);
}

void OptionsTest::failedEqualsClearsAll() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.lblDisplay->setText("0");
    spanwright::mdlDisplay::lngOperator = 4;
    spanwright::mdlDoMath::dblTotal = 8;
    w.cmdEquals_Click();
    QCOMPARE(f.messages.records().size(), std::size_t{1});
    QCOMPARE(f.messages.LastText(), QStringLiteral("Error 11: Division by zero."));
    QCOMPARE(f.messages.records().back().title, QStringLiteral("Spanwright"));
    QVERIFY(f.messages.records().back().icon == spanwright::platform::MessageIcon::Critical);
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0"));
    QCOMPARE(spanwright::mdlDisplay::lngOperator, 0);
    QCOMPARE(spanwright::mdlDoMath::dblTotal, 0.0);
}

void OptionsTest::clearAllActs() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.lblDisplay->setText("12'");
    w.blnNewExpresion = false;
    spanwright::mdlDisplay::lngOperator = 3;
    spanwright::mdlDoMath::dblTotal = 12;
    QTest::mouseClick(w.cmdAC, Qt::LeftButton);
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0"));
    QCOMPARE(w.Picture1->PictureIndex(), 5);
    QCOMPARE(spanwright::mdlDisplay::lngOperator, 0);
    QCOMPARE(spanwright::mdlDoMath::dblTotal, 0.0);
    QVERIFY(w.blnNewExpresion);
}

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
