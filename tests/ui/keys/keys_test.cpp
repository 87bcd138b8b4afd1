// The keyboard map, the entry and operator keys and the history record,
// driven by real key events and real clicks on a real main window. Each row:
// a script (key_script.h) -> display, square tag, pending-operator picture
// (0 none yet, 1 + 2 - 3 * 4 /, 5 nothing pending) and history, CR LF as "|".
#include <QtTest>

#include "key_script.h"
#include "main_window/main_window_fixture.h"
#include "platform/picture_box.h"

using spanwright::test::HistoryLines;
using spanwright::test::MainWindowFixture;
using spanwright::test::Play;

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void sequences_data();
    void sequences();
    void clicksRecordWhatKeysRecord_data();
    void clicksRecordWhatKeysRecord();
    void failedStepsShowTheirMessage_data();
    void failedStepsShowTheirMessage();
};

namespace {

void Columns() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("history");
}

// Options used by several rows.
const QString kSquareDecimal2 = "{Decimal} {Round=2} {Square} {Format=1} ";  // square inches, 2 places

}  // namespace

void KeysTest::sequences_data() {
    Columns();
    // Evaluation, left to right.
    QTest::newRow("worked chain") << "3 ' 4 f 1 / 2 \" + 1 0 * 2 Enter" << "8'5\"" << "" << 5
                                  << "3'4-1/2\"|+ 10|= 4'2-1/2\"|* 2|= 8'5\"";
    QTest::newRow("no precedence") << "2 + 3 * 4 Enter" << "1'8\"" << "" << 5 << "2|+ 3|= 0'5\"|* 4|= 1'8\"";
    QTest::newRow("equals after an operator") << "5 + Enter" << "0'10\"" << "" << 5 << "5|+ 0'5\"|= 0'10\"";
    QTest::newRow("equals with nothing pending") << "4 0 . 5 Enter" << "3'4-1/2\"" << "" << 5 << "";
    QTest::newRow("equals on 0") << "Enter" << "0'0\"" << "" << 5 << "";
    QTest::newRow("second equals re-reads the rounded result") << "4 0 . 3 Enter Enter" << "3'4-5/16\"" << "" << 5 << "";
    QTest::newRow("square inches") << "{Square} 4 0 . 5 * 4 0 . 5 Enter" << "1640-1/4" << "sqIn" << 5 << "40.5|* 40.5|= 1640-1/4";
    QTest::newRow("square feet") << kSquareDecimal2 + "{Format=0} 4 0 . 5 * 4 0 . 5 Enter" << "11.39" << "sqFt" << 5
                                 << "40.5|* 40.5|= 11.39";
    QTest::newRow("square off keeps the tag as it was") << "5 * 2 Enter" << "0'10\"" << "" << 5 << "5|* 2|= 0'10\"";

    // The divide key and fractions.
    QTest::newRow("divide types the bar after F") << "4 f 1 / 2" << "4-1/2" << "" << 0 << "";
    QTest::newRow("5'3-1/2") << "5 ' 3 f 1 / 2" << "5'3-1/2" << "" << 0 << "";
    QTest::newRow("the bar once, then divide") << "4 f 1 / 2 / 3 Enter" << "0'1-1/2\"" << "" << 5 << "4-1/2|/ 3|= 0'1-1/2\"";

    // Entry keys on a shown result.
    QTest::newRow("digit replaces a result") << "5 Enter 7" << "7" << "" << 5 << "";
    QTest::newRow("point after a result") << "5 Enter ." << "0." << "" << 5 << "";
    QTest::newRow("F after a result") << "5 Enter f" << "0-" << "" << 5 << "";
    QTest::newRow("feet mark after a result") << "{Format=0} 5 Enter '" << "5'" << "" << 5 << "";
    QTest::newRow("N toggles a result") << "5 Enter n" << "-0'5\"" << "" << 5 << "";
    QTest::newRow("leading zero stays") << "0 5" << "05" << "" << 0 << "";

    // Entry keys alone.
    QTest::newRow("F on empty") << "1 Back f" << "0-" << "" << 0 << "";
    QTest::newRow("F on 5-3") << "5 f 3 f" << "5-3" << "" << 0 << "";
    QTest::newRow("F on -5") << "5 n f" << "-5" << "" << 0 << "";
    QTest::newRow("F on 5 inches") << "5 \" f" << "5-" << "" << 0 << "";
    QTest::newRow("F on 5 feet") << "5 ' f" << "5'0-" << "" << 0 << "";
    QTest::newRow("point on -5") << "5 n ." << "-5" << "" << 0 << "";
    QTest::newRow("point on 5-3") << "5 f 3 ." << "5-3" << "" << 0 << "";
    QTest::newRow("point on empty") << "1 Back ." << "." << "" << 0 << "";
    QTest::newRow("second point") << "1 . 2 ." << "1.2" << "" << 0 << "";
    QTest::newRow("feet on empty") << "1 Back '" << "" << "" << 0 << "";
    QTest::newRow("feet on 5'3") << "5 ' 3 '" << "5'3" << "" << 0 << "";
    QTest::newRow("feet after inches") << "5 \" '" << "5\"'" << "" << 0 << "";
    QTest::newRow("N on 0") << "n" << "0" << "" << 0 << "";
    QTest::newRow("N once") << "1 2 n" << "-12" << "" << 0 << "";
    QTest::newRow("N twice") << "1 2 n n" << "12" << "" << 0 << "";
    QTest::newRow("N on empty") << "1 Back n" << "-" << "" << 0 << "";
    QTest::newRow("backspace on empty") << "1 Back Back" << "" << "" << 0 << "";
    QTest::newRow("CE on 0 twice") << "Del Del" << "0" << "" << 0 << "";
    QTest::newRow("CE on 12") << "1 2 Del" << "" << "" << 0 << "";
    QTest::newRow("Del Del clears all") << "5 + 1 2 Del Del" << "0" << "" << 5 << "5|+ |clr||";

    // The 15-character limit on an entry.
    QTest::newRow("16th digit refused") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6" << "123456789012345" << "" << 0 << "";
    QTest::newRow("point refused at 15") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 ." << "123456789012345" << "" << 0 << "";
    QTest::newRow("F, N still taken at 15") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 n" << "-123456789012345" << "" << 0 << "";
    QTest::newRow("click refused at 15")
        << "[1] [2] [3] [4] [5] [6] [7] [8] [9] [0] [1] [2] [3] [4] [5] [6] [+]" << "10288065751028'9-5/8\"" << "" << 1
        << "123456789012345|+ ";
    QTest::newRow("after a long result a digit starts anew")
        << "{Round=7} 1 2 3 4 5 6 7 / 3 Enter 5" << "5" << "" << 5 << "1234567|/ 3|= 34293'6-43/128\"";
    QTest::newRow("after a long result the point starts anew")
        << "{Round=7} 1 2 3 4 5 6 7 / 3 Enter ." << "0." << "" << 5 << "1234567|/ 3|= 34293'6-43/128\"";

    // Modifiers.
    QTest::newRow("Shift+8 multiplies") << "5 * 3 Enter" << "1'3\"" << "" << 5 << "5|* 3|= 1'3\"";
    QTest::newRow("8 types 8") << "8" << "8" << "" << 0 << "";
    QTest::newRow("Shift+= adds") << "5 + 3 Enter" << "0'8\"" << "" << 5 << "5|+ 3|= 0'8\"";
    QTest::newRow("= alone does nothing") << "5 = 3" << "53" << "" << 0 << "";
    QTest::newRow("Shift+1 types nothing") << "5 !" << "5" << "" << 0 << "";
    QTest::newRow("Shift+quote is inches") << "5 \"" << "5\"" << "" << 0 << "";
    QTest::newRow("quote is feet") << "5 '" << "5'" << "" << 0 << "";
    QTest::newRow("Ctrl+quote is feet") << "5 Ctrl+'" << "5'" << "" << 0 << "";
    QTest::newRow("Ctrl+F begins a fraction") << "5 Ctrl+f" << "5-" << "" << 0 << "";
    QTest::newRow("Ctrl+/ divides") << "8 Ctrl+/ 2 Enter" << "0'4\"" << "" << 5 << "8|/ 2|= 0'4\"";
    QTest::newRow("Ctrl+Shift+C does nothing") << "5 Ctrl+Shift+c" << "5" << "" << 0 << "";
    QTest::newRow("keypad") << "Kp7 Kp. Kp5 Kp* Kp2 Kp- Kp1 Kp+ Kp3 Kp/ Kp2 Enter" << "0'8-1/2\""
                            << "" << 5 << "7.5|* 2|= 1'3\"|- 1|= 1'2\"|+ 3|= 1'5\"|/ 2|= 0'8-1/2\"";
    QTest::newRow("Ctrl turns a square result into a length")
        << kSquareDecimal2 + "{Format=0} 1 ' 6 \" * 2 ' Enter Ctrl" << "3'" << "" << 5 << "1'6\"|* 2'|= 3";
    QTest::newRow("Shift alone turns a square result into a length")
        << "{Square} 2 * 3 Enter Shift" << "6\"" << "" << 5 << "2|* 3|= 6";
    QTest::newRow("Tab is not a key of the map") << "5 Tab 3" << "53" << "" << 0 << "";

    // German and French layouts.
    QTest::newRow("German layout") << "5 De:' 3 f 1 De:/ 2 De:\" De:* 2 De:+ 1 Enter" << "10'8\"" << "" << 5
                                   << "5'3-1/2\"|* 2|= 10'7\"|+ 1|= 10'8\"";
    QTest::newRow("German keypad comma") << "3 Kp, 5 De:+ 1 Enter" << "0'4-1/2\"" << "" << 5 << "3.5|+ 1|= 0'4-1/2\"";
    QTest::newRow("French Shift+&") << "Fr:1 + 2 Enter" << "0'3\"" << "" << 5 << "1|+ 2|= 0'3\"";

    // History openings, "ChangeOp", clear all.
    QTest::newRow("openings") << "5 + 3 Enter + 2 Enter 4 * -" << "0'4\"" << "" << 2
                              << "5|+ 3|= 0'8\"|+ 2|= 0'10\"||4|- ";
    QTest::newRow("chained operator") << "5 + 3 +" << "0'8\"" << "" << 1 << "5|+ 3|= 0'8\"|+ ";
    QTest::newRow("two operators leave the second") << "5 + - 3 Enter" << "0'2\"" << "" << 5 << "5|- 3|= 0'2\"";
    QTest::newRow("after clr no blank line") << "5 + 3 Enter Del Del 2 + 1 Enter" << "0'3\"" << "" << 5
                                             << "5|+ 3|= 0'8\"|clr||2|+ 1|= 0'3\"";
    QTest::newRow("after Clear the first line again") << "5 + 3 Enter {ClearHistory} 2 + 1 Enter" << "0'3\"" << ""
                                                      << 5 << "2|+ 1|= 0'3\"";
    QTest::newRow("Enter records nothing with nothing pending") << "5 Enter 6 Enter" << "0'6\"" << "" << 5 << "";
    QTest::newRow("point starts an operand after an operator") << "5 + . 5 +" << "0'5-1/2\"" << "" << 1
                                                               << "5|+ 0.5|= 0'5-1/2\"|+ ";
    QTest::newRow("F starts an operand after an operator") << "5 + f 1 / 2 +" << "0'5-1/2\"" << "" << 1
                                                           << "5|+ 0-1/2|= 0'5-1/2\"|+ ";

    // Option changes re-evaluate as an Enter press, once.
    QTest::newRow("option change completes the pending step") << "5 + {Decimal}" << "0'10\"" << "" << 5
                                                               << "5|+ 0'5\"|= 0'10\"";
    QTest::newRow("option change with nothing pending") << "4 0 . 5 Enter {Decimal} {Format=3}" << "40.5\"" << ""
                                                        << 5 << "";
    QTest::newRow("option change on 0 evaluates nothing") << "{Decimal}" << "0" << "" << 0 << "";
    QTest::newRow("square units on shows 0") << "5 Enter {Square}" << "0" << "" << 5 << "";

    // Sounder behaviours.
    QTest::newRow("clear all also ends a fraction") << "f [AC] 8 / 2 Enter" << "0'4\"" << "" << 5 << "|clr||8|/ 2|= 0'4\"";
    QTest::newRow("clear entry also ends a fraction") << "f Del 8 / 2 Enter" << "0'4\"" << "" << 5 << "8|/ 2|= 0'4\"";
    QTest::newRow("point after a negative result") << "3 - 5 Enter ." << "0." << "" << 5 << "3|- 5|= -0'2\"";
    QTest::newRow("ChangeOp on a cleared history") << "5 + {ClearHistory} -" << "0'5\"" << "" << 2 << "- ";
    QTest::newRow("failed Enter records the error") << "8 / 0 Enter" << "0" << "" << 5 << "8|/ 0|= Error 11";
    QTest::newRow("failed operator records the error") << "8 / 0 /" << "0" << "" << 4 << "8|/ 0|= Error 11|/ ";
    QTest::newRow("failed first operator records the error") << "3 f 4 + 5 Enter" << "0'5\"" << "" << 5
                                                             << "3-4|= Error 100|+ 5|= 0'5\"";
    QTest::newRow("AC clears all under a square tag") << kSquareDecimal2 + "2 * 3 * [AC] 4 Enter" << "4" << "" << 5
                                                      << "2|* 3|= 6|* |clr||";
    QTest::newRow("N on a result is a new operand") << "5 + 3 Enter n + 1 Enter" << "-0'7\"" << "" << 5
                                                    << "5|+ 3|= 0'8\"||-0'8\"|+ 1|= -0'7\"";
    QTest::newRow("N right after an operator is the operand") << "5 + n +" << "0'0\"" << "" << 1
                                                              << "5|+ -0'5\"|= 0'0\"|+ ";
    QTest::newRow("backspace on a square result") << "{Square} 2 * 3 Enter Back + 1 Enter" << "7" << "" << 5
                                                  << "2|* 3|= 6||6|+ 1|= 7";
    QTest::newRow("square result keeps its area")
        << kSquareDecimal2 + "1 ' 6 \" * 2 ' Enter {Format=0}" << "3" << "sqFt" << 5 << "1'6\"|* 2'|= 432";
    QTest::newRow("square result keeps its area both ways")
        << kSquareDecimal2 + "1 ' 6 \" * 2 ' Enter {Format=0} {Format=1}" << "432" << "sqIn" << 5
        << "1'6\"|* 2'|= 432";
    QTest::newRow("square result keeps its area across modes")
        << "{Square} 4 0 f 1 / 2 * 1 Enter {Decimal}" << "40.5" << "sqIn" << 5 << "40-1/2|* 1|= 40-1/2";
    QTest::newRow("a square result made a length reads as a length")
        << kSquareDecimal2 + "1 ' 6 \" * 2 ' Enter Ctrl {Format=0}" << "36" << "" << 5 << "1'6\"|* 2'|= 432";
    QTest::newRow("F click under a square tag") << "{Square} 2 * 3 Enter [F] 1 / 2 +" << "0-1/2" << "" << 1
                                                << "2|* 3|= 6||0-1/2|+ ";
    QTest::newRow("the bar after clr") << "7 + 1 Enter Del Del f 1 / 2 + 1 Enter" << "0'1-1/2\"" << "" << 5
                                       << "7|+ 1|= 0'8\"|clr||0-1/2|+ 1|= 0'1-1/2\"";
}

