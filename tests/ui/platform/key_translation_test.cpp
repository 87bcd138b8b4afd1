// Key events as US, German and French keyboards send them, translated to the
// keyboard map's codes.
#include <QKeyEvent>
#include <QTest>

#include "platform/key_translation.h"

using spanwright::platform::TranslateKey;

class KeyTranslationTest : public QObject {
    Q_OBJECT
private slots:
    void translates_data();
    void translates();
    void keyEventOverload();
};

void KeyTranslationTest::translates_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shift");

    const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
              keypad = Qt::KeypadModifier, alt = Qt::AltModifier;
    QTest::newRow("digit row 7") << int(Qt::Key_7) << none << "7" << 55 << 0;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << keypad << "7" << 103 << 0;
    QTest::newRow("US shift+8 is the asterisk") << int(Qt::Key_Asterisk) << shift << "*" << 56 << 1;
    QTest::newRow("keypad asterisk") << int(Qt::Key_Asterisk) << keypad << "*" << 106 << 0;
    QTest::newRow("US shift+1 types no key of the table") << int(Qt::Key_Exclam) << shift << "!" << 0 << 0;
    QTest::newRow("French shift+& is the digit 1") << int(Qt::Key_1) << shift << "1" << 49 << 0;
    QTest::newRow("quote is the feet mark") << int(Qt::Key_Apostrophe) << none << "'" << 222 << 0;
    QTest::newRow("German quote comes with shift") << int(Qt::Key_Apostrophe) << shift << "'" << 222 << 0;
    QTest::newRow("double quote is the inch mark") << int(Qt::Key_QuoteDbl) << shift << "\"" << 222 << 1;
    QTest::newRow("plus is shift with the equals key") << int(Qt::Key_Plus) << shift << "+" << 187 << 1;
    QTest::newRow("German plus has no shift") << int(Qt::Key_Plus) << none << "+" << 187 << 1;
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << keypad << "+" << 107 << 0;
    QTest::newRow("equals sign") << int(Qt::Key_Equal) << none << "=" << 187 << 0;
    QTest::newRow("minus key") << int(Qt::Key_Minus) << none << "-" << 189 << 0;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << "-" << 109 << 0;
    QTest::newRow("German slash comes with shift") << int(Qt::Key_Slash) << shift << "/" << 191 << 0;
    QTest::newRow("keypad slash") << int(Qt::Key_Slash) << keypad << "/" << 111 << 0;
    QTest::newRow("period") << int(Qt::Key_Period) << none << "." << 190 << 0;
    QTest::newRow("keypad decimal typing a point") << int(Qt::Key_Period) << keypad << "." << 110 << 0;
    QTest::newRow("German keypad decimal typing a comma") << int(Qt::Key_Comma) << keypad << "," << 110 << 0;
    QTest::newRow("comma outside the keypad") << int(Qt::Key_Comma) << none << "," << 0 << 0;
    QTest::newRow("lower-case f") << int(Qt::Key_F) << none << "f" << 70 << 0;
    QTest::newRow("capital F drops the shift") << int(Qt::Key_F) << shift << "F" << 70 << 0;
    QTest::newRow("n") << int(Qt::Key_N) << none << "n" << 78 << 0;
    QTest::newRow("ctrl+c") << int(Qt::Key_C) << ctrl << "\x03" << 67 << 2;
    QTest::newRow("ctrl+shift+c keeps the shift") << int(Qt::Key_C) << (ctrl | shift) << "C" << 67 << 3;
    QTest::newRow("ctrl+v with a letter as text") << int(Qt::Key_V) << ctrl << "v" << 86 << 2;
    QTest::newRow("ctrl+f") << int(Qt::Key_F) << ctrl << "\x06" << 70 << 2;
    QTest::newRow("ctrl+slash") << int(Qt::Key_Slash) << ctrl << "/" << 191 << 2;
    QTest::newRow("ctrl+quote") << int(Qt::Key_Apostrophe) << ctrl << "'" << 222 << 2;
    QTest::newRow("alt+digit") << int(Qt::Key_5) << alt << "5" << 53 << 4;
    QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << 13 << 0;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << "\r" << 13 << 0;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8 << 0;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << 46 << 0;
    QTest::newRow("the shift key itself") << int(Qt::Key_Shift) << shift << "" << 16 << 1;
    QTest::newRow("the ctrl key itself") << int(Qt::Key_Control) << ctrl << "" << 17 << 2;
    QTest::newRow("space goes on to the focused control") << int(Qt::Key_Space) << none << " " << 0 << 0;
    QTest::newRow("tab goes on") << int(Qt::Key_Tab) << none << "\t" << 0 << 0;
    QTest::newRow("escape goes on") << int(Qt::Key_Escape) << none << "\x1b" << 0 << 0;
}

void KeyTranslationTest::translates() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(int, shift);
    const auto vk = TranslateKey(key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(vk.KeyCode, code);
    QCOMPARE(vk.Shift, shift);
}

void KeyTranslationTest::keyEventOverload() {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_QuoteDbl, Qt::ShiftModifier, QStringLiteral("\""));
    const auto vk = TranslateKey(event);
    QCOMPARE(vk.KeyCode, 222);
    QCOMPARE(vk.Shift, 1);
}

QTEST_GUILESS_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
