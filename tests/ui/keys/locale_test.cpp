// A comma locale changes nothing: "." is the decimal point the keys type
// and the program reads.
#include <QLocale>
#include <QtTest>
#include <clocale>

#include "key_script.h"
#include "main_window/main_window_fixture.h"

using spanwright::test::HistoryLines;
using spanwright::test::MainWindowFixture;
using spanwright::test::Play;

class LocaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pointIsTheDecimalPoint_data();
    void pointIsTheDecimalPoint();
};

void LocaleTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "de_DE.utf8")) {
        QCOMPARE(std::localeconv()->decimal_point, ",");
    } else {
        qWarning("de_DE.UTF-8 is not installed (localedef -i de_DE -f UTF-8 de_DE.UTF-8); "
                 "only the Qt default locale is German");
    }
}

void LocaleTest::pointIsTheDecimalPoint_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("history");
    QTest::newRow("fractional") << "3 . 5 + 1 Enter" << "0'4-1/2\"" << "3.5|+ 1|= 0'4-1/2\"";
    QTest::newRow("decimal inches") << "{Decimal} {Format=3} {Round=1} 3 . 5 + 1 Enter" << "4.5\""
                                    << "3.5|+ 1|= 4.5\"";
    QTest::newRow("German keypad") << "3 Kp, 5 De:+ 1 Enter" << "0'4-1/2\"" << "3.5|+ 1|= 0'4-1/2\"";
}

void LocaleTest::pointIsTheDecimalPoint() {
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, history);
    MainWindowFixture f;
    Play(f.Start(), script);
    QCOMPARE(f.form->lblDisplay->text(), display);
    QCOMPARE(HistoryLines(*f.form), history);
    QVERIFY(f.messages.records().empty());
}

QTEST_MAIN(LocaleTest)
#include "locale_test.moc"