void KeysTest::sequences() {
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, tag);
    QFETCH(int, picture);
    QFETCH(QString, history);
    MainWindowFixture f;
    auto& w = f.Start();
    Play(w, script);
    QCOMPARE(w.lblDisplay->text(), display);
    QCOMPARE(w.lblSquare->text(), tag);
    QCOMPARE(w.Picture1->PictureIndex(), picture);
    QCOMPARE(HistoryLines(w), history);
}

void KeysTest::clicksRecordWhatKeysRecord_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("clicks");
    QTest::newRow("chain") << "5 + 3 * 2 - 1 / 4 Enter" << "[5] [+] [3] [*] [2] [-] [1] [/] [4] [=]";
    QTest::newRow("entry keys") << "1 2 . 5 Back Back ' 3 f 1 / 2 n + 1 Enter"
                                << "[1] [2] [.] [5] [<-] [<-] [ft] [3] [F] [1] [/] [2] [N] [+] [1] [=]";
    QTest::newRow("clear") << "5 + 3 Del Del 2 + 1 Enter" << "[5] [+] [3] [CE] [CE] [2] [+] [1] [=]";
    QTest::newRow("clear all") << "5 + 3 Del Del 2 + 1 Enter" << "[5] [+] [3] [AC] [2] [+] [1] [=]";
    QTest::newRow("operator change") << "5 + - * 2 Enter" << "[5] [+] [-] [*] [2] [=]";
}

