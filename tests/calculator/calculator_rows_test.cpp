// The calculator core without a window: the key rows (keys.txt) and the
// memory and clipboard rows (memory.txt). With SPANWRIGHT_COMMA_LOCALE set
// the rows run again under a German locale, which must be installed.
// Also every printable character and the line feed, typed on a US keyboard
// into the window and typed as text (the command line): the same key.
#include <QLocale>
#include <QtTest>
#include <clocale>

#include "calculator/calculator.h"
#include "key_rows.h"
#include "platform/key_translation.h"

using namespace spanwright::test;
namespace keys = spanwright::calculator::keys;

namespace {

// The characters a US keyboard types with Shift held.
bool UsShifted(char c) { return (c >= 'A' && c <= 'Z') || std::string_view("~!@#$%^&*()_+{}|:\"<>?").find(c) != std::string_view::npos; }

}  // namespace

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

    void typedCharacterIsTheWindowsKey_data() {
        QTest::addColumn<char>("c");
        QTest::newRow("line feed") << '\n';
        for (char c = ' '; c <= '~'; ++c) QTest::newRow(qPrintable(QString("char %1").arg(QChar(c)))) << c;
    }
    // A character typed as text presses the key the window's translation
    // gives its key event; a character that is no key of the typed text
    // is no key of the window's map either. Only "=" differs: in typed
    // text it is Enter, in the window the "=" key, which does nothing.
    void typedCharacterIsTheWindowsKey() {
        QFETCH(char, c);
        const Qt::Key qtKey = c == '\n' ? Qt::Key_Return : Qt::Key(QChar(c).toUpper().unicode());
        const QString text = c == '\n' ? QString("\r") : QString(QChar(c));
        const auto window = spanwright::platform::TranslateKey(qtKey, UsShifted(c) ? Qt::ShiftModifier : Qt::NoModifier, text);
        const std::optional<keys::Key> typed = keys::OfTypedCharacter(c);
        if (c == '=') {
            QCOMPARE(window.KeyCode, keys::kEquals);
            QCOMPARE(window.Shift, 0);
            QVERIFY(typed == (keys::Key{keys::kEnter, 0}));
        } else if (typed) {
            QCOMPARE(window.KeyCode, typed->code);
            QCOMPARE(window.Shift, typed->shift);
        } else {
            spanwright::calculator::Calculator core;
            core.Start({});
            QVERIFY2(!core.KeyDown(window.KeyCode, window.Shift).consumed, qPrintable(QString::number(window.KeyCode)));
            QCOMPARE(core.Display(), "0");
        }
    }
};

QTEST_APPLESS_MAIN(CalculatorRowsTest)
#include "calculator_rows_test.moc"
