// The calculator core without a window: the key rows (keys.txt) and the
// memory and clipboard rows (memory.txt). With SPANWRIGHT_COMMA_LOCALE set
// the rows run again under a German locale, which must be installed.
#include <QLocale>
#include <QtTest>
#include <clocale>

#include "key_rows.h"

using namespace spanwright::test;

class CalculatorRowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet("SPANWRIGHT_COMMA_LOCALE")) return;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "de_DE.utf8"),
                 "de_DE.UTF-8 is not installed (scripts/test makes it with localedef)");
        QCOMPARE(std::localeconv()->decimal_point, ",");
    }
    void keys_data() { AddKeyRows(KEYS_FILE); }
    void keys() { RunKeyRow(); }
    void memory_data() { AddKeyRows(MEMORY_FILE); }
    void memory() { RunKeyRow(); }
};

QTEST_APPLESS_MAIN(CalculatorRowsTest)
#include "calculator_rows_test.moc"