void KeysTest::clicksRecordWhatKeysRecord() {
    QFETCH(QString, keys);
    QFETCH(QString, clicks);
    MainWindowFixture typed;
    Play(typed.Start(), keys);
    const QString typedDisplay = typed.form->lblDisplay->text();
    const QString typedHistory = HistoryLines(*typed.form);
    MainWindowFixture clicked;
    Play(clicked.Start(), clicks);
    QCOMPARE(clicked.form->lblDisplay->text(), typedDisplay);
    QCOMPARE(HistoryLines(*clicked.form), typedHistory);
    QVERIFY(!typedHistory.isEmpty());
}

void KeysTest::failedStepsShowTheirMessage_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    QTest::newRow("division by zero") << "8 / 0 Enter" << "Error 11: Division by zero.";
    QTest::newRow("dash without fraction") << "3 f 4 Enter" << "Error 100: Invalid fractional or decimal input.";
    QTest::newRow("lone minus") << "1 Back n +" << "Error 13: Invalid input.";
    QTest::newRow("fraction without inches") << "1 Back f 1 / 2 Enter" << "";  // 0-1/2 reads well
    QTest::newRow("F click under a square tag needs no message") << "{Square} 2 * 3 Enter [F] 1 / 2 +" << "";
}

void KeysTest::failedStepsShowTheirMessage() {
    QFETCH(QString, script);
    QFETCH(QString, message);
    MainWindowFixture f;
    Play(f.Start(), script);
    if (message.isEmpty()) {
        QVERIFY2(f.messages.records().empty(), qPrintable(f.messages.LastText()));
    } else {
        QCOMPARE(f.messages.records().size(), std::size_t(1));
        QCOMPARE(f.messages.LastText(), message);
    }
}

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
